#!/usr/bin/env bash
# Builds cgcalc (Release, in build/) and starts it. Arguments are passed to
# the program. Until the window program exists, the command-line tool shows
# the results of the default model instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCGCALC_GUI=ON
# Only the programs: running needs none of the tests.
targets=(cgcalc-cli)
if [[ -f app/CMakeLists.txt ]]; then
  targets+=(cgcalc)
fi
cmake --build build -j2 --target "${targets[@]}"

if [[ -x build/app/cgcalc ]]; then
  if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are empty); the window needs one." >&2
  fi
  exec build/app/cgcalc "$@"
fi
exec build/cli/cgcalc-cli examples/default.dat
