#!/usr/bin/env bash
# Runs the fuzz targets one after the other (one process at a time, so a shared machine
# keeps a core for everything else), each for SECONDS. New inputs go to the build
# folder's corpus, crashes to its artifacts; the seeds in fuzz/corpus are only read.
# Usage: fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(ini_file opcode_lines category_tree database data_check)

# The inputs that must be files are written for every run: keep them in memory.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts" "$build/fuzz-logs"
status=0
for target in "${targets[@]}"; do
  exe="$build/fuzz/fuzz_$target"
  work="$build/fuzz-corpus/$target"
  log="$build/fuzz-logs/$target.log"
  mkdir -p "$work"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/fuzz-artifacts/$target-")
  [ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")
  echo "== fuzz_$target for ${seconds} s (log: $log)"
  if ! "$exe" "${options[@]}" "$work" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz_$target FOUND A FAULT; the input is in $build/fuzz-artifacts/:"
    tail -n 60 "$log"
    status=1
  fi
  grep -E 'stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" || true
  echo "   corpus: $(find "$work" -type f | wc -l) files found, $(find "$root/fuzz/corpus/$target" -type f | wc -l) seeds"
done
exit $status
