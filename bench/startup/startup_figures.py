#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up figures of the game against a yardstick window: time from launch until the window is
mapped and until its first paint (the first drawing into it, as the X server's DAMAGE extension
reports it), the CPU time the process has used by that paint (all its threads), and resident
memory once it stands. Run inside an X server:

    xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 bench/startup/startup_figures.py \\
        BUILD/src/spectrumix BUILD/bench/startup/bare_window_bench [RUNS [OTHER_GAME [HISTORY]]]

Two yardsticks: bare_window_bench, a main window with a menu bar and one button, and
empty_window_bench, the floor: a main window with a menu bar and no central widget.

OTHER_GAME, another build of the game (say, of the main branch; "-" for none), is launched in the
same rounds, so that both games meet the same machine. HISTORY, a game history file, is put in the
games' data folder first: start-up never reads it. A settings file named by the environment's
STARTUP_SETTINGS (say, one with colour marks and colour-safe colours on) is put in their settings
folder first.

STARTUP_KEPT_PUZZLE, a kept puzzle file (say, one bench/make_kept_puzzle wrote), is put afresh before each
launch of OTHER_GAME in a data folder of its own: with the same build as GAME and OTHER_GAME, the rounds pair
a start with nothing to resume and a start that resumes that puzzle.

Prints the median of RUNS (default 7) interleaved launches of each, and the median over the
rounds of each round's ratio to the yardstick (a round launches every program once, so a ratio
pairs launches that met the same machine).
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
    from Xlib.ext import damage
except ImportError:  # an interpreter of its own may not see Debian's python3-xlib
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, display, protocol
    from Xlib.ext import damage


def cpu_ms(pid):
    """CPU time used so far by every thread of the process, from the scheduler's nanosecond count."""
    total = 0
    try:
        for task in os.listdir("/proc/%d/task" % pid):
            with open("/proc/%d/task/%s/schedstat" % (pid, task)) as f:
                total += int(f.read().split()[0])
    except OSError:
        pass
    return total / 1e6


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


def watch_new_windows(d):
    """Asks for the root window's map and create events, and drops what is queued before."""
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    while d.pending_events():
        d.next_event()


def close_window(d, window):
    """What a window manager sends when the player clicks the close button."""
    message = protocol.event.ClientMessage(
        window=window, client_type=d.intern_atom("WM_PROTOCOLS"),
        data=(32, [d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    d.flush()


def one_launch(d, binary, title, env):
    watch_new_windows(d)
    start = time.perf_counter()
    program = subprocess.Popen([binary], env=env)
    shown = None
    painted = None
    cpu = None
    window = None
    watched = {}
    deadline = start + 30
    while (shown is None or painted is None) and time.perf_counter() < deadline:
        if not d.pending_events():
            select.select([d.fileno()], [], [], 0.05)
        while d.pending_events():
            event = d.next_event()
            now = time.perf_counter()
            if event.type == X.CreateNotify:
                # Every new top-level window is watched from its birth, before anything is drawn.
                event.window.damage_create(damage.DamageReportNonEmpty)
                watched[event.window.id] = event.window
            elif event.type == X.MapNotify and shown is None and name_of(d, event.window) == title:
                shown = now
                window = event.window
            elif event.type == d.extension_event.DamageNotify and painted is None:
                drawn = watched.get(event.drawable.id)
                if drawn is not None and name_of(d, drawn) == title:
                    painted = now
                    cpu = cpu_ms(program.pid)
    if shown is None or painted is None:
        program.kill()
        raise SystemExit("%s never showed and painted a window called %r" % (binary, title))
    time.sleep(0.5)  # let the first paint and the event loop settle before measuring memory
    memory = rss_kib(program.pid)
    close_window(d, window)
    try:
        program.wait(timeout=10)
    except subprocess.TimeoutExpired:
        program.kill()
        program.wait()
    return (shown - start) * 1000.0, (painted - start) * 1000.0, memory / 1024.0, cpu


def main():
    game, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    d = display.Display()
    d.damage_query_version()
    # Input-only windows cannot be watched for drawing: their refusal is expected.
    d.set_error_handler(lambda *args: None)
    titles = {"bare_window_bench": "Bare Window", "empty_window_bench": "Empty Window"}
    programs = [("floor", bare, titles.get(os.path.basename(bare), "Bare Window")), ("game", game, "SpEcTrUmIx")]
    if len(sys.argv) > 4 and sys.argv[4] != "-":
        programs.append(("other", sys.argv[4], "SpEcTrUmIx"))
    with tempfile.TemporaryDirectory() as config:
        env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(config, "data"), QT_QPA_PLATFORM="xcb")
        if os.environ.get("STARTUP_SETTINGS"):
            shutil.copyfile(os.environ["STARTUP_SETTINGS"], os.path.join(config, "SpEcTrUmIx.ini"))
        if len(sys.argv) > 5:
            os.makedirs(os.path.join(config, "data", "SpEcTrUmIx"))
            shutil.copyfile(sys.argv[5], os.path.join(config, "data", "SpEcTrUmIx", "history.tsv"))
        envs = {k: env for k, _, _ in programs}
        kept = os.environ.get("STARTUP_KEPT_PUZZLE")
        if kept:
            envs["other"] = dict(env, XDG_DATA_HOME=os.path.join(config, "data-kept"))
            os.makedirs(os.path.join(config, "data-kept", "SpEcTrUmIx"))

        def launch(k, binary, title):
            if kept and k == "other":
                shutil.copyfile(kept, os.path.join(config, "data-kept", "SpEcTrUmIx", "puzzle-in-play.txt"))
            return one_launch(d, binary, title, envs[k])

        # One launch of each first, so all start from a warm file cache.
        for k, binary, title in programs:
            launch(k, binary, title)
        figures = {k: [] for k, _, _ in programs}
        for _ in range(runs):
            for k, binary, title in programs:
                figures[k].append(launch(k, binary, title))
    median = {k: [statistics.median(run[i] for run in v) for i in range(4)] for k, v in figures.items()}
    for k, _, _ in programs:
        print("%-5s start-up to window shown: median %.1f ms, to first paint %.1f ms (CPU %.1f ms); RSS: median %.1f MiB"
              " (%d runs)" % (k, median[k][0], median[k][1], median[k][3], median[k][2], runs))
    floor = figures["floor"]
    for k, _, _ in programs[1:]:
        paired = list(zip(figures[k], floor))
        ratio = lambda i: statistics.median(a[i] / b[i] for a, b in paired)
        spread = sorted(a[1] / b[1] for a, b in paired)
        print("%s / floor, median of paired ratios: to map %.2f x, to first paint %.2f x (rounds %.2f-%.2f),"
              " CPU to first paint %.2f x; %s - floor RSS: %.1f MiB"
              % (k, ratio(0), ratio(1), spread[0], spread[-1], ratio(3), k,
                 statistics.median(a[2] - b[2] for a, b in paired)))


if __name__ == "__main__":
    main()
