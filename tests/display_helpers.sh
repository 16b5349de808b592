# What the checks of the installed games on a display share; sourced by them.
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
    until "${@:2}"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
