# keymapctl check: good files, each kind of broken file, unreadable input, JSON output, usage.
source "$(dirname "$0")/lib.sh"

run check "$DATA/good.json"
expect_rc 0
expect_out "good.json: OK: 12 items (BunchClick 1, Click 2, Curve 1, Eye 1, Fire 1, Macro 1, Spell 1, Staring 1, Swipehold 1, Wheel 1, Zoom 1); not an intelligent config"

run check "$DATA/with-images.json"
expect_rc 0
expect_out "intelligent config (2 feature image groups)"

for example in "$SOURCE_DIR"/examples/*.json; do
    run check $(grep -q '"is_joystick": true' "$example" && echo --joystick) "$example"
    expect_rc 0
    expect_out ": OK: "
done

# One file per way of failing: where reading stopped, and why.
while IFS='|' read -r file expected; do
    run check "$DATA/$file"
    expect_rc 1
    expect_out "$expected"
done <<'CASES'
broken-syntax.json|broken-syntax.json:4:28: error: JSON Exception: unexpected byte ',' in value [load-json]
broken-root.json|broken-root.json: error: the top level must be an object (Bad cast exception) [load-json]
broken-missing-member.json|broken-missing-member.json:31:9: error: keymaps[1].icon (Click): required member missing (Null pointer: missing, or not an object) [load-keymaps]
broken-missing-value.json|broken-missing-value.json:76:9: error: keymaps[2].bunch_click_one_off_number (BunchClick): required member missing (Invalid access: Can not convert empty value.) [load-keymaps]
broken-wrong-kind.json|broken-wrong-kind.json:47:13: error: keymaps[0].sensitivity (Eye): not an integer: "fast" (Syntax error: Not a valid integer: fast) [load-keymaps]
broken-info.json|broken-info.json:2:5: error: info.visibility: required member missing (Invalid access: Can not convert empty value.) [load-info]
broken-param.json|broken-param.json:33:9: error: param.wheel_policy.zoom_steps: required member missing (Invalid access: Can not convert empty value.) [load-param]
broken-element.json|broken-element.json:31:9: error: keymaps[1]: must be an object (Null pointer: the element is not an object) [load-keymaps]
empty.json|empty.json: error: the file is empty [empty-file]
encoding-utf16.json|encoding-utf16.json:1:1: error: the file is in UTF-16LE, which keymaps cannot be; save it as UTF-8 [encoding]
encoding-bad-utf8.json|encoding-bad-utf8.json:30:26: error: this byte is not UTF-8; save the file as UTF-8 [encoding]
CASES

# Reading stops at the first problem: the element after the broken one is never named.
run check "$DATA/broken-missing-member.json"
expect_no_out "keymaps[2]"

run check "$DATA/does-not-exist.json"
expect_rc 2
expect_out "error: cannot read the file"
run check "$DATA"
expect_rc 2

# The worst result decides the exit code.
run check "$DATA/good.json" "$DATA/broken-info.json"
expect_rc 1
run check "$DATA/good.json" "$DATA/broken-info.json" "$DATA/nope.json"
expect_rc 2

run check --json "$DATA/good.json" "$DATA/broken-missing-member.json" "$DATA/broken-syntax.json"
expect_rc 1
expect_json 'd["command"] == "check" and len(d["findings"]) == 2'
expect_json 'd["files"][0]["itemsPerType"]["Click"] == 2 and d["files"][0]["intelligent"] is False'
expect_json '[f["code"] for f in d["findings"]] == ["load-keymaps", "load-json"]'
expect_json 'd["findings"][0]["location"] == {"block": "keymaps", "item": 1, "type": "Click", "member": "icon", "path": "keymaps[1].icon", "line": 31, "column": 9}'
expect_json 'd["findings"][1]["location"]["line"] == 4 and d["findings"][1]["severity"] == "error"'

# Progress goes to stderr once there are many files; stdout keeps one line per file.
files=()
for i in $(seq 1 12); do files+=("$DATA/good.json"); done
run check "${files[@]}"
expect_rc 0
expect_err "[12/12]"
[ "$(printf '%s\n' "$OUT" | wc -l)" -eq 13 ]
check "one stdout line per file, then the summary" $?
expect_out "12 files, 144 items, 0 errors, 0 warnings"
run check --quiet "$DATA/good.json" "$DATA/broken-info.json"
expect_out_equals "$DATA/broken-info.json:2:5: error: info.visibility: required member missing (Invalid access: Can not convert empty value.) [load-info]"

run check
expect_rc 2
expect_err "missing argument"
run check --bogus "$DATA/good.json"
expect_rc 2
run check --help
expect_rc 0
expect_out "Usage: keymapctl check"
run frobnicate
expect_rc 2

finish
