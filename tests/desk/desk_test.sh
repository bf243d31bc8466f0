#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a private X server without a window manager.
#
#   desk_test.sh RUN_DIR drag   the clock dragged to the second of two monitors
#       side by side (RandR 1.5 monitors of one X screen, as xrandr --setmonitor
#       makes them) moves with no step of its display, and opens there again at
#       the next start with the same XDG_CONFIG_HOME; a click still steps it;
#       when that monitor is unplugged (xrandr --delmonitor) the clock and the
#       countdown come wholly onto the first, and Quit still ends it with 0.
#   desk_test.sh RUN_DIR noon   on a PulseAudio null sink, a clock with the
#       chime off and one quiet from 11:00 to 13:00 both strike noon ("jiho
#       check ok") and neither is heard.
#
# A missing tool is named and the test skipped (status 77); with CI set it fails.
set -uo pipefail
run_dir=$1 case=$2
. "$(dirname "$0")/../support/zelvane_test.sh"

scratch=$(mktemp -d)
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    [ -f "$scratch/runtime/pulse/pid" ] && kill "$(cat "$scratch/runtime/pulse/pid")"
    rm -rf "$scratch"
}
trap cleanup EXIT

start_display() {
    Xvfb -displayfd 1 -screen 0 "$1x24" -noreset -nolisten tcp >"$scratch/display" 2>/dev/null &
    pids+=($!)
    wait_for test -s "$scratch/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$scratch/display")" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=
    unset WAYLAND_DISPLAY
}

# start NAME [NAME=value...]: the program, what it prints in $scratch/NAME.out.
start() {
    local name=$1
    shift
    (cd "$run_dir" && exec env "$@" ./zelvane >"$scratch/$name.out" 2>&1) &
    pids+=($!)
}

at() { [ "$(windows "$1")" = "$2" ] || { echo "$1 at $(windows "$1")" >"$scratch/last" && false; }; }
expect_at() { wait_for at "$1" "$2" || fail "$(cat "$scratch/last"), not at $2"; }
click() { xdotool mousemove "$1" "$2" sleep 0.2 click "${3:-1}"; }

# Row 1 to 9 of the menu that the clock at x y opens (3 + 9 x 18 pixels).
menu_row() {
    click "$1" "$2" 3
    wait_for shows 'Right click menu' || fail "no menu"
    read -r mx my mw _ <<<"$geometry"
    click $((mx + mw / 2)) $((my + 3 + ($3 - 1) * 18 + 9))
}

drag() {
    need Xvfb xdotool xwininfo xrandr
    start_display 2304x1024
    xrandr --setmonitor left 1280/338x1024/270+0+0 screen >/dev/null &&
        xrandr --setmonitor right 1024/270x768/203+1280+0 none || fail "no RandR monitors"
    export XDG_CONFIG_HOME=$scratch/config
    start first
    expect_at "Zelvane(Clock+)" "790 640 220 40"
    xdotool mousemove 800 650 mousedown 1 mousemove 900 600 sleep 0.2 mousemove 1990 510 \
        sleep 0.2 mouseup 1
    expect_at "Zelvane(Clock+)" "1980 500 220 40"
    grep buf_click_flag "$scratch/first.out" && fail "the drag stepped the display"
    kill "${pids[-1]}"
    start second
    expect_at "Zelvane(Clock+)" "1980 500 220 40"
    click 2090 520
    wait_for grep -q '^buf_click_flag=1$' "$scratch/second.out" || fail "the click did not step"
    menu_row 2090 520 3 # the countdown, beside the clock on its monitor
    expect_at "Alrm Timer screen" "1850 405 200 60"
    xrandr --delmonitor right
    expect_at "Alrm Timer screen" "1080 405 200 60"
    expect_at "Zelvane(Clock+)" "1060 500 220 40"
    for row in "2 Select maxim menu" "6 Version screen"; do # in the menu's designed order
        menu_row 1170 520 "${row%% *}"
        wait_for shows "${row#* }" || fail "row ${row%% *} did not open ${row#* }"
    done
    menu_row 1240 520 9 # Quit, on the clock's end that the version screen leaves bare
    wait_for ended "${pids[-1]}" || fail "Quit did not end the program"
    wait "${pids[-1]}" || fail "the program ended with status $?"
}

noon() {
    local faketime name
    faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null)
    need Xvfb xdotool xwininfo pulseaudio parec "${faketime:-libfaketime.so.1}"
    start_display 1280x1024
    export XDG_RUNTIME_DIR=$scratch/runtime PULSE_SERVER=unix:$scratch/runtime/pulse/native
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 -L "module-null-sink sink_name=cap" \
        -L module-native-protocol-unix 2>/dev/null || fail "PulseAudio did not start"
    wait_for test -S "$XDG_RUNTIME_DIR/pulse/native" || fail "PulseAudio does not listen"
    parec -d cap.monitor --format=s16le --channels=1 >"$scratch/heard" &
    pids+=($!)
    local recorder=$!
    mkdir -p "$scratch/off/zelvane" "$scratch/quiet/zelvane"
    printf '[clock]\nposition=100, 100\n[chime]\nenabled=false\n' >"$scratch/off/zelvane/zelvane.conf"
    printf '[clock]\nposition=100, 300\n[chime]\nquiet_from=11:00\nquiet_to=13:00\n' \
        >"$scratch/quiet/zelvane/zelvane.conf"
    # Noon comes 25 seconds after the start: time enough to click on a busy machine.
    # Each clock has a runtime folder of its own, as if of another user: one
    # user has one clock a display.
    for name in off quiet; do
        mkdir -m 700 "$scratch/run-$name"
        start $name XDG_CONFIG_HOME="$scratch/$name" XDG_RUNTIME_DIR="$scratch/run-$name" \
            LD_PRELOAD="$faketime" \
            FAKETIME="@2026-12-06 11:59:35" FAKETIME_DONT_FAKE_MONOTONIC=1
    done
    two_clocks() { [ "$(windows 'Zelvane(Clock+)' | wc -l)" -eq 2 ]; }
    wait_for two_clocks || fail "the clocks did not show"
    for y in 120 320 120 320; do click 200 $y; done # to the time display, which arms the chime
    for name in off quiet; do
        struck() { grep -A1 '^buf_click_flag=2$' "$scratch/$name.out" | grep -q '^jiho check ok$'; }
        wait_for struck || fail "$name: noon was not struck: $(cat "$scratch/$name.out")"
    done
    sleep 1.5 # a chime would have started by now
    kill "$recorder"
    wait "$recorder"
    local size loudest
    size=$(stat -c %s "$scratch/heard")
    loudest=$(od -An -v -td2 "$scratch/heard" |
        awk '{for (i = 1; i <= NF; i++) {v = $i < 0 ? -$i : $i; if (v > m) m = v}} END {print m + 0}')
    [ "$size" -gt $((44100 * 2 * 4)) ] || fail "the recorder heard nothing at all ($size bytes)"
    [ "$loudest" -le 3000 ] || fail "a chime was heard: a sample of $loudest"
}

case $case in
drag | noon) $case ;;
*) fail "no test $case" ;;
esac
echo "PASS: $case"
