#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the test scripts share; they source it. Run as a command,
#   zelvane_test.sh TOOL ARGUMENTS...
# it runs the tool, or says it is missing.
limit_s=120 # for any one thing to happen, however busy the machine

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# need TOOL...: a missing tool (a program, or a file) is named and the test
# skipped with status 77, which CTest reads as a skip; where CI is set, it fails.
need() {
    local tool
    for tool; do
        { [ -e "$tool" ] || command -v "$tool" >/dev/null; } && continue
        echo "SKIP: $tool is missing (see the test packages in zelvane.sh)" >&2
        [ -n "${CI:-}" ] && fail "$tool is missing under CI"
        exit 77
    done
}

# Polls the command until it succeeds, for at most limit_s seconds.
wait_for() {
    local deadline=$((SECONDS + limit_s))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# The viewable windows of this title, "x y width height" a line.
windows() {
    local id
    for id in $(xwininfo -root -tree | grep -F "\"$1\"" | awk '{print $1}'); do
        xwininfo -id "$id" | awk '/Map State: IsViewable/ {v = 1} /Absolute upper-left X/ {x = $NF}
            /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $NF} /Height:/ {h = $NF}
            END {if (v) print x, y, w, h}'
    done
}

# Whether a window of this title shows; "x y width height" of the first in $geometry.
shows() { geometry=$(windows "$1" | head -n1) && [ -n "$geometry" ]; }

# Gone, or a zombie: ended, its status not yet collected.
ended() { [[ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null)" =~ ^(Z|$) ]]; }

if [[ "$0" == */zelvane_test.sh ]]; then
    need "$1"
    exec "$@"
fi
