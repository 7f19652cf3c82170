#include "Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "Artwork.h"
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

// The dialogs the board opens by name.
#include "About.h"
#include "GameNotOverDialog.h"
#include "GameNotOverDialog2.h"
#include "NotBadDialog.h"
#include "Optionl1.h"
#include "Perfect.h"
#include "TabbedScores.h"
#include "excellent.h"

namespace {

const char* const kTitle = "SpEcTrUmIx";

// Board colours are 0x00BBGGRR values, like every colour of the game.
QColor ToQColor(game::TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

const char* const kPainterHint =
    "To color a vertex, click here and then click a vertex. Vertices joined by an edge cannot be colored the "
    "same color.";
const char* const kTitleHint = "Vertices joined by an edge cannot be the same color.";
const char* const kVertexHint = "The goal is to color all the vertices other than black.";
const char* const kSolutionHint = "This is my solution to the underlying graph.";
const char* const kEdgeCountHint = "Notice the number of edges is the same as stated.";

struct TitlePart {
    const char* caption;
    int left, top, width;
    game::TColor background, text;
};
// "SpEcTrUmIx", two letters at a time, staggered up and down.
constexpr TitlePart kTitleParts[] = {
    {"Sp", 312, 4, 35, game::clFuchsia, game::clLime}, {"Ec", 347, 12, 32, game::clLime, game::clNavy},
    {"Tr", 378, 2, 34, game::clRed, game::clBlack},    {"Um", 414, 10, 23, game::clYellow, game::clRed},
    {"Ix", 436, 2, 36, game::clBrown, game::clRed},
};

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
    m_edgePen = QPen(ToQColor(game::clAqua), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);

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
    File1 = menuBar()->addMenu("&File");
    Exit1 = File1->addAction("E&xit", this, &TLevel1::Exit1Click);

    Options1 = menuBar()->addMenu("&Options");
    Settings1 = Options1->addAction("&Settings...", this, &TLevel1::Settings1Click);
    // Ctrl+Z opens the settings: the board has nothing to undo.
    Settings1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));

    Help1 = menuBar()->addMenu("&Help");
    Contents1 = Help1->addAction("Contents", this, &TLevel1::Contents1Click);
    Contents1->setProperty("helpContext", 1);
    About1 = Help1->addAction("&About...", this, &TLevel1::About1Click);
}

void TLevel1::CreateTitle() {
    for (int i = 0; i < 5; ++i) {
        const TitlePart& part = kTitleParts[i];
        auto* label = new QLabel(part.caption, Surface);
        label->setObjectName(QString("TitleLabel%1").arg(i + 1));
        // A pair wider than its box (the "Um" in its 23 pixels) is set narrower until it is
        // whole, as the decision dialog sets a long line tighter; the box stays as it is.
        QFont face = dialogs::DialogFont(27, true);
        const int natural = QFontMetrics(face).horizontalAdvance(part.caption);
        if (natural > part.width) {
            // Widths shrink in proportion to the stretch; each further step costs a font load,
            // so start from the proportional guess and only correct its rounding.
            int stretch = std::clamp(100 * part.width / natural, 40, 99);
            face.setStretch(stretch);
            while (QFontMetrics(face).horizontalAdvance(part.caption) > part.width && stretch > 40)
                face.setStretch(--stretch);
        }
        label->setFont(face);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        QPalette colors = label->palette();
        colors.setColor(QPalette::Window, ToQColor(part.background));
        colors.setColor(QPalette::WindowText, ToQColor(part.text));
        label->setPalette(colors);
        label->setGeometry(part.left, part.top, part.width, 32);
        label->setToolTip(kTitleHint);
        TitleLabel[static_cast<std::size_t>(i + 1)] = label;
    }

    // Drawn when first shown, at the ratio of the board's screen, not while the board is built.
    ColorAllVertices =
        new artwork::TPicture(&artwork::ColorAllVerticesPicture, artwork::ColorAllVerticesWords(), Surface);
    ColorAllVertices->setObjectName("ColorAllVertices");
    ColorAllVertices->setGeometry(8, 8, 300, 37);
    ColorAllVertices->setToolTip("Vertices are initially black and purple");

    PuzzleSolved =
        new artwork::TPicture(&artwork::PuzzleSolvedPicture, artwork::PuzzleSolvedWords(), Surface);
    PuzzleSolved->setObjectName("PuzzleSolved");
    PuzzleSolved->setGeometry(2, 2, 300, 44);
}

