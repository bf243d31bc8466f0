# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmark scripts. Every program watched runs alone on a
# private Xvfb (-displayfd: a free number), with the font cache brought up to
# date first, the pointer off its window, and the figure read over whole
# minutes once its start-up has settled. Sets $here, $build (ZELVANE_BUILD, or
# build/ of this tree) and $work, a scratch folder; every program started
# through these functions ends with the script.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${ZELVANE_BUILD:-$here/build}
work=$(mktemp -d)
: >"$work/pids"
finish() {
    local pid
    for pid in $(tac "$work/pids"); do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap finish EXIT
export QT_QPA_PLATFORM=xcb

needs() { # needs TOOL...: ends the script naming the first tool missing
    local tool
    for tool; do
        command -v "$tool" >/dev/null || { echo "${0##*/}: $tool is missing" >&2; exit 1; }
    done
}

built() { # built TARGET...: brings this tree's build up to date (not a given one)
    [ -n "${ZELVANE_BUILD:-}" ] || cmake --build "$build" --target "$@" >/dev/null
}

remember() { echo "$1" >>"$work/pids"; } # a pid to end with the script

# A stale font cache (a font folder changed since it was written) makes a
# start scan the fonts, several times the work of the start itself.
warm_fonts() { fc-cache >/dev/null 2>&1 || true; }

new_display() { # prints the name of a new private display
    local file
    file=$(mktemp "$work/display.XXXX")
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$file" >/dev/null 2>&1 &
    remember $!
    while [ ! -s "$file" ]; do sleep 0.1; done
    echo ":$(cat "$file")"
}

# start PROGRAM [WRAPPER...]: starts a program on a new private display, in
# the display it is named for, run through WRAPPER (valgrind ...) if given;
# once its window is up and the pointer off it, prints its pid. The programs:
# zelvane-date, zelvane-time; xclock-date, xclock-time (xclock -digital, its
# time display updated every second); bare-date, bare-time (the bare label,
# with the time set every second), without MIT-SHM as Zelvane runs;
# bareshm-date, bareshm-time, the bare label with MIT-SHM. Standard output
# goes to $work/PROGRAM.out.
start() {
    local what=$1 title pid display
    shift
    display=$(new_display)
    warm_fonts
    local tick=()
    case $what in
    zelvane-*)
        title='^Zelvane.Clock..$'
        (cd "$build/run" && DISPLAY=$display exec "$@" ./zelvane >"$work/$what.out" 2>&1) &
        ;;
    bare-* | bareshm-*)
        title='^bare label$'
        [ "${what#*-}" = time ] && tick=(--tick)
        if [ "${what%-*}" = bare ]; then
            DISPLAY=$display QT_XCB_NO_MITSHM=1 "$@" "$build/bench/bench_bare_label" "${tick[@]}" \
                >"$work/$what.out" 2>&1 &
        else
            DISPLAY=$display env -u QT_XCB_NO_MITSHM "$@" "$build/bench/bench_bare_label" \
                "${tick[@]}" >"$work/$what.out" 2>&1 &
        fi
        ;;
    xclock-*)
        title='^xclock$'
        [ "${what#*-}" = time ] && tick=(-update 1)
        DISPLAY=$display "$@" xclock -digital "${tick[@]}" >"$work/$what.out" 2>&1 &
        ;;
    *)
        echo "start: no program $what" >&2
        exit 1
        ;;
    esac
    pid=$!
    remember $pid
    DISPLAY=$display timeout 300 xdotool search --sync --onlyvisible --name "$title" >/dev/null
    if [ "$what" = zelvane-time ]; then
        DISPLAY=$display xdotool search --onlyvisible --name "$title" \
            mousemove --window %1 20 20 click 1 sleep 0.3 click 1
        local tries=0
        until grep -q '^buf_click_flag=2' "$work/$what.out"; do
            sleep 0.2
            ((++tries < 1500)) || { echo "start: $what is not in its time display" >&2; exit 1; }
        done
    fi
    DISPLAY=$display xdotool mousemove 1279 1023
    echo "$pid"
}

stop() { # stop PID...: ends programs and waits until they are gone
    local pid
    kill "$@" 2>/dev/null || true
    for pid; do
        while kill -0 "$pid" 2>/dev/null; do sleep 0.2; done
    done
}

settle() { # settle PID...: waits until each has used under 5% of a core over 2 s
    local pid before now
    for pid; do
        now=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
        while :; do
            before=$now
            sleep 2
            now=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
            [ $((now - before)) -lt $(($(getconf CLK_TCK) / 10)) ] && break
        done
    done
}

# half_minute [MINUTES]: waits for the next half minute of the wall clock, at
# least 5 s away, from which MINUTES minutes keep clear of the chime's hour:
# from two minutes before a full hour, when the chime is loaded, to half a
# minute after it, when it has rung.
half_minute() {
    local now zone
    now=$(date +%s.%N)
    zone=$(date +%z | awk '{ s = substr($1, 1, 1) == "-" ? -1 : 1
        print s * (substr($1, 2, 2) * 3600 + substr($1, 4, 2) * 60) }')
    sleep "$(awk -v now="$now" -v zone="$zone" -v m="${1:-0}" 'BEGIN {
        t = now - now % 60 + 30
        while (t < now + 5) t += 60
        for (;;) {
            into_hour = (t + zone) % 3600
            if (into_hour < 30) t += 60
            else if (into_hour + m * 60 > 3600 - 120) t += 3600 - into_hour + 30
            else break
        }
        printf "%.3f", t - now }')"
}

# threads PID: one line per thread: its id, name and voluntary context
# switches (each time it went to sleep and was woken again).
threads() {
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s\n' "${task##*/}" "$(tr -c '[:alnum:]\n' _ <"$task/comm")" \
            "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")"
    done 2>/dev/null
}

# wakeups BEFORE AFTER SECONDS: wake-ups per second of the whole process
# between two readings of threads, then of each thread by name; a thread that
# ended in between is named as lost.
wakeups() {
    awk -v s="$3" 'FNR == NR { was[$1] = $3; next }
        { n = $3 - was[$1]; all += n; by[$2] += n; delete was[$1] }
        END {
            list = ""
            for (t in by) list = list (list == "" ? "" : ", ") sprintf("%s %.3f", t, by[t] / s)
            for (t in was) list = list (list == "" ? "" : ", ") "thread " t " lost"
            printf "%.3f (%s)", all / s, list
        }' "$1" "$2"
}

min_median() { # the smallest and the middle of the numbers on standard input
    sort -g | awk '{ v[NR] = $1 } END { if (NR) printf "%s / %s", v[1], v[int((NR + 1) / 2)]; else printf "-" }'
}
