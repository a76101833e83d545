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

# Wall and CPU (user + system) time of a command in ms, as "WALL CPU". The
# CPU time shows the work itself when other programs share the cores.
milliseconds() {
  local TIMEFORMAT='%R %U %S' times
  times=$({ time "$@" >/dev/null; } 2>&1)
  awk -v t="$times" 'BEGIN { split(t, v, " "); printf "%d %d\n", v[1] * 1000, (v[2] + v[3]) * 1000 }'
}

# The median of the first (WALL) or second (CPU) column.
median() { cut -d' ' -f"$1" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

rule_times=() vlm_times=() one_core_times=()
for ((run = 0; run < runs; run++)); do
  rule_times+=("$(milliseconds "$cli" "${sweep[@]}")")
  vlm_times+=("$(milliseconds "$cli" --vlm "${sweep[@]}")")
  one_core_times+=("$(milliseconds taskset -c 0 "$cli" --vlm "${sweep[@]}")")
done
rule=$(printf '%s\n' "${rule_times[@]}" | median 1)
vlm=$(printf '%s\n' "${vlm_times[@]}" | median 1)
vlm_cpu=$(printf '%s\n' "${vlm_times[@]}" | median 2)
one_core=$(printf '%s\n' "${one_core_times[@]}" | median 1)
awk -v rule="$rule" -v vlm="$vlm" -v cpu="$vlm_cpu" -v one="$one_core" -v cores="$(nproc)" 'BEGIN {
  printf "1000-point sweep: --vlm %d ms on %d cores (target at most 2000 ms), CPU %d ms, %.2f ms a point\n", vlm, cores, cpu, cpu / 1000
  printf "  yardsticks: without --vlm %d ms; --vlm on one core %d ms (the threads: %.2f times as fast)\n", rule, one, one / (vlm > 0 ? vlm : 1)
}'
