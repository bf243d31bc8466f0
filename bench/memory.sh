#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory of the running program: starts it on a private Xvfb display, lets it
# run, and prints its resident and proportional set sizes (VmRSS, Pss) after
# start-up and after a while of once-a-second refreshes.
#   bench/memory.sh [seconds]      (default 60)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
Xvfb :87 -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; kill $program 2>/dev/null || true' EXIT
sleep 1
cd "$here/build/run"
DISPLAY=:87 QT_QPA_PLATFORM=xcb ./zelvane >/dev/null 2>&1 &
program=$!
report() {
    local rss pss
    rss=$(awk '/VmRSS/ {print $2}' /proc/$program/status)
    pss=$(awk '/^Pss:/ {print $2}' /proc/$program/smaps_rollup)
    printf '%-28s VmRSS %6d KiB   Pss %6d KiB\n' "$1" "$rss" "$pss"
}
sleep 3
report "after start-up"
sleep "$seconds"
report "after $seconds s more"
