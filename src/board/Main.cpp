// SPDX-License-Identifier: GPL-3.0-or-later
#include "Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "Artwork.h"
#include "Colors.h"
#include "DialogLook.h"
#include "GameEnd.h"
#include "Geometry.h"
#include "HelpViewer.h"
#include "Modeless.h"
#include "Moves.h"
#include "SettingsFile.h"
#include "State.h"
#include "TColButt.h"
#include "Vertex1.h"
#include "Windows.h"

// The windows the board's menu opens.
#include "About.h"
#include "Optionl1.h"
#include "TabbedScores.h"

namespace {

const char* const kTitle = "SpEcTrUmIx";

const char* const kPainterHint =
    QT_TRANSLATE_NOOP("TLevel1",
                      "To color a vertex, click here and then click a vertex. Vertices joined by an "
                      "edge cannot be colored the same color.");
const char* const kTitleHint =
    QT_TRANSLATE_NOOP("TLevel1", "Vertices joined by an edge cannot be the same color.");
const char* const kVertexHint =
    QT_TRANSLATE_NOOP("TLevel1", "The goal is to color all the vertices other than black.");
const char* const kSolutionHint =
    QT_TRANSLATE_NOOP("TLevel1", "This is my solution to the underlying graph.");
const char* const kEdgeCountHint =
    QT_TRANSLATE_NOOP("TLevel1", "Notice the number of edges is the same as stated.");

struct TitlePlace {
    int left, top, width;
};
// Where the title's letter pairs (game::kTitlePairs) stand, staggered up and down.
constexpr TitlePlace kTitlePlaces[] = {
    {312, 4, 35}, {347, 12, 32}, {378, 2, 34}, {414, 10, 23}, {436, 2, 36}};

struct Place {
    int left, top;
};
// Where the vertices wait, hidden, until the first puzzle places them.
constexpr Place kBoardVertexStart[17] = {
    {0, 0},    {396, 132}, {444, 124}, {560, 116}, {456, 164}, {556, 160}, {408, 180}, {516, 92}, {440, 244},
    {460, 80}, {452, 212}, {508, 144}, {592, 252}, {488, 256}, {496, 208}, {544, 256}, {552, 204}};
constexpr Place kSolutionVertexStart[17] = {{0, 0},     {392, 396}, {320, 192}, {324, 196}, {328, 200},
                                            {332, 204}, {336, 208}, {340, 212}, {344, 216}, {348, 220},
                                            {416, 400}, {388, 348}, {392, 320}, {388, 372}, {448, 328},
                                            {388, 300}, {432, 360}};
// The twins that point at the edge count; the others claim the solution.
constexpr bool PointsAtEdgeCount(int k) {
    return k == 2 || (k >= 5 && k <= 8);
}

enum PainterIndex { Navy = 1, Maroon = 2, Green = 3, Purple = 4 };

void SetRect(QWidget* widget, const game::Rect& rect) {
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

namespace board {

TBoardSurface::TBoardSurface(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void TBoardSurface::paintEvent(QPaintEvent*) {
    if (auto* level1 = qobject_cast<TLevel1*>(window())) {
        QPainter painter(this);
        level1->FormPaint(painter);
    }
}

}  // namespace board

TLevel1::TLevel1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Level1");
    setWindowTitle(kTitle);
    setWindowIcon(artwork::ApplicationIcon());
    setProperty("helpContext", 1);
    setFont(dialogs::DialogFont(13, false));
    m_edgePen = QPen(toQColor(game::clAqua), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);

    Surface = new board::TBoardSurface(this);
    Surface->setObjectName("Board");
    setCentralWidget(Surface);

    CreateMenu();
    CreateTitle();
    CreateButtons();
    CreatePainters();
    CreateLabels();
    CreateVertices();
    // Clicking a button leaves the keyboard where it was; the tab order is the game's own.
    setTabOrder(NewGame, DrawGraph);
    setTabOrder(DrawGraph, NavyPainter);
    setTabOrder(NavyPainter, MaroonPainter);
    setTabOrder(MaroonPainter, PurplePainter);
    setTabOrder(PurplePainter, GreenPainter);

    resize(kOuterWidth, kOuterHeight);
    game::AttachBoard(this);
    FormCreate();
}

TLevel1::~TLevel1() {
    if (&game::CurrentBoard() == this)
        game::AttachBoard(nullptr);
}

void TLevel1::CreateMenu() {
    File1 = menuBar()->addMenu(tr("&File"));
    Exit1 = File1->addAction(tr("E&xit"), this, &TLevel1::Exit1Click);

    Options1 = menuBar()->addMenu(tr("&Options"));
    Settings1 = Options1->addAction(tr("&Settings..."), this, &TLevel1::Settings1Click);
    // Ctrl+Z opens the settings: the board has nothing to undo.
    Settings1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));

