#!/bin/sh
# What the window manager sees of the program's windows under a real X
# server (Xvfb): the About window carries WM_TRANSIENT_FOR naming the main
# window (else a click into the main window buries it), and at
# QT_SCALE_FACTOR=2 on a 1920x1080 screen (960x540 for the program) every
# window opens inside the screen.
# Usage: window_placement_test.sh CGCALC
set -eu
cgcalc=$1
for tool in xvfb-run xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/install-deps.sh)"; exit 1; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/cgcalc-window-placement.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  trap - EXIT
  echo "$* (evidence kept in $work)"
  exit 1
}

cat > "$work/session.sh" <<SESSION
set -eu
# The settings of this run only: no remembered balance check.
export XDG_CONFIG_HOME="$work/config"
# window NAME: the id of the visible window whose name matches (up to 20 s).
window() {
  for attempt in \$(seq 40); do
    if xdotool search --onlyvisible --name "\$1" 2>/dev/null | head -n 1 | grep .; then return 0; fi
    sleep 0.5
  done
  return 1
}
# geometry ID: "x y width height" of the window on the screen.
geometry() {
  xwininfo -id "\$1" | awk '/Absolute upper-left X/ {x=\$NF} /Absolute upper-left Y/ {y=\$NF}
    /Width:/ {w=\$NF} /Height:/ {h=\$NF} END {print x, y, w, h}'
}

"$cgcalc" &
app=\$!
main=\$(window "Static stability")
xdotool windowfocus --sync "\$main"
sleep 1
xdotool key --clearmodifiers alt+h Return
about=\$(window "^About\\\$")
printf '%d %s\n' "\$main" "\$(xprop -id "\$about" WM_TRANSIENT_FOR)" > "$work/transient.txt"
kill \$app
wait \$app || true

QT_SCALE_FACTOR=2 "$cgcalc" &
app=\$!
main=\$(window "Static stability")
xdotool windowfocus --sync "\$main"
sleep 1
geometry "\$main" > "$work/main.txt"
xdotool key --clearmodifiers alt+t b
balance=\$(window "^Balance check\\\$")
sleep 1
geometry "\$balance" > "$work/balance.txt"
xdotool windowfocus --sync "\$main"
xdotool key --clearmodifiers alt+t w
whatif=\$(window "^What if")
sleep 1
geometry "\$whatif" > "$work/whatif.txt"
kill \$app
SESSION
# -noreset: the server must not reset when the first program ends, or the
# second start could find it gone for a moment.
xvfb-run -a -n $(( $$ % 500 + 600 )) -s "-screen 0 1920x1080x24 -dpi 96 -noreset" sh "$work/session.sh"

read -r main transient < "$work/transient.txt" || fail "the About window did not open"
case "$transient" in
  *"window id # "*) [ $(( ${transient##* } )) -eq "$main" ] ||
    fail "About is transient for ${transient##* }, not for the main window $main" ;;
  *) fail "About has no WM_TRANSIENT_FOR: $transient" ;;
esac
for name in main balance whatif; do
  [ -s "$work/$name.txt" ] || fail "the $name window did not open"
  read -r x y w h < "$work/$name.txt"
  if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt 1920 ] || [ $((y + h)) -gt 1080 ]; then
    fail "at QT_SCALE_FACTOR=2 the $name window lies at $x,$y size ${w}x$h, beyond the 1920x1080 screen"
  fi
done
echo "About is transient for the main window; at scale 2 every window is on the screen"
