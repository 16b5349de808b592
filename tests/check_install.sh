#!/usr/bin/env bash
# Checks that both games arrive with their desktop entries and their icons at
# every size, and that they run on a real X display, either installed from a
# build folder into a scratch folder or unpacked from the Debian package,
# whose programs must also be hardened.
#
#   check_install.sh BUILD_FOLDER
#   check_install.sh --deb PACKAGE
set -u
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $1"; status=1; }

if [ "$1" = --deb ]; then
    dpkg-deb -x "$2" "$scratch" || { echo "FAIL: unpack $2"; exit 1; }
    prefix=$scratch/usr
    "$(dirname "$0")/check_hardening.sh" "$prefix/games/miny" "$prefix/games/pexeso" || status=1
else
    prefix=$scratch
    cmake --install "$1" --prefix "$prefix" >/dev/null || { echo "FAIL: install"; exit 1; }
fi

png_size() { # width x height from the PNG header
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(( (w1<<24)|(w2<<16)|(w3<<8)|w4 ))x$(( (h1<<24)|(h2<<16)|(h3<<8)|h4 ))"
}

for game in miny pexeso; do
    [ -x "$prefix/games/$game" ] || fail "games/$game missing"
    entry="$prefix/share/applications/$game.desktop"
    [ -f "$entry" ] || { fail "$game.desktop missing"; continue; }
    name=$( [ $game = miny ] && echo Miny || echo Pexeso )
    grep -qx "Name=$name" "$entry" || fail "$game.desktop: Name is not $name"
    grep -qx "Exec=$game" "$entry" || fail "$game.desktop: Exec"
    grep -qx "Icon=$game" "$entry" || fail "$game.desktop: Icon"
    grep -q "^Categories=Game;" "$entry" || fail "$game.desktop: not in the Game category"
    grep -q "^Comment=..*" "$entry" || fail "$game.desktop: no comment"
    for size in 32 64 128 256; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$game.png"
        [ -f "$icon" ] || { fail "$game icon $size missing"; continue; }
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$game icon $size is $(png_size "$icon")"
    done
done
[ $status -eq 0 ] && echo "installed: both games with desktop entries and icons"
"$(dirname "$0")/check_display.sh" "$prefix/games" || status=1
exit $status
