# Sourced by the Xvfb tests: a screen of their own and a fresh copy of the program folder, so the
# player's own settings are never touched. The caller's EXIT trap ends $xvfb and $game.

# start_screen WIDTHxHEIGHT: an X server on a free display; DISPLAY points at it.
start_screen() {
    local display
    for _ in $(seq 20); do
        display=:$((90 + RANDOM % 400))
        [ -e "/tmp/.X${display#:}-lock" ] || break
    done
    Xvfb "$display" -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

# fresh_program_folder BUILD_BIN_DIR: $folder holds the staged program with a fresh settings file.
fresh_program_folder() {
    folder=$(mktemp -d)
    cp -r "$1"/. "$folder"/
    rm -f "$folder/Setting/XP.kvz"
    cp "$(dirname "${BASH_SOURCE[0]}")/../../data/Setting/XP.kvz" "$folder/Setting/XP.kvz"
}
