# What the checks of the installed games and of their pictures share; sourced by them.
#
#   . display_helpers.sh TOOL...: fails at once when a tool is missing.
shots=$(cd "$(dirname "${BASH_SOURCE[0]}")/../docs/screenshots" && pwd)
for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (./go test installs it)"; exit 1; }
done
scratch=$(mktemp -d)
pids=()  # the processes the check started, ended when it ends
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$scratch"' EXIT
status=0
fail() { echo "FAIL: $1"; status=1; }
# within SECONDS COMMAND...: retries COMMAND until it succeeds or time is up.
within() {
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.1; done
}
# scaled COMMITTED TAKEN FACTOR: whether every pixel of a committed screenshot
# is a solid FACTOR x FACTOR block of the picture taken, but for miny's check
# box, which the style draws at the finer resolution.
scaled() {
    local box=() f=$3
    [[ $f -gt 1 && ${1##*/} = miny-* ]] \
        && box=(-fill black -draw "rectangle $((64 * f)),$((10 * f)) $((121 * f)),$((27 * f))")
    convert "$1" -scale "$((f * 100))%" "${box[@]}" "$scratch/expected.png" \
        && convert "$2" "${box[@]}" "$scratch/taken.png" \
        && compare -metric AE "$scratch/expected.png" "$scratch/taken.png" null: 2>/dev/null
}
