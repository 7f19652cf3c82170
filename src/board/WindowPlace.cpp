// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window Level1 stands: its designed size, fitted to its frame and its screen,
// full screen, and the place the player left it at, kept from one run to the next.
#include "board/Main.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "board/ScreenFit.h"
#include "engine/Settings.h"
#include "ui/DialogLook.h"

void TLevel1::ShowCentered() {
    m_outer = board::FitToScreen(*this, *Surface, QSize(kOuterWidth, kOuterHeight));
    resize(m_outer);
    // Until a window manager frames it, the whole outer size is the board's client area.
    Surface->SetDesignedClient(m_outer);
    m_restored = RestorePlace();
    if (!m_restored)
        ui::CenterOnScreen(*this, m_outer);
    m_placed = geometry();
    show();
}

bool TLevel1::RestorePlace() {
    // A board in a scroll area (a screen too small for it) always fills the screen.
    if (!m_settings || centralWidget() != Surface || m_settings->WindowWidth <= 0 || m_settings->WindowHeight <= 0)
        return false;
    const game::GameSettings& settings = *m_settings;
    // A place whose far side lies beyond the screen coordinates a window can have (a damaged or
    // hand-edited file) is no place: the board opens centred, as with none kept.
    constexpr std::int64_t kFarthest = std::numeric_limits<int>::max();
    if (std::int64_t{settings.WindowLeft} + settings.WindowWidth > kFarthest ||
        std::int64_t{settings.WindowTop} + settings.WindowHeight > kFarthest)
        return false;
    QRect place(settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight);
    // A screen that is gone (a projector unplugged): the board opens centred, as large as designed.
    const QScreen* screen = QGuiApplication::screenAt(place.center());
    if (!screen)
        return false;
    const QRect area = screen->availableGeometry();
    place.setSize(place.size().boundedTo(area.size()));
    place.moveLeft(std::clamp(place.left(), area.left(), area.right() + 1 - place.width()));
    place.moveTop(std::clamp(place.top(), area.top(), area.bottom() + 1 - place.height()));
    setGeometry(place);
    if (settings.WindowState == kFullScreen)
        setWindowState(Qt::WindowFullScreen);
    else if (settings.WindowState == kMaximised)
        setWindowState(Qt::WindowMaximized);
    return true;
}

void TLevel1::RememberPlace() {
    if (!m_settings || centralWidget() != Surface)
        return;
    const int state = isFullScreen() ? kFullScreen : isMaximized() ? kMaximised : kNormal;
    const QRect normal = state == kNormal ? geometry() : normalGeometry();
    // Where and as large as the game itself put it (a window manager may nudge it a few pixels):
    // nothing to remember, and a settings file that never held a place gets none.
    const bool asPlaced = state == kNormal && normal.size() == m_placed.size() &&
                          (normal.topLeft() - m_placed.topLeft()).manhattanLength() <= 8;
    if (asPlaced || !normal.isValid())
        return;
    m_settings->WindowLeft = normal.left();
    m_settings->WindowTop = normal.top();
    m_settings->WindowWidth = normal.width();
    m_settings->WindowHeight = normal.height();
    m_settings->WindowState = state;
}

bool TLevel1::event(QEvent* event) {
    // Until a window manager frames the board, the whole outer size is its own.
    if (event->type() == QEvent::Show && !m_frameFitted && minimumSize().isNull())
        setMinimumSize(m_outer);
    return QMainWindow::event(event);
}

void TLevel1::FitFrameToDesignedSize() {
    m_frameFitted = true;
    // The client size: what is left of the outer size inside this frame. A board opened maximised
    // has its frame measured too, so that it grows from the right size; the frame it has in a
    // window of its own may differ, so it is measured again and the window fitted when it leaves.
    const QSize client = m_outer.shrunkBy(ui::FrameMargins(*this));
    setMinimumSize(client);
    Surface->SetDesignedClient(client);
    m_fitOnLeaving = isMaximized() || isFullScreen();
    if (m_fitOnLeaving)
        return;
    if (m_restored) {
        // Where the player left it, no larger than the screen has room for with its frame, and
        // moved in wholly where it stands out (the title bar first).
        ui::FitOnScreen(*this, size());
    } else {
        resize(client);
        ui::CenterOnScreen(*this, m_outer);
    }
    m_placed = geometry();
}

void TLevel1::FullScreen1Click(bool on) {
    if (on == isFullScreen())
        return;
    if (on) {
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        // Back to the window it was: maximised if it was before.
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    }
}

void TLevel1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // The desktop may end full screen on its own (a key of its own, another window taking it).
    if (FullScreen1)
        FullScreen1->setChecked(isFullScreen());
    // A board that opened maximised or full screen is fitted to its frame once it has a window of
    // its own: the window manager frames it anew, so the frame is looked for again.
    const bool inWindow = !isMaximized() && !isFullScreen() && !isMinimized();
    if (inWindow && (m_fitOnLeaving || (!m_frameFitted && isVisible())))
        ui::LookForFrameAgain(*this);
}
