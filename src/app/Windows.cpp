// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Windows.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "artwork/Artwork.h"
#include "board/Main.h"
#include "dialogs/About.h"
#include "dialogs/GameNotOverDialog.h"
#include "dialogs/GameNotOverDialog2.h"
#include "dialogs/NotBadDialog.h"
#include "dialogs/Optionl1.h"
#include "dialogs/Perfect.h"
#include "dialogs/PrintPuzzles.h"
#include "dialogs/PuzzleCodeBox.h"
#include "dialogs/ReviewWindow.h"
#include "dialogs/TabbedScores.h"
#include "dialogs/excellent.h"
#include "engine/GameEnd.h"
#include "engine/Puzzle.h"
#include "engine/PuzzleCode.h"
#include "ui/CodeText.h"
#include "ui/Modeless.h"

namespace app {

namespace {

// Building the windows and their pictures frees as much as it keeps: once the last hidden
// piece is ready, the freed pages go back to the system instead of staying with the game for
// the whole run.
void ReturnFreedMemory() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}

}  // namespace

TWindows::TWindows(game::Game& game)
    : Level1(new TLevel1(game)),
      OptionsL1(new TOptionsL1({[&game] { return game.Settings; },
                                [&game](const game::GameSettings& settings) { game.ApplySettings(settings); }},
                               Level1)),
      AboutBox(new TAboutBox(Level1)),
      PerfectDlg(new TPerfectDlg(game, Level1)),
      ExcellentDlg(new TExcellentDlg(game, Level1)),
      PerformancePages(new TPerformancePages(Level1, TPerformancePages::Pages::BuiltWhenShown)),
      GameNotOverDecision(new TGameNotOverDecision(game, Level1)),
      GameNotOverDecision2(new TGameNotOverDecision2(game, Level1)),
      NotBadMessage(new TNotBadMessage(game, Level1)),
      m_game(game),
      m_log(std::make_unique<services::GameLog>()) {
    PerformancePages->ShowLog(m_log.get());
    QObject::connect(Level1, &TLevel1::windowRequested, Level1, [this](TLevel1::Window window) {
        switch (window) {
            case TLevel1::Window::Settings:
                return ui::ShowModeless(OptionsL1);
            case TLevel1::Window::About:
                return ui::ShowModeless(AboutBox);
            case TLevel1::Window::PuzzleCode:
                return ui::ShowModeless(PuzzleCodeBox());
            case TLevel1::Window::PerformanceStats:
                PerformancePages->MarkCurrentLevel(m_game.Settings.NumberOfVertices,
                                                   m_game.Settings.ShowEdges);
                return ui::ShowModeless(PerformancePages);
            case TLevel1::Window::PrintPuzzles: {
                // The sheet's puzzles are shaped as the player's settings shape New Puzzle's.
                const game::ShapeAsked shape = game::ShapeAskedBy(m_game.Settings);
                PrintPuzzlesDlg()->Offer(shape.vertices, shape.colors, shape.edgeProbability);
                return ui::ShowModeless(PrintPuzzlesDlg());
            }
            case TLevel1::Window::ReviewLastGame:
                if (m_lastEnded)
                    OpenReview(*m_lastEnded);
                return;
        }
    });
    // The code shown follows every puzzle laid out on the board: new, restarted or played by code.
    QObject::connect(Level1, &TLevel1::puzzleShown, Level1, [this] {
        if (m_puzzleCode)
            m_puzzleCode->ShowCode(ui::CodeText(m_game.Puzzle.Recipe));
        // The window a code was played from has done its work and would cover the board: it is
        // put away once the puzzle is there (at once, or after the New Puzzle question's Yes).
        if (const auto asked = std::exchange(m_codeAsked, std::nullopt);
            asked && m_game.Puzzle.Replay && asked->first == m_game.Puzzle.Recipe) {
            if (asked->second)
                asked->second->hide();
            ui::ShowModeless(Level1);
        }
    });
    QObject::connect(PerformancePages, &TPerformancePages::playAsked, Level1,
                     [this](const game::PuzzleRecipe& recipe) { PlayCode(recipe, false, PerformancePages); });
    QObject::connect(PerformancePages, &TPerformancePages::reviewAsked, Level1,
                     [this](const game::GameRecord& record) { OpenReview(record); });
    game.hooks.board = &Level1->View();
    game.hooks.windows = this;
}

TPrintPuzzlesDlg* TWindows::PrintPuzzlesDlg() {
    if (!m_printPuzzles)
        m_printPuzzles = new TPrintPuzzlesDlg(m_game, Level1);
    return m_printPuzzles;
}

TReviewWindow* TWindows::ReviewWindow() {
    if (!m_review) {
        m_review = new TReviewWindow(
            [this] { return std::pair{m_game.Settings.ColourMarks, m_game.Settings.ColourSafeColours}; }, Level1);
        for (QAction* look : {Level1->ColourMarks1, Level1->ColourSafeColours1})
            QObject::connect(look, &QAction::toggled, m_review, &TReviewWindow::FollowColourLook);
    }
    return m_review;
}

