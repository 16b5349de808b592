#!/usr/bin/env bash
# Checks that both games arrive with their desktop entries and their icons at
# every size, and that they run on a real X display and on Wayland, either
# installed from a build folder into a scratch folder or unpacked from the
# Debian package, whose release programs must also be hardened.
#
#   check_install.sh BUILD_FOLDER
#   check_install.sh --deb PACKAGE
set -u
package=
. "$(dirname "$0")/display_helpers.sh" identify

if [ "$1" = --deb ]; then
    package=$2
    dpkg-deb -x "$package" "$scratch" || { echo "FAIL: unpack $package"; exit 1; }
    prefix=$scratch/usr
    # Hardened: position-independent, full RELRO, stack protector, fortified calls.
    for program in "$prefix"/games/*; do
        readelf -h "$program" | grep -q 'Type:.*DYN' || fail "$program is not position-independent"
        readelf -lW "$program" | grep -q GNU_RELRO || fail "$program has no RELRO segment"
        readelf -dW "$program" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "$program binds late: RELRO is not full"
        symbols=$(readelf --dyn-syms -W "$program")
        grep -q __stack_chk_fail <<<"$symbols" || fail "$program has no stack protector"
        grep -v __stack_chk_fail <<<"$symbols" | grep -Eq '__[a-z_]+_chk' || fail "$program has no fortified calls"
    done
else
    prefix=$scratch
    cmake --install "$1" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
fi

for game in miny pexeso; do
    [ -x "$prefix/games/$game" ] || fail "games/$game missing"
    entry="$prefix/share/applications/$game.desktop"
    [ -f "$entry" ] || { fail "$game.desktop missing"; continue; }
    for line in "Name=${game^}" "Exec=$game" "Icon=$game" "Categories=Game;.*" "Comment=..*"; do
        grep -qx "$line" "$entry" || fail "$game.desktop has no line $line"
    done
    for size in 32 64 128 256; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$game.png"
        [ -f "$icon" ] || { fail "$game icon $size missing"; continue; }
        [ "$(identify -format %wx%h "$icon")" = "${size}x${size}" ] || fail "$game icon $size is not ${size}x${size}"
    done
done
[ $status -eq 0 ] && echo "installed: both games with desktop entries and icons${package:+, hardened}"
"$(dirname "$0")/check_display.sh" "$prefix/games" || status=1
"$(dirname "$0")/check_wayland.sh" "$prefix/games" || status=1
exit $status
