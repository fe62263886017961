#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libpng-dev libfreetype-dev zlib1g-dev liblua5.4-dev
  libgtest-dev googletest libpixman-1-dev
  fonts-liberation xfonts-base
  xvfb xdotool xclip imagemagick x11-utils libx11-dev
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
