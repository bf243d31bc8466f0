# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the benchmark scripts: a private Xvfb display for the programs
# they watch. Sets $work, a scratch folder, and $xvfb, the server's pid, and
# exports DISPLAY; the caller takes both away when it ends.
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
while [ ! -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
