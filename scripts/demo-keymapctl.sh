#!/usr/bin/env bash
# Shows keymapctl on examples/: check, the item types, a macro converted to running text and
# back, a picture of the example keymap, and a QtScrcpy and a PlayCover keymap imported and drawn.
# Usage: demo-keymapctl.sh BUILD_DIR
set -euo pipefail
build_dir=${1:-build}
tool="$build_dir/tools/keymapctl/keymapctl"
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Commands in bold on a terminal only: a log or a pipe gets plain text.
bold='' plain=''
if [ -t 1 ]; then bold=$'\033[1m' plain=$'\033[0m'; fi
step() { printf '\n%s$ %s%s\n' "$bold" "$*" "$plain"; "$@"; }

step "$tool" check examples/keymap-landscape-1280x720.json
step "$tool" check --joystick examples/joystick-virtual-gamepad.json
step "$tool" types

macro=$(mktemp)
trap 'rm -f "$macro"' EXIT
printf 'click 640,360\nkey_press ctrl\nsleep 100\nkey_release ctrl\nloop 3\nswitch 100,200 mouse\nloop_end\n' >"$macro"
echo
echo "A macro in editing text:"
cat "$macro"
step "$tool" macro to-running --rect 1280x720 "$macro"
echo
echo "... and back to editing text:"
"$tool" macro to-running --rect 1280x720 "$macro" | "$tool" macro to-editing --rect 1280x720 -

mkdir -p "$build_dir/demo"
step "$tool" render --force examples/keymap-landscape-1280x720.json -o "$build_dir/demo/keymap.png"

# The import reports what it leaves out or changes, then the result is checked and drawn.
step "$tool" import --from qtscrcpy tests/keymapctl/data/qtscrcpy-shooter.json -o "$build_dir/demo/imported.json" \
    --force
step "$tool" check "$build_dir/demo/imported.json"
step "$tool" render --force "$build_dir/demo/imported.json" -o "$build_dir/demo/imported.png"
# A PlayCover keymap (an XML property list) of a 16:10 game, told by its content.
step "$tool" import --from auto tests/keymapctl/data/playcover-shooter.playmap -o "$build_dir/demo/playcover.json" \
    --force
step "$tool" check "$build_dir/demo/playcover.json"
step "$tool" render --force "$build_dir/demo/playcover.json" -o "$build_dir/demo/playcover.png" --size 1280x800
echo
echo "The pictures are at $(cd "$build_dir/demo" && pwd)/: keymap.png (the example keymap),"
echo "imported.png (the imported QtScrcpy keymap) and playcover.png (the imported PlayCover keymap)"
