#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up figures of the game against a bare Qt window with one button: time from launch
until the window is mapped, and resident memory once it stands. Run inside an X server:

    xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 bench/startup/startup_figures.py \\
        BUILD/src/spectrumix BUILD/bench/startup/bare_window_bench [RUNS] [HISTORY]

Prints the median of RUNS (default 7) launches of each, and the game's share of the bare
window's figures (targets: at most 1.15 x the time, at most 6 MiB more memory). HISTORY, a game
history file, is put in the game's data folder first: start-up never reads it.
"""
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, display, protocol
except ImportError:  # an interpreter of its own may not see Debian's python3-xlib
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display, protocol


def name_of(d, window):
    try:
        prop = window.get_full_property(d.intern_atom("_NET_WM_NAME"), d.intern_atom("UTF8_STRING"))
        if prop is not None:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
        name = window.get_wm_name()
        return name.decode("latin-1") if isinstance(name, bytes) else (name or "")
    except Exception:
        return ""


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def one_launch(d, binary, title, env):
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    while d.pending_events():
        d.next_event()
    start = time.perf_counter()
    program = subprocess.Popen([binary], env=env)
    shown = None
    window = None
    deadline = start + 30
    while shown is None and time.perf_counter() < deadline:
        if not d.pending_events():
            select.select([d.fileno()], [], [], 0.05)
        while d.pending_events():
            event = d.next_event()
            if event.type == X.MapNotify and name_of(d, event.window) == title:
                shown = time.perf_counter()
                window = event.window
                break
    if shown is None:
        program.kill()
        raise SystemExit("%s never showed a window called %r" % (binary, title))
    time.sleep(0.5)  # let the first paint and the event loop settle before measuring memory
    memory = rss_kib(program.pid)
    message = protocol.event.ClientMessage(
        window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
        data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    d.flush()
    try:
        program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        program.kill()
        program.wait()
    return (shown - start) * 1000.0, memory / 1024.0


def main():
    game, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    d = display.Display()
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        if len(sys.argv) > 4:
            os.makedirs(os.path.join(config, "data", "SpEcTrUmIx"))
            shutil.copyfile(sys.argv[4], os.path.join(config, "data", "SpEcTrUmIx", "history.tsv"))
        # One launch of each first, so both start from a warm file cache.
        one_launch(d, bare, "Bare Window", env)
        one_launch(d, game, "SpEcTrUmIx", env)
        figures = {"bare": [], "game": []}
        for _ in range(runs):
            figures["bare"].append(one_launch(d, bare, "Bare Window", env))
            figures["game"].append(one_launch(d, game, "SpEcTrUmIx", env))
    median = {k: (statistics.median(t for t, _ in v), statistics.median(m for _, m in v)) for k, v in figures.items()}
    for k in ("bare", "game"):
        print("%-5s start-up to window shown: median %.1f ms; RSS: median %.1f MiB (%d runs)"
              % (k, median[k][0], median[k][1], runs))
    print("game / bare time: %.2f x (target <= 1.15); game - bare RSS: %.1f MiB (target <= 6)"
          % (median["game"][0] / median["bare"][0], median["game"][1] - median["bare"][1]))


if __name__ == "__main__":
    main()
