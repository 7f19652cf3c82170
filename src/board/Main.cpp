// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "artwork/Artwork.h"
#include "board/BoardAdapter.h"
#include "board/BoardMaking.h"
#include "board/CloseGuard.h"
#include "board/EdgePainter.h"
#include "board/KeyboardPlay.h"
#include "board/ToolTipSwitch.h"
#include "board/WindowPlace.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/Game.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "services/HelpViewer.h"
#include "ui/CodeText.h"
#include "ui/DialogLook.h"

namespace {

const char* const kTitle = "SpEcTrUmIx";

}  // namespace

TLevel1::TLevel1(game::Game& game, QWidget* parent) : QMainWindow(parent), m_game(game) {
    setObjectName("Level1");
    setWindowTitle(kTitle);
    setWindowIcon(artwork::ApplicationIcon());
    setProperty("helpContext", help::kPlayingTopic);
    setFont(ui::DialogFont(13, false));
    m_edges = std::make_unique<board::TEdgePainter>(OrbVertex, CompVert);
    m_toolTips = new board::TToolTipSwitch(this);

    Surface = new board::TBoardSurface(*m_edges, this);
    Surface->setObjectName("Board");
    setCentralWidget(Surface);

    CreateMenu();
    CreateControls();
    m_keys = new board::TKeyboardPlay(*this, *this, m_game);
    // Restart Puzzle by its key starts the puzzle as F2 does: the focus on its first vertex.
    m_keys->WatchKeyedCommand(RestartPuzzle1);
    // Ctrl+C copies the puzzle's code; a text field of the board's own window would keep its
    // own Ctrl+C, since a focused field takes the key before the window's shortcut.
    auto* copyCode = new QAction(this);
    copyCode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copyCode->setShortcutContext(Qt::WindowShortcut);
    connect(copyCode, &QAction::triggered, this, &TLevel1::CopyCode);
    addAction(copyCode);

    resize(kOuterWidth, kOuterHeight);
    m_place = std::make_unique<board::TWindowPlace>(*this, *Surface, m_game, QSize(kOuterWidth, kOuterHeight));
    m_adapter = std::make_unique<board::TBoardAdapter>(*this, *m_edges, *m_toolTips);
    m_adapter->playStarted = [this] {
        PuzzleShown();
        m_keys->PlayStarted();
    };
    m_adapter->moveShown = [this](const game::MoveReport& move) { m_keys->MoveShown(move); };
    FormCreate();
}

TLevel1::~TLevel1() = default;

void TLevel1::CreateMenu() {
    board::MakeMenus(*this, *this);
    connect(PuzzleCode1, &QAction::triggered, this, &TLevel1::PuzzleCode1Click);
    connect(RestartPuzzle1, &QAction::triggered, this, &TLevel1::RestartPuzzle1Click);
    connect(PrintPuzzles1, &QAction::triggered, this, &TLevel1::PrintPuzzles1Click);
    connect(Performance1, &QAction::triggered, this, &TLevel1::ViewPerformanceStats1Click);
    connect(ReviewLastGame1, &QAction::triggered, this, &TLevel1::ReviewLastGame1Click);
    connect(Exit1, &QAction::triggered, this, &TLevel1::Exit1Click);
    connect(Settings1, &QAction::triggered, this, &TLevel1::Settings1Click);
    connect(FullScreen1, &QAction::triggered, this, &TLevel1::FullScreen1Click);
    connect(Contents1, &QAction::triggered, this, &TLevel1::Contents1Click);
    connect(About1, &QAction::triggered, this, &TLevel1::About1Click);
}

void TLevel1::CreateControls() {
    board::MakeControls(*this, *m_toolTips);
    connect(NewGame, &QPushButton::clicked, this, &TLevel1::NewGameClick);
    connect(DrawGraph, &QPushButton::clicked, this, &TLevel1::DrawGraphClick);
    for (const game::PaletteEntry& colour : game::kPalette) {
        connect(Painter[static_cast<std::size_t>(colour.index)], &TColorButton::clicked, this,
                [this, index = colour.index] { m_game.PainterClick(index); });
    }
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        TOrbVertex1* v = OrbVertex[static_cast<std::size_t>(k)];
        connect(v, &TOrbVertex1::clicked, this, [this, k] { OrbVertexClick(k); });
        CompVert[static_cast<std::size_t>(k)]->setEnabled(false);
    }
}

void TLevel1::FormCreate() {
    PuzzleSolved->hide();
    ColorAllVertices->show();
    DrawGraph->setEnabled(false);
    m_adapter->EnablePainters(false);
    ApplyToolTips(m_game.Settings.ShowToolTips);
    ConnectColourItems();
}

