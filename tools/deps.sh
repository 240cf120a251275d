#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and be tested, when they are missing.
set -euo pipefail
packages=(
    g++ clang clang-tidy cmake git pkg-config clang-format libgtest-dev gcovr
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev qt6-translations-l10n
    libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
    fonts-dejavu-core fonts-liberation2 xdg-utils
    desktop-file-utils appstream dpkg-dev file lintian
    xvfb xauth x11-apps x11-utils imagemagick xdotool ccache libxcb1-dev libxcb-damage0-dev
    weston qt6-wayland openbox xcompmgr wmctrl
    dbus at-spi2-core python3 python3-pyatspi
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
