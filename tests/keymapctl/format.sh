# keymapctl format: canonical and non-canonical files, rewriting, and refusing files that do not
# load cleanly (left byte-identical).
source "$(dirname "$0")/lib.sh"

run format --check "$DATA/good.json"
expect_rc 0
expect_out_empty

run format --check "$DATA/good.json" "$DATA/noncanonical.json"
expect_rc 1
expect_out_equals "$DATA/noncanonical.json: not canonical"

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
for broken in broken-missing-member.json broken-syntax.json broken-info.json empty.json; do
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

run format "$WORK/missing.json"
expect_rc 2
run format
expect_rc 2

finish
