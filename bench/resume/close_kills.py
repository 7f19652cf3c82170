#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""SIGKILL at random moments of closes with a puzzle in play: the kept puzzle is always the whole old
one or the whole new one, and the next start resumes it.

    BUILD/bench/make_kept_puzzle /tmp/kept.txt 16 200
    python3 bench/resume/close_kills.py BUILD/src/spectrumix /tmp/kept.txt [ROUNDS [MOST_DELAY_MS]]

Each round starts the game (offscreen) on the puzzle the last round left, lets it resume, sends
SIGTERM (the game keeps the puzzle, then the settings, and exits) and SIGKILL a random 0 to
MOST_DELAY_MS (default 40) milliseconds later. The file must then read as a kept puzzle: the old
bytes, or new ones of the same puzzle at the same click with a new run's mark and a playing time
that went on (which the game writes only when it resumed the old one). Prints the counts.
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

game, first = sys.argv[1], sys.argv[2]
rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 200
most_delay = float(sys.argv[4]) if len(sys.argv) > 4 else 40.0


def fields(text):
    lines = text.split("\n")
    if not text.endswith("\n") or not lines[0].startswith("SpEcTrUmIx puzzle in play "):
        return None
    out = {}
    for line in lines[1:-1]:
        name, _, value = line.partition(" ")
        out[name] = value
    return out if {"code", "clicks", "kind", "played-ms", "painter", "run"} <= out.keys() else None


def main():
    scratch = tempfile.mkdtemp(prefix="spectrumix-kills-")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=scratch + "/config",
               XDG_DATA_HOME=scratch + "/data", HOME=scratch + "/home", LANG="C", LANGUAGE="")
    for d in ("config", "data/SpEcTrUmIx", "home"):
        os.makedirs(os.path.join(scratch, d), exist_ok=True)
    path = os.path.join(scratch, "data/SpEcTrUmIx/puzzle-in-play.txt")
    shutil.copy(first, path)
    rng = random.Random(39)
    counts = {"old": 0, "new": 0, "torn": 0, "not resumed": 0}
    for _ in range(rounds):
        with open(path) as f:
            old = f.read()
        before = fields(old)
        proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.9)
        proc.send_signal(signal.SIGTERM)
        time.sleep(rng.uniform(0, most_delay) / 1000)
        proc.kill()
        proc.wait()
        with open(path) as f:
            now = f.read()
        after = fields(now)
        if now == old:
            counts["old"] += 1
        elif after is None or after["code"] != before["code"] or after["clicks"] != before["clicks"]:
            counts["torn"] += 1
            print("torn:", repr(now[:200]))
        elif int(after["played-ms"]) <= int(before["played-ms"]) or after["run"] == before["run"]:
            counts["not resumed"] += 1
        else:
            counts["new"] += 1
    leftovers = [n for n in os.listdir(os.path.dirname(path)) if n != "puzzle-in-play.txt"]
    print("rounds %d: whole old %d, whole new %d, torn %d, new but not resumed %d; beside it: %s"
          % (rounds, counts["old"], counts["new"], counts["torn"], counts["not resumed"], sorted(leftovers)))
    shutil.rmtree(scratch)
    return 0 if counts["torn"] == 0 and counts["not resumed"] == 0 else 1


sys.exit(main())
