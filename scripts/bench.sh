#!/usr/bin/env bash
# Builds the benchmarks (build-bench/, Release) and runs them. Prints how the
# number text rules compare with strtod and snprintf, and the time of one
# stability calculation. Extra arguments go to every benchmark program,
# e.g. --benchmark_filter=Parse. Every program named *_bench is run, then the
# start-up of cgcalc is compared with that of a plain Qt form with the same
# widgets (CGCALC_STARTUP_RUNS pairs of runs, 41 unless set), and a
# keystroke is timed from a real X key to the changed pixels (key_to_pixels,
# where the X headers and Xvfb are installed).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

./scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release \
  -DCGCALC_BENCH=ON -DCGCALC_GUI=ON -DCGCALC_TESTS=OFF -DCGCALC_FUZZ=OFF -DCGCALC_SANITIZE=OFF
cmake --build build-bench -j2 --target cgcalc_benchmarks

# The window's benchmarks need no display.
export QT_QPA_PLATFORM=offscreen
results=build-bench/results
mkdir -p "$results"
rm -f "$results"/*.csv
for program in build-bench/bench/*_bench; do
  name=$(basename "$program")
  printf '\n========== %s ==========\n' "$name"
  "$program" --benchmark_out="$results/$name.csv" --benchmark_out_format=csv "$@"
done
printf '\n========== Start-up: cgcalc against a plain Qt form ==========\n'
build-bench/bench/startup_timer --runs "${CGCALC_STARTUP_RUNS:-41}" \
  build-bench/app/cgcalc build-bench/bench/reference_form

if [[ -x build-bench/bench/key_to_pixels ]] && command -v Xvfb >/dev/null; then
  printf '\n========== A keystroke on the screen: real X keys to changed pixels ==========\n'
  build-bench/bench/key_to_pixels build-bench/app/cgcalc
fi

printf '\n========== cgcalc-cli against a minimal reader ==========\n'
build-bench/bench/cli/cli_timer
printf '\n========== cgcalc-cli --csv over 10000 files against cat ==========\n'
bench/cli/batch_ratio.sh build-bench/cli/cgcalc-cli
printf '\n========== cgcalc-cli --vlm over a 1000-point sweep ==========\n'
bench/cli/vlm_sweep.sh build-bench/cli/cgcalc-cli

# Sums of CPU times per benchmark family, and their ratios. CSV columns:
# name,iterations,real_time,cpu_time,time_unit,...; names are quoted.
printf '\n========== Summary (CPU time) ==========\n'
cat "$results"/*.csv | awk -F, '
  function ns(value, unit) {
    return unit == "us" ? value * 1e3 : unit == "ms" ? value * 1e6 : unit == "s" ? value * 1e9 : value
  }
  $1 ~ /^"BM_/ {
    name = $1; gsub(/"/, "", name)
    # Of repeated benchmarks only the median counts, as family "<name>_median".
    if (name ~ /_(mean|stddev|cv)$/) next
    family = name; sub(/\/.*/, "", family)
    if (name ~ /_median$/) { family = family "_median"; sub(/_median$/, "", name) }
    time = ns($4, $5)
    total[family] += time; count[family]++
    if (name ~ /\//) { index_ = name; sub(/^[^\/]*\//, "", index_); single[family, index_] = time }
  }
  function ratio(a, b,   i) {
    if (!(a in total) || !(b in total)) return
    printf "%s / %s: %.2f (mean %.1f ns vs %.1f ns)\n", a, b, total[a] / total[b],
      total[a] / count[a], total[b] / count[b]
    for (i = 0; i < count[a]; i++)
      if ((a, i) in single && (b, i) in single)
        printf "    case %d: %.1f ns vs %.1f ns, ratio %.2f\n", i, single[a, i], single[b, i], single[a, i] / single[b, i]
  }
  END {
    ratio("BM_ParseNumber", "BM_Strtod")
    ratio("BM_FormatFixed", "BM_Snprintf")
    if ("BM_CalcStability" in total)
      printf "CalcStability: %.1f ns per call\n", total["BM_CalcStability"]
    if ("BM_SurfaceGeometry" in total) printf "SurfaceGeometry: %.1f ns per call\n", total["BM_SurfaceGeometry"]
    if ("BM_ParseModelText" in total) printf "ParseModelText (90 bytes): %.1f ns\n", total["BM_ParseModelText"]
    if ("BM_ReadModelFile" in total) printf "ReadModelFile (examples/default.dat): %.1f ns\n", total["BM_ReadModelFile"]
    if ("BM_KeystrokeRecalculation_median" in total)
      printf "Keystroke recalculation in the window (median): %.1f us\n", total["BM_KeystrokeRecalculation_median"] / 1e3
  }'
