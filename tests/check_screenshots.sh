#!/usr/bin/env bash
# The committed screenshots are what the games draw now: the screenshot
# program takes them again from its fixed deals, and each must be the same
# picture pixel for pixel (./go screenshots remakes them). At a display scale
# of FACTOR, every picture pixel must be a solid FACTOR x FACTOR block: the
# committed screenshot scaled up, but for miny's check box, which the style
# draws at the finer resolution.
#
#   check_screenshots.sh SCREENSHOTS_PROGRAM [FACTOR]
set -u
factor=${2:-1}
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$1" "$shots" >/dev/null || exit 1
status=0
for committed in "$(dirname "$0")"/../docs/screenshots/*.png; do
    name=${committed##*/}
    box=()
    [[ $factor -gt 1 && $name = miny-* ]] && box=(-fill black -draw "rectangle $((64 * factor)),$((10 * factor)) $((121 * factor)),$((27 * factor))")
    convert "$committed" -scale "$((factor * 100))%" "${box[@]}" "$shots/expected.png"
    convert "$shots/$name" "${box[@]}" "$shots/taken.png"
    compare -metric AE "$shots/expected.png" "$shots/taken.png" null: 2>/dev/null \
        || { echo "FAIL: $name at scale $factor is not what the game draws"; status=1; }
done
exit $status
