#!/usr/bin/env bash
# Plants deliberate faults one at a time in a scratch copy of the sources and
# tells for each whether the test suite catches it.
#
#   tests/faults.sh [SOURCE_DIR]
#
# The scratch folder is $FAULTS_SCRATCH; $FAULTS_TESTS, a regular expression,
# runs only the tests it matches.
set -uo pipefail
source_dir=$(cd "${1:-$(dirname "$0")/..}" && pwd)
scratch=${FAULTS_SCRATCH:-/tmp/faults-scratch}
src=$scratch/src
build=$scratch/build

# Only a folder this script made is ever wiped.
if [ -e "$scratch" ] && [ ! -e "$scratch/.faults-scratch" ]; then
    echo "$scratch exists and was not made by this script" >&2
    exit 2
fi
mkdir -p "$src" && touch "$scratch/.faults-scratch"
rm -rf "$scratch/incoming" && mkdir "$scratch/incoming"
tar -C "$source_dir" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$scratch/incoming" -xf -
# Only the files that differ are replaced, with a new time stamp: the build
# folder stays valid and later builds are incremental.
(cd "$scratch/incoming" && find . -type f) | while read -r f; do
    cmp -s "$scratch/incoming/$f" "$src/$f" \
        || { mkdir -p "$(dirname "$src/$f")" && cp "$scratch/incoming/$f" "$src/$f"; }
done
(cd "$src" && find . -type f) | while read -r f; do [ -e "$scratch/incoming/$f" ] || rm "$src/$f"; done

echo "Building $source_dir in $scratch"
cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=OFF >"$scratch/configure.log" 2>&1 \
    || { cat "$scratch/configure.log"; exit 2; }
# Only the tests and what they need are built.
cmake --build "$build/tests" -j2 >"$scratch/build.log" 2>&1 || { tail -40 "$scratch/build.log"; exit 2; }

# Tests that fail without any fault cannot catch one: they are left out.
excluded='^(install|hardening)$'
suite() {
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -E "$excluded" ${FAULTS_TESTS:+-R "$FAULTS_TESTS"} \
        --timeout 120 -j2 "$@")
}
suite >"$scratch/clean.log" 2>&1
failing=$(sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p' "$scratch/clean.log" | paste -sd"|")
if [ -n "$failing" ]; then
    echo "failing without a fault, left out: ${failing//|/, }"
    excluded="^(install|hardening|$failing)\$"
fi

caught=0
missed=0
original=$scratch/original
trap '[ -n "${file:-}" ] && [ -f "$original" ] && cp "$original" "$src/$file"' EXIT

# fault DESCRIPTION FILE PERL-SUBSTITUTION: the substitution runs over the
# whole file at once, so it may span lines.
fault() {
    local description=$1 result
    file=$2
    cp "$src/$file" "$original"
    perl -0pi -e "$3" "$src/$file"
    if cmp -s "$src/$file" "$original"; then
        result="NOT APPLIED"
    elif ! cmake --build "$build/tests" -j2 >"$scratch/fault.log" 2>&1; then
        result="BUILD FAILED"
    elif suite --stop-on-failure >>"$scratch/fault.log" 2>&1; then
        result="MISSED"
    else
        result="caught"
    fi
    cp "$original" "$src/$file"
    file=
    [ "$result" = caught ] && caught=$((caught + 1)) || missed=$((missed + 1))
    printf '%-12s %s\n' "$result" "$description"
}

fault "opening does not recurse into an empty neighbour" miny/form1.cpp 's/(\n\s*)odklikej\(col, row\);/$1;/'
fault "one mine too few" miny/form1.cpp 's/remaining = minetotal;/remaining = minetotal - 1;/'
fault "counter: 21 to 29 not reduced to their last digit" miny/form1.cpp 's/k = m - 20;/k = m;/'
fault "time-out one tick early" miny/form1.cpp 's/seconds > 999/seconds > 998/'
fault "flag does not stop an opening" miny/form1.cpp 's/Button == 1 && !cellshows\(Index, 10\)/Button == 1/'
fault "question mark stops an opening" miny/form1.cpp \
    's/Button == 1 && !cellshows\(Index, 10\)/$& && !cellshows(Index, 11)/'
fault "win test off by one" miny/form1.cpp 's/minetotal \+ opened ==/minetotal + opened + 1 ==/'
fault "face not restored on release" miny/form1.cpp 's/(Image3_MouseUp\(.*?)Image1\(0\)/$1Image1(1)/s'
fault "neighbour to the upper right counted past the right edge" miny/form1.cpp 's/r > 0 && c < lastcol/r > 0/'
fault "wrong flag not crossed out at the end" miny/form1.cpp 's/Image2\(14\)/Image2(10)/'
fault "counter goes below zero" miny/form1.cpp 's/ && minesleft > 0//'
fault "clock runs after the game ended" miny/form1.cpp 's/if \(playing != True\)\n\s*return;//'
fault "pexeso: the resolving click also turns a card" pexeso/form1.cpp 's/(over\(\);)\s*return;/$1/'
fault "pexeso: win message with two pairs left" pexeso/form1.cpp 's/pairsleft == 1/pairsleft == 2/'
fault "pexeso: the first card accepted as the second" pexeso/form1.cpp \
    's/turned == 1 && i == firstcard/turned == 1 && i == -1/'
fault "pexeso: a matched pair stays on the table" pexeso/form1.cpp \
    's/removed\(secondcard\) = True;/removed(secondcard) = False;/'
fault "random source can return 1.0" runtime/random.cpp 's/16777216\.0f/16777215.0f/'
fault "control-array Load starts the element visible" runtime/imagearray.cpp \
    's/image\.setVisible\(false\);/image.setVisible(true);/'
fault "picture sheet: every run a pixel short" runtime/picturesheet.cpp \
    's/std::min<std::ptrdiff_t>\(run\[0\],/std::min<std::ptrdiff_t>(run[0] - 1,/'
fault "a click takes the keyboard from the check box" runtime/formwindow.cpp \
    's/setFocusPolicy\(Qt::NoFocus\)/setFocusPolicy(Qt::StrongFocus)/'
fault "a move keeps the old left edge" runtime/control.cpp 's/pixels\(left, left_, was\.x\(\)\)/was.x()/'
fault "pixel font: each glyph's last column left out" runtime/pixelfont.cpp 's/x < right; \+\+x/x + 1 < right; ++x/'
fault "a shown window is not repainted after a change" runtime/formwindow.h \
    's/if \(isVisible\(\)\)(\s*)update/if (!isVisible())$1update/'

echo "$caught caught, $missed missed"
[ "$missed" -eq 0 ]
