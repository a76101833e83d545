#!/usr/bin/env bash
# Builds and tests everything:
#   1. the normal build (build/, RelWithDebInfo, with the window; the same
#      build scripts/run.sh makes) and its tests, the end-to-end test under a
#      virtual X display included;
#   2. a clang build with AddressSanitizer and UndefinedBehaviorSanitizer
#      (build-asan/, without Qt) and its tests;
#   3. every libFuzzer target for a short run from its seed corpus.
# Any failure ends the script with a non-zero exit status.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)
source scripts/build-settings.sh

jobs=2
fuzz_seconds=${CGCALC_FUZZ_SECONDS:-20}
fuzz_targets=(fuzz_parse_number fuzz_format_fixed fuzz_model_reader fuzz_model_document)

section() {
  printf '\n========== %s ==========\n' "$*"
}

section "Dependencies"
./scripts/install-deps.sh test

section "Normal build (build/, RelWithDebInfo)"
cmake -S . -B "$normal_build" "${normal_options[@]}" -DCGCALC_TESTS=ON
cmake --build "$normal_build" -j"$jobs"

section "Tests of the normal build"
# The window tests run offscreen; the end-to-end test starts its own Xvfb.
ctest --test-dir "$normal_build" --output-on-failure --timeout 900

section "Sanitizer build (build-asan/, clang, ASan+UBSan, fuzz targets)"
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCGCALC_GUI=OFF -DCGCALC_TESTS=ON -DCGCALC_BENCH=OFF -DCGCALC_FUZZ=ON -DCGCALC_SANITIZE=ON
cmake --build build-asan -j"$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

section "Tests of the sanitizer build"
ctest --test-dir build-asan --output-on-failure --timeout 900 -j"$jobs"

section "Fuzzing (${fuzz_seconds} s per target)"
# The corpus is copied so that new inputs never land in the source tree;
# a crashing input is kept in build-asan/fuzz-artifacts/.
artifacts="$root/build-asan/fuzz-artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
for target in "${fuzz_targets[@]}"; do
  section "Fuzzing $target"
  binary="$root/build-asan/fuzz/$target"
  if [[ ! -x "$binary" ]]; then
    echo "$target was not built" >&2
    failed+=("$target")
    continue
  fi
  mkdir -p "$work/$target"
  if [[ -d "fuzz/corpus/$target" ]]; then
    cp -R "fuzz/corpus/$target/." "$work/$target/"
  fi
  # libFuzzer reports every new input; the log keeps that, the console
  # shows the summary, or the end of the log when the target failed.
  log="$artifacts/$target.log"
  if (cd "$work" && "$binary" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "$work/$target") >"$log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  else
    tail -n 80 "$log"
    echo "$target failed; the input and the whole log are in $artifacts" >&2
    failed+=("$target")
  fi
done
if ((${#failed[@]} > 0)); then
  section "FAILED: ${failed[*]}"
  exit 1
fi

section "All builds, tests and fuzz runs passed"
