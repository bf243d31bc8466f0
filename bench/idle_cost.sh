#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a clock costs while it shows the date and nothing changes: Zelvane in
# its date display and `xclock -digital` (which redraws once a minute) under
# callgrind on a private Xvfb. The counters are zeroed and dumped by
# callgrind_control (through vgdb, which reaches a sleeping program at once),
# so the figure holds whole minutes of wake-ups and nothing of the start-up.
# ZELVANE_KEEP=path keeps the two profiles, as path.zelvane and path.xclock.
#   bench/idle_cost.sh [minutes]     (default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-3}
cmake --build "$here/build" --target zelvane >/dev/null
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb $(cat "$work/pids" 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb

# cost NAME COMMAND...: instructions per second over the whole minutes watched
cost() {
    local name=$1
    shift
    (cd "$here/build/run" && exec valgrind --tool=callgrind -q \
        --callgrind-out-file="$work/$name.%p" "$@" >/dev/null 2>&1) &
    local pid=$!
    echo $pid >>"$work/pids"
    sleep 15 # up and idle
    callgrind_control -z $pid >/dev/null 2>&1
    sleep $((minutes * 60))
    callgrind_control -d $pid >/dev/null 2>&1
    [ -n "${ZELVANE_KEEP:-}" ] && cp "$work/$name".*.1 "$ZELVANE_KEEP.$name"
    local dump
    dump=$(ls "$work/$name".*.1 2>/dev/null | head -1)
    awk -v m="$minutes" -v n="$name" '/^(summary|totals):/ {
        printf "%s: %.0f instructions per second\n", n, $2 / (m * 60); exit }' "$dump"
}
cost zelvane ./zelvane &
cost xclock xclock -digital &
wait
