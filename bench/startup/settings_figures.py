#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's start-up and close with a small settings file and with files near the 1 MiB read
bound (blank lines, or lines of other keys): time from launch until the board is mapped, peak
memory, and time from the window manager's close until the game has saved and ended. Each
file lacks one key, so every close really writes it. Run inside an X server:

    xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 bench/startup/settings_figures.py \\
        BUILD/src/spectrumix [RUNS]

Prints medians of RUNS (default 5) launches each, and each big file's ratio to the small one.
"""
import os
import resource
import select
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_figures import close_window, name_of, watch_new_windows  # noqa: E402

from Xlib import X, display  # noqa: E402

NEAR_BOUND = (1 << 20) - 1024


def settings_text(kind):
    text = "[Level 1]\nNumOfVertices=9\n"
    if kind == "blank lines":
        text += "\n" * (NEAR_BOUND - len(text))
    elif kind == "key lines":
        lines, i = [text], 0
        size = len(text)
        while size + 16 < NEAR_BOUND:
            line = "k%d=v\n" % i
            lines.append(line)
            size += len(line)
            i += 1
        text = "".join(lines)
    return text


def one_run(d, binary, env):
    watch_new_windows(d)
    start = time.perf_counter()
    program = subprocess.Popen([binary], env=env)
    shown = window = None
    while shown is None and time.perf_counter() < start + 60:
        if not d.pending_events():
            select.select([d.fileno()], [], [], 0.05)
        while d.pending_events():
            event = d.next_event()
            if event.type == X.MapNotify and name_of(d, event.window) == "SpEcTrUmIx":
                shown, window = time.perf_counter(), event.window
                break
    if shown is None:
        program.kill()
        raise SystemExit("the game never showed its board")
    time.sleep(0.5)
    closing = time.perf_counter()
    close_window(d, window)
    _, status, usage = os.wait4(program.pid, 0)
    ended = time.perf_counter()
    if status != 0:
        raise SystemExit("the game ended with status %d" % status)
    return (shown - start) * 1000, usage.ru_maxrss / 1024, (ended - closing) * 1000


def main():
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    d = display.Display()
    medians = {}
    for kind in ("small", "blank lines", "key lines"):
        figures = []
        with tempfile.TemporaryDirectory() as config:
            env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
            path = os.path.join(config, "SpEcTrUmIx.ini")
            for run in range(runs + 1):  # the first warms the file cache
                with open(path, "w") as f:
                    f.write(settings_text(kind))
                figure = one_run(d, binary, env)
                with open(path) as f:
                    if "TimerActive=0" not in f.read():
                        raise SystemExit("the close did not save")
                if run:
                    figures.append(figure)
        medians[kind] = [statistics.median(f[i] for f in figures) for i in range(3)]
        print("%-11s start %.0f ms, peak RSS %.1f MiB, close %.0f ms (medians of %d)" % ((kind,) + tuple(medians[kind]) + (runs,)))
    for kind in ("blank lines", "key lines"):
        ratio = [medians[kind][i] / medians["small"][i] for i in range(3)]
        print("%-11s / small: start %.2f x, peak RSS %.2f x, close %.2f x (target <= 2)" % ((kind,) + tuple(ratio)))


if __name__ == "__main__":
    main()
