#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game under a window manager (openbox) on a laptop's panel (1920x1080 at scale 2, or
the screen and scale given, say 1366x768 at 1.5, where the frame's pixels round): the help
window stands wholly on the screen, its title bar too, at the size it was first shown at (fitted
before it was shown, not once its frame came), and the fixed settings dialog and the board are
centred by their outer frames, the title bar included. A board larger than the screen (1024x768
at 2) fills the screen, placed on it from the first, its board in a scroll area.

Usage: frames_fit_screen.py PATH_TO_SPECTRUMIX PATH_TO_OPENBOX [WIDTHxHEIGHT SCALE]
"""
import os
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display, protocol
except ImportError:  # an interpreter of its own may not see Debian's python3-xlib
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display, protocol

from close_saves_settings import fail, find_window  # noqa: E402
from sigterm_saves_settings import press, wait_for  # noqa: E402

SCREEN = tuple(int(v) for v in sys.argv[3].split("x")) if len(sys.argv) > 4 else (1920, 1080)
SCALE = sys.argv[4] if len(sys.argv) > 4 else "2"


def outer_frame(d, window):
    """The window manager's frame around a client: its topmost ancestor below the root."""
    root = d.screen().root
    while True:
        parent = window.query_tree().parent
        if parent == root or parent.id == root.id:
            break
        window = parent
    g = window.get_geometry()
    return g.x, g.y, g.width, g.height


def activate(d, window):
    """Asks the window manager to give the window the focus, as a task bar does."""
    root = d.screen().root
    message = protocol.event.ClientMessage(window=window, client_type=d.intern_atom("_NET_ACTIVE_WINDOW"),
                                           data=(32, [2, X.CurrentTime, 0, 0, 0]))
    root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.sync()
    time.sleep(0.5)


def open_by_keys(d, board, find, name, modifier=None):
    """Gives the board the focus and presses the key until `find` sees the window it opens."""
    for _ in range(5):
        activate(d, board)
        press(d, name, modifier)
        window = wait_for(find, 4)
        if window is not None:
            return window
    return None


def created(d, made):
    """Adds the windows made on the screen since the last look, with the place and size each was
    made at (before any window manager saw it), to `made`."""
    while d.pending_events():
        event = d.next_event()
        if event.type == X.CreateNotify:
            made[event.window.id] = (event.x, event.y, event.width, event.height)
    return made


def start_window_manager(d, openbox_binary):
    """Starts openbox and waits until it has taken the screen."""
    root = d.screen().root
    manager = subprocess.Popen([openbox_binary], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check = d.intern_atom("_NET_SUPPORTING_WM_CHECK")
    if not wait_for(lambda: root.get_full_property(check, X.AnyPropertyType), 20):
        fail("openbox did not start", manager)
    return manager


def main():
    game_binary, openbox_binary = sys.argv[1], sys.argv[2]
    d = display.Display()
    root = d.screen().root
    manager = start_window_manager(d, openbox_binary)
    # Every window the game makes is told here with the place and size it was first given.
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    made = {}
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), HOME=config,
                   QT_QPA_PLATFORM="xcb",
                   QT_SCALE_FACTOR=SCALE, LANG="C.UTF-8", LANGUAGE="")
        game = subprocess.Popen([game_binary], env=env)
        board = wait_for(lambda: find_window(d, "SpEcTrUmIx"), 20, game)
        if board is None:
            fail("no board appeared", game, manager)
        helper = open_by_keys(d, board, lambda: find_window(d, "SpEcTrUmIx Help", prefix=True), "F1")
        if helper is None:
            fail("F1 opened no help window", game, manager)
        # Framed, fitted and moved in once the frame is known; a loaded machine takes its time.
        def on_screen(window):
            x, y, w, h = outer_frame(d, window)
            return x >= 0 and y >= 0 and x + w <= SCREEN[0] and y + h <= SCREEN[1]
        if not wait_for(lambda: on_screen(helper), 10):
            x, y, w, h = outer_frame(d, helper)
            fail("the help window's frame %dx%d+%d+%d is not wholly on the %dx%d screen" % (w, h, x, y, *SCREEN),
                 game, manager)
        # Fitted before it was first shown: the size it was made at fits with the frame it got (a
        # screen pixel of rounding aside), where a window fitted only once framed stood out by a title bar.
        first = created(d, made).get(helper.id)
        now = helper.get_geometry()
        x, y, w, h = outer_frame(d, helper)
        if first is None or first[2] + w - now.width > SCREEN[0] or first[3] + h - now.height > SCREEN[1]:
            fail("the help window was first made %s, which does not fit the %dx%d screen with its %dx%d frame"
                 % ("%dx%d" % first[2:] if first else "unseen", *SCREEN, w - now.width, h - now.height), game, manager)

        options = open_by_keys(d, board, lambda: find_window(d, "SpEcTrUmIx Options"), "z", "Control_L")
        if options is None:
            fail("Ctrl+Z opened no settings dialog", game, manager)

        # The board is placed on the screen from the first (a board larger than the screen, as at 2 on
        # a 1024x768 screen, was made off it), and stands wholly on it.
        first = created(d, made).get(board.id)
        if first is None or first[0] < 0 or first[1] < 0:
            fail("the board was first placed at %s, off the screen" % (first[:2] if first else "unseen",),
                 game, manager)
        if not wait_for(lambda: on_screen(board), 10):
            x, y, w, h = outer_frame(d, board)
            fail("the board's frame %dx%d+%d+%d is not wholly on the %dx%d screen" % (w, h, x, y, *SCREEN),
                 game, manager)
        for window, name in ((options, "settings dialog"), (board, "board")):
            def offset():
                x, y, w, h = outer_frame(d, window)
                return x + w / 2 - SCREEN[0] / 2, y + h / 2 - SCREEN[1] / 2
            if not wait_for(lambda: max(abs(v) for v in offset()) <= 2, 10):
                x, y, w, h = outer_frame(d, window)
                client = window.get_geometry()
                fail("the %s's frame %dx%d+%d+%d (client %dx%d) stands %+.0f, %+.0f px off the screen's centre"
                     % (name, w, h, x, y, client.width, client.height, *offset()), game, manager)
        game.kill()
        game.wait()
    manager.terminate()
    manager.wait()
    print("PASS: the help window stands wholly on screen and the settings dialog and the board are centred by their frames")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
