#!/usr/bin/env bash
# Builds cgcalc and cgcalc-cli in build/ and starts the window. Installs only
# what building and running need. The build is the one scripts/test.sh makes
# (same folder, type and options), so either script reuses the other's work.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/build-settings.sh

./scripts/install-deps.sh

options=("${normal_options[@]}")
# Running needs none of the tests, and GoogleTest may not be installed; a
# build that test.sh has set up keeps its tests.
if ! grep -qx 'CGCALC_TESTS:BOOL=ON' "$normal_build/CMakeCache.txt" 2>/dev/null; then
  options+=(-DCGCALC_TESTS=OFF)
fi
cmake -S . -B "$normal_build" "${options[@]}"
cmake --build "$normal_build" -j2 --target cgcalc cgcalc-cli

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are empty); the window needs one." >&2
fi
exec "$normal_build/app/cgcalc"