    Help1 = menuBar()->addMenu(tr("&Help"));
    Contents1 = Help1->addAction(tr("Contents"), this, &TLevel1::Contents1Click);
    Contents1->setProperty("helpContext", 1);
    About1 = Help1->addAction(tr("&About..."), this, &TLevel1::About1Click);
}

void TLevel1::CreateTitle() {
    for (int i = 0; i < 5; ++i) {
        const TitlePlace& part = kTitlePlaces[i];
        const game::TitlePair& pair = game::kTitlePairs[static_cast<std::size_t>(i)];
        auto* label = new QLabel(pair.letters, Surface);
        label->setObjectName(QString("TitleLabel%1").arg(i + 1));
        // A pair wider than its box (the "Um" in its 23 pixels) is set narrower until it is
        // whole, as the decision dialog sets a long line tighter; the box stays as it is.
        QFont face = dialogs::DialogFont(27, true);
        const int natural = QFontMetrics(face).horizontalAdvance(pair.letters);
        if (natural > part.width) {
            // Widths shrink in proportion to the stretch; each further step costs a font load,
            // so start from the proportional guess and only correct its rounding.
            int stretch = std::clamp(100 * part.width / natural, 40, 99);
            face.setStretch(stretch);
            while (QFontMetrics(face).horizontalAdvance(pair.letters) > part.width && stretch > 40)
                face.setStretch(--stretch);
        }
        label->setFont(face);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette colors = label->palette();
        colors.setColor(QPalette::Window, toQColor(pair.background));
        colors.setColor(QPalette::WindowText, toQColor(pair.text));
        label->setPalette(colors);
        label->setGeometry(part.left, part.top, part.width, 32);
        label->setToolTip(tr(kTitleHint));
        TitleLabel[static_cast<std::size_t>(i + 1)] = label;
    }

    // Drawn when first shown, at the ratio of the board's screen, not while the board is built.
    ColorAllVertices =
        new artwork::TPicture(&artwork::ColorAllVerticesPicture, artwork::ColorAllVerticesWords(), Surface);
    ColorAllVertices->setObjectName("ColorAllVertices");
    ColorAllVertices->setGeometry(8, 8, 300, 37);
    ColorAllVertices->setToolTip(tr("Vertices are initially black and purple"));

    PuzzleSolved =
        new artwork::TPicture(&artwork::PuzzleSolvedPicture, artwork::PuzzleSolvedWords(), Surface);
    PuzzleSolved->setObjectName("PuzzleSolved");
    PuzzleSolved->setGeometry(2, 2, 300, 44);
}

void TLevel1::CreateButtons() {
    NewGame = new QPushButton(tr("New Puzzle"), Surface);
    NewGame->setObjectName("NewGame");
    NewGame->setFont(dialogs::DialogFont(13, false));
    NewGame->setGeometry(106, 64, 85, 25);
    connect(NewGame, &QPushButton::clicked, this, &TLevel1::NewGameClick);

    DrawGraph = new QPushButton(tr("Draw Graph"), Surface);
    DrawGraph->setObjectName("DrawGraph");
    DrawGraph->setFont(dialogs::DialogFont(13, false));
    DrawGraph->setGeometry(300, 144, 85, 25);
    DrawGraph->setToolTip(tr("Ends play and solves the puzzle."));
    DrawGraph->hide();
    connect(DrawGraph, &QPushButton::clicked, this, &TLevel1::DrawGraphClick);

    for (QPushButton* button : {NewGame, DrawGraph}) {
        button->setAutoDefault(false);
        m_switchableToolTips.insert(button);
    }
}

