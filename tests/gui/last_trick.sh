#!/usr/bin/env bash
# The real program under Xvfb on a screen of the given size: «Пойти» pressed with nothing selected
# says why on the hint line, and after a trick Tab shows it again over the middle of the table. Takes
# the screenshots and checks them where the scene puts things. Usage: last_trick.sh BUILD_BIN_DIR OUT_DIR WxH
set -euo pipefail
bin=$1
out=$2
size=$3
mkdir -p "$out"
source "$(dirname "$0")/xvfb.sh"
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "${folder:-}"' EXIT
fail() { echo "FAILED: [$size] $*"; exit 1; }
start_screen "$size"
fresh_program_folder "$bin"
start_game "$size"
sleep 0.5
press_play
# The deal is dealt and the hands drawn.
sleep 3
wait_idle
eval "$(xdotool getwindowgeometry --shell "$table")"
import -window root "$out/dealt.png"
find_view "$out/dealt.png"
# at LX LY: the screen point of a logical point of the scene.
at() {
    awk -v W="$WIDTH" -v H="$viewH" -v X="$X" -v Y="$viewY" -v x="$1" -v y="$2" 'BEGIN {
        s = W / 1024; if (H / 768 < s) s = H / 768
        printf "%d %d", X + (W - 1024 * s) / 2 + x * s, Y + (H - 768 * s) / 2 + y * s }'
}
click() {
    read -r cx cy <<<"$(at "$1" "$2")"
    xdotool mousemove "$cx" "$cy" click 1
}

# «Пойти» with nothing selected: refused once the faces are redrawn, and the hint line says why.
click 757 548
sleep 0.4
import -window root "$out/refusal_reason.png"
read -r r g b white <<<"$(measure "$out/refusal_reason.png" "$(rect 232 476 488 28)")"
echo "hint line after the refusal: mean $r/$g/$b, white $white%"
((white >= 3)) || fail "no text on the hint line in $out/refusal_reason.png"

# One card led; the computer answers, the trick is cleared and the hands refilled.
wait_idle
click 275 624
click 757 548
sleep 3
wait_idle
xdotool key --window "$table" Tab
sleep 0.5
import -window root "$out/last_trick.png"
# The plate is dark where the felt was; the led card shows its face in the plate's middle.
read -r r g b white <<<"$(measure "$out/last_trick.png" "$(rect 200 240 60 60)")"
echo "plate: mean $r/$g/$b"
((g < 25 && r < 25)) || fail "no plate over the middle of the table in $out/last_trick.png"
read -r r g b white <<<"$(measure "$out/last_trick.png" "$(rect 469 306 71 96)")"
echo "led card on the plate: mean $r/$g/$b, white $white%"
((white >= 20)) || fail "no face on the plate in $out/last_trick.png"
# Any key closes it again.
xdotool key --window "$table" Escape
sleep 0.5
import -window root "$out/closed.png"
read -r r g b white <<<"$(measure "$out/closed.png" "$(rect 200 240 60 60)")"
echo "after a key: mean $r/$g/$b"
((g > r + 15)) || fail "the plate stayed after a key in $out/closed.png"
echo "screenshots in $out"
