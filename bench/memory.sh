#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory of the running program: starts it on a private Xvfb in its time
# display, and prints its resident and proportional set sizes (VmRSS, Pss)
# once its start-up has settled and again after a while of once-a-second
# refreshes.
#   bench/memory.sh [seconds]      (default 60)
. "$(dirname "$0")/common.sh"
seconds=${1:-60}
needs Xvfb xdotool
built zelvane
program=$(start zelvane-time)
report() {
    local rss pss
    rss=$(awk '/VmRSS/ {print $2}' /proc/$program/status)
    pss=$(awk '/^Pss:/ {print $2}' /proc/$program/smaps_rollup)
    printf '%-28s VmRSS %6d KiB   Pss %6d KiB\n' "$1" "$rss" "$pss"
}
settle "$program"
report "after start-up"
sleep "$seconds"
report "after $seconds s more"
