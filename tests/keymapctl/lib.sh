# Helpers of the keymapctl test scripts. A script sources this with the tool and the source tree
# as its arguments, runs cases with `run`, checks them with the expect_* functions and ends with
# `finish`, which prints "N passed, N failed" and fails the test when a check failed.
set -u
TOOL=$1
SOURCE_DIR=$2
DATA="$SOURCE_DIR/tests/keymapctl/data"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PASSED=0
FAILED=0
CASE=""

# run ARGS...: runs the tool, keeping stdout in $OUT, stderr in $ERR and the exit code in $RC.
run() {
    CASE="keymapctl $*"
    "$TOOL" "$@" >"$WORK/out" 2>"$WORK/err" </dev/null
    RC=$?
    OUT=$(cat "$WORK/out")
    ERR=$(cat "$WORK/err")
}

# run_stdin FILE ARGS...: as run, with FILE as standard input.
run_stdin() {
    local input=$1
    shift
    CASE="keymapctl $* < $input"
    "$TOOL" "$@" >"$WORK/out" 2>"$WORK/err" <"$input"
    RC=$?
    OUT=$(cat "$WORK/out")
    ERR=$(cat "$WORK/err")
}

check() { # check CONDITION-TEXT RESULT(0 ok)
    if [ "$2" -eq 0 ]; then
        PASSED=$((PASSED + 1))
    else
        FAILED=$((FAILED + 1))
        echo "FAIL: $CASE: $1"
        echo "  exit: $RC"
        echo "  stdout: $(printf '%s' "$OUT" | head -20)"
        echo "  stderr: $(printf '%s' "$ERR" | head -20)"
    fi
}

expect_rc() { [ "$RC" -eq "$1" ]; check "exit code $1" $?; }
expect_out() { printf '%s\n' "$OUT" | grep -qF -- "$1"; check "stdout contains '$1'" $?; }
expect_no_out() { ! printf '%s\n' "$OUT" | grep -qF -- "$1"; check "stdout lacks '$1'" $?; }
expect_err() { printf '%s\n' "$ERR" | grep -qF -- "$1"; check "stderr contains '$1'" $?; }
expect_out_empty() { [ -z "$OUT" ]; check "stdout is empty" $?; }
expect_out_equals() { [ "$OUT" = "$1" ]; check "stdout is exactly '$1'" $?; }
# The result is taken before the message is built: a command substitution in it would set $?.
expect_out_file() { diff <(printf '%s\n' "$OUT") "$1" >/dev/null; local rc=$?; check "stdout equals $(basename "$1")" $rc; }
expect_same_file() { cmp -s "$1" "$2"; local rc=$?; check "$(basename "$1") is byte-identical to $(basename "$2")" $rc; }

# expect_json PYTHON-EXPRESSION: stdout is one JSON document `d` for which the expression holds.
expect_json() {
    printf '%s' "$OUT" | python3 -c "import json, sys
d = json.load(sys.stdin)
sys.exit(0 if ($1) else 1)"
    check "JSON output: $1" $?
}

finish() {
    echo "$PASSED passed, $FAILED failed"
    [ "$FAILED" -eq 0 ]
}
