#!/usr/bin/env bash
# Loads the built-in templates and the files in examples/ and prints what they hold.
set -euo pipefail
build_dir=${1:-build}
tool="$build_dir/tools/keymapctl/keymapctl"
if [ -x "$tool" ]; then
    exec bash "$(dirname "$0")/demo-keymapctl.sh" "$build_dir"
fi
exec "$build_dir/tests/demo_print" examples/*.json
