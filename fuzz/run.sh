#!/usr/bin/env bash
# Runs the fuzz targets for a bounded time: fuzz/run.sh SECONDS [PARALLEL [TARGET...]]
# Builds the preset "fuzz" first; runs every target unless some are named (ListFile, ...).
# Each target starts from its committed seeds (fuzz/corpus/TARGET) and from what earlier
# runs found (build/fuzz/corpus/TARGET), with the target's dictionary when it has one.
# PARALLEL targets run at once (default 1).
# FUZZ_RUNS=N also stops each target after N executions. Crashing inputs land in
# build/fuzz/artifacts/. Prints executions and the result per target; exits non-zero
# when a target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: fuzz/run.sh SECONDS [PARALLEL [TARGET...]]}
parallel=${2:-1}
shift $(($# < 2 ? $# : 2))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

out=build/fuzz
mkdir -p "$out/artifacts" "$out/logs"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*Fuzzer.cpp; do targets+=("$(basename "$source" Fuzzer.cpp)"); done
fi

run_target() {
  local name=$1 options=()
  mkdir -p "$out/corpus/$name"
  [ -f "fuzz/$name.dict" ] && options+=("-dict=fuzz/$name.dict")
  [ -n "${FUZZ_RUNS:-}" ] && options+=("-runs=$FUZZ_RUNS")
  # Leak checking stays on; inputs above 4 KB show nothing new for these targets.
  "$out/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2560 \
    -print_final_stats=1 -artifact_prefix="$out/artifacts/$name-" "${options[@]}" \
    "$out/corpus/$name" "fuzz/corpus/$name" >"$out/logs/$name.log" 2>&1
}

pids=()
for name in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do wait -n || true; done
  run_target "$name" &
  pids+=($!)
done

failed=0
printf '%-14s %14s  %s\n' target executions result
for i in "${!targets[@]}"; do
  name=${targets[$i]}
  if wait "${pids[$i]}"; then result=ok; else result="FAILED (see $out/logs/$name.log)"; failed=1; fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/logs/$name.log" | tail -1)
  printf '%-14s %14s  %s\n' "$name" "${executions:-?}" "$result"
done
exit $failed
