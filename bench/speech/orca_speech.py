#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long Orca speaks while a blind player plays one perfect game of eight vertices with the
edges shown, from F2 to the rating read at the end, every key pressed as a player would, after
Orca has said what the last one brought. Orca runs with its own debug log; every utterance it
logged is spoken into a file by espeak-ng at its usual pace and timed with soxi, and the times
are added up. Run k plays the puzzle made at 10:0k in the morning (the game's clock is held there by
libfaketime), so that two builds are timed on the same puzzles. Needs Debian's orca, espeak-ng,
sox, faketime, xdotool, at-spi2-core and python3-pyatspi.
Run it inside its own X server and session bus:

    xvfb-run -a dbus-run-session -- /usr/bin/python3 bench/speech/orca_speech.py \\
        build/src/spectrumix [RUNS] [--lang CODE] [--vertices N] [--keep FOLDER]

Prints every run's total and its utterances (the time each took, the words), then the median
of RUNS (default 3). --lang plays in another of the game's languages, spoken in that language;
--keep leaves each run's Orca log in FOLDER.
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))
import keyboard_game_by_ear as by_ear  # noqa: E402

# A player waits until Orca has said what a key brought: the log still for this long.
QUIET = 1.5
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\s?(?:\{[^\n]*\})?$", re.S | re.M)
VOICES = {"pt_BR": "pt-br"}


# Orca's settings folder runs this at start: its debug log is written line by line, so that the
# harness sees when Orca has had its say.
CUSTOMIZATIONS = """import orca.debug
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
"""
# Orca logs every utterance before it hands it to a speech server: with none to find, it speaks
# into its log alone, and leaves no server behind.
NO_SPEECH_SERVER = 'raise ImportError("no speech server while Orca is timed")\n'


class Orca:
    """Orca with a debug log, in a home of its own for this run."""

    def __init__(self, scratch, env):
        self.log = os.path.join(scratch, "orca.log")
        prefs = os.path.join(scratch, "orca")
        stand_in = os.path.join(scratch, "no-speech-server")
        os.makedirs(prefs)
        os.makedirs(stand_in)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(CUSTOMIZATIONS)
        with open(os.path.join(stand_in, "speechd.py"), "w") as f:
            f.write(NO_SPEECH_SERVER)
        self.process = subprocess.Popen(
            ["orca", "--debug", "--debug-file", self.log, "-u", prefs],
            env=dict(env, PYTHONPATH=stand_in), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not self.wait_for("Starting ATSPI registry", 60):
            self.stop()
            raise SystemExit("Orca did not start")
        self.quiet()

    def size(self):
        try:
            return os.path.getsize(self.log)
        except OSError:
            return 0

    def text(self, start=0, end=None):
        with open(self.log, "rb") as f:
            f.seek(start)
            return (f.read() if end is None else f.read(end - start)).decode("utf-8", "replace")

    def wait_for(self, words, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if os.path.exists(self.log) and words in self.text():
                return True
            time.sleep(0.2)
        return False

    def quiet(self, longest=30):
        """Waits until Orca has logged nothing for QUIET seconds (at most `longest` seconds)."""
        deadline = time.monotonic() + longest
        size, since = self.size(), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = self.size()
            if now != size:
                size, since = now, time.monotonic()
            elif time.monotonic() - since >= QUIET:
                return

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def press(orca, name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    orca.quiet()


def play(binary, n, lang, orca, env):
    """One perfect game by keys, the graph learnt from the accessible tree; returns the log's
    offset at F2."""
    game = by_ear.start(binary, env)
    try:
        app = by_ear.wait_for(by_ear.find_game, 60, game)
        if app is None:
            by_ear.fail("the game never appeared in the accessible tree", game)
        window = by_ear.wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "^SpEcTrUmIx$"],
                                                        capture_output=True, text=True).stdout.split(), 30, game)
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
        # The window's arrival is heard before the game: the game is timed from F2.
        orca.quiet(120)
        start = orca.size()
        press(orca, "F2")
        board = by_ear.wait_for(
            lambda: (lambda b: b if len(b.vertices) == n and b.painters else None)(by_ear.Board(app, lang)), 20, game)
        if board is None:
            by_ear.fail("F2 showed no puzzle of %d vertices" % n, game)
        plan = by_ear.colouring(n, board.painters, {v: nb or set() for v, (_, nb) in board.vertices.items()})
        at = 1
        for v in range(1, n + 1):
            press(orca, str(plan[v]))
            for _ in range((v - at) % n):
                press(orca, "Right")
            at = v
            press(orca, "space")
        final = by_ear.wait_for(lambda: (lambda b: b if len(b.windows) > 1 else None)(by_ear.Board(app, lang)), 20, game)
        if final is None or final.score != final.par:
            by_ear.fail("the game did not end at par with its rating", game)
        orca.quiet(60)
        return start, orca.size()
    finally:
        if game.poll() is None:
            game.kill()
            game.wait()


