#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of seconds each, one after the
# other, and prints the executions each reached. Usage: scripts/fuzz.sh BUILD_DIR SECONDS
# Corpora grow in BUILD_DIR/fuzz-corpus/<target> across runs; crashes land in BUILD_DIR/fuzz-artifacts.
set -euo pipefail
build_dir=$(realpath "${1:?build dir}")
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
shared=$(realpath -m "$root/../shared/testdata")
work="$build_dir/fuzz-work"
rm -rf "$work"
mkdir -p "$work" "$build_dir/fuzz-artifacts"

# Seeds: the committed ones, the example keymaps (whole, and split into their items, feature images
# and macro lines) and the shared bad-input corpora.
python3 - "$root" "$shared" "$work/seeds" <<'PYTHON'
import glob, json, os, shutil, sys
root, shared, out = sys.argv[1:4]
targets = ["document", "item", "featureimage", "macro", "import", "retarget"]
for target in targets:
    os.makedirs(os.path.join(out, target))
    for seed in glob.glob(os.path.join(root, "fuzz/seeds", target, "*")):
        shutil.copy(seed, os.path.join(out, target))
def write(target, name, data):
    with open(os.path.join(out, target, name), "wb") as f:
        f.write(data)
documents = sorted(glob.glob(os.path.join(root, "examples/*.json"))) + \
            sorted(glob.glob(os.path.join(root, "fuzz/seeds/document/*.json")))
def lines_in(value, found):
    if isinstance(value, list) and value and all(isinstance(v, str) for v in value):
        found.append(value)
    elif isinstance(value, dict):
        for v in value.values():
            lines_in(v, found)
    elif isinstance(value, list):
        for v in value:
            lines_in(v, found)
for path in documents:
    base = os.path.basename(path)
    shutil.copy(path, os.path.join(out, "document", base))
    # Documents for moving: as they are (screens from a hash) and with a line of screens and options.
    shutil.copy(path, os.path.join(out, "retarget", base))
    write("retarget", f"wide-{base}", b"1280 720 2560 1080 1 1.7778 0:4\n" + open(path, "rb").read())
    try:
        document = json.load(open(path, encoding="utf-8"))
    except ValueError:
        continue
    for i, item in enumerate(document.get("keymaps", [])):
        write("item", f"{base}-{i}.json", json.dumps(item, indent=4).encode())
        found = []
        lines_in(item, found)
        for j, lines in enumerate(found):
            write("macro", f"{base}-{i}-{j}.txt", ("0 0 1920 1080\n" + "\n".join(lines)).encode())
    for g, group in enumerate(document.get("info", {}).get("feature_images", [])):
        for i, image in enumerate(group):
            write("featureimage", f"J{base}-{g}-{i}.json", b"J" + json.dumps(image).encode())
# The import's samples, each after the byte that picks its reader.
for prefix, pattern in ((b"\0", "qtscrcpy-*.json"), (b"\1", "playcover-*.playmap"), (b"\2", "scrcpy-mask-*.json")):
    for path in sorted(glob.glob(os.path.join(root, "tests/keymapctl/data", pattern))):
        write("import", os.path.basename(path), prefix + open(path, "rb").read())
suite = os.path.join(shared, "json-test-suite")
for path in sorted(glob.glob(os.path.join(suite, "*.json"))):
    shutil.copy(path, os.path.join(out, "document", os.path.basename(path)))
    if os.path.getsize(path) < 4096:
        shutil.copy(path, os.path.join(out, "item", os.path.basename(path)))
        write("featureimage", "J" + os.path.basename(path), b"J" + open(path, "rb").read())
blns = os.path.join(shared, "naughty-strings/blns.txt")
if os.path.exists(blns):
    write("macro", "blns.txt", b"0 0 1920 1080\n" + open(blns, "rb").read())
PYTHON

# A dictionary of JSON punctuation and every word the library's sources spell out: member names,
# type names, enumeration values, macro commands and key names.
dict="$work/keymap.dict"
{
    printf '"%s"\n' '{' '}' '[' ']' ':' ',' '\"' 'true' 'false' 'null' '-0' '1e308' '2147483648' '\\u0000'
    grep -rhoE '"[A-Za-z_][A-Za-z0-9_ ]{1,40}"' "$root/keymapmanager" "$root"/tools/keymapctl/import/import_* \
        --include='*.cpp' --include='*.h' |
        sort -u
} > "$dict"

declare -A seeds=([load_keymap_fuzzer]=document [load_joystick_fuzzer]=document [item_fuzzer]=item
                  [featureimage_fuzzer]=featureimage [macro_fuzzer]=macro [import_fuzzer]=import
                  [retarget_fuzzer]=retarget)
declare -A max_len=([load_keymap_fuzzer]=16384 [load_joystick_fuzzer]=16384 [item_fuzzer]=8192
                    [featureimage_fuzzer]=16384 [macro_fuzzer]=4096 [import_fuzzer]=16384
                    [retarget_fuzzer]=16384)
export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="*.debug=false;*.warning=false" # libpng's warnings on broken images would flood
status=0
summary=()
for target in load_keymap_fuzzer load_joystick_fuzzer item_fuzzer featureimage_fuzzer macro_fuzzer import_fuzzer \
    retarget_fuzzer; do
    binary="$build_dir/fuzz/$target"
    corpus="$build_dir/fuzz-corpus/$target"
    log="$work/$target.log"
    mkdir -p "$corpus"
    echo "fuzzing $target for ${seconds}s"
    leaks=${LSAN_OPTIONS:-}
    [ "$target" = import_fuzzer ] && leaks="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
    if LSAN_OPTIONS="$leaks" "$binary" "$corpus" "$work/seeds/${seeds[$target]}" -dict="$dict" -max_total_time="$seconds" \
        -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=3072 -print_final_stats=1 \
        -artifact_prefix="$build_dir/fuzz-artifacts/$target-" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
        grep -E "FUZZ FINDING|ERROR: |SUMMARY: |runtime error" "$log" | head -20 || true
        echo "(full log: $log)"
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    units=$(find "$corpus" -type f | wc -l)
    summary+=("$(printf '%-22s %-6s %12s executions %8s/s  corpus %d' "$target" "$result" "${executions:-?}" \
        "${speed:-?}" "$units")")
done
printf '%s\n' "${summary[@]}"
exit $status
