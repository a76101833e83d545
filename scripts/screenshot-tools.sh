#!/bin/sh
# Takes the README's screenshots of the Tools windows: starts the built
# program under Xvfb with a balance check already entered (CG 100 mm, 2000 g,
# ballast station 100 mm ahead of the wing), opens both windows from the
# Tools menu and captures them and the main window with its magenta mark.
# Usage: scripts/screenshot-tools.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
program="$build/app/cgcalc"
[ -x "$program" ] || { echo "build the program first (scripts/run.sh)"; exit 1; }
docs="$(pwd)/docs"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/cgcalc"
printf '[BalanceCheck]\nmode=cg\nBal_CgInput=100\nBal_MassInput=2000\nBal_StationInput=-100\n' >"$config/cgcalc/cgcalc.conf"

XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 1600x1400x24 -dpi 96" sh -c '
  "$0" &
  app=$!
  main=$(timeout 20 xdotool search --sync --onlyvisible --name "Static stability" | head -n 1)
  sleep 1
  xdotool windowfocus --sync "$main"; sleep 0.5; xdotool key alt+t; sleep 0.5; xdotool key b
  balance=$(timeout 20 xdotool search --sync --onlyvisible --name "Balance check" | head -n 1)
  xdotool windowmove "$balance" 800 40
  xdotool windowfocus --sync "$main"; sleep 0.5; xdotool key alt+t; sleep 0.5; xdotool key w
  whatif=$(timeout 20 xdotool search --sync --onlyvisible --name "What if" | head -n 1)
  xdotool windowmove "$whatif" 40 600
  sleep 2
  import -window "$balance" "$1/balance-check.png"
  import -window "$whatif" "$1/what-if.png"
  import -window "$main" "$1/main-with-measured-cg.png"
  kill "$app"
' "$program" "$docs"
echo "wrote docs/balance-check.png, docs/what-if.png, docs/main-with-measured-cg.png"
