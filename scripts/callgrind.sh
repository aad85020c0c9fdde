#!/usr/bin/env bash
# Instruction counts (callgrind) of loading, saving and retargeting the 400-item benchmark document,
# each alone, and retargeting against loading plus saving. Usage: scripts/callgrind.sh BUILD_DIR
# (a Release build with KEYMAP_BUILD_BENCH=ON, as `make bench` makes).
set -euo pipefail
build_dir=$(realpath "${1:-build-bench}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
declare -A counts
for operation in load save retarget; do
    valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$work/$operation.out" \
        "$build_dir/bench/keymap_instructions" "$operation" >/dev/null 2>"$work/$operation.log"
    counts[$operation]=$(sed -n 's/^summary: *//p' "$work/$operation.out")
    printf '%-9s %14d instructions\n' "$operation" "${counts[$operation]}"
done
awk -v r="${counts[retarget]}" -v l="${counts[load]}" -v s="${counts[save]}" \
    'BEGIN { printf "ratio retarget_vs_load_plus_save %.2f 1\n", r / (l + s) }'
