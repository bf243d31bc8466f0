#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soak: the random-event exerciser run a million events long (offscreen), and
# the same seed run 1000 events long; prints events per second and the peak
# resident memory of both runs, so growth over the long run shows.
#   bench/soak.sh [events] [seed]     (default 1000000, a fixed seed)
# Needs GNU time (/usr/bin/time, Debian package "time") and a built tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000000}
seed=${2:-20261207}
exerciser="${ZELVANE_BUILD:-$here/build}/tests/tst_gadget"
[ -x /usr/bin/time ] || { echo "soak: needs /usr/bin/time (apt-get install time)" >&2; exit 1; }
[ -x "$exerciser" ] || { echo "soak: build the tests first ($exerciser)" >&2; exit 1; }
measure() { # events -> "peak_kib seconds"
    local out
    out=$(mktemp)
    ZELVANE_SEED=$seed ZELVANE_EVENTS=$1 QT_QPA_PLATFORM=offscreen \
        /usr/bin/time -o "$out" -f '%M %e' "$exerciser" random_events >/dev/null 2>&1 ||
        { echo "soak: the exerciser failed at $1 events; replay with ZELVANE_SEED=$seed" >&2; exit 1; }
    cat "$out"
    rm -f "$out"
}
read -r early_kib _ < <(measure 1000)
read -r late_kib seconds < <(measure "$events")
awk -v n="$events" -v s="$seconds" -v a="$early_kib" -v b="$late_kib" -v seed="$seed" 'BEGIN {
    printf "seed %s: %d events in %.1f s, %.0f events/s\n", seed, n, s, n / s
    printf "peak resident after 1000 events %d KiB, after %d events %d KiB (%+.1f%%)\n", a, n, b, 100 * (b - a) / a
}'
