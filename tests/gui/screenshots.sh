#!/usr/bin/env bash
# Starts the real program under Xvfb, takes screenshots of the start screen and of the dealt table,
# and checks what a player would see: the start screen drawn, and on the dealt table the faces, the
# backs and the felt where the scene puts them. Usage: screenshots.sh BUILD_BIN_DIR OUT_DIR [SCALE]
set -euo pipefail
bin=$1
out=$2
scale=${3:-1}
mkdir -p "$out"
source "$(dirname "$0")/xvfb.sh"
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "${folder:-}"' EXIT
# A screen of 1280 x 800 logical pixels at the given pixel ratio.
start_screen $((1280 * scale))x$((800 * scale))
fresh_program_folder "$bin"

export QT_SCALE_FACTOR=$scale
# Without a window manager nothing maximises the table: size it to the screen as one would.
start_game $((1280 * scale))x$((800 * scale))
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

# The dealt table itself, where the scene puts its cards.
dealt=$out/dealt_table.png
fail() { echo "FAILED: $1 (see $dealt)"; exit 1; }
find_view "$dealt"
echo "view at $X,$viewY ${WIDTH}x$viewH"
for k in 1 2 3 4 5; do
    # The human's faces: much white (a court card has least) with the ink of the suit or the court;
    # no felt shows through.
    read -r r g b white <<<"$(measure "$dealt" "$(rect $((240 + 104 * (k - 1))) 576 71 96)")"
    echo "human card $k: mean $r/$g/$b, white $white%"
    ((white >= 20 && white <= 97)) || fail "human card $k is no face"
    ((g < r + 15 || b > 60)) || fail "felt where human card $k should be"
    # The computer's backs: blue.
    read -r r g b white <<<"$(measure "$dealt" "$(rect $((240 + 104 * (k - 1))) 24 71 96)")"
    echo "computer card $k: mean $r/$g/$b"
    ((b > r + 15 && b > g + 5)) || fail "computer card $k shows no back"
done
# The felt between the human's first two cards, and in the empty middle of the table.
for area in "313 592 26 64" "400 180 200 80"; do
    read -r r g b white <<<"$(measure "$dealt" "$(rect $area)")"
    echo "felt at $area: mean $r/$g/$b"
    ((g > r + 15 && g > b + 10)) || fail "no felt at logical $area"
done
echo "screenshots in $out"
