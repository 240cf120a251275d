#!/usr/bin/env bash
# Runs a widget test on an X server of its own, where a window's backing store is memory shared with
# the server rather than the process's own. Usage: on_x11.sh TEST [ARGS...]
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
xvfb=
trap 'kill $xvfb 2>/dev/null || true' EXIT
start_screen 2560x1600
QT_QPA_PLATFORM=xcb "$@"
