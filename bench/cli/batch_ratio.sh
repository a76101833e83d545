#!/usr/bin/env bash
# Many model files in one run of `cgcalc-cli --csv` against `cat` over the
# same files: reading them should be what costs, not the arithmetic or the
# formatting. Writes COUNT model files (10000 unless given) to a temporary
# folder, then runs both commands in turn RUNS times (11 unless given) and
# prints the median wall times and their ratio (target: at most 3).
#   bench/cli/batch_ratio.sh CGCALC_CLI [COUNT] [RUNS]
set -euo pipefail
cli=${1:?usage: batch_ratio.sh CGCALC_CLI [COUNT] [RUNS]}
count=${2:-10000}
runs=${3:-11}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# Varied models in the file format the program writes: fifteen lines of a
# whole number, right-aligned in four characters, CR LF.
awk -v folder="$folder" -v count="$count" 'BEGIN {
  srand(7)
  for (i = 0; i < count; i++) {
    file = sprintf("%s/m%05d.dat", folder, i)
    split("1300 0 220 210 0 -30 0 415 50 160 110 40 20 30 360", v, " ")
    v[1] += int(rand() * 600) - 300; v[15] += int(rand() * 100) - 50; v[3] += int(rand() * 40) - 20
    for (k = 1; k <= 15; k++) printf "%4d\r\n", v[k] > file
    close(file)
  }
}'
files=("$folder"/*.dat)

milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cat_times=() cli_times=()
# Warm the page cache so that both read from memory.
cat "${files[@]}" >/dev/null
for ((run = 0; run < runs; run++)); do
  cat_times+=("$(milliseconds cat "${files[@]}")")
  cli_times+=("$(milliseconds "$cli" --csv "${files[@]}")")
done
cat_median=$(printf '%s\n' "${cat_times[@]}" | median)
cli_median=$(printf '%s\n' "${cli_times[@]}" | median)
awk -v n="$count" -v a="$cli_median" -v b="$cat_median" 'BEGIN {
  printf "%d model files: cgcalc-cli --csv %d ms, cat %d ms, ratio %.2f (target at most 3)\n", n, a, b, a / (b > 0 ? b : 1)
  printf "per model: %.1f us\n", a * 1000 / n
}'
