#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Is every second shown once? Zelvane in its time display on a private Xvfb,
# its main thread's writes to the X connection traced (strace). The clock only
# sends a frame when its text changes, so each second of the wall clock must
# hold exactly one frame (writes less than 100 ms apart count as one).
#   bench/seconds_shown.sh [seconds]     (default 600)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
cmake --build "$here/build" --target zelvane >/dev/null
. "$here/bench/private_display.sh"
trap 'kill $xvfb ${program:-} 2>/dev/null; rm -rf "$work"' EXIT
(cd "$here/build/run" && exec ./zelvane >/dev/null 2>&1) &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zelvane.Clock..$' | head -1)
xdotool mousemove --window "$window" 20 20 click 1 sleep 0.3 click 1
sleep 2
timeout "$seconds" strace -qq -ttt -e trace=writev -p $program -o "$work/strace" 2>/dev/null || true
awk '{ t = $1 + 0; if (t - last > 0.1) { frames[int(t)]++ } last = t }
    END {
        for (s in frames) { if (!first || s < first) first = s; if (s > final) final = s }
        for (s = first + 1; s < final; s++) {  # whole seconds only
            n = frames[s] + 0; counted++
            if (n == 0) skipped++; else if (n > 1) doubled++
        }
        printf "%d seconds watched: %d without a frame, %d with more than one\n", counted, skipped, doubled
    }' "$work/strace"
