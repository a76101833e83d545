#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, test and run cgcalc.
# Installs only what is missing, so a second run changes nothing.
set -euo pipefail

packages=(
  # compilers and build tools
  build-essential cmake g++ clang libclang-rt-14-dev
  # test and benchmark libraries
  libgtest-dev googletest libbenchmark-dev
  # Qt 6 widgets, printing and QtTest; Qt6Gui's CMake package needs the GL headers
  qt6-base-dev qt6-qpa-plugins libgl-dev libopengl-dev
  # fonts: the window's captions are set in Liberation Sans, whose widths fit
  # the result table; DejaVu stands in for anything else
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra fontconfig
  # the end-to-end test and the screenshot: a virtual X display, keystrokes
  # and a screen capture
  xvfb xauth xdotool imagemagick
)

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "install-deps: no dpkg-query here (not Debian); assuming the packages are installed." >&2
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  if [[ "$status" != "install ok installed" ]]; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: all ${#packages[@]} packages are installed."
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo_command=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_command=(sudo)
fi
# sudo does not pass the environment on, so the setting goes through env.
"${sudo_command[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${sudo_command[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
