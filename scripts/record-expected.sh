#!/usr/bin/env bash
# Records anew every expected output that the current build can record, then
# shows which recorded files changed: a deliberate change of the output is
# this one command and one review of `git diff tests/data`.
#
#   scripts/record-expected.sh [BUILD_DIR]     (default build/)
#
# BUILD_DIR must hold a built normal build with the window and the tests
# (-DCGCALC_GUI=ON -DCGCALC_TESTS=ON). Recorded here:
#   - tests/data/expected/NAME.labels and NAME.stderr for every .dat directly
#     in tests/data/ and examples/ (the latter as example-NAME), and for every
#     document in examples/ without a .dat file of its name;
#   - default.table, the balance window's .labels, default-inches.labels, the
#     AVL files;
#   - the vlm* and units-* outputs, the window listings and the balance check
#     in inches and ounces in tests/data/windows/, by
#     their tests' own record switch (CGCALC_RECORD);
#   - the diagram pictures, by their test's record switch;
#   - the calc digest, only when the -O0 and -O2 programs print the same bits.
# Not recorded, by design:
#   - diagram-random-models.txt: the random models' fingerprints must come
#     from a redraw that did not yet fit models into the diagram, so they are
#     never recorded with today's build (see CONTRIBUTING.md).
# A new digest is only a candidate: commit it only after checking the new
# digits against an independent calculation.
set -euo pipefail
build=${1:+$(realpath "$1")}
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${build:-build}
cli=$build/cli/cgcalc-cli
expected=tests/data/expected
for program in "$cli" "$build/tests/cli/test_cli" "$build/tests/ui/test_ui" \
               "$build/tests/calc/calc_digest_O0" "$build/tests/calc/calc_digest_O2"; do
  [ -x "$program" ] || { echo "record-expected: $program is missing: build $build first" >&2; exit 2; }
done
# The tests that record themselves write into the tree the build was made from.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
[ "$source_dir" -ef . ] || { echo "record-expected: $build was made from $source_dir, not from here" >&2; exit 2; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The --labels text of FILE as NAME.labels (none when the file fails) and its
# standard error, the path written as FILE, as NAME.stderr (none when empty).
record_model() {
  local out=$expected/$2
  if "$cli" --labels "$1" > "$out.labels" 2> "$scratch/stderr"; then :; else rm "$out.labels"; fi
  if [ -s "$scratch/stderr" ]; then sed "s|$1|FILE|g" "$scratch/stderr" > "$out.stderr"; else rm -f "$out.stderr"; fi
}
for f in examples/*.dat; do record_model "$f" "example-$(basename "$f" .dat)"; done
# A document with a .dat twin shares its record, which the test compares it with.
for f in examples/*.cgcalc; do
  [ -e "${f%.cgcalc}.dat" ] || record_model "$f" "example-$(basename "$f" .cgcalc)"
done
for f in tests/data/*.dat; do record_model "$f" "$(basename "$f" .dat)"; done

"$cli" tests/data/default.dat > "$expected"/default.table
"$cli" --labels --cg 100 --mass 2000 --ballast-at -100 tests/data/default.dat | grep '^Bal_' \
  > "$expected"/balance-default-cg100-mass2000-at-minus100.labels
# The window's labels of the default model in inches: what --labels prints
# after its line naming the units.
"$cli" --labels --units in tests/data/default.dat | tail -n +2 > "$expected"/default-inches.labels

# The AVL file's first line names the model file's path; the record says MODEL.
for avl in "$expected"/*.avl; do
  "$cli" --avl "$scratch/m.avl" "tests/data/$(basename "$avl" .avl).dat" > /dev/null
  sed '1s/.*/cgcalc: MODEL/' "$scratch/m.avl" > "$avl"
done

# The tests that record themselves report themselves skipped; their output
# is shown only when they fail.
record_by_test() {
  CGCALC_RECORD=1 QT_QPA_PLATFORM=offscreen "$@" > "$scratch/log" 2>&1 ||
    { cat "$scratch/log" >&2; echo "record-expected: $* failed" >&2; exit 1; }
}
record_by_test "$build/tests/cli/test_cli" \
  --gtest_filter='Vlm.EveryFormatGivesItsRecordedOutput:Units.RowsNameTheirUnits:DiagramFit.ModelsThatLeftTheDiagramAreDrawnWhole'
# Every recorded picture must be one the test draws.
for picture in "$expected"/diagram-*.png; do
  name=$(basename "$picture" .png)
  grep -q "{\"${name#diagram-}\"," tests/cli/diagram_fit_test.cpp ||
    { echo "record-expected: $(basename "$picture") is not drawn by diagram_fit_test.cpp" >&2; exit 1; }
done
record_by_test "$build/tests/ui/test_ui" \
  --gtest_filter='LayoutTest.ControlsAsAtStart:LayoutTest.AboutWindow:BalanceWindowTest.InchesAndOuncesShowTheRowsOfTheFile'

o0=$("$build/tests/calc/calc_digest_O0" | md5sum | cut -d' ' -f1)
o2=$("$build/tests/calc/calc_digest_O2" | md5sum | cut -d' ' -f1)
if [ "$o0" = "$o2" ]; then
  echo "$o2" > "$expected"/calc_digest.md5
else
  echo "record-expected: calc_digest.md5 left alone: -O0 gives $o0, -O2 gives $o2" >&2
fi

git status --short tests/data
git diff --stat tests/data
if ! git diff --quiet "$expected"/calc_digest.md5; then
  echo "record-expected: the calc digest changed: check the new digits against an independent calculation" >&2
fi
