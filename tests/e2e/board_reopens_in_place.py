#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game under a window manager (openbox) reopening where the player left it: a board
left as large as the screen comes back with its whole frame on the screen, and a board left
maximised, once un-maximised, stands wholly on the screen and may be made as small as its
designed size inside this window manager's frame (the frame was measured, not taken as part of
the board).

Usage: board_reopens_in_place.py PATH_TO_SPECTRUMIX PATH_TO_OPENBOX
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
from frames_fit_screen import outer_frame, start_window_manager  # noqa: E402
from sigterm_saves_settings import wait_for  # noqa: E402

SCREEN = (1024, 768)
# The board's designed outer size, frame included.
DESIGNED = (652, 492)


def start(binary, config, left, top, width, height, state):
    with open(os.path.join(config, "SpEcTrUmIx.ini"), "w", encoding="latin-1") as f:
        f.write("[Level 1]\nWindowLeft=%d\nWindowTop=%d\nWindowWidth=%d\nWindowHeight=%d\nWindowState=%d\n"
                % (left, top, width, height, state))
    env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), HOME=config,
               QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR="1", LANG="C.UTF-8", LANGUAGE="")
    return subprocess.Popen([binary], env=env)


def maximised(d, window):
    state = window.get_full_property(d.intern_atom("_NET_WM_STATE"), X.AnyPropertyType)
    wanted = {d.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"), d.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ")}
    return state is not None and wanted <= set(state.value)


def unmaximise(d, window):
    """Asks the window manager to give the window back its own size, as its title bar's button does."""
    message = protocol.event.ClientMessage(
        window=window, client_type=d.intern_atom("_NET_WM_STATE"),
        data=(32, [0, d.intern_atom("_NET_WM_STATE_MAXIMIZED_VERT"), d.intern_atom("_NET_WM_STATE_MAXIMIZED_HORZ"),
                   1, 0]))
    d.screen().root.send_event(message, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.sync()


def on_screen(d, window):
    x, y, w, h = outer_frame(d, window)
    return x >= 0 and y >= 0 and x + w <= SCREEN[0] and y + h <= SCREEN[1]


def smallest(d, window):
    """The least client size the board lets the window manager give it, and the one it should:
    the designed outer size less this frame."""
    hints = window.get_wm_normal_hints()
    x, y, w, h = outer_frame(d, window)
    client = window.get_geometry()
    return (hints.min_width, hints.min_height), (DESIGNED[0] - (w - client.width), DESIGNED[1] - (h - client.height))


def main():
    binary, openbox_binary = sys.argv[1], sys.argv[2]
    d = display.Display()
    root = d.screen().root
    manager = start_window_manager(d, openbox_binary)

    with tempfile.TemporaryDirectory() as config:
        # Left as large as the screen: the frame is fitted in, its bottom too.
        game = start(binary, config, 0, 0, SCREEN[0], SCREEN[1], 0)
        board = wait_for(lambda: find_window(d, "SpEcTrUmIx"), 20, game)
        if board is None:
            fail("no board appeared", game, manager)
        if not wait_for(lambda: on_screen(d, board), 10):
            x, y, w, h = outer_frame(d, board)
            fail("a board left as large as the screen reopened with its frame %dx%d+%d+%d off the %dx%d screen"
                 % (w, h, x, y, *SCREEN), game, manager)
        game.kill()
        game.wait()

    with tempfile.TemporaryDirectory() as config:
        # Left maximised: it opens maximised and, given back its own size, is fitted to its frame.
        game = start(binary, config, 150, 100, 700, 520, 1)
        board = wait_for(lambda: find_window(d, "SpEcTrUmIx"), 20, game)
        if board is None:
            fail("no board appeared", game, manager)
        if not wait_for(lambda: maximised(d, board), 10):
            fail("a board left maximised did not reopen maximised", game, manager)
        # Time for the frame to arrive and be measured, as on a loaded machine.
        time.sleep(2.5)
        unmaximise(d, board)
        if not wait_for(lambda: not maximised(d, board), 10):
            fail("the window manager did not un-maximise the board", game, manager)
        if not wait_for(lambda: smallest(d, board)[0] == smallest(d, board)[1] and on_screen(d, board), 10):
            x, y, w, h = outer_frame(d, board)
            least, wanted = smallest(d, board)
            fail("un-maximised, the board's frame is %dx%d+%d+%d and its least size %dx%d, not %dx%d"
                 % (w, h, x, y, *least, *wanted), game, manager)
        game.kill()
        game.wait()
    manager.terminate()
    manager.wait()
    print("PASS: a board left as large as the screen or maximised reopens wholly on the screen, fitted to its frame")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