void TLevel1::ConnectColourItems() {
    ColourMarks1->setChecked(m_game.Settings.ColourMarks);
    ColourSafeColours1->setChecked(m_game.Settings.ColourSafeColours);
    ShowColours(m_game.Settings);
    // Kept in the settings, and so saved when the board closes, like every other setting.
    connect(ColourMarks1, &QAction::toggled, this, [this](bool on) {
        m_game.KeepColourLook(on, m_game.Settings.ColourSafeColours);
        ShowColours(m_game.Settings);
    });
    connect(ColourSafeColours1, &QAction::toggled, this, [this](bool on) {
        m_game.KeepColourLook(m_game.Settings.ColourMarks, on);
        ShowColours(m_game.Settings);
    });
}

void TLevel1::ShowColours(const game::GameSettings& settings) {
    const bool marks = settings.ColourMarks;
    const bool safe = settings.ColourSafeColours;
    for (const game::PaletteEntry& colour : game::kPalette) {
        TColorButton* painter = Painter[static_cast<std::size_t>(colour.index)];
        const game::ShownColours& shown = game::kSafePalette[static_cast<std::size_t>(colour.index - 1)];
        // The shadow is the face itself: a released painter shows its light colour on the top and
        // left, a pressed one on the bottom and right.
        painter->setColor(safe ? shown.face : colour.face);
        painter->setLightColor(safe ? shown.light : colour.light);
        painter->setShadowColor(safe ? shown.face : colour.face);
        painter->setColourMark(marks ? colour.index : 0);
    }
    for (std::size_t k = 1; k <= game::kMaxVertices; ++k) {
        OrbVertex[k]->setColourLook(marks, safe);
        CompVert[k]->setColourLook(marks, safe);
    }
}

void TLevel1::ApplyToolTips(bool on) {
    m_toolTips->Apply(on);
}

bool TLevel1::ToolTipsOn() const {
    return m_toolTips->IsOn();
}

game::BoardView& TLevel1::View() {
    return *m_adapter;
}

// --- the player's commands ------------------------------------------------------------

void TLevel1::NewGameClick() {
    m_keys->NewPuzzleAsked();
    m_game.NewGameClick();
}

void TLevel1::DrawGraphClick() {
    m_game.DrawGraphClick();
}

void TLevel1::OrbVertexClick(int k) {
    m_game.VertexClick(k);
}

void TLevel1::Exit1Click() {
    close();
}

void TLevel1::Settings1Click() {
    emit windowRequested(Window::Settings);
}

void TLevel1::Contents1Click() {
    help::ShowContents();
}

void TLevel1::About1Click() {
    emit windowRequested(Window::About);
}

void TLevel1::PrintPuzzles1Click() {
    emit windowRequested(Window::PrintPuzzles);
}

void TLevel1::PuzzleCode1Click() {
    emit windowRequested(Window::PuzzleCode);
}

void TLevel1::RestartPuzzle1Click() {
    m_keys->NewPuzzleAsked();
    m_game.RestartClick();
}

void TLevel1::PuzzleAskedByKey() {
    m_keys->KeyedCommand();
    m_keys->NewPuzzleAsked();
}

void TLevel1::PuzzleResumed() {
    m_keys->PuzzleResumed();
}

void TLevel1::PuzzleShown() {
    RestartPuzzle1->setEnabled(true);
    emit puzzleShown();
}

void TLevel1::CopyCode() {
    if (m_game.Puzzle.Serial == 0)
        return;
    if (const QString copied = ui::CopyCode(ui::CodeText(m_game.Puzzle.Recipe)); !copied.isEmpty())
        m_keys->Say(copied);
}

void TLevel1::ViewPerformanceStats1Click() {
    emit windowRequested(Window::PerformanceStats);
}

void TLevel1::ReviewLastGame1Click() {
    if (ReviewLastGame1->isEnabled())
        emit windowRequested(Window::ReviewLastGame);
}

void TLevel1::GameEnded() {
    ReviewLastGame1->setEnabled(true);
}

void TLevel1::closeEvent(QCloseEvent* event) {
    m_place->Remember();
    if (!board::TCloseGuard::SaveBeforeClosing(*this, m_game)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

// --- where the window stands (board/WindowPlace.h) ----------------------------------

void TLevel1::ShowCentered() {
    m_place->ShowCentered();
}

bool TLevel1::event(QEvent* event) {
    if (event->type() == QEvent::Show)
        m_place->Showing();
    return QMainWindow::event(event);
}

void TLevel1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_place->StateChanged(FullScreen1);
}

void TLevel1::FullScreen1Click(bool on) {
    m_place->SetFullScreen(on);
}
