#!/usr/bin/env bash
# clang-tidy (the checks of .clang-tidy) over the core: every source below the Qt layers. Needs a
# configured build for its compile commands; prints what it finds and fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/ci}
[ -f "$build/compile_commands.json" ] || { echo "clang_tidy.sh: no $build/compile_commands.json (configure first)" >&2; exit 2; }
tidy=$(command -v clang-tidy || command -v clang-tidy-14)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Two at a time: the machines this runs on have two cores.
ls src/{platform,persist,engine,opponent,play,game}/*.cpp |
    xargs -P2 -n4 "$tidy" -p "$build" --quiet >"$out" 2>&1 || true
findings=$(grep -cE ': (warning|error):' "$out" || true)
if [ "$findings" -ne 0 ]; then
    grep -E -A3 ': (warning|error):' "$out"
    echo "clang-tidy: $findings findings in the core" >&2
    exit 1
fi
echo "clang-tidy: the core is clean"
