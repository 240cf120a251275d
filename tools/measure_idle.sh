#!/usr/bin/env bash
# Prints what the running game costs while idle: CPU over 10 s with the start screen open and again at
# a dealt table, start-up time from exec to the start screen mapped, and resident memory.
# Usage: tools/measure_idle.sh [BUILD_BIN_DIR]   (default build/release/bin)
set -euo pipefail
bin=${1:-build/release/bin}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$folder"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
folder=$(mktemp -d)
cp -r "$bin"/. "$folder"/
cp "$(dirname "$0")/../data/Setting/XP.kvz" "$folder/Setting/XP.kvz"

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }

t0=$(date +%s%N)
QT_QPA_PLATFORM=xcb "$folder/liorna" 2>/dev/null &
game=$!
until xdotool search --onlyvisible --name '^Загрузка$' >/dev/null 2>&1; do sleep 0.005; done
t1=$(date +%s%N)
echo "start-up to start screen mapped: $(( (t1 - t0) / 1000000 )) ms"

measure() {
    local before after
    sleep 1
    before=$(cpu "$game")
    sleep 10
    after=$(cpu "$game")
    awk -v d=$((after - before)) -v hz="$ticks" -v what="$1" \
        'BEGIN { printf "CPU over 10 s, %s: %.2f%% of one core\n", what, d / hz / 10 * 100 }'
}
measure "start screen open"
echo "resident memory, start screen: $(awk '/VmRSS/ {print int($2/1024)}' /proc/$game/status) MB"

start=$(xdotool search --name '^Загрузка$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$start")"
xdotool mousemove $((X + 49)) $((Y + 130)) click 1
sleep 3
measure "dealt table"
echo "resident memory, dealt table: $(awk '/VmRSS/ {print int($2/1024)}' /proc/$game/status) MB"
