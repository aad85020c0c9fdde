# keymapctl macro: a file converted to running text and back, stdin, bad lines, the check.
source "$(dirname "$0")/lib.sh"

run macro to-running --rect 1280x720 "$DATA/macro-editing.txt"
expect_rc 0
expect_out_file "$DATA/macro-running.txt"

run macro to-editing --rect 1280x720 "$DATA/macro-running.txt"
expect_rc 0
expect_out_file "$DATA/macro-editing-normalised.txt"

run_stdin "$DATA/macro-editing.txt" macro to-running --rect 1280x720 -
expect_out_file "$DATA/macro-running.txt"
run_stdin "$DATA/macro-editing.txt" macro to-running --rect 1280x720
expect_out_file "$DATA/macro-running.txt"

# The rectangle scales the fractions.
printf 'click 100,200\n' >"$WORK/one.txt"
run macro to-running --rect 1000x500 "$WORK/one.txt"
expect_out_equals "click_rel:(0.100000,0.400000)"

# Lines that cannot be converted are named on stderr; the others still come out.
run macro to-running --rect 1000x500 "$DATA/macro-bad.txt"
expect_rc 1
expect_out_equals "$(printf 'click_rel:(0.100000,0.400000)\nsleep:50')"
expect_err "line 4: not converted: bogus"
run macro to-editing --rect 1000x500 "$DATA/macro-running.txt"
expect_rc 0

run macro check "$DATA/macro-bad.txt"
expect_rc 1
expect_out_equals "$(printf 'line 4: bogus\nline 6: key_press nosuchkey')"
run macro check "$DATA/macro-editing.txt"
expect_rc 0
expect_out_empty

run macro to-running "$DATA/macro-editing.txt"
expect_rc 2
expect_err "needs --rect"
run macro to-running --rect 0x720 "$DATA/macro-editing.txt"
expect_rc 2
run macro to-running --rect 1280x720 "$DATA/no-such-file.txt"
expect_rc 2
run macro juggle "$DATA/macro-editing.txt"
expect_rc 2

finish
