#!/usr/bin/env bash
# A 1000-point sweep with the vortex lattice (`cgcalc-cli --vlm --sweep`),
# against two yardsticks measured in the same run: the same sweep without
# --vlm (the rule alone), and the same --vlm sweep held to one core with
# taskset (what the threads gain). Runs each RUNS times (5 unless given), in
# turn, and prints the median wall times; the target is at most 2 s for the
# --vlm sweep on two cores.
#   bench/cli/vlm_sweep.sh CGCALC_CLI [RUNS]
set -euo pipefail
cli=${1:?usage: vlm_sweep.sh CGCALC_CLI [RUNS]}
runs=${2:-5}
model="$(dirname "${BASH_SOURCE[0]}")/../../examples/default.dat"
sweep=(--sweep Rh=0:999:1 "$model")  # 1000 points

milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

rule_times=() vlm_times=() one_core_times=()
for ((run = 0; run < runs; run++)); do
  rule_times+=("$(milliseconds "$cli" "${sweep[@]}")")
  vlm_times+=("$(milliseconds "$cli" --vlm "${sweep[@]}")")
  one_core_times+=("$(milliseconds taskset -c 0 "$cli" --vlm "${sweep[@]}")")
done
rule=$(printf '%s\n' "${rule_times[@]}" | median)
vlm=$(printf '%s\n' "${vlm_times[@]}" | median)
one_core=$(printf '%s\n' "${one_core_times[@]}" | median)
awk -v rule="$rule" -v vlm="$vlm" -v one="$one_core" -v cores="$(nproc)" 'BEGIN {
  printf "1000-point sweep: --vlm %d ms on %d cores (target at most 2000 ms), %.2f ms a point\n", vlm, cores, vlm / 1000
  printf "  yardsticks: without --vlm %d ms; --vlm on one core %d ms (threads gain %.2f times)\n", rule, one, one / (vlm > 0 ? vlm : 1)
}'
