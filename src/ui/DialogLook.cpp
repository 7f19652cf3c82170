// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DialogLook.h"

#include "ui/DrawnIcon.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ui {

QFont DialogFont(int pixelSize, bool bold) {
    QFont font;
    // Liberation Sans keeps the narrow letter widths the captions were laid out for.
    font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans", "Nimbus Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

namespace {

// A window manager frames a window only after it is shown, and no event says when: the frame
// arrives with a move or an activation on some desktops, with neither on others, or before the
// window's own geometry has caught up with it. So from each showing the frame is looked for on
// a short tick and at the activation, and the first time it is known the window is placed by
// it, once. (Not at every move: the first look asks the X server, and during the showing that
// would hold up the window's first picture.) Without a window manager no frame ever arrives,
// the ticks run out and nothing moves.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget& window, std::function<void()> framed, bool everyShowing)
        : QObject(&window), m_window(window), m_framed(std::move(framed)), m_everyShowing(everyShowing) {
        setObjectName(QStringLiteral("FrameWatch"));
        m_tick.setInterval(kTickMs);
        connect(&m_tick, &QTimer::timeout, this, [this] {
            if (++m_ticks >= kTicks)
                m_tick.stop();
            Look();
        });
        window.installEventFilter(this);
    }

    // Looks for the frame again, as at a showing, and calls back once it is known.
    void LookAgain() {
        m_done = false;
        m_ticks = 0;
        m_tick.start();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_window)
            return false;
        switch (event->type()) {
            case QEvent::Show:
                if (m_everyShowing || !m_done) {
                    m_done = false;
                    m_ticks = 0;
                    m_tick.start();
                }
                break;
            case QEvent::WindowActivate:
                Look();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    // Two seconds in all: a loaded machine's window manager may take its time.
    static constexpr int kTickMs = 20;
    static constexpr int kTicks = 100;

    void Look() {
        if (m_done || !m_window.isVisible() || !FrameKnown(m_window))
            return;
        m_done = true;
        m_tick.stop();
        m_framed();
    }

    QWidget& m_window;
    std::function<void()> m_framed;
    bool m_everyShowing;
    bool m_done = false;
    int m_ticks = 0;
    QTimer m_tick;
};

// The screen the window stands on, or the first one while it stands on none yet.
const QScreen* ScreenOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// Puts the window's outer frame's top left corner at `corner`. Once the frame is known the
// window's own place is set from it, as the window manager reported it; the frame Qt keeps for
// the widget may lag behind in the moment it arrives. Before, the place is the frame's, which
// the window manager takes as such for a window not yet shown.
void PlaceFrame(QWidget& window, QPoint corner) {
    const QMargins frame = FrameMargins(window);
    if (frame.isNull()) {
        window.move(corner);
        return;
    }
    const QPoint client = corner + QPoint(frame.left(), frame.top());
    if (client != window.geometry().topLeft())
        window.setGeometry(QRect(client, window.size()));
}

// The frame the window will have: its own once a window manager has drawn it; before, the frame
// of another of the game's windows already framed (the window manager draws the same title bar
// and borders round each), so that a window is fitted and placed whole before it is first shown,
// not corrected once its frame comes.
QMargins ExpectedFrame(const QWidget& window) {
    if (const QMargins own = FrameMargins(window); !own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible() && other->windowType() != Qt::Popup &&
            other->windowType() != Qt::ToolTip && FrameKnown(*other))
            return FrameMargins(*other);
    }
    return {};
}

}  // namespace

QMargins FrameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

bool FrameKnown(const QWidget& window) {
    return !FrameMargins(window).isNull();
}

void WhenFramed(QWidget& window, std::function<void()> framed, bool everyShowing) {
    new FrameWatch(window, std::move(framed), everyShowing);
}

namespace {

// The window's frame watch, found by its name: the watch has no meta-object of its own, so a
// search by type would take any child for it.
FrameWatch* WatchOf(QWidget& window) {
    return static_cast<FrameWatch*>(
        window.findChild<QObject*>(QStringLiteral("FrameWatch"), Qt::FindDirectChildrenOnly));
}

}  // namespace

void LookForFrameAgain(QWidget& window) {
    if (FrameWatch* watch = WatchOf(window))
        watch->LookAgain();
}

void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height) {
    // A dialog window (not a normal one, which a window manager gives minimise and maximise
    // buttons whatever it is asked) with a title and a close button, of one size.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(width, height);
    dialog.setSizeGripEnabled(false);
    if (!WatchOf(dialog))
        WhenFramed(dialog, [&dialog] { CenterOnScreen(dialog); }, true);
}

