#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Pelmora need.
# Only missing packages are installed; when nothing is missing it prints nothing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libxcb1-dev qt6-multimedia-dev qt6-wayland qt6-l10n-tools qt6-tools-dev
  libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-wqy-microhei fonts-lato qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick weston openbox x11-utils
  dpkg-dev desktop-file-utils appstream lintian
  g++-mingw-w64-x86-64-posix wine wine64 googletest
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