void TLevel1::CreatePainters() {
    struct PainterSetup {
        int index;
        Place start;
        void (*click)();
    };
    // Tab order follows this list: navy, maroon, purple, green.
    const PainterSetup setups[] = {
        {Navy, {532, 46}, &game::NavyPainterClick},
        {Maroon, {532, 14}, &game::MaroonPainterClick},
        {Purple, {564, 46}, &game::PurplePainterClick},
        {Green, {564, 14}, &game::GreenPainterClick},
    };
    // What a screen reader calls each painter, by colour index.
    const char* const spoken[] = {"", QT_TR_NOOP("Blue"), QT_TR_NOOP("Red"), QT_TR_NOOP("Green"),
                                  QT_TR_NOOP("Purple")};
    for (const PainterSetup& setup : setups) {
        const game::PaletteEntry& colour = *game::PaletteOf(setup.index);
        auto* painter = new TColorButton(Surface);
        painter->setObjectName(colour.name);
        painter->setAccessibleName(tr(spoken[setup.index]));
        painter->setGeometry(setup.start.left, setup.start.top, 30, 30);
        painter->setStyle(TToggleStyle::Toggle);
        painter->GroupIndex = 1;
        painter->setThickness(4);
        painter->setLines(QStringList{QString()});
        painter->setALign(TAlignStyle::Center);
        painter->setColor(colour.face);
        painter->setLightColor(colour.light);
        // The shadow is the face itself: a released painter shows its light colour on the
        // top and left, a pressed one on the bottom and right.
        painter->setShadowColor(colour.face);
        painter->setToolTip(tr(kPainterHint));
        // The painters follow the two buttons in the board's tab order.
        painter->setFocusPolicy(Qt::StrongFocus);
        painter->setValue(false);
        painter->setEnabled(false);
        painter->hide();
        connect(painter, &TColorButton::clicked, this, [click = setup.click] { click(); });
        Painter[static_cast<std::size_t>(setup.index)] = painter;
        m_switchableToolTips.insert(painter);
    }
    NavyPainter = Painter[Navy];
    MaroonPainter = Painter[Maroon];
    GreenPainter = Painter[Green];
    PurplePainter = Painter[Purple];
}

QLabel* TLevel1::MakeLabel(const QString& caption, int left, int top, int width, const QString& hint) {
    auto* label = new QLabel(caption, Surface);
    label->setFont(dialogs::DialogFont(13, true));
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, toQColor(game::clRed));
    label->setPalette(red);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A label grows with its caption, so "Average From Par: -1.250" is never cut short.
    label->setGeometry(left, top, std::max(width, label->sizeHint().width()), 16);
    if (!hint.isEmpty()) {
        label->setToolTip(hint);
        m_switchableToolTips.insert(label);
    }
    label->hide();
    return label;
}

void TLevel1::CreateLabels() {
    ParLabel = MakeLabel(tr("Par: "), 384, 456, 30,
                         tr("Color vertices in no more than Par clicks to attain an excellent score."));
    ParLabel->setObjectName("ParLabel");
    Par = MakeLabel(tr("Thinking..."), 448, 464, 67, {});
    Par->setObjectName("Par");
    PlayerScoreLabel = MakeLabel(tr("Your Score:"), 368, 480, 76, tr("Number of clicks on vertices."));
    PlayerScoreLabel->setObjectName("PlayerScoreLabel");
    PlayerScore = MakeLabel(tr("Thinking..."), 448, 480, 67, {});
    PlayerScore->setObjectName("PlayerScore");
    EdgesLabel = MakeLabel(tr("Edges: "), 392, 512, 49, tr("The number of edges in the graph."));
    EdgesLabel->setObjectName("EdgesLabel");
    SessionAveFromParLabel =
        MakeLabel(tr("Average From Par: 0"), 576, 480, 132,
                  tr("Your average score from Par over the games you play this session."));
    SessionAveFromParLabel->setObjectName("SessionAveFromParLabel");
}