void TLevel1::CreateButtons() {
    NewGame = new QPushButton("New Puzzle", Surface);
    NewGame->setObjectName("NewGame");
    NewGame->setFont(dialogs::DialogFont(13, false));
    NewGame->setGeometry(106, 64, 85, 25);
    connect(NewGame, &QPushButton::clicked, this, &TLevel1::NewGameClick);

    DrawGraph = new QPushButton("Draw Graph", Surface);
    DrawGraph->setObjectName("DrawGraph");
    DrawGraph->setFont(dialogs::DialogFont(13, false));
    DrawGraph->setGeometry(300, 144, 85, 25);
    DrawGraph->setToolTip("Ends play and solves the puzzle.");
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
        const char* name;
        Place start;
        game::TColor face, light;
        void (*click)();
    };
    // Tab order follows this list: navy, maroon, purple, green.
    const PainterSetup setups[] = {
        {Navy, "NavyPainter", {532, 46}, game::clNavy, game::clBlue, &game::NavyPainterClick},
        {Maroon, "MaroonPainter", {532, 14}, game::clMaroon, game::clRed, &game::MaroonPainterClick},
        {Purple, "PurplePainter", {564, 46}, game::clPurple, game::clFuchsia, &game::PurplePainterClick},
        {Green, "GreenPainter", {564, 14}, game::clGreen, game::clLime, &game::GreenPainterClick},
    };
    // What a screen reader calls each painter, by colour index.
    const char* const spoken[] = {"", QT_TR_NOOP("Blue"), QT_TR_NOOP("Red"), QT_TR_NOOP("Green"),
                                  QT_TR_NOOP("Purple")};
    for (const PainterSetup& setup : setups) {
        auto* painter = new TColorButton(Surface);
        painter->setObjectName(setup.name);
        painter->setAccessibleName(tr(spoken[setup.index]));
        painter->setGeometry(setup.start.left, setup.start.top, 30, 30);
        painter->setStyle(TToggleStyle::Toggle);
        painter->GroupIndex = 1;
        painter->setThickness(4);
        painter->setLines(QStringList{QString()});
        painter->setALign(TAlignStyle::Center);
        painter->setColor(setup.face);
        painter->setLightColor(setup.light);
        // The shadow is the face itself: a released painter shows its light colour on the
        // top and left, a pressed one on the bottom and right.
        painter->setShadowColor(setup.face);
        painter->setToolTip(kPainterHint);
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
    red.setColor(QPalette::WindowText, ToQColor(game::clRed));
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
    ParLabel = MakeLabel("Par: ", 384, 456, 30,
                         "Color vertices in no more than Par clicks to attain an excellent score.");
    ParLabel->setObjectName("ParLabel");
    Par = MakeLabel("Thinking...", 448, 464, 67, {});
    Par->setObjectName("Par");
    PlayerScoreLabel = MakeLabel("Your Score:", 368, 480, 76, "Number of clicks on vertices.");
    PlayerScoreLabel->setObjectName("PlayerScoreLabel");
    PlayerScore = MakeLabel("Thinking...", 448, 480, 67, {});
    PlayerScore->setObjectName("PlayerScore");
    EdgesLabel = MakeLabel("Edges: ", 392, 512, 49, "The number of edges in the graph.");
    EdgesLabel->setObjectName("EdgesLabel");
    SessionAveFromParLabel = MakeLabel("Average From Par: 0", 576, 480, 132,
                                       "Your average score from Par over the games you play this session.");
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
        vertex->setToolTip(kVertexHint);
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
        twin->setToolTip(PointsAtEdgeCount(k) ? kEdgeCountHint : kSolutionHint);
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
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), QSize(kOuterWidth, kOuterHeight));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
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
    if (const QScreen* screen = this->screen()) {
        QRect centred(QPoint(0, 0), QSize(kOuterWidth, kOuterHeight));
        centred.moveCenter(screen->availableGeometry().center());
        move(centred.topLeft());
    }
}

