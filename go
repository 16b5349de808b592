#!/usr/bin/env bash
# Installs what is missing, builds, and then plays a game or runs the tests.
#
#   ./go miny | ./go pexeso   build and start a game
#   ./go test                 build and run the whole test suite
#   ./go test-sanitized       the same under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./go bench [SECONDS]      build the release and run the benchmarks (idle measured over SECONDS, 60)
#   ./go soak [EVENTS]        a million random events per game under the sanitizers
#   ./go screenshots          remake the README's screenshots under Xvfb
#   ./go faults               prove the suite catches a set of deliberate faults
#   ./go package              build the Debian package in build-release/
#   ./go check-package        build it twice in two folders and check it as a distributor does
set -euo pipefail
cd "$(dirname "$0")"

# The tests switch Qt's accessibility on through its private API (qt6-base-private-dev).
packages=(build-essential dpkg-dev cmake qt6-base-dev qt6-base-private-dev libgl-dev fonts-dejavu-core
          libbenchmark-dev)
# What the installed games on a real X display and on Wayland (weston, with
# Qt's Wayland plugin) and the screenshots are checked with, and the screen
# reader that plays them there, with a speech server whose voice goes nowhere.
display_packages=(xvfb xauth xdotool imagemagick weston qt6-wayland dbus at-spi2-core orca speech-dispatcher)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Run this as root or install sudo: ${missing[*]} are missing." >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() { # folder, cmake options...
    local dir=$1; shift
    mkdir -p "$dir"
    # Quiet when all goes well; the whole log when it does not.
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir/configure.log" 2>&1 \
        || { cat "$dir/configure.log"; exit 1; }
    cmake --build "$dir" -j "$(nproc)" >"$dir/build.log" 2>&1 \
        || { cat "$dir/build.log"; exit 1; }
}

# The release build and its Debian package, in a folder of its own so that the
# build the games and the tests use stays as it is. Every time stamp comes from
# the last commit (or, outside a clone, from the changelog), so that the same
# sources give the same package wherever and whenever they are built.
release_build() {
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null \
            || dpkg-parsechangelog -l packaging/changelog -STimestamp)
        export SOURCE_DATE_EPOCH
    fi
    # The compiled-in resources carry the time stamp, and a build folder does
    # not notice when it changes: a new stamp starts a new folder.
    [ "$(cat build-release/source-date-epoch 2>/dev/null)" = "$SOURCE_DATE_EPOCH" ] || rm -rf build-release
    mkdir -p build-release && echo "$SOURCE_DATE_EPOCH" >build-release/source-date-epoch
    build build-release -DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS="${WARNINGS_AS_ERRORS:-OFF}"
}

package() {
    release_build
    (cd build-release && rm -f ./*.deb && cpack >cpack.log 2>&1) || { cat build-release/cpack.log; exit 1; }
}

case "${1:-}" in
    miny|pexeso)
        install_missing
        build build
        exec "build/$1/$1"
        ;;
    test)
        packages+=("${display_packages[@]}")
        install_missing
        build build -DWARNINGS_AS_ERRORS=ON
        cd build && ctest --output-on-failure -j "$(nproc)"
        ;;
    test-sanitized)
        packages+=("${display_packages[@]}")
        install_missing
        build build-sanitized -DSANITIZE=ON -DWARNINGS_AS_ERRORS=ON
        cd build-sanitized
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            ctest --output-on-failure -j "$(nproc)"
        ;;
    bench)
        # The start-up probe watches the programs' windows on the display
        # server through its damage extension.
        packages+=(xvfb xauth libxcb-damage0-dev)
        install_missing
        # The programs as they are shipped: the package's release build.
        release_build
        xvfb-run -a bench/run.sh build-release "${2:-60}"
        ;;
    soak)
        install_missing
        build build-sanitized -DSANITIZE=ON
        ASAN_OPTIONS=detect_leaks=1 \
        LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            build-sanitized/bench/soak "${2:-1000000}"
        ;;
    screenshots)
        packages+=(xvfb xauth)
        install_missing
        build build
        xvfb-run -a build/tools/screenshots/screenshots docs/screenshots
        ;;
    faults)
        packages+=("${display_packages[@]}")
        install_missing
        tests/faults.sh
        ;;
    package)
        install_missing
        package
        ls "$PWD"/build-release/*.deb
        ;;
    check-package)
        packages+=("${display_packages[@]}" lintian appstream desktop-file-utils)
        install_missing
        package
        tests/check_package.sh build-release/miny-pexeso_*.deb
        ;;
    *)
        sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
        exit 2
        ;;
esac
