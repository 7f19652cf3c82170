#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told while one game is played, as a list that two builds can be
diffed by: every AT-SPI event the game sends, one line each (its type, the role and name of the
object it came from, its details and any words it carries), with no time in it. The game's clock
is held at one moment by libfaketime, so both builds play the same puzzle.

    xvfb-run -a dbus-run-session -- python3 bench/speech/atspi_trace.py BINARY mouse|keys OUT

`mouse` clicks New Puzzle, a painter and vertices at the designed size (1x) and then Draw Graph;
`keys` plays from the keyboard only (F2, painters by number, Space, the arrows, S for the status).
Needs at-spi2-core, python3-pyatspi, faketime and xdotool.
"""
import os
import subprocess
import sys
import tempfile
import threading
import time

try:
    import pyatspi
except ImportError:
    sys.path.append("/usr/lib/python3/dist-packages")
    import pyatspi
from gi.repository import GLib

FAKETIME = "2026-01-01 12:00:00"
# New Puzzle, the red painter, three vertices, the blue painter, two more, the green one, two
# more, then Draw Graph: clashes on the way and the solution at the end.
MOUSE = ["462,361", "473,471", "420,394", "579,486", "527,577", "460,500", "369,486",
         "489,500", "526,394", "422,577", "529,631"]
KEYS = ["F2", "1", "space", "Right", "2", "space", "Right", "3", "space", "Right", "1", "space",
        "s", "Right", "2", "space", "Right", "3", "space", "Right", "4", "space", "s"]
PAUSE = 1.5


def describe(obj):
    try:
        return "%s|%s" % (obj.getRoleName(), obj.name or "")
    except Exception:
        return "?|?"


def main():
    binary, mode, out = sys.argv[1], sys.argv[2], sys.argv[3]
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="C", LANGUAGE="",
               QT_QPA_PLATFORM="xcb", FAKETIME_DONT_FAKE_MONOTONIC="1")
    for var in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"):
        env[var] = tempfile.mkdtemp()
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"],
                   env=env, stderr=subprocess.DEVNULL, check=False)
    lines = []

    def heard(event):
        if "pectrum" not in (event.host_application.name if event.host_application else "").lower():
            return
        data = event.any_data
        if isinstance(data, pyatspi.Accessible):
            data = describe(data)
        elif not isinstance(data, (str, int)) or data is None:
            data = ""
        lines.append("%s\t%s\t%s\t%s\t%s" % (event.type, describe(event.source), event.detail1,
                                              event.detail2, data))

    pyatspi.Registry.registerEventListener(heard, "object", "window", "focus")
    game = subprocess.Popen(["faketime", "-f", FAKETIME, binary], env=env)

    def play():
        time.sleep(4)
        if mode != "mouse":
            # No window manager gives the board the keyboard: it is given it as one would.
            subprocess.run(["xdotool", "search", "--name", "^SpEcTrUmIx$", "windowfocus"], check=False)
            time.sleep(PAUSE)
        for step in MOUSE if mode == "mouse" else KEYS:
            if mode == "mouse":
                x, y = step.split(",")
                subprocess.run(["xdotool", "mousemove", x, y, "click", "1"], check=True)
            else:
                subprocess.run(["xdotool", "key", step], check=True)
            time.sleep(PAUSE)
        time.sleep(PAUSE)
        GLib.idle_add(pyatspi.Registry.stop)

    threading.Thread(target=play, daemon=True).start()
    pyatspi.Registry.start()
    game.kill()
    game.wait()
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print("%d events" % len(lines))


if __name__ == "__main__":
    main()
