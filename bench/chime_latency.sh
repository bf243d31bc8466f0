#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How soon the hourly chime is heard after the full hour. The program runs on a
# private Xvfb with its wall clock shifted (libfaketime) so that noon comes a
# few seconds after it starts, in the time display, and plays into a
# PulseAudio null sink whose monitor parec records. The moment of a sound is
# read from the recording's own clock, its sample count at 44,100 a second:
# each piece of the recording that reaches the reader could only leave once
# its last sample was taken, which bounds when the first sample was taken;
# the tightest bound ties sample 0 to the wall clock, late at most by the
# shortest delay of a piece (parec asks for 5 ms). The chime begins at the
# first sample louder than 1000 of 32,767.
#   bench/chime_latency.sh [runs]     (default 3)
. "$(dirname "$0")/common.sh"
runs=${1:-3}
needs Xvfb xdotool pulseaudio parec python3
built zelvane
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -1)
[ -n "$faketime_library" ] || { echo "chime_latency.sh: faketime is missing" >&2; exit 1; }
export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:$work/pulse/native
chmod 700 "$work"
pulseaudio -n --daemonize=yes --exit-idle-time=-1 -L "module-null-sink sink_name=cap" \
    -L module-native-protocol-unix
while [ ! -S "$work/pulse/native" ] || [ ! -s "$work/pulse/pid" ]; do sleep 0.1; done
remember "$(cat "$work/pulse/pid")"
noon=$(date -d '2026-12-06 12:00:00' +%s)

# listen HOUR UNTIL: records until the wall time UNTIL; prints how many ms
# after the wall time HOUR the first loud sample was taken.
listen() {
    python3 - "$1" "$2" <<'PY'
import array, os, subprocess, sys, time
hour, until = float(sys.argv[1]), float(sys.argv[2])
rate = 44100
parec = subprocess.Popen(["parec", "-d", "cap.monitor", "--format=s16le", "--rate=44100",
                          "--channels=1", "--latency-msec=5"], stdout=subprocess.PIPE)
heard, first_sample = bytearray(), float("inf")
while time.time() < until:
    piece = os.read(parec.stdout.fileno(), 65536)
    if not piece:
        break
    taken = time.time()
    heard += piece
    first_sample = min(first_sample, taken - len(heard) // 2 / rate)
parec.kill()
samples = array.array("h", bytes(heard[: len(heard) // 2 * 2]))
onset = next((i for i, v in enumerate(samples) if abs(v) > 1000), None)
if onset is None:
    print("none")
else:
    print("%.1f" % ((first_sample + onset / rate - hour) * 1000))
PY
}

for run in $(seq "$runs"); do
    strikes=$(($(date +%s) + 20)) # the real second at which the program's noon begins
    offset=$((noon - strikes))
    listen "$strikes" $((strikes + 5)) >"$work/heard" &
    listener=$!
    pid=$(start zelvane-time env LD_PRELOAD="$faketime_library" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        FAKETIME="$( ((offset >= 0)) && echo "+$offset" || echo "$offset")")
    shown=$(date +%s)
    wait $listener
    stop "$pid"
    heard=$(cat "$work/heard")
    if ((shown >= strikes)); then
        echo "run $run: the time display came after the hour (a busy machine); not counted"
    elif [ "$heard" = none ]; then
        echo "run $run: no chime heard"
    else
        echo "$heard" >>"$work/latency"
        echo "run $run: chime heard $heard ms after the full hour"
    fi
done
echo "smallest / middle of the runs heard: $(min_median <"$work/latency" 2>/dev/null || echo -) ms"