void TLevel1::CreateVertices() {
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        auto* vertex = new TOrbVertex1(Surface);
        vertex->setObjectName(QString("OrbVertex1%1").arg(k));
        vertex->setRecord(&game::BoardVertex[static_cast<std::size_t>(k)]);
        vertex->setNumber(k);
        vertex->setGeometry(kBoardVertexStart[k].left, kBoardVertexStart[k].top, 40, 40);
        vertex->setPenColor(game::clFuchsia);
        vertex->setPenWidth(3);
        vertex->setToolTip(tr(kVertexHint));
        vertex->hide();
        connect(vertex, &TOrbVertex1::clicked, this, [this, k] { OrbVertexClick(k); });
        OrbVertex[static_cast<std::size_t>(k)] = vertex;
        m_switchableToolTips.insert(vertex);
    }
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        auto* twin = new TOrbVertex1(Surface);
        twin->setObjectName(QString("Comp%1Vert").arg(k));
        twin->setNumber(k);
        twin->setGeometry(kSolutionVertexStart[k].left, kSolutionVertexStart[k].top, 40, 40);
        twin->setPenColor(game::clFuchsia);
        twin->setPenWidth(3);
        twin->setToolTip(tr(PointsAtEdgeCount(k) ? kEdgeCountHint : kSolutionHint));
        twin->setEnabled(false);
        twin->hide();
        CompVert[static_cast<std::size_t>(k)] = twin;
    }
}

void TLevel1::FormCreate() {
    PuzzleSolved->hide();
    ColorAllVertices->show();
    DrawGraph->setEnabled(false);
    EnablePainters(false);
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        CompVert[static_cast<std::size_t>(k)]->setRecord(&game::SolutionVertex[static_cast<std::size_t>(k)]);
    }
    ApplyToolTips(game::Settings.ShowToolTips);
    for (const QObject* control : m_switchableToolTips) {
        const_cast<QObject*>(control)->installEventFilter(this);
    }
}

void TLevel1::ApplyToolTips(bool on) {
    m_toolTipsOn = on;
}

bool TLevel1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip && !m_toolTipsOn && m_switchableToolTips.contains(watched)) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TLevel1::ShowCentered() {
    resize(kOuterWidth, kOuterHeight);
    dialogs::CenterOnScreen(*this, QSize(kOuterWidth, kOuterHeight));
    show();
}

void TLevel1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_frameFitted) {
        // Until a window manager frames the board, the whole designed size is its own.
        if (minimumSize().isNull())
            setMinimumSize(kOuterWidth, kOuterHeight);
        QTimer::singleShot(0, this, &TLevel1::FitFrameToDesignedSize);
    }
}

void TLevel1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // A window manager frames the window after it is shown: the frame's size arrives with
    // the move that puts the window into its frame.
    if (!m_frameFitted)
        FitFrameToDesignedSize();
}

void TLevel1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_frameFitted)
        FitFrameToDesignedSize();
}

void TLevel1::FitFrameToDesignedSize() {
    if (m_frameFitted || !isVisible() || isMaximized() || isFullScreen())
        return;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const int frameWidth = outer.width() - inner.width();
    const int frameHeight = outer.height() - inner.height();
    if (frameWidth <= 0 && frameHeight <= 0)
        return;  // no frame known (yet); the next move or resize asks again
    m_frameFitted = true;
    // The designed client size: what is left of the designed outer size inside this frame.
    setMinimumSize(kOuterWidth - frameWidth, kOuterHeight - frameHeight);
    resize(kOuterWidth - frameWidth, kOuterHeight - frameHeight);
    dialogs::CenterOnScreen(*this, QSize(kOuterWidth, kOuterHeight));
}

// --- painting -------------------------------------------------------------------------

void TLevel1::FormPaint(QPainter& painter) {
    const game::PuzzleState& p = game::Puzzle;
    if (p.EdgeCount < 1)
        return;
    // The puzzle on display keeps its own vertex count: a teaching advance that changes
    // the count for the next puzzle must not lose or invent lines of this one.
    const int n = std::clamp(p.VertexCount, 0, game::kMaxVertices);
    m_edgePen.setColor(toQColor(game::clAqua));
    painter.setPen(m_edgePen);
    auto drawMarked = [&](const game::PairMatrix<std::int32_t>& marks,
                          const std::array<TOrbVertex1*, 17>& ends) {
        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j) {
                if (marks[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] != 1 &&
                    marks[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] != 1) {
                    continue;
                }
                TOrbVertex1* a = ends[static_cast<std::size_t>(i)];
                TOrbVertex1* b = ends[static_cast<std::size_t>(j)];
                painter.drawLine(QPoint(a->CenterX(), a->CenterY()), QPoint(b->CenterX(), b->CenterY()));
            }
        }
    };
    drawMarked(p.BoardEdgeDrawn, OrbVertex);
    drawMarked(p.SolutionEdgeDrawn, CompVert);
}

