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

# Never rewrite what did not load cleanly, nor what saving would lose.
for broken in broken-missing-member.json broken-syntax.json broken-info.json empty.json unknown-type.json; do
    cp "$DATA/$broken" "$WORK/$broken"
    run format "$WORK/$broken"
    expect_rc 1
    expect_err "not rewritten"
    expect_same_file "$WORK/$broken" "$DATA/$broken"
    run format --check "$WORK/$broken"
    expect_rc 1
done
expect_err "unknown type keymaps[1] \"Bogus\""

run format "$WORK/missing.json"
expect_rc 2
run format
expect_rc 2

finish
