#!/bin/sh
# Starts the real program under Xvfb, types a model into its fields through the
# keyboard, and checks that the window's diagram equals, pixel for pixel, what
# the command-line tool draws for the same model, and that the title is English.
# Usage: window_diagram_test.sh CGCALC CGCALC_CLI FIND_SUBIMAGE
set -eu
cgcalc=$1 cli=$2 find_subimage=$3
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/install-deps.sh)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Field texts in tab order: B Li Lk La Vk Sa Va Rh Bh Lih Lkh Lah Vkh Sah Vah.
texts="1500 240 200 120 -20 300 10 400 450 150 120 60 15 60 30"
# The same model in file order: B Sa Li Lk La Vk Va Bh Sah Lih Lkh Lah Vkh Vah Rh.
printf '%s\r\n' 1500 300 240 200 120 -20 10 450 60 150 120 60 15 30 400 > "$work/model.dat"
"$cli" --diagram "$work/expected.png" "$work/model.dat" >/dev/null

cat > "$work/session.sh" <<SESSION
set -eu
"$cgcalc" &
app=\$!
trap 'kill \$app 2>/dev/null || true' EXIT
window=\$(timeout 20 xdotool search --sync --onlyvisible --name "Static stability" | head -n 1)
xdotool windowfocus --sync "\$window"
sleep 1
for text in $texts; do
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 -- "\$text"
  xdotool key Tab
done
sleep 1
xdotool getwindowname "\$window" > "$work/title.txt"
import -window root "$work/screen.png"
SESSION
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" sh "$work/session.sh"

title=$(cat "$work/title.txt")
expected_title=" Static stability and Center of Gravity positions for model airplanes"
if [ "$title" != "$expected_title" ]; then
  echo "window title is '$title', expected '$expected_title'"
  exit 1
fi
if ! position=$("$find_subimage" "$work/screen.png" "$work/expected.png"); then
  cp "$work/screen.png" /tmp/cgcalc-e2e-screen.png
  cp "$work/expected.png" /tmp/cgcalc-e2e-expected.png
  echo "the window's diagram differs from cgcalc-cli --diagram (kept in /tmp/cgcalc-e2e-*.png)"
  exit 1
fi
echo "diagram found at $position, title ok"
