#!/usr/bin/env bash
# Installs the Debian 12 packages cgcalc needs, and only those that are
# missing, so a second run changes nothing.
# Usage: install-deps.sh [test] [bench]
#   no argument: what building and running the programs need;
#   test:        also the test tools (scripts/test.sh);
#   bench:       also Google Benchmark (scripts/bench.sh).
# Without root and without sudo it installs nothing: it prints the command
# to run as root and exits with status 1.
set -euo pipefail

build_packages=(
  # compilers and build tools
  build-essential cmake g++
  # Qt 6 widgets, printing, concurrency and SVG; Qt6Gui's CMake package needs
  # the GL headers; the window needs a platform plugin to open on a desktop
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libopengl-dev
  # cgcalc-cli writes PNG images
  libpng-dev
  # the vortex lattice solves its equations with Eigen's dense LU
  libeigen3-dev
  # the model documents are JSON, read and written with nlohmann's library
  nlohmann-json3-dev
  # fonts: the window's captions are set in Liberation Sans, whose widths fit
  # the result table; DejaVu stands in for anything else
  fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra fontconfig
)
test_packages=(
  # the sanitizer build and the fuzz targets
  clang libclang-rt-14-dev
  # the test programs
  libgtest-dev googletest
  # saving must keep a file's ACL and extended attributes
  acl attr
  # the model documents are checked against their JSON Schema
  python3 python3-jsonschema
  # the end-to-end test and the screenshot: a virtual X display, keystrokes
  # and a screen capture
  xvfb xauth xdotool x11-utils imagemagick
)
# key_to_pixels: real X keys (XTest), damage reports and shared-memory images
bench_packages=(libbenchmark-dev libxtst-dev libxdamage-dev xvfb)

packages=("${build_packages[@]}")
for group in "$@"; do
  case "$group" in
    test) packages+=("${test_packages[@]}") ;;
    bench) packages+=("${bench_packages[@]}") ;;
    *)
      echo "usage: install-deps.sh [test] [bench]" >&2
      exit 2
      ;;
  esac
done

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

install_command=(apt-get install -y --no-install-recommends "${missing[@]}")
advise_root() {
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: $1; as root, run:" >&2
  echo "  ${install_command[*]}" >&2
  exit 1
}

if [[ $(id -u) -ne 0 ]] && ! command -v sudo >/dev/null 2>&1; then
  advise_root "not root and no sudo here"
fi
echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  DEBIAN_FRONTEND=noninteractive apt-get update
  DEBIAN_FRONTEND=noninteractive "${install_command[@]}"
  exit 0
fi
# sudo does not pass the environment on, so the setting goes through env.
sudo env DEBIAN_FRONTEND=noninteractive apt-get update || advise_root "sudo apt-get update failed"
sudo env DEBIAN_FRONTEND=noninteractive "${install_command[@]}" || advise_root "sudo apt-get install failed"