void TLevel1::RepaintEdgeArea(TOrbVertex1* from, TOrbVertex1* to) {
    const QPoint a(from->CenterX(), from->CenterY());
    const QPoint b(to->CenterX(), to->CenterY());
    const int margin = m_edgePen.width() + 1;
    QRegion area(QRect(a, b).normalized().adjusted(-margin, -margin, margin, margin));
    area += from->geometry();
    area += to->geometry();
    Surface->update(area);
}

void TLevel1::RepaintWindow() {
    Surface->repaint();
}

const std::array<TOrbVertex1*, 17>& TLevel1::VerticesOf(game::EdgeView view) const {
    return view == game::EdgeView::Solution ? CompVert : OrbVertex;
}

void TLevel1::DrawEdge(game::EdgeView view, int a, int b) {
    if (a < 1 || a > game::kMaxVertices || b < 1 || b > game::kMaxVertices)
        return;
    const auto& vertices = VerticesOf(view);
    RepaintEdgeArea(vertices[static_cast<std::size_t>(a)], vertices[static_cast<std::size_t>(b)]);
}

void TLevel1::RefreshVertex(game::EdgeView view, int k) {
    if (k >= 1 && k <= game::kMaxVertices)
        VerticesOf(view)[static_cast<std::size_t>(k)]->Refresh();
}

// --- what the engine asks of the board ------------------------------------------------

void TLevel1::ShowSolvedPicture(bool solved) {
    PuzzleSolved->setVisible(solved);
    ColorAllVertices->setVisible(!solved);
}

void TLevel1::ShowPlayControls() {
    m_edgePen.setColor(toQColor(game::clAqua));
    m_edgePen.setWidth(2);
    DrawGraph->setEnabled(true);
    DrawGraph->show();
    EnablePainters(true);
    for (QLabel* label : {ParLabel, Par, PlayerScore, PlayerScoreLabel, EdgesLabel, SessionAveFromParLabel}) {
        label->show();
    }
}

void TLevel1::LayOutBoard() {
    const int n = std::clamp(game::Puzzle.VertexCount, game::kMinVertices, game::kMaxVertices);
    const int c = std::clamp(game::Settings.NumberOfColors, game::kMinColors, game::kMaxColors);
    const int cx = game::Layout.BoardCenterX;
    const int cy = game::Layout.BoardCenterY;

    for (int k = n + 1; k <= game::kMaxVertices; ++k) {
        TOrbVertex1* vertex = OrbVertex[static_cast<std::size_t>(k)];
        vertex->setEnabled(false);
        vertex->hide();
    }
    for (int k = 1; k <= n; ++k) {
        TOrbVertex1* vertex = OrbVertex[static_cast<std::size_t>(k)];
        vertex->setPenWidth(game::VertexPenWidthFor(n));
        SetRect(vertex, game::VertexRect(n, k, cx, cy));
        vertex->setEnabled(true);
        vertex->show();
    }

    const game::ControlPlaces places = game::PlaceControls(n, game::DefaultControlSizes(), cx, cy);
    SetRect(NewGame, places.NewGame);
    SetRect(DrawGraph, places.DrawGraph);
    // Labels keep their own (text-fitting) size; only their places follow the layout.
    ParLabel->move(places.ParLabel.left, places.ParLabel.top);
    Par->move(places.Par.left, places.Par.top);
    PlayerScoreLabel->move(places.PlayerScoreLabel.left, places.PlayerScoreLabel.top);
    PlayerScore->move(places.PlayerScore.left, places.PlayerScore.top);
    EdgesLabel->move(places.EdgesLabel.left, places.EdgesLabel.top);
    SessionAveFromParLabel->move(places.SessionAveFromParLabel.left, places.SessionAveFromParLabel.top);

    const game::PainterPlaces painters = game::PlacePainters(c, 30, 30, cx, cy);
    for (int index = Navy; index <= Purple; ++index) {
        TColorButton* painter = Painter[static_cast<std::size_t>(index)];
        if (painters.used[index]) {
            painter->setEnabled(true);
            SetRect(painter, painters.place[index]);
            painter->show();
        } else {
            painter->setEnabled(false);
            painter->hide();
        }
    }
}

