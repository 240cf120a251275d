# Sourced by the Xvfb tests: a screen of their own and a fresh copy of the program folder, so the
# player's own settings are never touched. The caller's EXIT trap ends $xvfb and $game and removes
# $folder.

# start_screen WIDTHxHEIGHT: an X server on a display it picks free itself; DISPLAY points at it once
# it is ready. It never resets: by default the server resets when its last client leaves, and a
# program started again at that moment cannot connect (Qt then aborts).
start_screen() {
    local ready
    ready=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$ready" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -1 "$ready")
    rm -f "$ready"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# fresh_program_folder BUILD_BIN_DIR: $folder holds the staged program with a fresh settings file: the
# game, its two modules and its folders, not the tests and tools built beside it. The game's cache
# lies in it too, empty at first. The caller's EXIT trap removes it.
fresh_program_folder() {
    local f
    folder=$(mktemp -d)
    export XDG_CACHE_HOME=$folder/.cache
    for f in liorna liorna-clip.so liorna-cues.so Help Melodies Orvel.avi Setting pictures; do
        [[ -e $1/$f ]] && cp -r "$1/$f" "$folder"/
    done
    rm -f "$folder/Setting/XP.kvz"
    cp "$(dirname "${BASH_SOURCE[0]}")/../../data/Setting/XP.kvz" "$folder/Setting/XP.kvz"
}

# press_play: «Играть» on the start screen (at ratio 1), again until the screen has gone: on a busy
# machine the first click can come before the screen takes input.
press_play() {
    local start
    for _ in $(seq 20); do
        start=$(xdotool search --name '^Загрузка$' 2>/dev/null | head -1) || true
        [[ -n $start ]] || return 0
        eval "$(xdotool getwindowgeometry --shell "$start")"
        xdotool mousemove $((X + 49)) $((Y + 130)) click 1
        sleep 0.5
    done
    echo "FAILED: the start screen did not take «Играть»"
    return 1
}

# wait_idle: until the game ($game) has used no CPU for a moment (at most 20 s), so a press reaches it
# while it is listening: on a busy machine a press handled late is refused as a move by the compositor.
wait_idle() {
    local last now
    last=
    for _ in $(seq 50); do
        now=$(awk '{ print $14 + $15 }' /proc/$game/stat 2>/dev/null) || fail "the game ended"
        [[ $now == "$last" ]] && return 0
        last=$now
        sleep 0.4
    done
}

# start_game [SIZE]: the game started on the screen ($game), and its table window ($table) once the
# start screen has shown, sized to SIZE (WxH) at the top left corner when given.
start_game() {
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-xcb} "$folder/liorna" &
    game=$!
    for _ in $(seq 100); do
        xdotool search --name '^Загрузка$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    table=$(xdotool search --name '^Лиорна$' | head -1)
    [[ -z ${1:-} ]] || xdotool windowmove "$table" 0 0 windowsize "$table" "${1%x*}" "${1#*x}"
}

# find_view PNG: the table's view in a shot of the table window, whose geometry X, Y, WIDTH, HEIGHT
# is set (xdotool getwindowgeometry --shell): it lies under the menu bar, which ends where the felt
# begins. Sets viewY and viewH.
find_view() {
    local menu rgb red green
    menu=0
    while ((menu < 200)); do
        rgb=$(convert "$1" -format "%[fx:int(255*p{$((X + WIDTH - 10)),$((Y + menu))}.r)] %[fx:int(255*p{$((X + WIDTH - 10)),$((Y + menu))}.g)]" info:)
        read -r red green <<<"$rgb"
        ((green > red + 40)) && break
        menu=$((menu + 1))
    done
    ((menu < 200)) || fail "no felt under the menu bar in $1"
    viewY=$((Y + menu))
    viewH=$((HEIGHT - menu))
}

# rect LX LY LW LH: the scene rectangle in screen pixels, 4 logical pixels inside its edges, as the
# program fits the scene into the view (after find_view).
rect() {
    awk -v W="$WIDTH" -v H="$viewH" -v X="$X" -v Y="$viewY" -v x="$1" -v y="$2" -v w="$3" -v h="$4" 'BEGIN {
        s = W / 1024; if (H / 768 < s) s = H / 768
        ox = X + (W - 1024 * s) / 2; oy = Y + (H - 768 * s) / 2
        printf "%dx%d+%d+%d", (w - 8) * s, (h - 8) * s, ox + (x + 4) * s, oy + (y + 4) * s }'
}

# measure PNG AREA: the area's mean red, green and blue, 0..100, and the part of its pixels that are
# white (a card's face).
measure() {
    convert "$1" -crop "$2" +repage -format "%[fx:int(100*mean.r)] %[fx:int(100*mean.g)] %[fx:int(100*mean.b)] " info:
    convert "$1" -crop "$2" +repage -fuzz 6% -fill black +opaque white -colorspace gray -format "%[fx:int(100*mean)]" info:
    echo
}
