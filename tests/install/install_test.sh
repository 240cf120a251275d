#!/usr/bin/env bash
# Installs the build into a scratch prefix, validates what the desktop reads (entry, AppStream metadata,
# icons), then starts the installed game offscreen from an unrelated folder with an empty home: it must
# prepare the player's folder, keep running, and leave the prefix exactly as installed.
# Usage: install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
scratch=$(mktemp -d)
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

entry=$prefix/share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry $entry"
out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate complains: $out"
echo "desktop entry valid: $entry"

meta=$prefix/share/metainfo/$id.metainfo.xml
out=$(appstreamcli validate --no-net "$meta" 2>&1) || fail "appstreamcli: $out"
if grep -E '^(E|W):' <<<"$out"; then fail "appstreamcli reports errors or warnings"; fi
echo "metainfo valid: $(tail -1 <<<"$out")"

for n in 16 32 48 64 128 256 512; do
    icon=$prefix/share/icons/hicolor/${n}x${n}/apps/$id.png
    size=$(identify -format '%wx%h' "$icon") || fail "cannot read $icon"
    [ "$size" = "${n}x${n}" ] || fail "$icon is $size"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"
echo "icons: 16 to 512 px and scalable"

for f in games/liorna lib/games/liorna/liorna-clip.so share/games/liorna/Setting/XP.kvz \
    share/games/liorna/Help/index.htm share/games/liorna/Orvel.avi share/games/liorna/Melodies/A10.wav \
    share/man/man6/liorna.6.gz share/doc/liorna/copyright; do
    [ -f "$prefix/$f" ] || fail "missing $f"
done
[ "$(readlink -f "$prefix/bin/liorna")" = "$(readlink -f "$prefix/games/liorna")" ] || fail "bin/liorna link"

snapshot() { (cd "$prefix" && find . -printf '%p %y %s %m %T@\n' | sort); }
before=$(snapshot)

# From an unrelated folder, with a home that has nothing in it yet.
home=$scratch/home
mkdir -p "$home" "$scratch/elsewhere"
cd "$scratch/elsewhere"
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/liorna" >"$scratch/out.txt" 2>&1 &
game=$!
sleep 4
kill -0 "$game" 2>/dev/null || { cat "$scratch/out.txt"; fail "the installed game ended"; }
user=$home/.local/share/liorna
cmp -s "$user/Setting/XP.kvz" "$prefix/share/games/liorna/Setting/XP.kvz" || fail "settings not copied to $user"
[ -d "$user/pictures" ] || fail "no pictures folder in $user"
for f in Melodies/A1.wav Help/index.htm Orvel.avi; do
    cmp -s "$user/$f" "$prefix/share/games/liorna/$f" || fail "$user/$f does not reach the shared file"
done
kill "$game"
wait "$game" 2>/dev/null || true
game=""
echo "player's folder prepared: $(cd "$user" && find . | sort | tr '\n' ' ')"

# A home that cannot hold the folder: the game says which path and makes nothing.
: >"$scratch/home-file"
env -u XDG_DATA_HOME HOME="$scratch/home-file" QT_QPA_PLATFORM=offscreen "$prefix/games/liorna" \
    >"$scratch/refused.txt" 2>&1 &
game=$!
sleep 2
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
game=""
grep -q "$scratch/home-file" "$scratch/refused.txt" || { cat "$scratch/refused.txt"; fail "no message naming the home"; }
echo "refused: $(grep liorna: "$scratch/refused.txt")"

[ "$before" = "$(snapshot)" ] || { diff <(echo "$before") <(snapshot); fail "the prefix changed"; }
echo "prefix unchanged"
