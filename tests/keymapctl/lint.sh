# keymapctl lint: a keymap seeded with each kind of problem, clean files, --strict and --json.
source "$(dirname "$0")/lib.sh"

run lint --json "$DATA/lint-seeded.json"
expect_rc 1
# Exactly the seeded problems, each at its "keymaps" element.
expect_json 'sorted((f["code"], f["location"]["item"]) for f in d["findings"]) == sorted([
    ("duplicate-key", 1), ("duplicate-key", 3), ("duplicate-key", 5), ("unset-key", 6),
    ("position-out-of-range", 7), ("position-out-of-range", 7), ("macro-editing-form", 8),
    ("macro-grammar", 8), ("macro-editing-form", 8), ("macro-unstable-line", 8), ("macro-grammar", 8),
    ("tap-info-dropped", 9), ("unknown-type", 10), ("position-out-of-range", 11)])'
expect_json 'all(f["file"].endswith("lint-seeded.json") and f["message"] for f in d["findings"])'
expect_json '{(f["location"]["list"], f["location"]["listLine"]) for f in d["findings"] if f["code"] == "macro-grammar"} == {("press_actions", 2), ("release_actions", 1)}'
expect_json '{f["severity"] for f in d["findings"] if f["code"] in ("macro-grammar", "macro-editing-form", "tap-info-dropped")} == {"error"}'
expect_json '{f["location"].get("member") for f in d["findings"] if f["location"]["item"] == 7} == {"rel_work_position", "icon.rel_position"}'

run lint "$DATA/lint-seeded.json"
expect_rc 1
expect_out "lint-seeded.json: warning: keymaps[1] (Click): key F is also bound to keymaps[0] (Click) [duplicate-key]"
expect_out "keymaps[3] (Tip): key Ctrl+F is also bound to keymaps[2] (Click) [duplicate-key]"
expect_out "keymaps[5] (Click): key Direction_left is also bound to keymaps[4] (Eye) [duplicate-key]"
expect_out "error: keymaps[8].press_actions[1] (Macro): macro line rejected by the grammar check: bogus line [macro-grammar]"
expect_out "keymaps[9] (Spell), member \"tap_info\": \"tap_info\" is incomplete, so saving drops it: \"seq\" has 3 parts, not 16 [tap-info-dropped]"
expect_out "keymaps[10] (Bogus)"

# A single key and a chord that starts with it are different bindings.
expect_no_out "keymaps[2] (Click): key"

# Warnings alone pass unless --strict.
run lint "$DATA/lint-warnings.json"
expect_rc 0
expect_out "[unset-key]"
run lint --strict "$DATA/lint-warnings.json"
expect_rc 1

# Clean files have nothing to say but the summary, even with --strict; --quiet drops that too.
for file in "$DATA/good.json" "$SOURCE_DIR"/examples/*.json; do
    run lint --strict $(grep -q '"is_joystick": true' "$file" && echo --joystick) "$file"
    expect_rc 0
    expect_out_equals "1 file, $(python3 -c 'import json, sys; print(len(json.load(open(sys.argv[1]))["keymaps"]))' "$file") items, 0 errors, 0 warnings"
    run lint --quiet $(grep -q '"is_joystick": true' "$file" && echo --joystick) "$file"
    expect_out_empty
done
run lint "$DATA/lint-seeded.json" "$DATA/good.json"
expect_out "2 files, 23 items, 5 errors, 9 warnings"

run lint --json "$DATA/good.json"
expect_json 'd == {"command": "lint", "findings": []}'

# One file per family of member findings, with the exact text and JSON output.
for name in format-losing lint-values; do
    for form in txt json; do
        (cd "$DATA" && "$TOOL" lint $([ $form = json ] && echo --json) "$name.json" >"$WORK/out")
        RC=$? OUT=$(cat "$WORK/out") ERR="" CASE="lint $name.json ($form)"
        expect_rc 0
        expect_out_file "$DATA/$name.lint.$form"
    done
done

# Macro lines through editing text and back; this one has errors, so lint exits 1.
for form in txt json; do
    (cd "$DATA" && "$TOOL" lint $([ $form = json ] && echo --json) lint-macros.json >"$WORK/out")
    RC=$? OUT=$(cat "$WORK/out") ERR="" CASE="lint lint-macros.json ($form)"
    expect_rc 1
    expect_out_file "$DATA/lint-macros.lint.$form"
done

# A file that does not load is reported as check reports it, and not linted.
run lint "$DATA/broken-missing-member.json"
expect_rc 1
expect_out "[load-keymaps]"
run lint "$DATA/missing.json"
expect_rc 2

finish
