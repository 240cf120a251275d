#!/usr/bin/env bash
# The window's shortcuts with a Russian layout active: the real program under Xvfb, keys sent with
# xdotool as a Russian keyboard sends them. Usage: keyboard_layout.sh BUILD_BIN_DIR
set -euo pipefail
bin=$1
source "$(dirname "$0")/xvfb.sh"
game=
xvfb=
trap 'status=$?; kill $game $xvfb 2>/dev/null || true; ((status == 0)) || cat "$folder/game.log" 2>/dev/null; rm -rf "${folder:-}"' EXIT
start_screen 1280x800
fresh_program_folder "$bin"

# White pixels of the trump announcement, which a new game shows over the table's middle.
announced() {
    import -window root "$folder/shot.png"
    convert "$folder/shot.png" -crop 520x80+300+300 -fill black +opaque white -format "%[fx:mean*w*h>500]" info:
}
menu_bar_shown() {
    import -window root "$folder/shot.png"
    convert "$folder/shot.png" -crop 300x18+0+0 -format "%[fx:mean>0.6]" info:
}
expect() {
    local what=$1 want=$2 got
    for _ in $(seq 100); do
        got=$($3)
        [[ $got == "$want" ]] && { echo "ok: $what"; return; }
        sleep 0.1
    done
    echo "FAILED: $what"
    exit 1
}

for layout in "us,ru" "ru"; do
    # The Russian group is the active one: xdotool sends a Cyrillic letter on its own key with the
    # group of the Russian layout, as the keyboard does.
    setxkbmap -layout "$layout" -option "" -option grp:caps_toggle
    QT_QPA_PLATFORM=xcb "$folder/liorna" >"$folder/game.log" 2>&1 &
    game=$!
    for _ in $(seq 100); do xdotool search --name '^Загрузка$' >/dev/null 2>&1 && break; sleep 0.1; done
    table=$(xdotool search --name '^Лиорна$' | head -1) || { echo "FAILED: [$layout] no table window"; exit 1; }
    xdotool windowmove "$table" 0 0 windowsize "$table" 1280 800
    sleep 0.5
    press_play
    xdotool windowfocus "$table"
    expect "[$layout] the deal announces the trump" 1 announced
    expect "[$layout] the announcement goes" 0 announced
    xdotool key Cyrillic_a
    xdotool key ctrl+Cyrillic_te
    expect "[$layout] Ctrl+N starts a new game" 1 announced
    expect "[$layout] its announcement goes" 0 announced
    xdotool key F2
    expect "[$layout] F2 starts a new game" 1 announced
    xdotool key F3
    expect "[$layout] F3 hides the menus" 0 menu_bar_shown
    xdotool key ctrl+Cyrillic_shorti
    for _ in $(seq 30); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
    if kill -0 $game 2>/dev/null; then
        echo "FAILED: [$layout] Ctrl+Q did not end the program"
        exit 1
    fi
    status=0
    wait $game || status=$?
    if ((status != 0)); then
        echo "FAILED: [$layout] the program ended with status $status"
        exit 1
    fi
    echo "ok: [$layout] Ctrl+Q ends the program"
done