void TLevel1::MirrorToSolutionView() {
    const bool showTwins = game::Settings.PlayComputer;
    for (int k = 1; k <= game::kMaxVertices; ++k) {
        const TOrbVertex1* vertex = OrbVertex[static_cast<std::size_t>(k)];
        TOrbVertex1* twin = CompVert[static_cast<std::size_t>(k)];
        twin->setEnabled(vertex->isEnabled());
        twin->setGeometry(vertex->x() + 320, vertex->y(), vertex->width(), vertex->height());
        twin->setPenColor(vertex->penColor());
        twin->setPenWidth(vertex->penWidth());
        twin->setVisible(showTwins && !vertex->isHidden());
    }
}

void TLevel1::EnablePainters(bool on) {
    for (int index = Navy; index <= Purple; ++index) {
        TColorButton* painter = Painter[static_cast<std::size_t>(index)];
        painter->setEnabled(on);
        painter->setValue(false);
    }
    if (on)
        NavyPainter->setValue(true);
}

void TLevel1::PressPainter(int colorIndex) {
    for (int index = Navy; index <= Purple; ++index) {
        Painter[static_cast<std::size_t>(index)]->setValue(index == colorIndex);
    }
}

void TLevel1::ShowSolutionVertex(int k) {
    if (k >= 1 && k <= game::kMaxVertices)
        CompVert[static_cast<std::size_t>(k)]->show();
}

void TLevel1::SetDrawGraphEnabled(bool enabled) {
    DrawGraph->setEnabled(enabled);
}

void TLevel1::SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

void TLevel1::ShowPar(std::int32_t par) {
    SetCaption(Par, QString::number(par));
}

void TLevel1::ShowScore(std::int32_t clicks) {
    SetCaption(PlayerScore, QString::number(clicks));
}

void TLevel1::ShowEdgeCount(std::int32_t edges) {
    SetCaption(EdgesLabel, tr("Edges: %1").arg(edges));
}

void TLevel1::ShowAverageFromPar(std::int64_t totalFromPar, std::int32_t games) {
    char number[48];
    const std::string_view digits = game::FormatAverage(totalFromPar, games, number);
    QString average = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    // The number is written the way the player's language writes decimals.
    average.replace(QLatin1Char('.'), QLocale().decimalPoint());
    SetCaption(SessionAveFromParLabel, tr("Average From Par: %1").arg(average));
}

void TLevel1::OpenDialog(game::Dialog dialog) {
    board::OpenGameDialog(dialog);
}

void TLevel1::SettingsChangedByGame(unsigned changes) {
    board::FollowSettingsChange(changes);
}

// --- the player's commands ------------------------------------------------------------

void TLevel1::NewGameClick() {
    game::NewGameClick();
}

void TLevel1::DrawGraphClick() {
    game::DrawGraphClick();
}

void TLevel1::OrbVertexClick(int k) {
    game::VertexClick(k);
}

void TLevel1::Exit1Click() {
    close();
}

void TLevel1::Settings1Click() {
    ShowModeless(board::OptionsL1);
}

void TLevel1::Contents1Click() {
    help::ShowContents();
}

void TLevel1::About1Click() {
    ShowModeless(board::AboutBox);
}

void TLevel1::ViewPerformanceStats1Click() {
    ShowModeless(board::PerformancePages);
}

// --- closing --------------------------------------------------------------------------

bool TLevel1::FormClose() {
    const std::optional<std::string> error = game::SaveSettings();
    if (!error)
        return true;
    QMessageBox box(QMessageBox::Critical, kTitle, tr("Unable to write to SpEcTrUmIx.ini."), QMessageBox::Ok,
                    this);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    // A settings file that can never be written must not hold the player in the game.
    QAbstractButton* quit = box.addButton(tr("Quit Without Saving"), QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == quit;
}

void TLevel1::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}
