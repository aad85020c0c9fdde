# Runs the cases of one keymapctl command group and compares their transcript with the expected one:
#   bash run.sh TOOL SOURCE_DIR GROUP
# tests/keymapctl/GROUP.cases holds one shell command a line (blank lines and # comments skipped):
# `keymapctl` runs the tool, `probe` the PNG probe; $DATA, $WORK and $SRC name the test data, a scratch
# folder (also the working folder) and the source tree. Each command goes to the transcript as
# "$ COMMAND", then its stdout, its stderr after "2> ", and "[exit N]", the real paths written back
# as those names. The transcript must equal GROUP.expected; KEYMAPCTL_UPDATE=1 rewrites that instead.
set -u
TOOL=$1 SRC=$2 GROUP=$3
HERE=$SRC/tests/keymapctl
DATA=$HERE/data
WORK=$(mktemp -d)
RESULTS=$(mktemp -d)
trap 'rm -rf "$WORK" "$RESULTS"' EXIT
export XDG_RUNTIME_DIR=$RESULTS # Qt warns on stderr without one
keymapctl() { "$TOOL" "$@"; }
probe() { "${KEYMAPCTL_PNGPROBE:?}" "$@"; }

show() { # show FILE [PREFIX]: the file's lines, the last one ended even when the file does not end it
    sed "s/^/${2:-}/" "$1"
    if [ -s "$1" ] && [ -n "$(tail -c 1 "$1")" ]; then echo "${2:-}\\ no newline at the end"; fi
}

while IFS= read -r line; do
    case $line in '' | '#'*) continue ;; esac
    printf '$ %s\n' "$line"
    (cd "$WORK" && eval "$line") >"$RESULTS/out" 2>"$RESULTS/err" </dev/null
    rc=$?
    show "$RESULTS/out"
    show "$RESULTS/err" '2> '
    echo "[exit $rc]"
done <"$HERE/$GROUP.cases" | sed -e "s|$WORK|\$WORK|g" -e "s|$DATA|\$DATA|g" -e "s|$SRC|\$SRC|g" >"$RESULTS/transcript"

cases=$(grep -c '^\$ ' "$RESULTS/transcript")
if [ "${KEYMAPCTL_UPDATE:-}" = 1 ]; then
    cp "$RESULTS/transcript" "$HERE/$GROUP.expected"
    echo "$GROUP.expected rewritten: $cases cases"
elif diff -u "$HERE/$GROUP.expected" "$RESULTS/transcript"; then
    echo "$cases passed, 0 failed"
else
    echo "0 passed, 1 failed: the transcript of $cases cases differs from $GROUP.expected (above)"
    exit 1
fi
