// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "About.h"
#include "Artwork.h"
#include "GameNotOverDialog.h"
#include "GameNotOverDialog2.h"
#include "Main.h"
#include "Modeless.h"
#include "NotBadDialog.h"
#include "Optionl1.h"
#include "Perfect.h"
#include "TabbedScores.h"
#include "excellent.h"

namespace board {

void CreateWindows() {
    Level1 = new TLevel1;
    OptionsL1 = new TOptionsL1(Level1);
    // The settings dialog's OK switches the board's tool tips to the player's new choice.
    OptionsL1->applyToolTips = [](bool on) { Level1->ApplyToolTips(on); };
    AboutBox = new TAboutBox(Level1);
    PerfectDlg = new TPerfectDlg(Level1);
    ExcellentDlg = new TExcellentDlg(Level1);
    PerformancePages = new TPerformancePages(Level1, TPerformancePages::Pages::BuiltWhenShown);
    GameNotOverDecision = new TGameNotOverDecision(Level1);
    GameNotOverDecision2 = new TGameNotOverDecision2(Level1);
    NotBadMessage = new TNotBadMessage(Level1);
}

void PrepareHiddenWindows() {
    if (!Level1)
        return;
    PerformancePages->BuildPages();
    for (artwork::TPicture* picture : Level1->findChildren<artwork::TPicture*>()) picture->drawForScreen();
}

void DestroyWindows() {
    // The dialogs are children of the board and go with it.
    delete Level1;
    Level1 = nullptr;
    OptionsL1 = nullptr;
    AboutBox = nullptr;
    PerfectDlg = nullptr;
    ExcellentDlg = nullptr;
    PerformancePages = nullptr;
    GameNotOverDecision = nullptr;
    GameNotOverDecision2 = nullptr;
    NotBadMessage = nullptr;
}

void OpenGameDialog(game::Dialog dialog) {
    QWidget* window = nullptr;
    switch (dialog) {
        case game::Dialog::Perfect:
            window = PerfectDlg;
            break;
        case game::Dialog::Excellent:
            window = ExcellentDlg;
            break;
        case game::Dialog::NotBad:
            window = NotBadMessage;
            break;
        case game::Dialog::GameNotOverDecision:
            window = GameNotOverDecision;
            break;
        case game::Dialog::GameNotOverDecision2:
            window = GameNotOverDecision2;
            break;
    }
    if (window)
        ShowModeless(window);
}

void FollowSettingsChange(unsigned changes) {
    if (OptionsL1)
        OptionsL1->FollowGameChanges(changes);
}

}  // namespace board
