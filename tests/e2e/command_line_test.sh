#!/bin/sh
# The program's command line: --help and --version answer without a display,
# no display at all, or one that does not answer, is said in one line instead
# of an abort, and a file named on the command line is loaded once the window is open (under Xvfb: its
# diagram equals cgcalc-cli's), a missing one reported in a box.
# Usage: command_line_test.sh CGCALC CGCALC_CLI FIND_SUBIMAGE VERSION
set -eu
cgcalc=$1 cli=$2 find_subimage=$3 version=$4
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (run scripts/install-deps.sh)"; exit 1; }
done
# The test's own folder; a failure keeps it with its evidence.
work=$(mktemp -d "${TMPDIR:-/tmp}/cgcalc-command-line.XXXXXX")
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

# Without any display.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cgcalc" "$@"; }
headless --help > "$work/help.txt" || fail "--help failed"
[ "$(head -n 1 "$work/help.txt")" = "Usage: cgcalc [FILE]" ] || fail "--help printed: $(cat "$work/help.txt")"
[ "$(headless --version)" = "cgcalc $version" ] || fail "--version printed: $(headless --version)"
status=0
headless "$work/none.dat" > "$work/out.txt" 2> "$work/err.txt" || status=$?
[ "$status" -eq 1 ] || fail "without a display the exit status is $status, not 1"
[ "$(cat "$work/err.txt")" = "cgcalc: no display found (DISPLAY and WAYLAND_DISPLAY are empty)" ] ||
  fail "without a display it said: $(cat "$work/err.txt")"
[ ! -s "$work/out.txt" ] || fail "without a display it printed: $(cat "$work/out.txt")"
# A display that does not answer is said in one line, not as an abort.
status=0
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:7931 "$cgcalc" > "$work/out.txt" 2> "$work/err.txt" || status=$?
[ "$status" -eq 1 ] || fail "with a display that does not answer the exit status is $status, not 1"
[ "$(cat "$work/err.txt")" = "cgcalc: cannot open the display :7931" ] ||
  fail "with a display that does not answer it said: $(cat "$work/err.txt")"
status=0
headless --frobnicate > /dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "an unknown option gives exit status $status, not 2"

# A model file on the command line, under a real X server.
printf '%s\r\n' 1500 300 240 200 120 -20 10 450 60 150 120 60 15 30 400 > "$work/model.dat"
"$cli" --diagram "$work/expected.png" "$work/model.dat" >/dev/null
cat > "$work/session.sh" <<SESSION
set -eu
# Waits up to 20 s for a visible window whose name matches; a window that
# vanishes while xdotool looks makes it fail, so it simply looks again.
shown() {
  for attempt in \$(seq 40); do
    if xdotool search --onlyvisible --name "\$1" >/dev/null 2>&1; then return 0; fi
    sleep 0.5
  done
  return 1
}
cd "$work"
"$cgcalc" model.dat &
app=\$!
trap 'kill \$app 2>/dev/null || true' EXIT
shown "Static stability"
sleep 1
import -window root "$work/loaded.png"
kill \$app

"$cgcalc" "$work/missing.dat" &
app=\$!
shown "Static stability"
if shown "^cgcalc\\\$"; then
  echo yes > "$work/reported.txt"
fi
SESSION
# Other test runs on the machine start X servers too: the search for a free
# display number starts somewhere of this run's own, so that two searches
# rarely race for the same number. The server must not reset when the first
# program ends: the second one would find no server to connect to.
xvfb-run -a -n $(( $$ % 500 + 100 )) -s "-noreset -screen 0 1024x768x24 -dpi 96" sh "$work/session.sh"

"$find_subimage" "$work/loaded.png" "$work/expected.png" >/dev/null ||
  fail "the file named on the command line was not loaded: its diagram is not on the screen"
[ "$(cat "$work/reported.txt" 2>/dev/null)" = yes ] || fail "a missing file on the command line was not reported"
echo "command line ok"
