#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Soak: the random-event exerciser run a million events long on a private X
# server, as the program runs for a user (the offscreen platform keeps a record
# of every native window it ever drew, which a storm of closes and reopens
# grows on its own). Prints events per second and the resident memory the
# exerciser reports after 1000, 10,000, ... events and at the end.
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
start=$(date +%s.%N)
# As the program starts: X requests without shared memory.
QT_XCB_NO_MITSHM=1 QTEST_FUNCTION_TIMEOUT=86400000 ZELVANE_SEED=$seed ZELVANE_EVENTS=$events \
    "$exerciser" random_events >"$work/log" 2>&1 ||
    { cat "$work/log" >&2; echo "soak: the exerciser failed; replay with ZELVANE_SEED=$seed" >&2; exit 1; }
end=$(date +%s.%N)
grep '^exerciser:' "$work/log"
awk -v n="$events" -v s="$start" -v e="$end" \
    'BEGIN { printf "%d events in %.1f s, %.0f events/s\n", n, e - s, n / (e - s) }'
