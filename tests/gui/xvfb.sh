# Sourced by the Xvfb tests: a screen of their own and a fresh copy of the program folder, so the
# player's own settings are never touched. The caller's EXIT trap ends $xvfb and $game.

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

# fresh_program_folder BUILD_BIN_DIR: $folder holds the staged program with a fresh settings file.
fresh_program_folder() {
    folder=$(mktemp -d)
    cp -r "$1"/. "$folder"/
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