QString LocalDecimals(const std::string& digits) {
    return QString::fromStdString(digits).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

void SetWordsColour(QWidget& widget, const QColor& words, const QColor& face) {
    QPalette colours = widget.palette();
    if (face.isValid())
        colours.setColor(QPalette::Window, face);
    colours.setColor(QPalette::WindowText, words);
    widget.setPalette(colours);
}

void KeepLightFace(QWidget& window) {
    if (window.palette().color(QPalette::Window).lightnessF() >= 0.5)
        return;
    window.setPalette(QPalette(QColor(240, 240, 240)));
}

void CenterOnScreen(QWidget& window, QSize outer) {
    const QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    // The outer frame, where a window manager has drawn one already or is expected to.
    if (outer.isEmpty())
        outer = window.size().grownBy(ExpectedFrame(window));
    const QRect area = screen->availableGeometry();
    // Half the space left over on each side, rounded down, as the game has always placed them. A
    // window larger than the screen keeps its title bar and menu on it, at the top left.
    PlaceFrame(window, area.topLeft() + QPoint(std::max(0, (area.width() - outer.width()) / 2),
                                               std::max(0, (area.height() - outer.height()) / 2)));
}

void FitOnScreen(QWidget& window, QSize designed) {
    const QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame's share of the outer size, known or expected.
    const QMargins frame = ExpectedFrame(window);
    // At a fractional scale the frame is known only to the nearest pixel, and may come out one
    // screen pixel larger than it says: a pixel is kept in hand, so the frame never stands out.
    // Another window's frame, rounded at its own place, may differ by one more.
    const qreal ratio = screen->devicePixelRatio();
    const int slack = ratio == std::floor(ratio) ? 0 : FrameKnown(window) ? 1 : 2;
    const QSize room = area.size().shrunkBy(frame) - QSize(slack, slack);
    const QSize fitted = designed.boundedTo(room).expandedTo(window.minimumSize());
    if (fitted != window.size())
        window.resize(fitted);
    // Where the frame is not drawn yet, the window's place is its frame's.
    const QPoint corner = FrameKnown(window) ? window.geometry().topLeft() - QPoint(frame.left(), frame.top())
                                             : window.pos();
    const QRect outer(corner, fitted.grownBy(frame));
    // Moved in from any side it stands out on, the title bar first.
    QPoint place = outer.topLeft();
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - outer.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - outer.height())));
    if (place != outer.topLeft())
        PlaceFrame(window, place);
}

namespace {

// The room a push button's caption needs: its words, its glyph with the gap beside it, and the
// button's own margins.
int CaptionNeeds(const QPushButton& button, const QFont& font) {
    QString words = button.text();
    words.remove(QLatin1Char('&'));
    const int glyph = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    return QFontMetrics(font).horizontalAdvance(words) + glyph + 8;
}

}  // namespace

QFont NarrowFace(QFont face) {
    face.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                      QStringLiteral("Liberation Sans")});
    return face;
}

FittedFace FitToWidth(QFont face, int room, Squeeze squeeze, int from, int tightest,
                      const std::function<int(const QFont&)>& width) {
    for (int percent = from; percent >= tightest; --percent) {
        if (squeeze == Squeeze::LetterSpacing)
            face.setLetterSpacing(QFont::PercentageSpacing, percent);
        else
            face.setStretch(percent);
        if (width(face) <= room)
            return {face, true};
    }
    return {face, false};
}

void FitCaption(QPushButton& button) {
    if (CaptionNeeds(button, button.font()) <= button.width())
        return;
    const auto needs = [&button](const QFont& font) { return CaptionNeeds(button, font); };
    const FittedFace tighter =
        FitToWidth(button.font(), button.width(), Squeeze::LetterSpacing, 99, 92, needs);
    if (tighter.fits) {
        button.setFont(tighter.face);
        return;
    }
    // Still too long: the narrow cut of the same face, at the ordinary spacing.
    QFont narrow = NarrowFace(button.font());
    narrow.setStretch(QFont::Condensed);
    button.setFont(narrow);
}

void FitCheckBox(QCheckBox& box, int right) {
    const int needed = box.sizeHint().width();
    if (needed > box.width())
        box.resize(std::min(needed, right - box.x() + 1), box.height());
}

QIcon CheckMarkGlyph(int size) {
    // Drawn for the pixel size each button asks for, so it is sharp on any screen.
    return ui::DrawnIcon(size, [size](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Drawn on a 16-pixel design and scaled to the button's glyph size.
        const qreal scale = size / 16.0;
        painter.scale(scale, scale);
        painter.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    });
}

namespace {
constexpr int kGlyph = 16;
}  // namespace

QIcon CrossGlyph() {
    return ui::DrawnIcon(kGlyph, [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    });
}

QIcon QuestionMarkGlyph() {
    return ui::DrawnIcon(kGlyph, [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        QFont font = ui::DialogFont(15, true);
        QPainterPath mark;
        mark.addText(0, 0, font, "?");
        const QRectF bounds = mark.boundingRect();
        painter.translate(QPointF(kGlyph, kGlyph) / 2 - bounds.center());
        painter.setPen(QPen(QColor(0, 96, 128), 1));
        painter.setBrush(QColor(0, 255, 255));
        painter.drawPath(mark);
    });
}

QFrame* MakeBevel(QWidget* parent, const QRect& place) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(place);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

}  // namespace ui
