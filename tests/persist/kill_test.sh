#!/usr/bin/env bash
# Kills a program that keeps saving the settings file at random moments (SIGKILL) and checks that the
# file is always one complete version: twenty CR LF lines, the statistics lines all of one count.
# Usage: kill_test.sh SAVE_LOOP_BINARY FRESH_SETTINGS_FILE [ROUNDS]
set -euo pipefail
loop=$1
fresh=$2
rounds=${3:-40}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/Setting"
cp "$fresh" "$folder/Setting/XP.kvz"
previous=0
for round in $(seq "$rounds"); do
    "$loop" "$folder" &
    pid=$!
    sleep "0.0$((RANDOM % 90 + 10))"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    file="$folder/Setting/XP.kvz"
    lines=$(tr -cd '\n' < "$file" | wc -c)
    crs=$(tr -cd '\r' < "$file" | wc -c)
    [ "$lines" -eq 20 ] && [ "$crs" -eq 20 ] || { echo "round $round: $lines lines, $crs CRs"; exit 1; }
    counts=$(tr -d '\r' < "$file" | sed -n '6,17p' | sort -u)
    [ "$(echo "$counts" | wc -l)" -eq 1 ] || { echo "round $round: mixed versions: $counts"; exit 1; }
    [ "$(tr -d '\r' < "$file" | sed -n '18p')" = "1" ] || { echo "round $round: line 17 changed"; exit 1; }
    # Temporary files have names of their own, never the old fixed one, and each start removes what
    # the killed saves before it left: at most the last kill's file is there.
    [ ! -e "$file.tmp" ] || { echo "round $round: a temporary file with the fixed name"; exit 1; }
    leftovers=$(find "$folder/Setting" -name 'XP.kvz.tmp-*' | wc -l)
    [ "$leftovers" -le 1 ] || { echo "round $round: $leftovers temporary files left behind"; exit 1; }
    previous=$counts
done
echo "kill test: $rounds kills, the file was whole every time (last version $previous, $leftovers leftover temporary file)"
echo "1 passed, 0 failed"
