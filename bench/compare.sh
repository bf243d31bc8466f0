#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Zelvane beside the floor of any Qt program (bench_bare_label, one always-on-top
# 24-point label) and the classic `xclock -digital`, on one private Xvfb, in
# one go. Prints the table of the README with ratios to the bare label.
#   bench/compare.sh [seconds]     (default 60: how long each state is watched)
# Instructions come from callgrind (a start-up's own spread, some 1%, limits
# the per-second figures of an idle program), wake-ups (voluntary context switches of
# the main thread) and resident memory from /proc.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$here/build"
cmake --build "$build" --target zelvane bench_bare_label >/dev/null
for tool in Xvfb xdotool xclock valgrind callgrind_control strace; do
    command -v $tool >/dev/null || { echo "compare.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
display=:$((200 + RANDOM % 500))
Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [ -f "$work/pids" ] && kill $(cat "$work/pids") 2>/dev/null
    kill $xvfb 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1

# start NAME MODE VALGRIND: starts one program in one state (date or time);
# prints its pid once its window is up.
start() {
    local name=$1 mode=$2 grind=$3 wrap=() title
    [ "$grind" = yes ] && wrap=(valgrind --tool=callgrind -q --callgrind-out-file="$work/$name-$mode.cg")
    case $name in
    bare)
        title="bare label"
        if [ "$mode" = time ]; then set -- --tick; else set --; fi
        "${wrap[@]}" "$build/bench/bench_bare_label" "$@" >/dev/null 2>&1 &
        ;;
    zelvane)
        title="Zelvane(Clock+)"
        (cd "$build/run" && exec "${wrap[@]}" ./zelvane >/dev/null 2>&1) &
        ;;
    xclock)
        title=xclock
        if [ "$mode" = time ]; then set -- -update 1; else set --; fi
        "${wrap[@]}" xclock -digital "$@" >/dev/null 2>&1 &
        ;;
    esac
    local pid=$!
    echo "$pid" >>"$work/pids"
    local window
    window=$(timeout 120 xdotool search --sync --onlyvisible --name "^${title//[()+]/.}\$" | head -1)
    if [ "$name" = zelvane ] && [ "$mode" = time ]; then
        xdotool mousemove --window "$window" 20 20 click 1 sleep 0.3 click 1
    fi
    sleep 1
    # The program's own pid (valgrind runs it in place; the subshell execs).
    echo "$pid"
}

instructions() { # total Ir in a callgrind file
    awk '/^(summary|totals):/ {print $2; exit}' "$1"
}

stop() { # ends a program started by start (not a child of this shell)
    kill "$1" 2>/dev/null || true
    while kill -0 "$1" 2>/dev/null; do sleep 0.2; done
}

# latency PID: when, after a second of the wall clock begins, the program's
# main thread sends its frame to the X server (its first writev in that
# second), in ms: the median and the earliest over the time watched.
latency() {
    timeout "$seconds" strace -qq -ttt -e trace=writev -p "$1" -o "$work/strace" 2>/dev/null || true
    awk '{ t = $1 + 0; s = int(t); if (s != last) { print (t - s) * 1000; last = s } }' \
        "$work/strace" | sort -n | awk '{ v[NR] = $1 } END {
            if (NR) printf "%.1f ms (earliest %.1f)", v[int((NR + 1) / 2)], v[1]; else printf "-" }'
}

declare -A figure
for mode in date time; do
    for name in bare zelvane xclock; do
        # Instructions: two runs under callgrind, one ended as soon as the
        # window is up (the first frame), one watched for the given time; the
        # difference is the cost of that time.
        pid=$(start $name $mode yes)
        stop "$pid"
        first=$(instructions "$work/$name-$mode.cg")
        [ $mode = date ] && figure[$name,start]=$first
        pid=$(start $name $mode yes)
        sleep "$seconds"
        stop "$pid"
        figure[$name,$mode-ir]=$((($(instructions "$work/$name-$mode.cg") - first) / seconds))
        # Wake-ups and memory, natively.
        pid=$(start $name $mode no)
        before=$(awk '/^voluntary_ctxt_switches/ {print $2}' /proc/$pid/task/$pid/status)
        sleep "$seconds"
        after=$(awk '/^voluntary_ctxt_switches/ {print $2}' /proc/$pid/task/$pid/status)
        figure[$name,$mode-wake]=$(awk -v a="$after" -v b="$before" -v s="$seconds" 'BEGIN {printf "%.3f", (a - b) / s}')
        figure[$name,$mode-rss]=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' /proc/$pid/status)
        [ $mode = time ] && figure[$name,time-late]=$(latency "$pid")
        stop "$pid"
    done
done

ratio() { awk -v z="$1" -v b="$2" 'BEGIN { if (b > 0) printf " (%.2fx bare)", z / b }'; }
row() { # label key unit
    printf '| %s | %s%s | %s%s | %s%s%s |\n' "$1" "${figure[bare,$2]}" "$3" "${figure[xclock,$2]}" "$3" \
        "${figure[zelvane,$2]}" "$3" "$(ratio "${figure[zelvane,$2]}" "${figure[bare,$2]}")"
}
echo "| figure | bare Qt label | xclock | Zelvane |"
echo "|---|---|---|---|"
row "instructions to first frame" start ""
row "resident memory, MiB, after ${seconds} s in the time display" time-rss ""
row "date display: wake-ups per second" date-wake ""
row "time display: instructions per second (one tick)" time-ir ""
row "time display: main-thread wake-ups per second" time-wake ""
printf '| time display: new frame sent after the second begins | %s | %s | %s |\n' \
    "${figure[bare,time-late]}" "${figure[xclock,time-late]}" "${figure[zelvane,time-late]}"
