// SPDX-License-Identifier: GPL-3.0-or-later
// app::TWindows: every window of the game, once, from start-up to the end of the run.
#pragma once

#include <memory>

#include <QPointer>
#include "services/GameLog.h"

#include <deque>
#include <optional>
#include <utility>

#include "engine/Game.h"

class QTimer;
class QWidget;

class TLevel1;
class TOptionsL1;
class TAboutBox;
class TPerfectDlg;
class TExcellentDlg;
class TPerformancePages;
class TGameNotOverDecision;
class TGameNotOverDecision2;
class TNotBadMessage;
class TPrintPuzzlesDlg;
class TPuzzleCodeBox;
class TReviewWindow;
namespace artwork {
class TPicture;
}

namespace app {

// The windows live under the names the game gives them. They are created in the game's order,
// the board first and the dialogs as its children, all hidden, and never re-created: hidden and
// shown again, each keeps its controls as the player left them. The registry is the engine's way
// to the dialogs (it opens them by name and hands them what they show) and carries the board's
// menu commands to the windows they open. The start-up code owns it.
class TWindows : public game::GameWindows {
  public:
    // Builds every window for `game` and attaches the board and the dialogs to it.
    explicit TWindows(game::Game& game);
    // Detaches them and ends every window (the board takes its dialogs with it).
    ~TWindows() override;
    TWindows(const TWindows&) = delete;
    TWindows& operator=(const TWindows&) = delete;

    // Finishes the windows not shown yet: draws their pictures (the rating banners first of all)
    // for the screen they will open on, so that the first of them opens at once, and fills the
    // statistics window's pages, and takes the desktop theme's icon where the game is installed;
    // all at once.
    void PrepareHiddenWindows();
    // The same in idle time once the board is up: one picture (or the statistics pages) per turn
    // of the event loop, so a click in between waits for one piece at most, never for all.
    void PrepareHiddenWindowsInIdleTime();
    // Prepares the next piece of the queue; false when nothing was left.
    bool PrepareNextHiddenPiece();

    // game::GameWindows
    void OpenDialog(game::Dialog dialog, const game::Rating& rating) override;
    void SettingsChangedByGame(const game::GameSettings& settings, unsigned changes) override;
    void GameRated(const game::GameRecord& record) override;
    void GameEndedUnrated(const game::GameRecord& record) override;

    TLevel1* const Level1;
    TOptionsL1* const OptionsL1;
    TAboutBox* const AboutBox;
    TPerfectDlg* const PerfectDlg;
    TExcellentDlg* const ExcellentDlg;
    TPerformancePages* const PerformancePages;
    TGameNotOverDecision* const GameNotOverDecision;
    TGameNotOverDecision2* const GameNotOverDecision2;
    TNotBadMessage* const NotBadMessage;
    // Made when first asked for, so that a start-up does not build windows a game may never open.
    TPrintPuzzlesDlg* PrintPuzzlesDlg();
    TPuzzleCodeBox* PuzzleCodeBox();
    TReviewWindow* ReviewWindow();
    // The review window on the game of `record`; false (nothing opened) for a game it cannot replay.
    bool OpenReview(const game::GameRecord& record);
    // The last game that ended in this run (solved, ended by Draw Graph or dropped), if any.
    const std::optional<game::GameRecord>& LastEndedGame() const { return m_lastEnded; }

    // Every rated game of the run, and the history file, for the statistics window.
    services::GameLog& Log() { return *m_log; }

  private:
    void QueueHiddenPieces();
    // A code's puzzle asked for from the Puzzle Code window or the statistics window.
    void PlayCode(const game::PuzzleRecipe& recipe, bool byKey, QWidget* from);

    game::Game& m_game;
    std::unique_ptr<services::GameLog> m_log;
    std::deque<QPointer<artwork::TPicture>> m_pendingPictures;
    bool m_captionsPending = false;
    bool m_pagesPending = false;
    bool m_themeIconPending = false;
    QTimer* m_idleTurn = nullptr;
    // The code last asked to be played, and the window it was asked from, until its puzzle starts.
    std::optional<std::pair<game::PuzzleRecipe, QPointer<QWidget>>> m_codeAsked;
    TPrintPuzzlesDlg* m_printPuzzles = nullptr;
    TPuzzleCodeBox* m_puzzleCode = nullptr;
    TReviewWindow* m_review = nullptr;
    std::optional<game::GameRecord> m_lastEnded;
};

}  // namespace app
