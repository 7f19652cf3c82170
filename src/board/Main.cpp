// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "artwork/Artwork.h"
#include "board/BoardAdapter.h"
#include "board/BoardTable.h"
#include "board/CloseGuard.h"
#include "board/EdgePainter.h"
#include "board/KeyboardPlay.h"
#include "board/ToolTipSwitch.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/Game.h"
#include "engine/GameEnd.h"
#include "engine/PuzzleCode.h"
#include "engine/State.h"
#include "services/HelpViewer.h"
#include "ui/CodeText.h"
#include "ui/Colors.h"
#include "ui/ColourWords.h"
#include "ui/DialogLook.h"
#include "ui/Form.h"
#include "ui/ReadAsOne.h"

namespace {

const char* const kTitle = "SpEcTrUmIx";

using namespace board::form;

// A pair wider than its box (the "Um" in its 23 pixels) is set narrower until it is whole, as the
// decision dialog sets a long line tighter; the box stays as it is.
QFont TitleFace(const char* letters, int width) {
    const QFont face = ui::DialogFont(27, true);
    const auto advance = [letters](const QFont& font) {
        return QFontMetrics(font).horizontalAdvance(letters);
    };
    const int natural = advance(face);
    if (natural <= width)
        return face;
    // Widths shrink in proportion to the stretch; each further step costs a font load, so start
    // from the proportional guess and only correct its rounding.
    const int guess = std::clamp(100 * width / natural, 40, 99);
    return ui::FitToWidth(face, width, ui::Squeeze::Stretch, guess, 40, advance).face;
}

// The painter of each colour, by its name on the board.
const game::PaletteEntry* PaletteByName(const char* name) {
    for (const game::PaletteEntry& entry : game::kPalette) {
        if (qstrcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

TColorButton* MakePainter(const game::PaletteEntry& colour, QWidget* parent) {
    auto* painter = new TColorButton(parent);
    painter->setAccessibleName(ui::PainterWord(colour.index));
    painter->setStyle(TToggleStyle::Toggle);
    painter->GroupIndex = 1;
    painter->setThickness(4);
    painter->setLines(QStringList{QString()});
    painter->setALign(TAlignStyle::Center);
    painter->setColor(colour.face);
    painter->setLightColor(colour.light);
    // The shadow is the face itself: a released painter shows its light colour on the top and
    // left, a pressed one on the bottom and right.
    painter->setShadowColor(colour.face);
    // Tab reaches the painters, and a click gives them the focus.
    painter->setFocusPolicy(Qt::StrongFocus);
    painter->setValue(false);
    painter->setEnabled(false);
    return painter;
}

TOrbVertex1* MakeVertex(int number, bool solution, QWidget* parent) {
    auto* vertex = new TOrbVertex1(parent);
    vertex->setNumber(number);
    vertex->setSolution(solution);
    vertex->setPenColor(game::clFuchsia);
    vertex->setPenWidth(3);
    return vertex;
}

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
    ui::WhenFramed(
        *this, [this] { FitFrameToDesignedSize(); }, false);
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
    File1 = menuBar()->addMenu(tr("&File"));
    PuzzleCode1 = File1->addAction(tr("Puzzle &Code..."), this, &TLevel1::PuzzleCode1Click);
    PuzzleCode1->setProperty("helpContext", help::kClassroomTopic);
    RestartPuzzle1 = File1->addAction(tr("&Restart Puzzle"), this, &TLevel1::RestartPuzzle1Click);
    RestartPuzzle1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    RestartPuzzle1->setProperty("helpContext", help::kClassroomTopic);
    RestartPuzzle1->setEnabled(false);  // until the first puzzle
    // Ctrl+P, as every desktop program prints: a worksheet of puzzles for a class.
    // "u", not "P": Alt+F, P keeps opening Performance as it always did.
    PrintPuzzles1 = File1->addAction(tr("Print P&uzzles..."), this, &TLevel1::PrintPuzzles1Click);
    PrintPuzzles1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    PrintPuzzles1->setProperty("helpContext", help::kClassroomTopic);
    File1->addSeparator();
    Performance1 = File1->addAction(tr("&Performance..."), this, &TLevel1::ViewPerformanceStats1Click);
    File1->addSeparator();
    Exit1 = File1->addAction(tr("E&xit"), this, &TLevel1::Exit1Click);

    Options1 = menuBar()->addMenu(tr("&Options"));
    Settings1 = Options1->addAction(tr("&Settings..."), this, &TLevel1::Settings1Click);
    // Ctrl+Z opens the settings: the board has nothing to undo.
    Settings1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ColourMarks1 = Options1->addAction(tr("Color &Marks"));
    // Ctrl+M: no key of keyboard play has a Ctrl of its own but New Puzzle's Ctrl+N.
    ColourMarks1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    ColourMarks1->setCheckable(true);
    ColourSafeColours1 = Options1->addAction(tr("Color-&Safe Colors"));
    ColourSafeColours1->setCheckable(true);
    // The board fills the screen, as large as it fits: for a projector or a player who sees little.
    FullScreen1 = Options1->addAction(tr("&Full Screen"), this, &TLevel1::FullScreen1Click);
    FullScreen1->setCheckable(true);
    FullScreen1->setShortcut(QKeySequence(Qt::Key_F11));

    Help1 = menuBar()->addMenu(tr("&Help"));
    Contents1 = Help1->addAction(tr("Contents"), this, &TLevel1::Contents1Click);
    Contents1->setProperty("helpContext", help::kPlayingTopic);
    About1 = Help1->addAction(tr("&About..."), this, &TLevel1::About1Click);
}

void TLevel1::CreateControls() {
    ui::Form form(*Surface, "TLevel1");
    int twin = 0;
    int vertex = 0;
    form.Build(kBoardTable, [&](const ui::ControlRow& row, const QString&, QWidget* parent) -> QWidget* {
        if (row.tag & kPicture) {
            // Drawn when first shown, at the ratio of the board's screen, not while the board is built.
            return qstrcmp(row.name, "PuzzleSolved") == 0
                       ? new artwork::TPicture(&artwork::PuzzleSolvedPicture, artwork::PuzzleSolvedWords(),
                                               parent)
                       : new artwork::TPicture(&artwork::ColorAllVerticesPicture,
                                               artwork::ColorAllVerticesWords(), parent);
        }
        if (row.tag & kPainter)
            return MakePainter(*PaletteByName(row.name), parent);
        if (row.tag & kVertex)
            return MakeVertex(++vertex, false, parent);
        if (row.tag & kTwin)
            return MakeVertex(++twin, true, parent);
        return nullptr;
    });

    for (std::size_t i = 1; i <= game::kTitlePairs.size(); ++i) {
        const game::TitlePair& pair = game::kTitlePairs[i - 1];
        QLabel* label = TitleLabel[i] = form.get<QLabel>(qPrintable(QString("TitleLabel%1").arg(i)));
        label->setText(QString::fromLatin1(pair.letters));
        label->setFont(TitleFace(pair.letters, label->width()));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        ui::SetWordsColour(*label, toQColor(pair.text), toQColor(pair.background));
    }
    // Five coloured letter pairs on the screen, one name to the ear.
    ui::ReadAsOne({TitleLabel[1], TitleLabel[2], TitleLabel[3], TitleLabel[4], TitleLabel[5]},
                  artwork::TitleStarWords());
    ColorAllVertices = form.get<QLabel>("ColorAllVertices");
    PuzzleSolved = form.get<QLabel>("PuzzleSolved");
    NewGame = form.get<QPushButton>("NewGame");
    DrawGraph = form.get<QPushButton>("DrawGraph");
    for (const game::PaletteEntry& colour : game::kPalette)
        Painter[static_cast<std::size_t>(colour.index)] = form.get<TColorButton>(colour.name);
    NavyPainter = Painter[game::kNavy];
    MaroonPainter = Painter[game::kMaroon];
    GreenPainter = Painter[game::kGreen];
    PurplePainter = Painter[game::kPurple];
    ParLabel = form.get<QLabel>("ParLabel");
    Par = form.get<QLabel>("Par");
    PlayerScoreLabel = form.get<QLabel>("PlayerScoreLabel");
    PlayerScore = form.get<QLabel>("PlayerScore");
    EdgesLabel = form.get<QLabel>("EdgesLabel");
    SessionAveFromParLabel = form.get<QLabel>("SessionAveFromParLabel");
    // A number is read with its caption ("Par: 6"); the caption is not read again on its own.
    ui::ReadAsOne({Par, ParLabel}, QString());
    ui::ReadAsOne({PlayerScore, PlayerScoreLabel}, QString());

    for (const ui::ControlRow& row : kBoardTable) {
        QWidget* control = form[row.name];
        if (row.tag & kFollowsSetting)
            m_toolTips->Watch(control);
        if (row.tag & kScore) {
            auto* label = static_cast<QLabel*>(control);
            label->setFont(ui::DialogFont(13, true));
            ui::SetWordsColour(*label, toQColor(game::clRed));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // A label grows with its caption, so "Average From Par: -1.250" is never cut short.
            label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        }
        if (row.tag & (kVertex | kTwin)) {
            auto* v = static_cast<TOrbVertex1*>(control);
            const auto k = static_cast<std::size_t>(v->Number());
            (row.tag & kVertex ? OrbVertex : CompVert)[k] = v;
        }
    }

    for (QPushButton* button : {NewGame, DrawGraph}) {
        button->setFont(ui::DialogFont(13, false));
        button->setAutoDefault(false);
        ui::FitCaption(*button);
    }
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
    ConnectColourItems(m_game.Settings);
    m_settings = &m_game.Settings;
}

void TLevel1::ConnectColourItems(game::GameSettings& settings) {
    ColourMarks1->setChecked(settings.ColourMarks);
    ColourSafeColours1->setChecked(settings.ColourSafeColours);
    ShowColours(settings);
    // Kept in the settings, and so saved when the board closes, like every other setting.
    connect(ColourMarks1, &QAction::toggled, this, [this, &settings](bool on) {
        settings.ColourMarks = on;
        ShowColours(settings);
    });
    connect(ColourSafeColours1, &QAction::toggled, this, [this, &settings](bool on) {
        settings.ColourSafeColours = on;
        ShowColours(settings);
    });
}

void TLevel1::ShowColours(const game::GameSettings& settings) {
    const bool marks = settings.ColourMarks;
    const bool safe = settings.ColourSafeColours;
    for (const game::PaletteEntry& colour : game::kPalette) {
        TColorButton* painter = Painter[static_cast<std::size_t>(colour.index)];
        const game::ShownColours& shown = game::kSafePalette[static_cast<std::size_t>(colour.index - 1)];
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

void TLevel1::closeEvent(QCloseEvent* event) {
    RememberPlace();
    if (!board::TCloseGuard::SaveBeforeClosing(*this, m_game)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}
