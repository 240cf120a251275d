#!/usr/bin/env bash
# The game as a screen reader meets it: started in a D-Bus session of its own with the accessibility
# bus, under Xvfb; a small AT-SPI client reads the start screen's parts, then after «Играть» finds the
# hand's five cards by name, the hint line's text, and presses a card. Usage: screen_reader.sh BUILD_BIN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ ${1:-} != --in-session ]]; then
    exec dbus-run-session -- "$0" --in-session "$@"
fi
bin=$2
source "$here/xvfb.sh"
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "${folder:-}"' EXIT
start_screen 1280x800
fresh_program_folder "$bin"
# The bus Qt and the client talk over; it is started on demand, but waiting for it here keeps the
# game's first question from timing out on a busy machine.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The first start keeps the start screen's shape once painted; every later start takes it and names
# the screen's parts only once its window is up. The reader looks at such a start.
start_game
for _ in $(seq 100); do compgen -G "$XDG_CACHE_HOME/liorna/start-shape-*.bin" >/dev/null && break; sleep 0.1; done
compgen -G "$XDG_CACHE_HOME/liorna/start-shape-*.bin" >/dev/null || { echo "FAILED: no start screen shape kept"; exit 1; }
kill $game
wait $game 2>/dev/null || true
start_game 1280x800
/usr/bin/python3 "$here/screen_reader_client.py" liorna start
press_play
# The table is dealt, and the keyboard is the table's.
sleep 1
/usr/bin/python3 "$here/screen_reader_client.py" liorna
