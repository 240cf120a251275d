#!/usr/bin/env bash
# The real program without its settings file, under Xvfb: the error is the only window shown (no
# table, no start screen behind or above it), and acknowledging it ends the program with a failure
# status. Usage: missing_settings.sh BUILD_BIN_DIR
set -euo pipefail
bin=$1
source "$(dirname "$0")/xvfb.sh"
xvfb=
folder=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$folder"' EXIT
start_screen 1024x768
fresh_program_folder "$bin"
rm -f "$folder/Setting/XP.kvz"
QT_QPA_PLATFORM=xcb "$folder/liorna" >/dev/null 2>&1 &
game=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Лиорна$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1 # long enough for a start screen to open, if anything started
shown=$(xdotool search --onlyvisible --name '.' 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done)
echo "windows shown: $(echo "$shown" | tr '\n' ' ')"
[ "$(echo "$shown" | grep -c .)" -eq 1 ] || { echo "more than the error is shown"; kill $game; exit 1; }
echo "$shown" | grep -qx 'Лиорна' || { echo "the error box is not shown"; kill $game; exit 1; }
xdotool key Return
status=0
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && { echo "the program did not end after OK"; kill $game; exit 1; }
wait $game || status=$?
echo "exit status $status"
[ "$status" -ne 0 ] || { echo "the program ended with success"; exit 1; }
echo "1 passed, 0 failed"
