# Sourced by the Xvfb tests: a screen of their own and a fresh copy of the program folder, so the
# player's own settings are never touched. The caller's EXIT trap ends $xvfb and $game.

# start_screen WIDTHxHEIGHT: an X server on a display it picks free itself; DISPLAY points at it once
# it is ready.
start_screen() {
    local ready
    ready=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
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
