#!/usr/bin/env bash
# One game per program folder, under Xvfb: a second start in the folder of a running game ends with
# status 0 within a few seconds, opens no window and leaves the settings file as it was, and the
# running game comes to the front; a change the running game saves afterwards is in the file. A game
# killed outright leaves nothing that keeps the next start from playing.
# Usage: single_instance.sh BUILD_BIN_DIR
set -euo pipefail
bin=$1
source "$(dirname "$0")/xvfb.sh"
game=
other=
xvfb=
folder=
trap 'status=$?; kill $game $other $xvfb 2>/dev/null || true; ((status == 0)) || cat "$folder"/*.log 2>/dev/null; rm -rf "$folder"' EXIT
start_screen 1024x768
fresh_program_folder "$bin"
settings=$folder/Setting/XP.kvz

tables() { xdotool search --onlyvisible --name '^Лиорна$' 2>/dev/null || true; }
fail() {
    echo "FAILED: $*"
    exit 1
}
start_game() {
    QT_QPA_PLATFORM=xcb "$folder/liorna" >"$folder/$1.log" 2>&1 &
    game=$!
    for _ in $(seq 150); do [[ -n $(tables) ]] && return; sleep 0.1; done
    fail "$1: no table window"
}
# Stacking order, top first.
stacked() { xwininfo -root -children | awk '/^ +0x/ {print $1}'; }
above() { # above WINDOW OTHER: WINDOW lies above OTHER
    local order
    order=$(stacked)
    (($(grep -nx "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1) < $(grep -nx "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)))
}
line() { sed -n "$(($1 + 1))p" "$settings" | tr -d '\r'; }

start_game first
press_play
table=$(tables | head -1)

# Another program's window covers the table and has the focus.
xlogo -geometry 1024x768+0+0 >/dev/null 2>&1 &
other=$!
for _ in $(seq 50); do xdotool search --name '^xlogo$' >/dev/null 2>&1 && break; sleep 0.1; done
logo=$(xdotool search --name '^xlogo$' | head -1)
above "$logo" "$table" || fail "the other window does not cover the table"

before=$(stat -c '%i %Y %s' "$settings")
content=$(md5sum <"$settings")
started=$(date +%s%N)
status=0
timeout 10 env QT_QPA_PLATFORM=xcb "$folder/liorna" >"$folder/second.log" 2>&1 || status=$?
elapsed=$((($(date +%s%N) - started) / 1000000))
echo "the second start ended with status $status after $elapsed ms"
((status == 0)) || fail "the second start ended with status $status"
# The game may take a moment to come up on a busy machine: the checks below wait for it.
for _ in $(seq 50); do above "$table" "$logo" && break; sleep 0.1; done
shown=$(tables | wc -l)
((shown == 1)) || fail "$shown table windows are shown"
echo "ok: one table window"
[[ $(stat -c '%i %Y %s' "$settings") == "$before" && $(md5sum <"$settings") == "$content" ]] ||
    fail "the second start touched the settings file"
echo "ok: the settings file is untouched"
above "$table" "$logo" || fail "the running game did not come to the front"
echo "ok: the running game came to the front"

# The running game still saves, and what it saves stays: sound off in the settings dialog.
[[ $(line 2) == 1 ]] || fail "sound is not on to begin with"
xdotool windowfocus "$table"
xdotool key F4
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Настройки' >/dev/null 2>&1 && break; sleep 0.1; done
xdotool key space Return
for _ in $(seq 50); do [[ $(line 2) == 0 ]] && break; sleep 0.1; done
[[ $(line 2) == 0 ]] || fail "the running game's change is not in the file (line 2 is '$(line 2)')"
echo "ok: the running game's change is in the file"

# Killed outright, the game leaves its lock and socket to the next start, which plays.
kill -9 $game
wait $game 2>/dev/null || true
[[ -z $(tables) ]] || fail "the killed game's window is still shown"
start_game after-kill
press_play
echo "ok: a start after a killed game plays"
xdotool windowfocus "$(tables | head -1)"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
if kill -0 $game 2>/dev/null; then fail "Ctrl+Q did not end the game"; fi
echo "1 passed, 0 failed"
