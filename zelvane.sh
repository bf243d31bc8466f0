#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for Zelvane, builds it, then starts it or tests it.
#
#   ./zelvane.sh run     install what building and running need, build, start the clock
#   ./zelvane.sh test    install that and the test tools, build, run every test
#   ./zelvane.sh sanitize  the same tests built with AddressSanitizer and
#                        UndefinedBehaviorSanitizer (in build-asan), with the
#                        random-event exerciser run 100,000 events long
#
# Works as root or as a user with sudo (used for apt-get only).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build="$here/build"

# What building and running the clock needs.
run_packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    # the toolkit's own Japanese texts (context menus, standard dialogs)
    qt6-translations-l10n
    fonts-noto-cjk
)
# What the tests and the benchmarks add.
test_packages=(
    # a private X server, audio on a null sink, data validators
    xvfb xauth x11-utils xdotool openbox imagemagick
    # xrandr, to add and unplug monitors of the private X server
    x11-xserver-utils
    pulseaudio pulseaudio-utils faketime
    # a window manager's close and a private session bus watched for notifications
    wmctrl dbus-daemon dbus-bin
    # the accessibility bus and a screen reader's view of the windows
    at-spi2-core python3-pyatspi
    # for the benchmark script: the classic X clock to compare with, callgrind,
    # strace for when a frame is sent
    x11-apps valgrind strace
    desktop-file-utils appstream linkchecker
    # the Debian package: dpkg-shlibdeps for its dependencies, lintian to check it
    dpkg-dev lintian
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named packages that are missing.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "zelvane: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j "$(nproc)"
}

run_gadget() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        cat >&2 <<'MSG'
zelvane: there is no graphical display here (neither DISPLAY nor WAYLAND_DISPLAY is set).
Zelvane is a desktop clock: run this command from a desktop session. To try it
without one, start a virtual display first:
    Xvfb :99 -screen 0 1280x1024x24 & DISPLAY=:99 ./zelvane.sh run
MSG
        exit 1
    fi
    # The program reads wave/, html/ and its catalogue from the working directory.
    cd "$build/run"
    exec ./zelvane "$@"
}

case "${1:-}" in
run)
    shift
    install_missing "${run_packages[@]}"
    build_all
    run_gadget "$@"
    ;;
test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build_all
    cd "$build"
    # Most tests wait on real timers and other processes: run two per core.
    ctest --output-on-failure -j "$((2 * $(nproc)))"
    ;;
sanitize)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVANE_SANITIZE=ON
    cmake --build "$here/build-asan" -j "$(nproc)"
    cd "$here/build-asan"
    # Reports of Qt's and the system's own leaks are named in the file; ours fail the run.
    # verify_asan_link_order=0: a test preloads libfaketime to set the wall clock.
    export ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0
    export LSAN_OPTIONS="suppressions=$here/.ci/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export ZELVANE_EVENTS="${ZELVANE_EVENTS:-100000}"
    ctest --output-on-failure
    ;;
*)
    echo "usage: $0 run|test|sanitize" >&2
    exit 2
    ;;
esac