bool TWindows::OpenReview(const game::GameRecord& record) {
    if (!ReviewWindow()->ShowGame(record))
        return false;
    ui::ShowModeless(m_review);
    return true;
}

TPuzzleCodeBox* TWindows::PuzzleCodeBox() {
    if (!m_puzzleCode) {
        m_puzzleCode = new TPuzzleCodeBox(Level1);
        if (m_game.Puzzle.Serial != 0)
            m_puzzleCode->ShowCode(ui::CodeText(m_game.Puzzle.Recipe));
        QObject::connect(m_puzzleCode, &TPuzzleCodeBox::playAsked, Level1,
                         [this](const game::PuzzleRecipe& recipe, bool byKey) { PlayCode(recipe, byKey, m_puzzleCode); });
    }
    return m_puzzleCode;
}

void TWindows::PlayCode(const game::PuzzleRecipe& recipe, bool byKey, QWidget* from) {
    if (byKey)
        Level1->PuzzleAskedByKey();
    m_codeAsked.emplace(recipe, from);
    // During a game this asks first, as New Puzzle does; the puzzle starts with the answer.
    m_game.ReplayClick(recipe);
}

TWindows::~TWindows() {
    if (m_game.hooks.board == &Level1->View())
        m_game.hooks.board = nullptr;
    if (m_game.hooks.windows == this)
        m_game.hooks.windows = nullptr;
    delete Level1;
}

void TWindows::PrepareHiddenWindows() {
    QueueHiddenPieces();
    while (PrepareNextHiddenPiece()) {
    }
}

void TWindows::PrepareHiddenWindowsInIdleTime() {
    QueueHiddenPieces();
    if (!m_idleTurn) {
        m_idleTurn = new QTimer(Level1);
        m_idleTurn->setInterval(0);
        QObject::connect(m_idleTurn, &QTimer::timeout, Level1, [this] {
            if (!PrepareNextHiddenPiece()) {
                m_idleTurn->stop();
                ReturnFreedMemory();
            }
        });
    }
    m_idleTurn->start();
}

void TWindows::QueueHiddenPieces() {
    m_pendingPictures.clear();
    // The rating banners first: the first solved puzzle opens one of them.
    const QWidget* const ratings[] = {PerfectDlg, ExcellentDlg, NotBadMessage};
    const auto pictures = Level1->findChildren<artwork::TPicture*>();
    for (const bool rating : {true, false}) {
        for (artwork::TPicture* picture : pictures) {
            const bool onRating =
                std::find(std::begin(ratings), std::end(ratings), picture->window()) != std::end(ratings);
            if (onRating == rating)
                m_pendingPictures.emplace_back(picture);
        }
    }
    m_captionsPending = true;
    m_pagesPending = true;
    m_themeIconPending = true;
}

bool TWindows::PrepareNextHiddenPiece() {
    while (!m_pendingPictures.empty()) {
        const QPointer<artwork::TPicture> picture = m_pendingPictures.front();
        m_pendingPictures.pop_front();
        if (picture) {
            picture->drawForScreen();
            return true;
        }
    }
    if (m_captionsPending) {
        m_captionsPending = false;
        OptionsL1->FitCaptions();
        return true;
    }
    if (m_pagesPending) {
        m_pagesPending = false;
        PerformancePages->BuildPages();
        return true;
    }
    if (m_themeIconPending) {
        m_themeIconPending = false;
        // The installed game takes the very icon file its menu entry shows.
        if (const QIcon themed = artwork::DesktopThemeIcon(); !themed.isNull()) {
            QApplication::setWindowIcon(themed);
            Level1->setWindowIcon(themed);
        }
        return true;
    }
    return false;
}

void TWindows::OpenDialog(game::Dialog dialog, const game::Rating& rating) {
    // The rating carries the game it rates: its score, par and level.
    const auto rate = [&](TRatingDialog* rated) { rated->Open(rating); };
    switch (dialog) {
        case game::Dialog::Perfect:
            rate(PerfectDlg);
            break;
        case game::Dialog::Excellent:
            rate(ExcellentDlg);
            break;
        case game::Dialog::NotBad:
            rate(NotBadMessage);
            break;
        case game::Dialog::GameNotOverDecision:
            ui::ShowModeless(GameNotOverDecision);
            break;
        case game::Dialog::GameNotOverDecision2:
            ui::ShowModeless(GameNotOverDecision2);
            break;
    }
}

void TWindows::GameRated(const game::GameRecord& record) {
    m_log->Record(record);
    GameEndedUnrated(record);
}

void TWindows::GameEndedUnrated(const game::GameRecord& record) {
    m_lastEnded = record;
    Level1->GameEnded();
}

void TWindows::SettingsChangedByGame(const game::GameSettings& settings, unsigned changes) {
    OptionsL1->FollowGameChanges(settings, changes);
}

}  // namespace app
