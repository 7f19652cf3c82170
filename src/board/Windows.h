// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the game exists once, from start-up to the end of the run, under the
// name the game gives it. They are created in a fixed order, the board first, and never
// re-created: hidden and shown again, each keeps its controls as the player left them.
#pragma once

#include "Board.h"

class TLevel1;
class TOptionsL1;
class TAboutBox;
class TPerfectDlg;
class TExcellentDlg;
class TPerformancePages;
class TGameNotOverDecision;
class TGameNotOverDecision2;
class TNotBadMessage;

namespace board {

inline TLevel1* Level1 = nullptr;
inline TOptionsL1* OptionsL1 = nullptr;
inline TAboutBox* AboutBox = nullptr;
inline TPerfectDlg* PerfectDlg = nullptr;
inline TExcellentDlg* ExcellentDlg = nullptr;
inline TPerformancePages* PerformancePages = nullptr;
inline TGameNotOverDecision* GameNotOverDecision = nullptr;
inline TGameNotOverDecision2* GameNotOverDecision2 = nullptr;
inline TNotBadMessage* NotBadMessage = nullptr;

// Creates the board and then every dialog in the game's order, all hidden, the dialogs
// owned by the board.
void CreateWindows();
// Finishes the windows not shown yet: draws their pictures (the rating banners first of all)
// for the screen they will open on, so that the first of them opens at once, and fills the
// statistics window's pages; meant for idle time once the board is up. A window that opens on
// a screen of another ratio draws again.
void PrepareHiddenWindows();

// Ends them all (the board takes its dialogs with it).
void DestroyWindows();

// What the engine asks of the windows, carried to the registry's windows: a dialog opened by
// name (without blocking; one not yet built is left alone), and the settings dialog following
// settings the game itself changed.
void OpenGameDialog(game::Dialog dialog);
void FollowSettingsChange(unsigned changes);

}  // namespace board
