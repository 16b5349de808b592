#!/usr/bin/env bash
# The committed screenshots are what the games draw now: the screenshot
# program takes them again from its fixed deals, and each must be the same
# picture pixel for pixel (./go screenshots remakes them), at a display scale
# of FACTOR scaled up as display_helpers.sh's scaled tells.
#
#   check_screenshots.sh SCREENSHOTS_PROGRAM [FACTOR]
set -u
. "$(dirname "$0")/display_helpers.sh" convert compare
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$1" "$scratch" >/dev/null || exit 1
for committed in "$shots"/*.png; do
    scaled "$committed" "$scratch/${committed##*/}" "${2:-1}" \
        || fail "${committed##*/} at scale ${2:-1} is not what the game draws"
done
exit $status
