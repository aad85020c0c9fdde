#!/usr/bin/env bash
# Runs the speed and memory benchmarks of a Release build and prints the ratio lines last.
set -euo pipefail
build_dir=${1:-build-bench}
out=$(mktemp)
"$build_dir/bench/keymap_bench" --benchmark_min_time=0.3 | tee "$out"
"$build_dir/bench/keymap_memory" | tee -a "$out"
echo
echo "== ratios (name measured target) =="
grep '^ratio ' "$out"
rm -f "$out"
