// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window Level1 stands: its designed size, fitted to its frame and its screen,
// full screen, and the place the player left it at, kept from one run to the next.
#include "board/WindowPlace.h"

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "board/BoardSurface.h"
#include "board/ScreenFit.h"
#include "engine/Game.h"
#include "ui/DialogLook.h"

namespace board {

TWindowPlace::TWindowPlace(QMainWindow& window, TBoardSurface& surface, game::Game& game, QSize outer)
    : m_window(window), m_surface(surface), m_game(game), m_outer(outer) {
    ui::WhenFramed(
        window, [this] { FitFrameToDesignedSize(); }, false);
}

bool TWindowPlace::BoardFillsWindow() const {
    return m_window.centralWidget() == &m_surface;
}

void TWindowPlace::ShowCentered() {
    m_outer = board::FitToScreen(m_window, m_surface, m_outer);
    m_window.resize(m_outer);
    // Until a window manager frames it, the whole outer size is the board's client area.
    m_surface.SetDesignedClient(m_outer);
    m_restored = Restore();
    if (!m_restored)
        ui::CenterOnScreen(m_window, m_outer);
    m_placed = m_window.geometry();
    m_window.show();
}

bool TWindowPlace::Restore() {
    const game::WindowPlace kept = m_game.KeptWindowPlace();
    // A board in a scroll area (a screen too small for it) always fills the screen.
    if (!BoardFillsWindow() || kept.width <= 0 || kept.height <= 0)
        return false;
    // A place whose far side lies beyond the screen coordinates a window can have (a damaged or
    // hand-edited file) is no place: the board opens centred, as with none kept.
    constexpr std::int64_t kFarthest = std::numeric_limits<int>::max();
    if (std::int64_t{kept.left} + kept.width > kFarthest || std::int64_t{kept.top} + kept.height > kFarthest)
        return false;
    QRect place(kept.left, kept.top, kept.width, kept.height);
    // A screen that is gone (a projector unplugged): the board opens centred, as large as designed.
    const QScreen* screen = QGuiApplication::screenAt(place.center());
    if (!screen)
        return false;
    const QRect area = screen->availableGeometry();
    place.setSize(place.size().boundedTo(area.size()));
    place.moveLeft(std::clamp(place.left(), area.left(), area.right() + 1 - place.width()));
    place.moveTop(std::clamp(place.top(), area.top(), area.bottom() + 1 - place.height()));
    m_window.setGeometry(place);
    if (kept.shown == game::WindowPlace::kFullScreen)
        m_window.setWindowState(Qt::WindowFullScreen);
    else if (kept.shown == game::WindowPlace::kMaximised)
        m_window.setWindowState(Qt::WindowMaximized);
    return true;
}

void TWindowPlace::Remember() {
    if (!BoardFillsWindow())
        return;
    const std::int32_t shown = m_window.isFullScreen()  ? game::WindowPlace::kFullScreen
                               : m_window.isMaximized() ? game::WindowPlace::kMaximised
                                                        : game::WindowPlace::kInWindow;
    const bool inWindow = shown == game::WindowPlace::kInWindow;
    const QRect normal = inWindow ? m_window.geometry() : m_window.normalGeometry();
    // Where and as large as the game itself put it (a window manager may nudge it a few pixels):
    // nothing to remember, and a settings file that never held a place gets none.
    const bool asPlaced = inWindow && normal.size() == m_placed.size() &&
                          (normal.topLeft() - m_placed.topLeft()).manhattanLength() <= 8;
    if (asPlaced || !normal.isValid())
        return;
    m_game.KeepWindowPlace({normal.left(), normal.top(), normal.width(), normal.height(), shown});
}

void TWindowPlace::Showing() {
    // Until a window manager frames the board, the whole outer size is its own.
    if (!m_frameFitted && m_window.minimumSize().isNull())
        m_window.setMinimumSize(m_outer);
}

void TWindowPlace::FitFrameToDesignedSize() {
    m_frameFitted = true;
    // The client size: what is left of the outer size inside this frame. A board opened maximised
    // has its frame measured too, so that it grows from the right size; the frame it has in a
    // window of its own may differ, so it is measured again and the window fitted when it leaves.
    const QSize client = m_outer.shrunkBy(ui::FrameMargins(m_window));
    m_window.setMinimumSize(client);
    m_surface.SetDesignedClient(client);
    m_fitOnLeaving = m_window.isMaximized() || m_window.isFullScreen();
    if (m_fitOnLeaving)
        return;
    if (m_restored) {
        // Where the player left it, no larger than the screen has room for with its frame, and
        // moved in wholly where it stands out (the title bar first).
        ui::FitOnScreen(m_window, m_window.size());
    } else {
        m_window.resize(client);
        ui::CenterOnScreen(m_window, m_outer);
    }
    m_placed = m_window.geometry();
}

void TWindowPlace::SetFullScreen(bool on) {
    if (on == m_window.isFullScreen())
        return;
    if (on) {
        m_window.setWindowState(m_window.windowState() | Qt::WindowFullScreen);
    } else {
        // Back to the window it was: maximised if it was before.
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowFullScreen);
    }
}

void TWindowPlace::StateChanged(QAction* fullScreen) {
    // The desktop may end full screen on its own (a key of its own, another window taking it).
    if (fullScreen)
        fullScreen->setChecked(m_window.isFullScreen());
    // A board that opened maximised or full screen is fitted to its frame once it has a window of
    // its own: the window manager frames it anew, so the frame is looked for again.
    const bool inWindow = !m_window.isMaximized() && !m_window.isFullScreen() && !m_window.isMinimized();
    if (inWindow && (m_fitOnLeaving || (!m_frameFitted && m_window.isVisible())))
        ui::LookForFrameAgain(m_window);
}

}  // namespace board
