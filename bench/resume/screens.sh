#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A board before the game closes and after it starts again with the puzzle it kept, in a real
# window: the two screenshots must be the same to the pixel (compare -metric AE prints 0).
#
#   Xvfb :58 -screen 0 1280x1024x24 & DISPLAY=:58 bench/resume/screens.sh BUILD/src/spectrumix OUTDIR
#
# Three boards on a frozen clock at the designed size: edges shown, closed by SIGTERM; edges
# hidden with clashes that reveal them, closed by File > Exit; and a puzzle played by its code (a
# replay) with edges hidden, the painter in hand not the last click's colour, closed by SIGTERM.
set -u
game=$1 out=$2
# faketime's library itself, so that $! is the game (faketime would run it as a child).
faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -1)
mkdir -p "$out"
# At 1x: New Puzzle, the painters of three colours, the six vertices.
NEW=462,361 RED=473,471 BLUE=460,500 GREEN=489,500
TL=420,394 TR=526,394 L=369,486 R=579,486 BL=422,577 BR=527,577

run() {  # starts the game in the scenario's folders; its pid in $pid
    XDG_CONFIG_HOME=$dir/config XDG_DATA_HOME=$dir/data HOME=$dir/home QT_QPA_PLATFORM=xcb LANG=C LANGUAGE= \
        FAKETIME_DONT_FAKE_MONOTONIC=1 FAKETIME='2026-01-01 12:00:00' LD_PRELOAD=$faketime "$game" &
    pid=$!
    sleep 3
}
click() { local at; for at in "$@"; do xdotool mousemove ${at%,*} ${at#*,} click 1; sleep 0.6; done; }

scenario() {  # name, settings text, close (term|exit), clicks...
    local name=$1 settings=$2 close=$3
    shift 3
    dir=$(mktemp -d)
    mkdir -p "$dir/config" "$dir/data" "$dir/home"
    [ -n "$settings" ] && printf '%s' "$settings" >"$dir/config/SpEcTrUmIx.ini"
    run
    for c in "$@"; do
        case $c in
            code=*) click 900,700; xdotool key alt+f; sleep 0.5; xdotool key c; sleep 1; xdotool type "${c#code=}"; xdotool key Return; sleep 1 ;;
            *) click "$c" ;;
        esac
    done
    sleep 1
    import -window root "$out/$name-before.png"
    if [ "$close" = exit ]; then xdotool key alt+f; sleep 0.5; xdotool key x; else kill -TERM $pid; fi
    wait $pid
    run
    import -window root "$out/$name-after.png"
    kill -TERM $pid
    wait $pid
    printf '%s: kept "%s"; AE ' "$name" "$(tr '\n' ' ' <"$dir/data/SpEcTrUmIx/puzzle-in-play.txt")"
    compare -metric AE "$out/$name-before.png" "$out/$name-after.png" null: 2>&1
    echo
    rm -rf "$dir"
}

hidden='[Level 1]
ShowEdges=0
TeachingModeOn=0
'
scenario shown "" term $NEW $RED $TL $TR $BLUE $L $R $GREEN $BL $RED $BR $TR
scenario hidden "$hidden" exit $NEW $RED $TL $TR $L $R $BLUE $BL $RED $BR $TL $GREEN $TR $RED $L $BL
scenario replay "$hidden" term code=18C66-QMT3K $BLUE $TL $TR $RED $TL $L $R $TR $BR $BLUE $BL $GREEN
