#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soak: the random-event exerciser run a million events long on a private X
# server, as the program runs for a user (the offscreen platform keeps a record
# of every native window it ever drew, which a storm of closes and reopens
# grows on its own). The same seeded storm is run 1000, 10,000, ... events
# long, up to the full length, each length several times: a run's peak
# resident memory, as the kernel counts it when the run ends (its maximum
# resident set size, read by GNU time), is the memory after that many events.
# Prints the smallest and the middle figure of the runs for each length, and
# the full length's events per second.
#   bench/soak.sh [events] [seed] [runs]     (default 1000000, a fixed seed, 3)
# Needs Xvfb and a built tree (ZELVANE_BUILD=folder for another one).
. "$(dirname "$0")/common.sh"
events=${1:-1000000}
seed=${2:-20261207}
runs=${3:-3}
needs Xvfb
[ -x /usr/bin/time ] || { echo "soak.sh: GNU time (/usr/bin/time) is missing" >&2; exit 1; }
exerciser="$build/tests/tst_exerciser"
[ -x "$exerciser" ] || { echo "soak.sh: build the tests first ($exerciser)" >&2; exit 1; }
DISPLAY=$(new_display)
export DISPLAY

# storm N: runs the storm N events long; prints its peak resident memory in
# KiB and its events per second.
storm() {
    local start end
    start=$(date +%s.%N)
    # As the program starts: X requests without shared memory. The program's
    # trace lines go nowhere.
    QT_XCB_NO_MITSHM=1 QTEST_FUNCTION_TIMEOUT=86400000 ZELVANE_SEED=$seed ZELVANE_EVENTS=$1 \
        /usr/bin/time -f %M -o "$work/peak" "$exerciser" random_events -o "$work/log,txt" \
        >/dev/null 2>"$work/err" || { cat "$work/log" "$work/err" >&2
        echo "soak: the exerciser failed; replay with ZELVANE_SEED=$seed" >&2; exit 1; }
    end=$(date +%s.%N)
    awk -v n="$1" -v s="$start" -v e="$end" '{ printf "%d %.0f\n", $1, n / (e - s) }' "$work/peak"
}

lengths=()
for ((n = 1000; n < events; n *= 10)); do lengths+=($n); done
for n in "${lengths[@]}" "$events"; do
    : >"$work/peaks"
    : >"$work/rates"
    for run in $(seq "$runs"); do
        storm $n >"$work/result"
        read -r peak rate <"$work/result"
        echo "$peak" >>"$work/peaks"
        echo "$rate" >>"$work/rates"
        echo "run $run: resident after $n events: $peak KiB, $rate events/s"
    done
    echo "resident after $n events, smallest / middle of $runs runs: $(min_median <"$work/peaks") KiB"
done
grep '^exerciser:' "$work/err"
echo "$events events: $(min_median <"$work/rates") events/s, smallest / middle"
