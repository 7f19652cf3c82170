// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardMaking.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>

#include "artwork/Artwork.h"
#include "board/BoardTable.h"
#include "board/Main.h"
#include "board/ToolTipSwitch.h"
#include "controls/TColButt.h"
#include "controls/Vertex1.h"
#include "engine/State.h"
#include "ui/Colors.h"
#include "ui/ColourWords.h"
#include "services/HelpViewer.h"
#include "ui/DialogLook.h"
#include "ui/Form.h"
#include "ui/ReadAsOne.h"

namespace board {

namespace {

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

void MakeControls(TBoardControls& controls, TToolTipSwitch& toolTips) {
    ui::Form form(*controls.Surface, "TLevel1");
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
        QLabel* label = controls.TitleLabel[i] = form.get<QLabel>(qPrintable(QString("TitleLabel%1").arg(i)));
        label->setText(QString::fromLatin1(pair.letters));
        label->setFont(TitleFace(pair.letters, label->width()));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        ui::SetWordsColour(*label, toQColor(pair.text), toQColor(pair.background));
    }
    // Five coloured letter pairs on the screen, one name to the ear.
    const auto& title = controls.TitleLabel;
    ui::ReadAsOne({title[1], title[2], title[3], title[4], title[5]}, artwork::TitleStarWords());
    controls.ColorAllVertices = form.get<QLabel>("ColorAllVertices");
    controls.PuzzleSolved = form.get<QLabel>("PuzzleSolved");
    controls.NewGame = form.get<QPushButton>("NewGame");
    controls.DrawGraph = form.get<QPushButton>("DrawGraph");
    for (const game::PaletteEntry& colour : game::kPalette)
        controls.Painter[static_cast<std::size_t>(colour.index)] = form.get<TColorButton>(colour.name);
    controls.NavyPainter = controls.Painter[game::kNavy];
    controls.MaroonPainter = controls.Painter[game::kMaroon];
    controls.GreenPainter = controls.Painter[game::kGreen];
    controls.PurplePainter = controls.Painter[game::kPurple];
    controls.ParLabel = form.get<QLabel>("ParLabel");
    controls.Par = form.get<QLabel>("Par");
    controls.PlayerScoreLabel = form.get<QLabel>("PlayerScoreLabel");
    controls.PlayerScore = form.get<QLabel>("PlayerScore");
    controls.EdgesLabel = form.get<QLabel>("EdgesLabel");
    controls.SessionAveFromParLabel = form.get<QLabel>("SessionAveFromParLabel");
    // A number is read with its caption ("Par: 6"); the caption is not read again on its own.
    ui::ReadAsOne({controls.Par, controls.ParLabel}, QString());
    ui::ReadAsOne({controls.PlayerScore, controls.PlayerScoreLabel}, QString());

    for (const ui::ControlRow& row : kBoardTable) {
        QWidget* control = form[row.name];
        if (row.tag & kFollowsSetting)
            toolTips.Watch(control);
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
            (row.tag & kVertex ? controls.OrbVertex : controls.CompVert)[k] = v;
        }
    }

    for (QPushButton* button : {controls.NewGame, controls.DrawGraph}) {
        button->setFont(ui::DialogFont(13, false));
        button->setAutoDefault(false);
        ui::FitCaption(*button);
    }
}

void MakeMenus(QMainWindow& window, TBoardMenu& menu) {
    menu.File1 = window.menuBar()->addMenu(TLevel1::tr("&File"));
    menu.PuzzleCode1 = menu.File1->addAction(TLevel1::tr("Puzzle &Code..."));
    menu.PuzzleCode1->setProperty("helpContext", help::kClassroomTopic);
    menu.RestartPuzzle1 = menu.File1->addAction(TLevel1::tr("&Restart Puzzle"));
    menu.RestartPuzzle1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    menu.RestartPuzzle1->setProperty("helpContext", help::kClassroomTopic);
    menu.RestartPuzzle1->setEnabled(false);  // until the first puzzle
    // Ctrl+P, as every desktop program prints: a worksheet of puzzles for a class.
    // "u", not "P": Alt+F, P keeps opening Performance as it always did.
    menu.PrintPuzzles1 = menu.File1->addAction(TLevel1::tr("Print P&uzzles..."));
    menu.PrintPuzzles1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    menu.PrintPuzzles1->setProperty("helpContext", help::kClassroomTopic);
    menu.File1->addSeparator();
    menu.Performance1 = menu.File1->addAction(TLevel1::tr("&Performance..."));
    // Ctrl+G, "game": no other command or key of play holds it.
    menu.ReviewLastGame1 = menu.File1->addAction(TLevel1::tr("Review Last &Game..."));
    menu.ReviewLastGame1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    menu.ReviewLastGame1->setProperty("helpContext", help::kReviewTopic);
    menu.ReviewLastGame1->setEnabled(false);  // until a game ends
    menu.File1->addSeparator();
    menu.Exit1 = menu.File1->addAction(TLevel1::tr("E&xit"));

    menu.Options1 = window.menuBar()->addMenu(TLevel1::tr("&Options"));
    menu.Settings1 = menu.Options1->addAction(TLevel1::tr("&Settings..."));
    // Ctrl+Z opens the settings: the board has nothing to undo.
    menu.Settings1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    menu.ColourMarks1 = menu.Options1->addAction(TLevel1::tr("Color &Marks"));
    // Ctrl+M: no key of keyboard play has a Ctrl of its own but New Puzzle's Ctrl+N.
    menu.ColourMarks1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    menu.ColourMarks1->setCheckable(true);
    menu.ColourSafeColours1 = menu.Options1->addAction(TLevel1::tr("Color-&Safe Colors"));
    menu.ColourSafeColours1->setCheckable(true);
    // The board fills the screen, as large as it fits: for a projector or a player who sees little.
    menu.FullScreen1 = menu.Options1->addAction(TLevel1::tr("&Full Screen"));
    menu.FullScreen1->setCheckable(true);
    menu.FullScreen1->setShortcut(QKeySequence(Qt::Key_F11));

    menu.Help1 = window.menuBar()->addMenu(TLevel1::tr("&Help"));
    menu.Contents1 = menu.Help1->addAction(TLevel1::tr("Contents"));
    menu.Contents1->setProperty("helpContext", help::kPlayingTopic);
    menu.About1 = menu.Help1->addAction(TLevel1::tr("&About..."));
}

}  // namespace board
