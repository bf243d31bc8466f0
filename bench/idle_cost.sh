#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a clock costs while it runs and nothing else happens, in instructions
# per second: Zelvane, `xclock -digital` and the bare Qt label, under
# callgrind on a private Xvfb, in the date display (xclock redraws once a
# minute, the bare label never) and in the time display (all three once a
# second). The counters are zeroed and dumped by callgrind_control (through
# vgdb, which reaches a sleeping program at once), so the figures hold whole
# minutes of wake-ups and nothing of the start-up.
# ZELVANE_KEEP=path keeps the profiles, as path.<program>-<display>.
#   bench/idle_cost.sh [minutes]     (default 3)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-3}
cmake --build "$here/build" --target zelvane bench_bare_label >/dev/null
. "$here/bench/private_display.sh"
trap 'kill $xvfb $(cat "$work/pids" 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT

# cost NAME COMMAND...: instructions per second over the minutes watched
cost() {
    local name=$1
    shift
    (cd "$here/build/run" && exec valgrind --tool=callgrind -q \
        --callgrind-out-file="$work/$name.%p" "$@" >/dev/null 2>&1) &
    local pid=$!
    echo $pid >>"$work/pids"
    sleep 15 # up and idle
    if [ "$name" = zelvane-time ]; then
        xdotool search --sync --onlyvisible --name '^Zelvane.Clock..$' \
            mousemove --window %1 20 20 click 1 sleep 0.3 click 1
        sleep 5
    fi
    callgrind_control -z $pid >/dev/null 2>&1
    sleep $((minutes * 60))
    callgrind_control -d $pid >/dev/null 2>&1
    [ -n "${ZELVANE_KEEP:-}" ] && cp "$work/$name".*.1 "$ZELVANE_KEEP.$name"
    kill -9 $pid
    awk -v m="$minutes" -v n="$name" '/^(summary|totals):/ {
        printf "%s: %.0f instructions per second\n", n, $2 / (m * 60); exit }' "$work/$name".*.1
}
for display in date time; do
    cost zelvane-$display ./zelvane &
    jobs=$!
    if [ $display = date ]; then
        cost xclock-date xclock -digital &
        jobs="$jobs $!"
    else
        cost xclock-time xclock -digital -update 1 &
        jobs="$jobs $!"
        cost bare-time "$here/build/bench/bench_bare_label" --tick &
        jobs="$jobs $!"
    fi
    wait $jobs
done
