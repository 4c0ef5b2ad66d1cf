#!/usr/bin/env bash
# Installs the Debian packages Murk needs to build, play and test (only those missing).
set -euo pipefail

PACKAGES=(
  cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libmpg123-dev libsdl2-ttf-dev libfontconfig-dev pkg-config libx11-dev
  fonts-dejavu-core fonts-comic-neue
  lame sox
  zlib1g-dev  # levelpic writes its level pictures as PNG through zlib
  xvfb xauth xdotool imagemagick x11-utils xfonts-base
  libxtst-dev  # the end-to-end tests press several keys at once through the X test extension
  clang libclang-rt-14-dev
  clang-format  # the house style is checked before the build
  desktop-file-utils  # the installed game's menu entry is checked with desktop-file-validate
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
