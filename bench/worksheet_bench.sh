#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The largest worksheet a teacher can ask for, timed: 60 puzzles of 16 vertices and 4 colours,
# asked six a page (each takes a page of its own, room for its vertices clear of its edges), with
# their answers, written as a PDF with no display. Prints the median of five runs and the file's
# size; the sheet should take at most 2 s and stay under 1 MB.
#   bench/worksheet_bench.sh [path/to/spectrumix]
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/src/spectrumix}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
unset DISPLAY WAYLAND_DISPLAY

times=()
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$game" --worksheet "$scratch/sheet.pdf" --puzzles 60 --per-page 6 --vertices 16 --colors 4 --answers
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
bytes=$(stat -c %s "$scratch/sheet.pdf")
pages=$(grep -c -a '/Type /Page$' "$scratch/sheet.pdf" || true)
echo "worksheet: 60 puzzles with answers, ${pages} pages: median ${median} ms of 5 (${times[*]} ms), ${bytes} bytes"
[ "$median" -le 2000 ] && [ "$bytes" -lt 1048576 ]
