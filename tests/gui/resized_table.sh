#!/usr/bin/env bash
# The dealt table in a small and a large window, under Xvfb: screenshots to look at, and a check that
# the whole table (down to the score panel) is in view. Usage: resized_table.sh BUILD_BIN_DIR OUT_DIR
set -euo pipefail
bin=$1
out=$2
mkdir -p "$out"
source "$(dirname "$0")/xvfb.sh"
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "${folder:-}"' EXIT
start_screen 2560x1600
fresh_program_folder "$bin"

start_game >/dev/null 2>&1
press_play
sleep 2.5

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
for size in 683x430 2048x1500; do
    w=${size%x*}
    h=${size#*x}
    xdotool windowmove "$table" 0 0 windowsize "$table" "$w" "$h"
    sleep 1
    import -window root "$out/table_$size.png"
    # The score panel's green is inside the window: its bottom right corner (1009, 689) scaled.
    menu=20
    s=$(awk -v w="$w" -v h="$h" -v m=$menu 'BEGIN { a = w / 1024; b = (h - m) / 768; print (a < b ? a : b) }')
    x=$(awk -v w="$w" -v s="$s" 'BEGIN { printf "%d", (w - 1024 * s) / 2 + 1000 * s }')
    y=$(awk -v h="$h" -v s="$s" -v m=$menu 'BEGIN { printf "%d", m + (h - m - 768 * s) / 2 + 680 * s }')
    p=$(pixel "$out/table_$size.png" "$x" "$y")
    echo "$size: score panel pixel at $x,$y: $p"
    [[ $p == "srgb(0,128,0)" ]] || { echo "score panel not where the scaled table puts it"; exit 1; }
done
echo "screenshots in $out"
