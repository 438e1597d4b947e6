#!/usr/bin/env bash
# Runs every fuzz target built in BUILD for SECONDS each, starting from the seeds in
# fuzz/corpus/<target>, and says how many inputs each ran. A finding fails the run; its input
# is kept in BUILD/findings/ (replay: BUILD/fuzz/<target> BUILD/findings/<file>).
# Targets run side by side, one per processor (FUZZ_JOBS to choose): each is single-threaded.
set -euo pipefail
build=${1:?build folder} seconds=${2:?seconds}
jobs=${FUZZ_JOBS:-$(nproc)}
if ! [[ $jobs =~ ^[1-9][0-9]*$ ]]; then
  echo "fuzz.sh: FUZZ_JOBS must be a whole number from 1, not '$jobs'" >&2
  exit 2
fi
cd "$(dirname "$0")/.."
# The window targets write their files for every input; memory serves that faster than disk.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p "$build/findings"
rm -f "$build"/findings/*.status

run() {  # run <target>: fuzzes it, leaving its log and its status ("ok" or "FAILED")
  local name=$1 status=ok
  local corpus=$build/corpus/$name log=$build/findings/$name.log
  mkdir -p "$corpus"
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" "$corpus" "fuzz/corpus/${name#fuzz_}" \
    >"$log" 2>&1 || status=FAILED
  echo "$status" >"$build/findings/$name.status"
}

names=()
echo "Fuzzing each target for $seconds s, $jobs at a time"
for target in fuzz/fuzz_*.cpp; do
  name=$(basename "$target" .cpp)
  names+=("$name")
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  run "$name" &
done
wait

failed=0
for name in "${names[@]}"; do
  log=$build/findings/$name.log
  status=$(cat "$build/findings/$name.status" 2>/dev/null || echo FAILED)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-18s %10s inputs in %s s  %s\n' "$name" "${runs:-?}" "$seconds" "$status"
  if [ "$status" != ok ]; then
    failed=1
    tail -40 "$log"
  fi
done
exit $failed
