#!/bin/sh
# Starts the real program under Xvfb and drives it through the keyboard:
# Ctrl+S in the fresh window opens the Save as dialog; a model typed into the
# fields gives the same diagram, pixel for pixel, as the command-line tool
# draws for it; Alt+F in a field opens the File menu and types nothing (nor
# does Alt with another letter); the title is English and carries the
# modified mark.
# Usage: window_diagram_test.sh CGCALC CGCALC_CLI FIND_SUBIMAGE
set -eu
cgcalc=$1 cli=$2 find_subimage=$3
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/install-deps.sh)"; exit 1; }
done
# The test's own folder; a failure keeps it with its evidence.
work=$(mktemp -d "${TMPDIR:-/tmp}/cgcalc-window-diagram.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The program keeps the balance check's inputs in the user's settings, and a
# measured centre of gravity found there adds its mark to the window's
# diagram: the program starts with settings of its own.
XDG_CONFIG_HOME=$work/config
export XDG_CONFIG_HOME
fail() {
  trap - EXIT
  echo "$* (evidence kept in $work)"
  exit 1
}

# Field texts in tab order: B Li Lk La Vk Sa Va Rh Bh Lih Lkh Lah Vkh Sah Vah.
texts="1500 240 200 120 -20 300 10 400 450 150 120 60 15 60 30"
# The same model in file order: B Sa Li Lk La Vk Va Bh Sah Lih Lkh Lah Vkh Vah Rh.
printf '%s\r\n' 1500 300 240 200 120 -20 10 450 60 150 120 60 15 30 400 > "$work/model.dat"
"$cli" --diagram "$work/expected.png" "$work/model.dat" >/dev/null

cat > "$work/session.sh" <<SESSION
set -eu
# xdotool fails when a window vanishes while it looks; these look again.
# shown: waits up to 20 s for a visible window whose name matches.
shown() {
  for attempt in \$(seq 40); do
    if xdotool search --onlyvisible --name "\$1" >/dev/null 2>&1; then return 0; fi
    sleep 0.5
  done
  return 1
}
# closed: presses Escape until no visible window's name matches (up to 10 s):
# on a busy machine the first Escape can come before the dialog has the focus.
closed() {
  for attempt in \$(seq 20); do
    if ! xdotool search --onlyvisible --name "\$1" >/dev/null 2>&1; then return 0; fi
    xdotool key Escape
    sleep 0.5
  done
  return 1
}
# visible_windows: how many windows of the program are on the screen.
visible_windows() {
  for attempt in \$(seq 10); do
    if xdotool search --onlyvisible --pid \$app > "$work/found.txt" 2>/dev/null; then
      wc -l < "$work/found.txt"
      return 0
    fi
    sleep 0.2
  done
  echo 0
}
"$cgcalc" &
app=\$!
trap 'kill \$app 2>/dev/null || true' EXIT
window=\$(timeout 20 xdotool search --sync --onlyvisible --name "Static stability" | head -n 1)
xdotool windowfocus --sync "\$window"
sleep 1

# Ctrl+S before anything was saved: the Save as dialog.
xdotool key --clearmodifiers ctrl+s
if shown "^Save As\\\$"; then
  echo yes > "$work/save_as.txt"
fi
closed "^Save As\\\$" || echo stuck > "$work/save_as_stuck.txt"
sleep 1
xdotool windowfocus --sync "\$window"

for text in $texts; do
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 -- "\$text"
  xdotool key Tab
done
sleep 1

# Back into the last field (Tab left it for the first push button), the text
# cursor before "30": a letter or digit typed there would change the tip offset.
xdotool key shift+Tab Home
sleep 0.5
before=\$(visible_windows)
xdotool key alt+f
sleep 1
after=\$(visible_windows)
echo "\$before \$after" > "$work/windows.txt"
# The first Escape closes the menu, the second leaves the menu bar.
xdotool key Escape Escape
sleep 0.5
xdotool key Home alt+x Home alt+1
sleep 1
xdotool getwindowname "\$window" > "$work/title.txt"
import -window root "$work/screen.png"
SESSION
# Other test runs on the machine start X servers too: the search for a free
# display number starts somewhere of this run's own, so that two searches
# rarely race for the same number.
xvfb-run -a -n $(( $$ % 500 + 100 )) -s "-screen 0 1024x768x24 -dpi 96" sh "$work/session.sh"

if [ "$(cat "$work/save_as.txt" 2>/dev/null)" != yes ]; then
  fail "Ctrl+S in the fresh window did not open the Save as dialog"
fi
if [ -e "$work/save_as_stuck.txt" ]; then
  fail "the Save as dialog did not close on Escape"
fi
read -r before after < "$work/windows.txt"
if [ "$after" -le "$before" ]; then
  fail "Alt+F opened no menu ($before visible windows before, $after after)"
fi
title=$(cat "$work/title.txt")
expected_title=" Static stability and Center of Gravity positions for model airplanes*"
if [ "$title" != "$expected_title" ]; then
  fail "window title is '$title', expected '$expected_title'"
fi
if ! position=$("$find_subimage" "$work/screen.png" "$work/expected.png"); then
  fail "the window's diagram (screen.png) differs from cgcalc-cli --diagram (expected.png), a field changed?"
fi
echo "diagram found at $position, Save as and File menu opened by keys, title ok"
