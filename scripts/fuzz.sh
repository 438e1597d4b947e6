#!/usr/bin/env bash
# Runs every fuzz target built in BUILD for SECONDS each, starting from the seeds in
# fuzz/corpus/<target>, and says how many inputs each ran. A finding fails the run; its input
# is kept in BUILD/findings/ (replay: BUILD/fuzz/<target> BUILD/findings/<file>).
set -euo pipefail
build=${1:?build folder} seconds=${2:?seconds}
cd "$(dirname "$0")/.."
# The window targets write their files for every input; memory serves that faster than disk.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p "$build/findings"
failed=0
for target in fuzz/fuzz_*.cpp; do
  name=$(basename "$target" .cpp)
  corpus=$build/corpus/$name
  log=$build/findings/$name.log
  mkdir -p "$corpus"
  status=ok
  "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name-" "$corpus" "fuzz/corpus/${name#fuzz_}" \
    >"$log" 2>&1 || status=FAILED
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  printf '%-14s %10s inputs in %s s  %s\n' "$name" "${runs:-?}" "$seconds" "$status"
  if [ "$status" != ok ]; then
    failed=1
    tail -40 "$log"
  fi
done
exit $failed
