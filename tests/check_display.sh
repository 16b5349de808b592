#!/usr/bin/env bash
# Starts each installed game on a real X display (Xvfb, through Qt's xcb
# platform, as players run them): its first frame must be the committed start
# screenshot pixel for pixel; then a press on a miny cell must start the
# clock, and in pexeso a card turned up and the N key must deal again. Then
# each is played by keys alone: in miny an arrow key brings the keyboard to
# the field, F flags a cell, N deals again and Space starts the clock; in
# pexeso an arrow key shows the cursor, Space turns a card and N deals again.
# Last, check_orca.py plays both under the screen reader Orca and checks
# what it says after each key.
#
#   check_display.sh GAMES_FOLDER
set -u
games=$1
. "$(dirname "$0")/display_helpers.sh" Xvfb xdotool import compare dbus-run-session /usr/libexec/at-spi-bus-launcher
# The window is a committed screenshot, or unlike it in a region (the whole by default).
shows() { import -window "$window" "$scratch/now.png" && compare -metric AE "$scratch/now.png" "$shots/$1.png" null: 2>/dev/null; }
differs() {
    local region=${2:-0x0+0+0}
    import -window "$window" -crop "$region" "$scratch/now.png" && convert "$shots/$1.png" -crop "$region" "$scratch/then.png" \
        && ! compare -metric AE "$scratch/now.png" "$scratch/then.png" null: 2>/dev/null
}
start() { # program, window title
    "$games/$1" >"$scratch/$1.log" 2>&1 &
    game=$!
    pids+=($game)
    window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$2\$" | head -1)
    [ -n "$window" ] || { fail "$1 shows no window"; cat "$scratch/$1.log"; stop; return 1; }
    within 5 shows "$1-start" || { fail "$1's first frame is not docs/screenshots/$1-start.png"; stop; return 1; }
}

# -noreset: a server left without clients resets, and refuses the programs
# that connect meanwhile (between two games, or after the accessibility bus's
# launcher has set its address on the root window and gone).
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$scratch/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display") QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

clock=60x30+240+0 counter=48x13+6+12 face=25x25+140+3
stop() { kill $game && wait $game 2>/dev/null; }
# Keys go to the window that has the keyboard, as a player's do.
keys() { xdotool windowfocus --sync "$window" key "$@"; }

if start miny Miny; then
    xdotool mousemove --window "$window" 7 38 click 3 # on the first cell
    within 5 differs miny-start $clock || fail "miny: the clock does not start after a press on a cell"
    keys n
    within 5 shows miny-start || fail "miny: N from the check box does not deal again"
    keys Down
    within 5 shows miny-keyboard || fail "miny: an arrow key does not bring the keyboard to the field"
    keys f
    within 5 differs miny-keyboard $counter || fail "miny: F does not flag the cell under the cursor"
    keys n
    within 5 shows miny-keyboard || fail "miny: N does not deal again"
    # The first cell of a new deal may hold a mine: then the game is lost and deals again.
    for attempt in 1 2 3 4 5 6; do
        keys space
        within 3 differs miny-keyboard $clock && break
        differs miny-keyboard $face || { fail "miny: Space neither starts the clock nor loses"; break; }
        keys n
        [ $attempt -lt 6 ] || fail "miny: Space lost six games in a row"
    done
    keys n
    within 5 shows miny-keyboard || fail "miny: N does not deal again after a game by keys"
    stop
fi
if start pexeso Pexeso; then
    xdotool mousemove --window "$window" 40 40 click 1
    within 5 differs pexeso-start || fail "pexeso: a click does not turn a card"
    keys n
    within 5 shows pexeso-start || fail "pexeso: the N key does not deal the table again"
    keys Right
    within 5 shows pexeso-keyboard || fail "pexeso: an arrow key does not show the cursor on the place clicked last"
    keys space
    within 5 differs pexeso-keyboard || fail "pexeso: Space does not turn the card under the cursor"
    keys n
    within 5 shows pexeso-keyboard || fail "pexeso: N does not deal again while the cursor shows"
    stop
fi
[ $status -eq 0 ] && echo "on the X display: both games start as their screenshots, the clock runs, N deals again; both play by keys"
# What the screen reader Orca says of them after each key, in a session of its own.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/check_orca.py" "$games" 2>"$scratch/orca.log" \
    || { status=1; grep -v '^dbus-daemon' "$scratch/orca.log"; }
exit $status
