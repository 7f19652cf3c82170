#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the real game in the X server of $DISPLAY with a fresh settings folder, waits for
its board window "SpEcTrUmIx", closes it the way a window manager does (WM_DELETE_WINDOW)
and checks that the game ended and wrote its settings: section "Level 1", all 15 keys.

With a desktop entry given, also checks that the window's WM_CLASS class is the entry's
StartupWMClass, so a dock shows the running game under its own name and icon.

Usage: close_saves_settings.py PATH_TO_SPECTRUMIX [DESKTOP_ENTRY]
"""
import os
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display, protocol
except ImportError:  # an interpreter of its own (pyenv, venv) may not see Debian's python3-xlib
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display, protocol

KEYS = [
    "NumOfVertices", "ShowEdges", "RandomNumberOfVertices", "RandomNumberOfColors",
    "RandomEdgeProbability", "EdgeNumFactor", "NumOfColors", "ShowToolTips", "TeachingModeOn",
    "TeachingModePrimaryLevel", "TeachingModeSecondaryLevel", "TeachingModeLastGameGood",
    "TeachingModeConsecutiveGoodGames", "PlayComputer", "TimerActive",
]
TITLE = "SpEcTrUmIx"


def window_name(d, window):
    net_name = window.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
    if net_name is not None:
        value = net_name.value
        return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
    name = window.get_wm_name()
    return name.decode("latin-1") if isinstance(name, bytes) else name


def find_window(d, title, prefix=False):
    """The shown window called `title` (or whose name begins with it)."""
    pending = [d.screen().root]
    while pending:
        window = pending.pop()
        try:
            name = window_name(d, window) or ""
            if (name.startswith(title) if prefix else name == title) and \
                    window.get_attributes().map_state == X.IsViewable:
                return window
            pending.extend(window.query_tree().children)
        except Exception:  # a window may vanish while we look
            continue
    return None


def find_board(d):
    return find_window(d, TITLE)


def close_by_window_manager(d, *boards):
    """Sends each board what a window manager sends when the player clicks its close button."""
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    for board in boards:
        message = protocol.event.ClientMessage(window=board, client_type=protocols,
                                               data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        board.send_event(message, event_mask=X.NoEventMask)
    d.flush()


def expect_clean_end(game, why):
    """Waits for `game` to end after `why` (the close, the signal) and fails unless it ended
    within 20 s with status 0."""
    try:
        code = game.wait(timeout=20)
    except subprocess.TimeoutExpired:
        fail("the game did not end after %s" % why, game)
    if code != 0:
        fail("the game ended with code %d after %s" % (code, why))


def fail(message, *programs):
    """Ends the run as failed, after ending the programs it started (the game, a window manager)."""
    for program in programs:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
    print("FAIL: " + message)
    print("0 passed, 1 failed")
    sys.exit(1)


def main():
    binary = sys.argv[1]
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        game = subprocess.Popen([binary], env=env)
        d = display.Display()

        board = None
        deadline = time.monotonic() + 30
        while board is None and time.monotonic() < deadline:
            if game.poll() is not None:
                fail("the game ended on its own with code %d" % game.returncode)
            board = find_board(d)
            if board is None:
                time.sleep(0.1)
        if board is None:
            fail("no window called %s appeared" % TITLE, game)

        geometry = board.get_geometry()
        if (geometry.width, geometry.height) != (652, 492):
            fail("the board is %dx%d, not 652x492" % (geometry.width, geometry.height), game)
        if len(sys.argv) > 2:
            with open(sys.argv[2], encoding="utf-8") as entry:
                wanted = [l.split("=", 1)[1].strip() for l in entry if l.startswith("StartupWMClass=")]
            wm_class = board.get_wm_class()
            if not wanted or wm_class is None or wm_class[1] != wanted[0]:
                fail("WM_CLASS %s does not match the desktop entry's StartupWMClass %s" % (wm_class, wanted), game)

        close_by_window_manager(d, board)

        expect_clean_end(game, "the window manager closed it")

        path = os.path.join(config, "SpEcTrUmIx.ini")
        if not os.path.exists(path):
            fail("no settings file was written")
        with open(path, encoding="latin-1") as f:
            lines = [line.strip() for line in f]
        if "[Level 1]" not in lines:
            fail("the settings file has no section [Level 1]")
        section = lines[lines.index("[Level 1]") + 1:]
        written = {line.split("=", 1)[0] for line in section if "=" in line}
        missing = [key for key in KEYS if key not in written]
        if missing:
            fail("keys missing from the settings file: " + ", ".join(missing))

    print("PASS: the board appeared, closed on WM_DELETE_WINDOW and saved all 15 keys")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
