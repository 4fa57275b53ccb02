#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kolvira need.
# Installs nothing when every package is already present.
set -euo pipefail

build_packages=(
  cmake g++ make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-tools-dev-tools
  qt6-tools-dev qt6-l10n-tools
  libqt6sql6-sqlite libqt6svg6 qt6-qpa-plugins libqt6multimedia6
  liberfa-dev libsqlite3-dev tzdata ccache
  libgl-dev libvulkan-dev libxcb1-dev dpkg-dev file
  libtimezonemap-data iso-codes
  clang libfuzzer-14-dev
)
# A real desktop session for running the program and its end-to-end tests,
# which see it through the accessibility tree; the readers of the PDF and
# calendar files the tests check.
run_packages=(
  xvfb xauth x11-utils xdotool openbox trayer
  pulseaudio pulseaudio-utils sox libsox-fmt-mp3 libfaketime
  gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  imagemagick desktop-file-utils appstream
  dbus-daemon at-spi2-core python3-dogtail python3-dbus python3-gi
  poppler-utils python3-icalendar fonts-dejavu-core sound-theme-freedesktop
)

want=("${build_packages[@]}")
if [ "${1:-}" != "--build-only" ]; then
  want+=("${run_packages[@]}")
fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
