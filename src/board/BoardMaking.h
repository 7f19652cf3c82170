// SPDX-License-Identifier: GPL-3.0-or-later
// The board's menus, and its controls made from the board's control table: the title's letter pairs and
// pictures, the painters, the vertices and their solution twins, the buttons and the score labels,
// each looking as the game draws it.
#pragma once

#include "board/BoardControls.h"

class QMainWindow;

namespace board {

class TToolTipSwitch;

// Makes every control of the table on `controls.Surface` and fills `controls` with them; the play
// controls whose tips follow the player's setting are handed to `toolTips`. The painters get their
// colours when the board shows the settings' colours.
void MakeControls(TBoardControls& controls, TToolTipSwitch& toolTips);
// Makes the main menu of `window` and fills `menu` with its items: their words, keys and help
// topics, and the items greyed until there is something for them. The board connects them.
void MakeMenus(QMainWindow& window, TBoardMenu& menu);

}  // namespace board
