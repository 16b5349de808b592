#!/usr/bin/env bash
# Starts each installed game as a native Wayland client (Qt's wayland
# platform) of a weston of its own, as a player on a Wayland desktop runs it.
# On weston's headless backend, at output scale 1 and 2, the first frame must
# be the committed start screenshot (as display_helpers.sh's scaled tells) and
# the window must ask for the title, app id and fixed size it has on X11. On
# weston's X11 backend inside Xvfb, a press on a miny cell must start the
# clock and N must deal pexeso again; the maximize button, a double click on
# the title bar and weston's keys for the maximized and the full-screen state
# must each leave the game running, at its size, and answering.
#
#   check_wayland.sh GAMES_FOLDER
set -u
games=$1
. "$(dirname "$0")/display_helpers.sh" weston weston-screenshooter Xvfb xdotool import compare

export XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR" "$scratch/pictures"
unset DISPLAY WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING \
      QT_WAYLAND_DECORATION QT_WAYLAND_DISABLE_WINDOWDECORATION
# A black desktop without a panel: the window is all there is to see.
printf '[shell]\nbackground-color=0xff000000\nbackground-image=\npanel-position=none\n' >"$scratch/weston.ini"

weston_start() { # NAME, backend options...: a compositor on a socket of its own
    local name=$1
    weston --config="$scratch/weston.ini" --socket="$name" --idle-time=0 "${@:2}" >"$scratch/$name.log" 2>&1 &
    weston_pid=$! && pids+=($weston_pid) && export WAYLAND_DISPLAY=$name
    within 10 test -S "$XDG_RUNTIME_DIR/$name" || { fail "weston $* did not start"; cat "$scratch/$name.log"; return 1; }
}
game_start() { # program: started with Qt's protocol log
    WAYLAND_DEBUG=1 "$games/$1" >/dev/null 2>"$scratch/$1.log" &
    game_pid=$! game=$1 && pids+=($game_pid)
    size=$(identify -format %wx%h "$shots/$1-start.png")
    width=${size%x*} height=${size#*x}
}
game_end() { kill $game_pid 2>/dev/null; wait $game_pid 2>/dev/null; }
log_tail() { grep -v '^\[' "$scratch/$game.log" | tail -5; }

# The window in the screen picture $scratch/screen.png at FACTOR: Qt's own
# title bar and frame (30 and 3 pixels) around the client area. Sets x and y,
# the frame's top left corner, and writes the client area to client.png.
find_window() { # factor
    local found
    found=$(convert "$scratch/screen.png" -bordercolor black -border 1 -format %@ info: 2>/dev/null) || return 1
    [[ $found =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    x=$((BASH_REMATCH[3] - 1)) y=$((BASH_REMATCH[4] - 1))
    [ "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}" = "$(($1 * (width + 6)))x$(($1 * (height + 33)))" ] || return 1
    convert "$scratch/screen.png" -crop "$(($1 * width))x$(($1 * height))+$((x + $1 * 3))+$((y + $1 * 30))" \
        +repage "$scratch/client.png"
}
# The client area is PICTURE (a committed screenshot or a file), but for the
# rectangles given as ImageMagick draw arguments.
matches() { # picture, rectangles...
    local mask=(-fill black) r
    for r in "${@:2}"; do mask+=(-draw "rectangle $r"); done
    convert "$scratch/client.png" "${mask[@]}" "$scratch/now.png" && convert "$1" "${mask[@]}" "$scratch/then.png" \
        && compare -metric AE "$scratch/now.png" "$scratch/then.png" null: 2>/dev/null
}
picture() { [ -f "$1" ] && echo "$1" || echo "$shots/$1.png"; }

# --- weston headless: the pictures at 100 % and 200 %, and what the window says of itself.
first_frame() { # factor
    rm -f "$scratch"/pictures/*.png
    XDG_PICTURES_DIR=$scratch/pictures weston-screenshooter >/dev/null 2>&1 \
        && mv "$scratch"/pictures/*.png "$scratch/screen.png" && find_window "$1" \
        && scaled "$shots/$game-start.png" "$scratch/client.png" "$1"
}
requested() { # request: the last one of its kind in Qt's protocol log
    grep -o "xdg_toplevel@[0-9]*\.$1(.*)" "$scratch/$game.log" | tail -1 | sed 's/^xdg_toplevel@[0-9]*\.//'
}
for factor in 1 2; do
    weston_start headless-$factor --backend=headless-backend.so --use-pixman --debug \
        --width=1024 --height=768 --scale=$factor || continue
    for program in miny pexeso; do
        game_start $program
        if ! within 10 first_frame $factor; then
            fail "$game's first frame at scale $factor is not docs/screenshots/$game-start.png"
            kill -0 $game_pid 2>/dev/null || log_tail
        fi
        for request in "set_title(\"${game^}\")" "set_app_id(\"$game\")" \
                       "set_min_size($width, $height)" "set_max_size($width, $height)"; do
            [ "$(requested "${request%%(*}")" = "$request" ] \
                || fail "$game at scale $factor: the window asks $(requested "${request%%(*}"), not $request"
        done
        game_end
    done
    kill $weston_pid
done

# --- weston's X11 backend inside Xvfb: a pointer, a keyboard and a title bar to click.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
within 10 test -s "$scratch/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display")
# weston's output is a 1024 x 768 window in the top left corner of the X
# screen. It follows the pointer by its relative moves, which stop at the
# edge of its output: leaving its window and coming back sets the position.
parked=
point() { parked=; xdotool mousemove 1200 1000 mousemove "$1" "$2"; }
# weston draws the pointer where it was left. It waits in a corner, blacked
# out of the screen picture, the one farther from where the window was last
# seen; the window is too small to reach into both.
corners=("0 0 0,0 31,39" "1023 767 1008,728 1023,767")  # pointer x y, blacked-out rectangle
park() { [ "$parked" = "$1,$2" ] || { point "$1" "$2" && xdotool mousemove 1200 1000 && sleep 0.1 && parked=$1,$2; }; }
locate() {
    kill -0 $game_pid 2>/dev/null || return 1
    local order=(1 0) corner
    [ $((2 * ${x:-0} + width + 6 + 2 * ${y:-0} + height + 33)) -lt 1792 ] || order=(0 1)
    for corner in "${order[@]}"; do
        set -- ${corners[$corner]}
        park "$1" "$2" && import -window root "$scratch/root.png" || return 1
        convert "$scratch/root.png" -crop 1024x768+0+0 +repage -fill black -draw "rectangle $3 $4" "$scratch/screen.png"
        find_window 1 || return 1
        # The blacked-out corner is not in the window.
        [ $corner = 0 ] && [ $x -gt 31 -o $y -gt 39 ] && return 0
        [ $corner = 1 ] && [ $((x + width + 5)) -lt 1008 -o $((y + height + 32)) -lt 728 ] && return 0
    done
    return 1
}
shows() { locate && matches "$(picture "$1")" "${@:2}"; }
differs() { locate && ! matches "$(picture "$1")" "${@:2}"; }
click() { point $((x + 3 + $1)) $((y + 30 + $2)) && xdotool click "${3:-1}"; }
keep() { cp "$scratch/client.png" "$scratch/kept.png"; }

clock="240,0 299,29"
beside_clock=("0,0 239,330" "0,30 299,330")
# A frame goes out after the request: the clock runs on, a card turns.
miny_answers() { keep && within 5 differs "$scratch/kept.png" "${beside_clock[@]}"; }
pexeso_answers() { keep && click 120 40 && within 5 differs "$scratch/kept.png"; }

weston_start x11 --backend=x11-backend.so --use-pixman --width=1024 --height=768 || exit 1
# The keyboard goes to weston wherever the pointer is.
timeout 10 xdotool search --sync --class '^Weston Compositor$' windowfocus --sync >/dev/null \
    || { echo "FAIL: weston shows no window on the X display"; exit 1; }
for program in miny pexeso; do
    game_start $program
    within 10 shows $game-start || { fail "$game shows no start picture on weston's X11 backend"; log_tail; game_end; continue; }
    running=()  # what changes while the game only runs on
    if [ $game = miny ]; then
        running=("$clock")
        click 100 200 3
        within 5 differs miny-start "${beside_clock[@]}" || fail "miny: the clock does not start after a press on a cell"
    else
        click 40 40
        within 5 differs pexeso-start || fail "pexeso: a click does not turn a card"
        xdotool key n
        within 5 shows pexeso-start || fail "pexeso: the N key does not deal the table again"
        click 40 40
    fi
    for action in "the maximize button" "a double click on the title bar" \
                  "weston's key for the maximized state" "weston's key for full screen"; do
        locate && keep || break
        # Qt's title bar: the maximize button is the second from the right.
        title=($((x + (width + 6) / 2)) $((y + 15)))
        case $action in
            *button) point $((x + width + 6 - 40)) $((y + 15)) && xdotool click 1 ;;
            *double*) point "${title[@]}" && xdotool click --repeat 2 --delay 80 1 ;;
            *maximized*) point "${title[@]}" && xdotool click 1 key super+shift+m ;;
            *) point "${title[@]}" && xdotool click 1 key super+shift+f ;;
        esac
        sleep 0.5
        within 5 shows "$scratch/kept.png" "${running[@]}" \
            || { fail "$game: after $action, the window is not its game at its size"; log_tail; break; }
        ${game}_answers || { fail "$game: after $action, the game does not answer"; log_tail; break; }
        [ $game = pexeso ] && { xdotool key n; within 5 shows pexeso-start && click 40 40; }
    done
    game_end
done
[ $status -eq 0 ] && echo "on Wayland: both games start as their screenshots at 100 % and 200 %," \
    "with their titles, app ids and fixed sizes; the clock runs, N deals again; maximize and full-screen requests leave each game as it was"
exit $status
