#!/usr/bin/env bash
# The binary interface of the shared library against the description of the current release:
#   abi.sh check BUILD_DIR QT    builds the library and compares it with abi/ovel-keymapmanager-qtQT.abi
#   abi.sh update BUILD_DIR QT   rewrites that description from the built library (for a release)
# The description is libabigail's abidw output: the exported symbols (cmake/exports.map keeps them to
# the library's own) and every type they reach.
# check fails when an exported function or variable was removed or changed (its signature, the layout
# of a type it reaches, a virtual table of an exported class), unless the SONAME, which is the major
# version, was raised; additions pass and are listed.
set -euo pipefail
mode=$1 build=$2 qt=$3
cd "$(dirname "$0")/.."
description=abi/ovel-keymapmanager-qt$qt.abi

cmake --build "$build" --target ovel-keymapmanager -j "${JOBS:-2}" >/dev/null
library=$(readlink -f "$build/libovel-keymapmanager.so")
soname() { sed -n "s/.*<abi-corpus [^>]*soname='\([^']*\)'.*/\1/p" "$1" | head -n1; }

if [ "$mode" = update ]; then
    # Hashed type ids, no paths and no source lines: the file changes only where the interface does.
    mkdir -p abi
    abidw --no-corpus-path --no-comp-dir-path --no-show-locs --type-id-style hash --out-file "$description" \
        "$library"
    echo "abi: $description now describes $(soname "$description") (Qt $qt)"
    exit 0
fi
[ "$mode" = check ] || { echo "abi.sh: unknown mode '$mode' (check or update)" >&2; exit 2; }
[ -f "$description" ] || { echo "abi: $description is missing: make abi-update writes it" >&2; exit 2; }

# abidiff's exit code has bit 1 for an error and 2 for a usage error; bits 4 and 8 (a change, an
# incompatible change) are judged from its summary, where removals and changes are told from additions.
status=0
mkdir -p "$build/abi"
abidiff "$description" "$library" >"$build/abi/report.txt" || status=$?
cat "$build/abi/report.txt"
if ((status & 3)); then
    echo "abi: abidiff failed ($status)" >&2
    exit 2
fi
count() { sed -nE "s/^$1 changes summary: (.*)/\1/p" "$build/abi/report.txt" | grep -oE "[0-9]+ $2" | grep -oE '^[0-9]+' || echo 0; }
broken=0 added=0
for kind in Functions Variables 'Function symbols' 'Variable symbols'; do
    broken=$((broken + $(count "$kind" Removed) + $(count "$kind" Changed)))
    added=$((added + $(count "$kind" Added)))
done
before=$(soname "$description") after=$(objdump -p "$library" | awk '$1 == "SONAME" {print $2}')
if [ "$broken" -eq 0 ]; then
    echo "abi: compatible with $before (Qt $qt); $added added"
elif [ "$before" != "$after" ]; then
    echo "abi: $broken removed or changed, allowed: the major version was raised ($before -> $after)"
else
    echo "abi: $broken removed or changed against $before (Qt $qt): restore them, or raise the major version" \
        "in CMakeLists.txt and note it in CHANGELOG.md" >&2
    exit 1
fi
