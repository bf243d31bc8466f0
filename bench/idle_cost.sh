#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a clock costs while it runs and nothing else happens, in instructions
# per second: Zelvane, `xclock -digital` and the bare Qt label, each under
# callgrind on a private Xvfb of its own, in the date display (Zelvane and
# xclock redraw once a minute, the bare label never) and in the time display
# (all of them once a second). The bare label runs as Zelvane does, without
# MIT-SHM (QT_XCB_NO_MITSHM=1), and once more with it. Once every start-up has
# settled, callgrind's counters are zeroed at half past a minute and dumped
# whole minutes later (callgrind_control, through vgdb, reaches a sleeping
# program at once): each figure holds the same number of minute and second
# wake-ups and nothing of the start-up, nor of the chime's hour. The time
# display's figure depends on the text drawn (7 or 8 characters, which
# digits); the programs in one run draw the same texts. Prints every run, then the smallest
# and the middle figure of the runs.
# ZELVANE_KEEP=path keeps the profiles, as path.<program>.<run>;
# ZELVANE_BUILD=folder measures another build (its run/ and bench/).
#   bench/idle_cost.sh [minutes] [runs]     (default 3 and 3)
. "$(dirname "$0")/common.sh"
minutes=${1:-3}
runs=${2:-3}
needs Xvfb xdotool xclock valgrind callgrind_control fc-cache
built zelvane bench_bare_label
programs=(zelvane-date xclock-date bare-date bareshm-date zelvane-time xclock-time bare-time bareshm-time)

for run in $(seq "$runs"); do
    declare -A pid=()
    for what in "${programs[@]}"; do
        pid[$what]=$(start "$what" valgrind --tool=callgrind -q \
            --callgrind-out-file="$work/$what.$run")
    done
    settle "${pid[@]}"
    half_minute "$minutes"
    for what in "${programs[@]}"; do callgrind_control -z "${pid[$what]}" >/dev/null 2>&1 & done
    wait
    sleep $((minutes * 60))
    for what in "${programs[@]}"; do callgrind_control -d "${pid[$what]}" >/dev/null 2>&1 & done
    wait
    kill -9 "${pid[@]}"
    for what in "${programs[@]}"; do
        [ -n "${ZELVANE_KEEP:-}" ] && cp "$work/$what.$run.1" "$ZELVANE_KEEP.$what.$run"
        awk -v s=$((minutes * 60)) '/^(summary|totals):/ { printf "%.0f\n", $2 / s; exit }' \
            "$work/$what.$run.1" >>"$work/$what.ips"
        echo "run $run, $what: $(tail -1 "$work/$what.ips") instructions per second"
    done
done

cell() { min_median <"$work/$1.ips"; }
middle() { sort -g "$work/$1.ips" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { # of the middle figures
    awk -v z="$(middle "$1")" -v b="$(middle "$2")" 'BEGIN { if (b > 0) printf " (%.2fx bare)", z / b }'
}
echo
echo "instructions per second over $minutes whole minutes, smallest / middle of $runs runs:"
echo "| instructions per second | bare Qt label | bare Qt label with MIT-SHM | xclock | Zelvane |"
echo "|---|---|---|---|---|"
for display in date time; do
    echo "| $display display | $(cell bare-$display) | $(cell bareshm-$display) | $(cell xclock-$display) |" \
        "$(cell zelvane-$display)$(ratio zelvane-$display bare-$display) |"
done
