#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The settings file in the hands of the real game, in the X server of $DISPLAY.

two-games: two games run on one settings file; the first turns teaching mode off, the second
tool tips, both in the settings dialog by keyboard; meanwhile the player edits by hand a key
neither game changes (the timer, which the dialog keeps disabled).
Both boards are then closed at the same moment the way a window manager closes them: the file
must hold both changes, the hand edit and the player's own lines.

hostile: a run without any display ends with one line on stderr and status 1; a run under a
file-size limit of 0 survives its save at SIGTERM (which fails like a full disk) and leaves
the file and the folder as they were; a run whose X server dies saves its settings.

Usage: shared_settings.py two-games|hostile PATH_TO_SPECTRUMIX
"""
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from close_saves_settings import KEYS, close_by_window_manager, expect_clean_end, fail, window_name  # noqa: E402
from sigterm_saves_settings import open_settings, press, wait_for  # noqa: E402

from Xlib import X, display  # noqa: E402

DEFAULTS = {"NumOfVertices": "6", "ShowEdges": "1", "RandomNumberOfVertices": "0",
            "RandomNumberOfColors": "1", "RandomEdgeProbability": "1", "EdgeNumFactor": "63",
            "NumOfColors": "3", "ShowToolTips": "1", "TeachingModeOn": "1",
            "TeachingModePrimaryLevel": "0", "TeachingModeSecondaryLevel": "0",
            "TeachingModeLastGameGood": "0", "TeachingModeConsecutiveGoodGames": "0",
            "PlayComputer": "0", "TimerActive": "0"}


def file_text():
    return "; kept by hand\n[Level 1]\n" + "".join("%s=%s\n" % (k, DEFAULTS[k]) for k in KEYS)


def values(path):
    with open(path, encoding="latin-1") as f:
        lines = [line.rstrip("\n") for line in f]
    section = lines[lines.index("[Level 1]") + 1:]
    keys = [line.split("=", 1)[0] for line in section if "=" in line]
    if len(keys) != len(set(keys)):
        fail("a key stands twice in the file: %r" % keys)
    return lines, {line.split("=", 1)[0]: line.split("=", 1)[1] for line in section if "=" in line}


def window_of(d, title, pid):
    """The viewable window called `title` that belongs to process `pid`."""
    wm_pid = d.intern_atom("_NET_WM_PID")
    pending = [d.screen().root]
    while pending:
        window = pending.pop()
        try:
            if window_name(d, window) == title and window.get_attributes().map_state == X.IsViewable:
                owner = window.get_full_property(wm_pid, X.AnyPropertyType)
                if owner is not None and owner.value[0] == pid:
                    return window
            pending.extend(window.query_tree().children)
        except Exception:  # a window may vanish while we look
            continue
    return None


def untick(d, game, tabs_back):
    """Opens the settings dialog of `game` with Ctrl+Z, goes back `tabs_back` boxes from OK,
    unticks that box and presses OK."""
    board = wait_for(lambda: window_of(d, "SpEcTrUmIx", game.pid), 30, game)
    if board is None:
        fail("no board window appeared", game)
    dialog = open_settings(d, board, lambda: window_of(d, "SpEcTrUmIx Options", game.pid), game)
    d.set_input_focus(dialog, X.RevertToParent, X.CurrentTime)
    d.sync()
    time.sleep(0.3)
    for _ in range(tabs_back):
        press(d, "Tab", "Shift_L")
    press(d, "space")
    press(d, "Return")
    if wait_for(lambda: window_of(d, "SpEcTrUmIx Options", game.pid) is None, 5, game) is None:
        fail("the settings dialog did not close on Enter", game)
    return board


def two_games(binary):
    with tempfile.TemporaryDirectory() as config:
        path = os.path.join(config, "SpEcTrUmIx.ini")
        with open(path, "w") as f:
            f.write(file_text())
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        d = display.Display()
        first = subprocess.Popen([binary], env=env)
        second = subprocess.Popen([binary], env=env)
        # The teaching-mode box is the last in the tab order, the tool-tip box the one before.
        boards = [untick(d, first, 1), untick(d, second, 2)]

        with open(path, encoding="latin-1") as f:
            text = f.read()
        with open(path, "w", encoding="latin-1") as f:
            f.write(text.replace("TimerActive=0", "TimerActive=1"))

        close_by_window_manager(d, *boards)
        for game in (first, second):
            expect_clean_end(game, "its board was closed")

        lines, written = values(path)
        if "; kept by hand" not in lines:
            fail("the player's comment was lost")
        # Teaching mode off also gives the first game its own vertex, colour and edge numbers.
        expected = {"TeachingModeOn": "0", "ShowToolTips": "0", "TimerActive": "1"}
        wrong = {k: written.get(k) for k in expected if written.get(k) != expected[k]}
        if wrong or sorted(written) != sorted(KEYS):
            fail("after both closes the file holds %r" % written)
    print("PASS: two games closed together kept both changes and the hand edit")


def no_display(binary):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    with tempfile.TemporaryDirectory() as config:
        env["XDG_CONFIG_HOME"] = config
        env["XDG_DATA_HOME"] = os.path.join(config, "data")
        run = subprocess.run([binary], env=env, capture_output=True, text=True, timeout=30)
        lines = run.stderr.splitlines()
        if run.returncode != 1 or len(lines) != 1 or "graphical session" not in lines[0]:
            fail("without a display: status %d, stderr %r" % (run.returncode, run.stderr))
        if os.listdir(config):
            fail("a run without a display wrote %r" % os.listdir(config))


def file_size_limit(binary):
    with tempfile.TemporaryDirectory() as config:
        path = os.path.join(config, "SpEcTrUmIx.ini")
        with open(path, "w") as f:
            f.write("[Level 1]\nNumOfVertices=9\n")
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        limit = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (0, resource.RLIM_INFINITY))  # noqa: E731
        game = subprocess.Popen([binary], env=env, preexec_fn=limit)
        d = display.Display()
        if wait_for(lambda: window_of(d, "SpEcTrUmIx", game.pid), 30, game) is None:
            fail("no board window appeared under a file-size limit", game)
        d.close()
        game.send_signal(signal.SIGTERM)
        code = game.wait(timeout=20)
        if code != 0:
            fail("under a file-size limit the game ended with %d" % code)
        with open(path) as f:
            if f.read() != "[Level 1]\nNumOfVertices=9\n":
                fail("a save that could not be written changed the file")
        left = sorted(os.listdir(config))
        if left != [".SpEcTrUmIx.ini.lock", "SpEcTrUmIx.ini"]:
            fail("a failed save left %r" % left)


def display_lost(binary):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            fail("no X server of our own started")
        number += chunk
    os.close(read_end)
    name = ":" + number.decode().strip()
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb",
                   DISPLAY=name)
        game = subprocess.Popen([binary], env=env, stderr=subprocess.DEVNULL)
        d = display.Display(name)
        found = wait_for(lambda: window_of(d, "SpEcTrUmIx", game.pid), 30, game)
        d.close()
        server.kill()
        server.wait()
        if found is None:
            fail("no board window appeared", game)
        try:
            game.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("the game did not end when its X server died", game)
        path = os.path.join(config, "SpEcTrUmIx.ini")
        if not os.path.exists(path):
            fail("the game lost its X server and saved nothing")
        _, written = values(path)
        if sorted(written) != sorted(KEYS):
            fail("after the X server died the file holds %r" % sorted(written))


def main():
    mode, binary = sys.argv[1], sys.argv[2]
    if mode == "two-games":
        two_games(binary)
    else:
        no_display(binary)
        file_size_limit(binary)
        display_lost(binary)
        print("PASS: no display, a file-size limit and a lost X server each end the run cleanly")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
