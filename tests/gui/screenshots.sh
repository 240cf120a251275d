#!/usr/bin/env bash
# Starts the real program under Xvfb, takes screenshots of the start screen and of the dealt table,
# and checks a few pixels a player would see. Usage: screenshots.sh BUILD_BIN_DIR OUT_DIR [SCALE]
set -euo pipefail
bin=$1
out=$2
scale=${3:-1}
mkdir -p "$out"
source "$(dirname "$0")/xvfb.sh"
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
# A screen of 1280 x 800 logical pixels at the given pixel ratio.
start_screen $((1280 * scale))x$((800 * scale))
fresh_program_folder "$bin"

QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$folder/liorna" &
game=$!
for _ in $(seq 100); do
    xdotool search --name '^Загрузка$' >/dev/null 2>&1 && break
    sleep 0.1
done
# Without a window manager nothing maximises the table: size it to the screen as one would.
table=$(xdotool search --name '^Лиорна$' | head -1)
xdotool windowmove "$table" 0 0 windowsize "$table" $((1280 * scale)) $((800 * scale))
sleep 0.7
import -window root "$out/start_screen.png"

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
start=$(xdotool search --name '^Загрузка$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$start")"
# The white mode panel is drawn; the green corner is not.
panel=$(pixel "$out/start_screen.png" $((X + 200 * scale)) $((Y + 100 * scale)))
echo "mode panel pixel: $panel"
[[ $panel == "white" || $panel == "srgb(255,255,255)" ]] || { echo "start screen panel not shown"; exit 1; }
corner=$(pixel "$out/start_screen.png" $((X + 2 * scale)) $((Y + 2 * scale)))
echo "start screen corner pixel: $corner"
[[ $corner != "srgb(0,128,0)" ]] || { echo "pure green of the start screen is drawn"; exit 1; }

# "Играть": button panel (8,12), button (4,106) 75x25.
xdotool mousemove $((X + (8 + 4 + 37) * scale)) $((Y + (12 + 106 + 12) * scale)) click 1
sleep 0.8
import -window root "$out/dealt_table_announcement.png"
sleep 2
import -window root "$out/dealt_table.png"
eval "$(xdotool getwindowgeometry --shell "$table")"
echo "table window at $X,$Y ${WIDTH}x$HEIGHT"
kill $game
echo "screenshots in $out"
