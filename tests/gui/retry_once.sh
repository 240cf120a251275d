#!/usr/bin/env bash
# Runs a GUI check, and once more if it fails: a nested compositor under Xvfb has its own idea of the
# pointer, and a second one started afresh decides whether the game is at fault.
"$@" && exit 0
echo "--- failed once; again with a fresh desktop"
exec "$@"
