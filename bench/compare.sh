#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Zelvane beside the floor of any Qt program (bench_bare_label, one
# always-on-top 24-point label) and the classic `xclock -digital`: the work of
# a start, the memory held, how often each wakes and how soon its new frame
# follows the second. Every program runs alone on a private Xvfb; the bare
# label runs as Zelvane does, without MIT-SHM (QT_XCB_NO_MITSHM=1), and once
# more with it. Prints every run, then the smallest and the middle figure of
# the runs as the README's table.
#   start: callgrind's instructions from the start until the program has
#     settled with its first frame shown, after a warm-up start of each;
#   wake-ups: voluntary context switches of every thread, over whole minutes
#     from half past a minute once the start-up has settled, clear of the
#     chime's hour;
#   memory: VmRSS after those minutes in the time display;
#   frame: one more minute with strace on the main thread's writes to the X
#     connection: when, after each second of the wall clock begins, the first
#     goes out (the median of the run).
# ZELVANE_BUILD=folder measures another build (its run/ and bench/).
#   bench/compare.sh [minutes] [runs]     (default 3 and 3)
. "$(dirname "$0")/common.sh"
minutes=${1:-3}
runs=${2:-3}
needs Xvfb xdotool xclock valgrind callgrind_control strace fc-cache
built zelvane bench_bare_label
names=(bare bareshm xclock zelvane)

for name in "${names[@]}"; do stop "$(start $name-date)"; done # warm-up

# frame_lag PID: the median over a minute of when, after a second begins, the
# main thread first writes to the X connection, in ms; also its earliest.
frame_lag() {
    timeout 60 strace -qq -ttt -e trace=writev -p "$1" -o "$work/strace.$1" 2>/dev/null || true
    awk '{ t = $1 + 0; s = int(t); if (s != last) { print (t - s) * 1000; last = s } }' \
        "$work/strace.$1" | sort -g | awk '{ v[NR] = $1 } END {
            if (NR) printf "%.1f %.1f\n", v[int((NR + 1) / 2)], v[1]; else print "- -" }'
}

for run in $(seq "$runs"); do
    declare -A pid=()
    for name in "${names[@]}"; do
        pid[$name]=$(start $name-date valgrind --tool=callgrind -q \
            --callgrind-out-file="$work/$name.$run.cg")
    done
    settle "${pid[@]}"
    for name in "${names[@]}"; do callgrind_control -d "${pid[$name]}" >/dev/null 2>&1 & done
    wait
    stop "${pid[@]}"
    for name in "${names[@]}"; do
        awk '/^(summary|totals):/ { printf "%.1f\n", $2 / 1e6; exit }' "$work/$name.$run.cg.1" \
            >>"$work/$name.start"
        echo "run $run, $name: $(tail -1 "$work/$name.start") M instructions to its first frame"
    done

    pid=()
    for name in "${names[@]}"; do
        for display in date time; do pid[$name-$display]=$(start $name-$display); done
    done
    settle "${pid[@]}"
    half_minute $((minutes + 1))
    for what in "${!pid[@]}"; do threads "${pid[$what]}" >"$work/$what.before"; done
    sleep $((minutes * 60))
    for what in "${!pid[@]}"; do threads "${pid[$what]}" >"$work/$what.after"; done
    for what in "${!pid[@]}"; do
        woken=$(wakeups "$work/$what.before" "$work/$what.after" $((minutes * 60)))
        echo "${woken%% *}" >>"$work/${what%-*}.${what#*-}.wake"
        echo "run $run, $what: $woken wake-ups per second"
    done
    for name in "${names[@]}"; do
        awk '/^VmRSS/ { printf "%.1f\n", $2 / 1024 }' "/proc/${pid[$name-time]}/status" >>"$work/$name.rss"
        frame_lag "${pid[$name-time]}" >"$work/$name.lag.$run" &
    done
    wait
    for name in "${names[@]}"; do
        read -r median earliest <"$work/$name.lag.$run"
        echo "$median" >>"$work/$name.lag"
        echo "$earliest" >>"$work/$name.earliest"
        echo "run $run, $name: $(tail -1 "$work/$name.rss") MiB resident;" \
            "frame $median ms after the second (earliest $earliest)"
    done
    stop "${pid[@]}"
done

row() { # row LABEL FIGURE
    printf '| %s |' "$1"
    for name in "${names[@]}"; do printf ' %s |' "$(min_median <"$work/$name.$2")"; done
    echo
}
echo
echo "smallest / middle of $runs runs, over $minutes whole minutes:"
echo "| figure | bare Qt label | bare Qt label with MIT-SHM | xclock | Zelvane |"
echo "|---|---|---|---|---|"
row "instructions to the first frame, millions" start
row "resident memory after $minutes min in the time display, MiB" rss
row "date display: wake-ups per second, all threads" date.wake
row "time display: wake-ups per second, all threads" time.wake
row "time display: frame sent after the second begins, ms (median of a minute)" lag
row "time display: the earliest of those, ms" earliest
