// SPDX-License-Identifier: GPL-3.0-or-later
// ui::DrawnIcon: an icon that draws itself at whatever pixel size a button asks for.
#pragma once

#include <QIcon>

#include <functional>

class QPainter;

namespace ui {

// An icon sharp on every screen; `draw` paints it into a square of `logicalSize` pixels.
QIcon DrawnIcon(int logicalSize, std::function<void(QPainter&)> draw);

// A usable device pixel ratio (a screen reports at least 1; nonsense falls back to 1).
qreal SaneRatio(qreal ratio);

}  // namespace ui