def seconds_of(words, voice, scratch, cache):
    if words not in cache:
        wav = os.path.join(scratch, "said.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-w", wav, words], check=True)
        cache[words] = float(subprocess.run(["soxi", "-D", wav], capture_output=True, text=True,
                                            check=True).stdout)
    return cache[words]


def run(binary, n, lang, keep, number, cache):
    scratch = tempfile.mkdtemp(prefix="orca-speech-")
    env = dict(os.environ, HOME=scratch, XDG_CONFIG_HOME=os.path.join(scratch, "config"),
               XDG_DATA_HOME=os.path.join(scratch, "data"), XDG_RUNTIME_DIR=os.path.join(scratch, "run"),
               QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(env["XDG_CONFIG_HOME"])
    with open(os.path.join(env["XDG_CONFIG_HOME"], "SpEcTrUmIx.ini"), "w") as f:
        f.write(by_ear.SETTINGS.format(n=n, edges=1))
    if lang != "en":
        env.update(LANGUAGE=lang, LANG="%s.UTF-8" % (lang if "_" in lang else "%s_%s" % (lang, lang.upper())),
                   LC_ALL="")
    # The puzzle is made from the time of day: the game alone sees a clock that stands still (its
    # timers keep the real one).
    game_env = dict(env, LD_PRELOAD=FAKETIME, FAKETIME="2026-01-01 10:%02d:00" % number,
                    FAKETIME_DONT_FAKE_MONOTONIC="1")
    try:
        orca = Orca(scratch, env)
        try:
            start, end = play(binary, n, lang, orca, game_env)
        finally:
            orca.stop()
        # A line the log breaks goes on after the width of a time stamp.
        said = [m.group(1).replace("\n" + " " * 18, "\n") for m in SPEECH.finditer(orca.text(start, end))]
        voice = VOICES.get(lang, lang.split("_")[0])
        times = [seconds_of(words, voice, scratch, cache) for words in said]
        if keep:
            os.makedirs(keep, exist_ok=True)
            shutil.copy(orca.log, os.path.join(keep, "orca-%d.log" % number))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    total = sum(times)
    print("run %d: %.1f s of speech in %d utterances" % (number, total, len(said)))
    for words, seconds in zip(said, times):
        print("  %5.2f  %s" % (seconds, words.replace("\n", " / ")))
    sys.stdout.flush()
    return total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("runs", type=int, nargs="?", default=3)
    parser.add_argument("--lang", default="en")
    parser.add_argument("--vertices", type=int, default=8)
    parser.add_argument("--keep")
    args = parser.parse_args()
    cache = {}
    totals = [run(os.path.abspath(args.binary), args.vertices, args.lang, args.keep, i + 1, cache)
              for i in range(args.runs)]
    print("speech in a perfect %d-vertex keyboard game with edges shown (%s): median %.1f s of %d runs (%s)" % (
        args.vertices, args.lang, statistics.median(totals), len(totals), ", ".join("%.1f" % t for t in totals)))


if __name__ == "__main__":
    main()
