#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Kills a game appending to its history at random moments and checks what survives:
    python3 bench/history/kill_history.py BUILD/bench/history/history_bench SCRATCH_FILE [ROUNDS]
Each round no game read before may go missing and at most one new unreadable line may appear;
a clean run afterwards appends every one of its games."""
import os
import random
import signal
import subprocess
import sys
import time


def main():
    bench, path = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    if os.path.exists(path):
        os.remove(path)

    def count():
        games, skipped = subprocess.run([bench, "count", path], capture_output=True, text=True,
                                        check=True).stdout.split()
        return int(games), int(skipped)

    games, skipped, bad = 0, 0, 0
    for _ in range(rounds):
        writer = subprocess.Popen([bench, "loop", path])
        time.sleep(random.uniform(0.002, 0.03))
        writer.send_signal(signal.SIGKILL)
        writer.wait()
        now_games, now_skipped = count()
        if now_games < games or now_skipped > skipped + 1:
            bad += 1
        games, skipped = now_games, now_skipped
    subprocess.run([bench, "append", path], capture_output=True, check=True)
    after_games, after_skipped = count()
    print(f"{rounds} kills: {bad} rounds lost an earlier game or tore more than one line; "
          f"{games} games, {skipped} unreadable lines kept; a clean run then added "
          f"{after_games - games} games and {after_skipped - skipped} unreadable lines")
    return 1 if bad or after_skipped != skipped else 0


if __name__ == "__main__":
    sys.exit(main())
