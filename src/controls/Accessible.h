// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns about the board's own controls: a vertex is a button named by its
// number and colour that a press colours as a click does; a colour button is a toggle named by
// its colour. Both keep the mouse exactly as it is.
#pragma once

namespace controls {

// Teaches Qt's accessibility about the game's controls; every control calls it, once is enough.
void InstallAccessibility();

}  // namespace controls