// --- painting -------------------------------------------------------------------------

void TLevel1::FormPaint(QPainter& painter) {
    const game::PuzzleState& p = game::Puzzle;
    if (p.EdgeCount < 1)
        return;
    // The puzzle on display keeps its own vertex count: a teaching advance that changes
    // the count for the next puzzle must not lose or invent lines of this one.
    const int n = std::clamp(p.VertexCount, 0, game::kMaxVertices);
    m_edgePen.setColor(ToQColor(game::clAqua));
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

void TLevel1::DrawBoardEdge(int a, int b) {
    if (a < 1 || a > game::kMaxVertices || b < 1 || b > game::kMaxVertices)
        return;
    RepaintEdgeArea(OrbVertex[static_cast<std::size_t>(a)], OrbVertex[static_cast<std::size_t>(b)]);
}

void TLevel1::DrawSolutionEdge(int a, int b) {
    if (a < 1 || a > game::kMaxVertices || b < 1 || b > game::kMaxVertices)
        return;
    RepaintEdgeArea(CompVert[static_cast<std::size_t>(a)], CompVert[static_cast<std::size_t>(b)]);
}

void TLevel1::RefreshBoardVertex(int k) {
    if (k >= 1 && k <= game::kMaxVertices)
        OrbVertex[static_cast<std::size_t>(k)]->Refresh();
}

void TLevel1::RefreshSolutionVertex(int k) {
    if (k >= 1 && k <= game::kMaxVertices)
        CompVert[static_cast<std::size_t>(k)]->Refresh();
}

// --- what the engine asks of the board ------------------------------------------------

void TLevel1::ShowSolvedPicture(bool solved) {
    PuzzleSolved->setVisible(solved);
    ColorAllVertices->setVisible(!solved);
}

void TLevel1::ShowPlayControls() {
    m_edgePen.setColor(ToQColor(game::clAqua));
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

void TLevel1::SetCaption(game::Label label, std::string_view text) {
    QLabel* target = nullptr;
    switch (label) {
        case game::Label::Par:
            target = Par;
            break;
        case game::Label::PlayerScore:
            target = PlayerScore;
            break;
        case game::Label::EdgesLabel:
            target = EdgesLabel;
            break;
        case game::Label::SessionAveFromParLabel:
            target = SessionAveFromParLabel;
            break;
    }
    if (!target)
        return;
    target->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    target->resize(std::max(target->width(), target->sizeHint().width()), target->height());
}

void TLevel1::OpenDialog(game::Dialog dialog) {
    QWidget* window = nullptr;
    switch (dialog) {
        case game::Dialog::Perfect:
            window = board::PerfectDlg;
            break;
        case game::Dialog::Excellent:
            window = board::ExcellentDlg;
            break;
        case game::Dialog::NotBad:
            window = board::NotBadMessage;
            break;
        case game::Dialog::GameNotOverDecision:
            window = board::GameNotOverDecision;
            break;
        case game::Dialog::GameNotOverDecision2:
            window = board::GameNotOverDecision2;
            break;
    }
    ShowModeless(window);
}

void TLevel1::SetOptionsShowEdges(bool checked) {
    board::OptionsL1->SetShowEdgesBox(checked);
}

void TLevel1::SetOptionsVertexCount(int vertices) {
    board::OptionsL1->SetVertexCount(vertices);
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
    QMessageBox box(QMessageBox::Critical, kTitle, QString::fromStdString(*error) + ".", QMessageBox::Ok,
                    this);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    // A settings file that can never be written must not hold the player in the game.
    QAbstractButton* quit = box.addButton("Quit Without Saving", QMessageBox::DestructiveRole);
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
