#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts the real game in the X server of $DISPLAY on a settings file with lines of the
player's own, turns teaching mode off in the settings dialog by keyboard (Ctrl+Z, Shift+Tab,
Space, Enter, typed through the XTEST extension), then ends the run with SIGTERM as a logout
does, and checks that the game ended, that the file holds TeachingModeOn=0 and every other
key, and that the player's own lines are still there. SIGHUP and SIGINT then each end a
run that started without a file, which must leave one with all the keys.

Usage: sigterm_saves_settings.py PATH_TO_SPECTRUMIX
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from close_saves_settings import KEYS, expect_clean_end, fail, find_board, find_window  # noqa: E402

from Xlib import X, XK, display  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

PLAYERS_OWN = [
    "; kept by hand",
    "[Elsewhere]",
    "Colour=blue",
    "[Level 1]",
    "NumOfVertices=9",
    "UnknownKey=stays",
]


def press(d, name, modifier=None):
    held = d.keysym_to_keycode(XK.string_to_keysym(modifier)) if modifier else None
    code = d.keysym_to_keycode(XK.string_to_keysym(name))
    if held:
        xtest.fake_input(d, X.KeyPress, held)
    xtest.fake_input(d, X.KeyPress, code)
    xtest.fake_input(d, X.KeyRelease, code)
    if held:
        xtest.fake_input(d, X.KeyRelease, held)
    d.sync()
    time.sleep(0.15)


def wait_for(what, deadline_seconds, game=None):
    deadline = time.monotonic() + deadline_seconds
    while time.monotonic() < deadline:
        if game is not None and game.poll() is not None:
            fail("the game ended on its own with code %d" % game.returncode)
        found = what()
        if found:
            return found
        time.sleep(0.1)
    return None


def open_settings(d, board, find_dialog, game):
    """Ctrl+Z opens the settings dialog once the board has its dialogs: asked again until it
    shows. Returns the dialog; a game that never shows it fails the test."""
    for _ in range(50):
        d.set_input_focus(board, X.RevertToParent, X.CurrentTime)
        d.sync()
        time.sleep(0.1)
        press(d, "z", "Control_L")
        dialog = wait_for(find_dialog, 1, game)
        if dialog is not None:
            return dialog
    fail("Ctrl+Z opened no settings dialog", game)


def main():
    binary = sys.argv[1]
    with tempfile.TemporaryDirectory() as config:
        path = os.path.join(config, "SpEcTrUmIx.ini")
        with open(path, "w") as f:
            f.write("\n".join(PLAYERS_OWN) + "\n")
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        game = subprocess.Popen([binary], env=env)
        d = display.Display()

        board = wait_for(lambda: find_board(d), 30, game)
        if board is None:
            fail("no board window appeared", game)

        dialog = open_settings(d, board, lambda: find_window(d, "SpEcTrUmIx Options"), game)
        d.set_input_focus(dialog, X.RevertToParent, X.CurrentTime)
        d.sync()
        time.sleep(0.3)
        # The dialog opens on OK; Shift+Tab goes back to the teaching-mode box (the last in
        # the tab order), Space unticks it, Enter presses OK.
        press(d, "Tab", "Shift_L")
        press(d, "space")
        press(d, "Return")
        if wait_for(lambda: find_window(d, "SpEcTrUmIx Options") is None, 5, game) is None:
            fail("the settings dialog did not close on Enter", game)

        before = open(path).read()
        game.send_signal(signal.SIGTERM)
        expect_clean_end(game, "SIGTERM")

        with open(path, encoding="latin-1") as f:
            lines = [line.rstrip("\n") for line in f]
        if before == "\n".join(lines) + "\n":
            fail("SIGTERM wrote nothing")
        for own in ["; kept by hand", "[Elsewhere]", "Colour=blue", "UnknownKey=stays"]:
            if own not in lines:
                fail("the line %r of the player was lost" % own)
        section = lines[lines.index("[Level 1]") + 1:]
        written = {line.split("=", 1)[0]: line.split("=", 1)[1] for line in section if "=" in line}
        missing = [key for key in KEYS if key not in written]
        if missing:
            fail("keys missing after SIGTERM: " + ", ".join(missing))
        if written["TeachingModeOn"] != "0":
            fail("TeachingModeOn is %r, not the 0 set in the dialog" % written["TeachingModeOn"])
        if written["NumOfVertices"] != "9":
            fail("NumOfVertices is %r, not the 9 the run started with" % written["NumOfVertices"])

        for other in (signal.SIGHUP, signal.SIGINT):
            os.remove(path)
            game = subprocess.Popen([binary], env=env)
            if wait_for(lambda: find_board(d), 30, game) is None:
                fail("no board window appeared", game)
            game.send_signal(other)
            try:
                code = game.wait(timeout=20)
            except subprocess.TimeoutExpired:
                fail("the game did not end on signal %d" % other, game)
            if code != 0 or not os.path.exists(path):
                fail("signal %d: code %d, file written: %s" % (other, code, os.path.exists(path)))
            with open(path, encoding="latin-1") as f:
                written = {line.split("=", 1)[0] for line in f if "=" in line}
            if any(key not in written for key in KEYS):
                fail("signal %d left keys out of the file" % other)

    print("PASS: a setting changed in the dialog survived SIGTERM with every other line kept;"
          " SIGHUP and SIGINT save too")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
