#!/bin/sh
# Takes a README screenshot of the main window: starts the built program
# under Xvfb with the default model (or MODEL loaded at start) and captures
# its window once the vortex lattice has answered.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUT.png] [MODEL]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
program="$build/app/cgcalc"
[ -x "$program" ] || { echo "build the program first (scripts/run.sh)"; exit 1; }
out_abs="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
model=${3:-}

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh -c '
  "$0" $2 &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "Static stability" | head -n 1)
  sleep 1
  import -window "$window" "$1"
  kill "$app"
' "$program" "$out_abs" "$model"
echo "wrote $out"
