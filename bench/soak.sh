#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soak: the random-event exerciser run a million events long on a private X
# server, as the program runs for a user (the offscreen platform keeps a record
# of every native window it ever drew, which a storm of closes and reopens
# grows on its own). The same seeded storm is run 1000, 10,000, ... events
# long, up to the full length: each run's peak resident memory is the memory
# after that many events. Prints those and the full run's events per second.
#   bench/soak.sh [events] [seed]     (default 1000000, a fixed seed)
# Needs Xvfb and a built tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
seed=${2:-20261207}
exerciser="${ZELVANE_BUILD:-$here/build}/tests/tst_gadget"
[ -x "$exerciser" ] || { echo "soak: build the tests first ($exerciser)" >&2; exit 1; }
source "$here/bench/private_display.sh"
trap 'kill $xvfb; rm -rf "$work"' EXIT

# Runs the storm n events long; prints its peak resident memory in KiB: the
# high-water mark (VmHWM) read from /proc while it runs, its last reading.
storm() {
    # As the program starts: X requests without shared memory. The program's
    # trace lines go nowhere.
    QT_XCB_NO_MITSHM=1 QTEST_FUNCTION_TIMEOUT=86400000 ZELVANE_SEED=$seed ZELVANE_EVENTS=$1 \
        "$exerciser" random_events -o "$work/log,txt" >/dev/null 2>"$work/err" &
    local pid=$! peak=0 now
    while kill -0 $pid 2>/dev/null; do
        now=$(awk '/^VmHWM:/ { print $2 }' /proc/$pid/status 2>/dev/null) && peak=${now:-$peak}
        sleep 0.2
    done
    wait $pid || { cat "$work/log" "$work/err" >&2
        echo "soak: the exerciser failed; replay with ZELVANE_SEED=$seed" >&2; exit 1; }
    echo "$peak"
}

for ((n = 1000; n < events; n *= 10)); do
    peak=$(storm $n)
    echo "resident after $n events: $peak KiB"
done
start=$(date +%s.%N)
peak=$(storm "$events")
end=$(date +%s.%N)
echo "resident after $events events: $peak KiB"
grep '^exerciser:' "$work/err"
awk -v n="$events" -v s="$start" -v e="$end" \
    'BEGIN { printf "%d events in %.1f s, %.0f events/s\n", n, e - s, n / (e - s) }'
