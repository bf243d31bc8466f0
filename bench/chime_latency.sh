#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon the hourly chime is heard after the full hour. The program runs on a
# private Xvfb with its wall clock shifted (faketime) so that an hour begins a
# few seconds after it starts, in the time display, and plays into a
# PulseAudio null sink that parec records.
#   bench/chime_latency.sh [runs]     (default 3)
# The recording's last sample is taken as the moment parec was stopped (it
# starts late, but it records up to the end), so each figure may be early by
# what parec held unwritten, a few milliseconds.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-3}
cmake --build "$here/build" --target zelvane >/dev/null
. "$here/bench/private_display.sh"
cleanup() {
    kill $xvfb 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:$work/pulse/native
chmod 700 "$work"
pulseaudio -n --daemonize=yes --exit-idle-time=-1 -L "module-null-sink sink_name=cap" \
    -L module-native-protocol-unix
while [ ! -S "$work/pulse/native" ]; do sleep 0.1; done
noon=$(date -d '2026-12-06 12:00:00' +%s)

for run in $(seq "$runs"); do
    strikes=$(($(date +%s) + 8)) # the real second at which the program's noon begins
    offset=$((noon - strikes))
    parec -d cap.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=5 "$work/heard" &
    recorder=$!
    (cd "$here/build/run" && LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
        FAKETIME="$( ((offset >= 0)) && echo "+$offset" || echo "$offset")" \
        FAKETIME_DONT_FAKE_MONOTONIC=1 exec ./zelvane >/dev/null 2>&1) &
    program=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zelvane.Clock..$' | head -1)
    xdotool mousemove --window "$window" 20 20 click 1 sleep 0.3 click 1
    sleep $((strikes + 3 - $(date +%s)))
    stopped=$(date +%s.%N)
    kill -INT $recorder
    kill $program
    wait $recorder $program 2>/dev/null || true
    onset=$(od -An -td2 -w2 -v "$work/heard" | awk '$1 > 1000 || $1 < -1000 { print NR - 1; exit }' || true)
    samples=$(($(stat -c %s "$work/heard") / 2))
    if [ -z "$onset" ]; then
        echo "run $run: no chime heard"
    else
        awk -v r="$run" -v e="$stopped" -v n="$onset" -v all="$samples" -v h="$strikes" \
            'BEGIN { printf "run %d: chime heard %.0f ms after the full hour\n", r, (e - (all - n) / 44100 - h) * 1000 }'
    fi
done
