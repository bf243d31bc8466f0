#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a user gets it: built by CPack, unpacked with dpkg-deb
# into a scratch root, and its program started from an empty folder on a
# private X server on a Japanese system. It finds its chimes, help pages and
# catalogue (Japanese titles, no complaint about missing data) and quits
# through its menu with status 0. lintian finds no error in the package.
#
#   package_test.sh CPACK BUILD_DIR VERSION
# A missing tool is named and the test skipped (status 77); with CI set it fails.
set -uo pipefail
cpack=$1 build=$2 version=$3
. "$(dirname "$0")/../support/zelvane_test.sh"
need dpkg-deb dpkg-shlibdeps lintian Xvfb xwininfo xdotool

scratch=$(mktemp -d)
xvfb_pid='' program_pid=''
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

deb="$scratch/out/zelvane_${version}_$(dpkg --print-architecture).deb"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
[ -f "$deb" ] || fail "no $(basename "$deb"), but: $(ls "$scratch/out")"

echo "--- lintian"
lintian --fail-on error "$deb" || fail "lintian reports errors"

root="$scratch/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack it"
for file in usr/share/applications/org.zelvane.Zelvane.desktop \
    usr/share/icons/hicolor/scalable/apps/org.zelvane.Zelvane.svg \
    usr/share/doc/zelvane/copyright usr/share/doc/zelvane/changelog.gz; do
    [ -s "$root/$file" ] || fail "the package holds no $file"
done
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.zelvane.Zelvane.metainfo.xml" ||
    fail "the metainfo does not name release $version"
# The command line needs no display: the version is the package's.
said=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/zelvane" --version) &&
    [ "$said" = "zelvane $version" ] ||
    fail "--version does not say zelvane $version and end with status 0 without a display"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/zelvane" --help | grep -q -- ' --version ' ||
    fail "--help does not list --version without a display"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "the dependencies lack the toolkit: $(dpkg-deb -f "$deb" Depends)"

Xvfb -displayfd 1 -screen 0 1280x1024x24 -noreset -nolisten tcp >"$scratch/display" 2>/dev/null &
xvfb_pid=$!
wait_for test -s "$scratch/display" || fail "Xvfb did not start"
# The X tools read window titles in UTF-8; the program runs on a Japanese system.
export DISPLAY=":$(head -n1 "$scratch/display")" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=
unset WAYLAND_DISPLAY LANGUAGE

# An option the program does not know is refused, once the toolkit took its own.
timeout "$limit_s" "$root/usr/bin/zelvane" --no-such-option >"$scratch/refused" 2>&1 &&
    fail "--no-such-option was taken"
grep -q "no-such-option" "$scratch/refused" || fail "--no-such-option not named: $(cat "$scratch/refused")"

mkdir "$scratch/empty" && cd "$scratch/empty" || fail "no scratch folder"
LANG=ja_JP.UTF-8 "$root/usr/bin/zelvane" >"$scratch/stdout" 2>"$scratch/stderr" &
program_pid=$!
wait_for shows "ゼルヴァーネ（時計+）" || fail "no Japanese clock window: $(cat "$scratch/stderr")"
read -r x y w h <<<"$geometry"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
wait_for shows "右クリックメニュー" || fail "no Japanese feature menu"
# The menu's nine rows of 18 pixels lie 3 pixels inside it; Quit is the last.
read -r x y w h <<<"$geometry"
xdotool mousemove $((x + w / 2)) $((y + 3 + 8 * 18 + 9)) click 1
wait_for ended "$program_pid" || fail "Quit did not end the program"
wait "$program_pid"
status=$?
program_pid=''
[ "$status" -eq 0 ] || fail "the program ended with status $status"
if grep '^zelvane:' "$scratch/stderr"; then
    fail "started from an empty folder, the unpacked program misses its data"
fi
echo "PASS: zelvane $version packaged, unpacked, started, found its data and quit"
