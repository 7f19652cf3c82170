#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game at the fractional scales a desktop set to 125 %, 150 % or 175 % gives it, where a
logical pixel is not a whole number of screen pixels: at each, a puzzle is played from the keyboard
(New Puzzle, a round of moves all in one colour, so that joined vertices clash and their edges are
revealed), the window is resized, Draw Graph shows the solution, the settings dialog is opened and
closed, the window is resized again, and the game must close cleanly on the window manager's close.

Usage: fractional_scale_game.py PATH_TO_SPECTRUMIX [SCALE...]   (1.25 1.5 1.75 when none is given)
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from close_saves_settings import close_by_window_manager, expect_clean_end, fail, find_board, find_window  # noqa: E402
from sigterm_saves_settings import open_settings, press, wait_for  # noqa: E402

from Xlib import X, display  # noqa: E402

SCALES = sys.argv[2:] or ["1.25", "1.5", "1.75"]


def alive(game, what):
    """Fails unless the game is still running after `what`."""
    time.sleep(0.2)
    if game.poll() is not None:
        fail("the game ended with code %d after %s" % (game.returncode, what))


def keys(d, board, game, what, *names):
    d.set_input_focus(board, X.RevertToParent, X.CurrentTime)
    d.sync()
    for name in names:
        press(d, *name) if isinstance(name, tuple) else press(d, name)
    alive(game, what)


def resize(d, window, game, dw, dh, what):
    """Resizes the window by an odd number of screen pixels, as a player's drag does."""
    g = window.get_geometry()
    window.configure(width=g.width + dw, height=g.height + dh)
    d.sync()
    alive(game, what)


def play(binary, scale, d):
    with tempfile.TemporaryDirectory() as scratch:
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                   XDG_DATA_HOME=os.path.join(scratch, "data"), HOME=scratch, QT_QPA_PLATFORM="xcb",
                   QT_SCALE_FACTOR=scale, LANG="C.UTF-8", LANGUAGE="")
        game = subprocess.Popen([binary], env=env)
        board = wait_for(lambda: find_board(d), 30, game)
        if board is None:
            fail("no board appeared at scale %s" % scale, game)
        where = "at scale %s" % scale
        # F2 lays out a puzzle and gives the first painter the focus; Tab goes on to a vertex.
        keys(d, board, game, "New Puzzle " + where, "F2")
        keys(d, board, game, "moving to the vertices " + where, "1", "Tab", "Tab", "Tab", "Tab")
        # One colour all round the circle: every joined pair clashes.
        keys(d, board, game, "moves with clashes " + where, *["space", "Right"] * 10)
        resize(d, board, game, 37, 23, "a resize " + where)
        # The last vertex, then New Puzzle, then Draw Graph.
        keys(d, board, game, "Draw Graph " + where, "End", "Tab", "Tab", "space")
        dialog = open_settings(d, board, lambda: find_window(d, "SpEcTrUmIx Options"), game)
        d.set_input_focus(dialog, X.RevertToParent, X.CurrentTime)
        d.sync()
        time.sleep(0.2)
        press(d, "Escape")
        if wait_for(lambda: find_window(d, "SpEcTrUmIx Options") is None, 5, game) is None:
            fail("the settings dialog did not close on Escape " + where, game)
        resize(d, board, game, -19, 41, "a second resize " + where)
        keys(d, board, game, "another New Puzzle " + where, "F2")
        close_by_window_manager(d, board)
        expect_clean_end(game, "the window manager closed it " + where)


def main():
    binary = sys.argv[1]
    d = display.Display()
    for scale in SCALES:
        play(binary, scale, d)
    print("PASS: a puzzle played, resized, drawn and set at scale %s, and the game closed cleanly" % ", ".join(SCALES))
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
