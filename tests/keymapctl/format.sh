# keymapctl format: canonical and non-canonical files, rewriting, and refusing files that do not
# load cleanly (left byte-identical).
source "$(dirname "$0")/lib.sh"

run format --check "$DATA/good.json"
expect_rc 0
expect_out_empty

run format --check "$DATA/good.json" "$DATA/noncanonical.json"
expect_rc 1
expect_out "$DATA/noncanonical.json: not canonical: line 1 differs: the file has \`{\"param\": "

# --diff changes nothing and prints a patch whose added lines are the canonical text.
run format --diff "$DATA/noncanonical.json"
expect_rc 1
[ "$(printf '%s\n' "$OUT" | sed -n 3p)" = "@@ -1 +1,$(grep -c '' "$DATA/good.json") @@" ]
check "one hunk from the one line to the whole canonical text" $?
diff <(printf '%s\n' "$OUT" | sed -n '/^+[^+]/s/^+//p') <(cat "$DATA/good.json"; echo) >/dev/null
check "the added lines are the canonical text" $?

cp "$DATA/noncanonical.json" "$WORK/file.json"
run format "$WORK/file.json"
expect_rc 0
expect_out "file.json: formatted"
expect_same_file "$WORK/file.json" "$DATA/good.json"
run format --check "$WORK/file.json"
expect_rc 0
run format "$WORK/file.json"
expect_rc 0
expect_out_empty

# Never rewrite what did not load cleanly.
for broken in broken-missing-member.json broken-syntax.json broken-info.json empty.json encoding-utf16.json; do
    cp "$DATA/$broken" "$WORK/$broken"
    run format "$WORK/$broken"
    expect_rc 1
    expect_err "not rewritten"
    expect_same_file "$WORK/$broken" "$DATA/$broken"
    run format --check "$WORK/$broken"
    expect_rc 1
done

# Elements of an unknown type are kept in place: the rewritten file holds the same element.
cp "$DATA/unknown-type.json" "$WORK/unknown.json"
run format "$WORK/unknown.json"
expect_rc 0
run check "$WORK/unknown.json"
expect_out "1 element of unknown type kept"
python3 -c 'import json, sys
before, after = (json.load(open(p))["keymaps"] for p in sys.argv[1:])
sys.exit(0 if len(before) == len(after) and before[1] == after[1] else 1)' "$DATA/unknown-type.json" "$WORK/unknown.json"
check "the element of unknown type is kept in place" $?

# Members that saving would drop or change: refused with each one's path and line, file untouched;
# --force rewrites, lists them, and keeps "$schema".
cp "$DATA/format-losing.json" "$WORK/format-losing.json"
(cd "$WORK" && "$TOOL" format format-losing.json 2>"$WORK/err" >/dev/null)
RC=$? OUT="" ERR=$(cat "$WORK/err") CASE="format format-losing.json"
expect_rc 1
diff "$WORK/err" "$DATA/format-losing.expected" >/dev/null
check "the refusal lists every lost member" $?
expect_same_file "$WORK/format-losing.json" "$DATA/format-losing.json"
run format --force "$WORK/format-losing.json"
expect_rc 0
expect_out "lost:"
expect_out "  keymaps[1].rel_raduis (line 126): not a member of Swipehold; did you mean rel_radius?"
expect_same_file <(sed -n 2p "$WORK/format-losing.json") <(echo '    "$schema": "../../../schema/keymap.schema.json",')
run format --check "$WORK/format-losing.json"
expect_rc 0

# --joystick on a keymap whose "info" says it is not a joystick one.
cp "$DATA/good.json" "$WORK/keyboard.json"
run format --joystick "$WORK/keyboard.json"
expect_rc 1
expect_err "info.is_joystick (line 4): the \"info\" block says this is not a joystick keymap; --joystick would make it one"
expect_err "info.transparent_mouse (line 8): saving drops it (a joystick keymap has no such setting)"
expect_same_file "$WORK/keyboard.json" "$DATA/good.json"

run format "$WORK/missing.json"
expect_rc 2
run format
expect_rc 2

finish
