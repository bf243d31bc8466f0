#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Is every second shown once? Zelvane in its time display on a private Xvfb,
# its main thread's writes to the X connection traced (strace) once its
# start-up has settled. The clock only sends a frame when its text changes, so
# each second of the wall clock must hold exactly one frame (writes less than
# 100 ms apart count as one).
#   bench/seconds_shown.sh [seconds]     (default 600)
. "$(dirname "$0")/common.sh"
seconds=${1:-600}
needs Xvfb xdotool strace
built zelvane
program=$(start zelvane-time)
settle "$program"
timeout "$seconds" strace -qq -ttt -e trace=writev -p "$program" -o "$work/strace" 2>/dev/null || true
awk '{ t = $1 + 0; if (t - last > 0.1) { frames[int(t)]++ } last = t }
    END {
        for (s in frames) { if (!first || s < first) first = s; if (s > final) final = s }
        for (s = first + 1; s < final; s++) {  # whole seconds only
            n = frames[s] + 0; counted++
            if (n == 0) skipped++; else if (n > 1) doubled++
        }
        printf "%d seconds watched: %d without a frame, %d with more than one\n", counted, skipped, doubled
    }' "$work/strace"
