# keymapctl render: a PNG of the requested size with every item drawn at its position.
source "$(dirname "$0")/lib.sh"
PROBE=${KEYMAPCTL_PNGPROBE:?}

# On a plain background of one colour, the pixel at each item's work position must show the item.
run render "$DATA/good.json" -o "$WORK/good.png" --size 640x360 --background "$DATA/magenta.png"
expect_rc 0
expect_out "good.png: 640x360, 12 items"
"$PROBE" "$WORK/good.png" 640x360 ff00ff "$DATA/good.json" >"$WORK/probe" 2>&1
rc=$? # taken before the message's own command substitution sets $?
check "probe: $(cat "$WORK/probe")" $rc

# Without a background the size defaults to 1280x720 and the plain screen is drawn.
run render "$DATA/good.json" -o "$WORK/plain.png"
expect_rc 0
"$PROBE" "$WORK/plain.png" 1280x720 1e2430 "$DATA/good.json" >"$WORK/probe" 2>&1
rc=$?
check "default size and background: $(cat "$WORK/probe")" $rc

# The background's own size is used when no --size is given.
run render "$DATA/good.json" -o "$WORK/small.png" --background "$DATA/magenta.png"
expect_out "small.png: 16x16"

# Labels: every box inside the picture and none over another, on both examples and on a keymap
# whose items crowd into one corner with long descriptions.
labels_ok() { # labels_ok WIDTH HEIGHT: checks the "label" lines of $OUT
    printf '%s\n' "$OUT" | python3 -c '
import sys, itertools
w, h = float(sys.argv[1]), float(sys.argv[2])
boxes = [tuple(map(float, l.split()[1:5])) for l in sys.stdin if l.startswith("label ")]
e = 0.01
outside = [b for b in boxes if b[0] < -e or b[1] < -e or b[0] + b[2] > w + e or b[1] + b[3] > h + e]
over = [(a, b) for a, b in itertools.combinations(boxes, 2)
        if min(a[0] + a[2], b[0] + b[2]) - max(a[0], b[0]) > e and min(a[1] + a[3], b[1] + b[3]) - max(a[1], b[1]) > e]
print("outside:", outside, "overlapping:", over)
sys.exit(1 if outside or over or not boxes else 0)' "$1" "$2" >"$WORK/labels"
    local rc=$?
    check "labels of $CASE: $(cat "$WORK/labels")" $rc
}
python3 - "$DATA/good.json" "$WORK/crowded.json" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))
for i, e in enumerate(d["keymaps"]):
    e["rel_work_position"] = {"rel_x": 0.97 - 0.01 * (i % 3), "rel_y": 0.96 - 0.01 * (i // 3)}
    e["icon"]["description"] = "a rather long description %d" % i
json.dump(d, open(sys.argv[2], "w"))
PY
for case in "$SOURCE_DIR/examples/keymap-landscape-1280x720.json 1280 720" \
            "$SOURCE_DIR/examples/joystick-virtual-gamepad.json 1280 720 --joystick" \
            "$WORK/crowded.json 1280 720" "$WORK/crowded.json 320 180" "$DATA/good.json 400 300"; do
    set -- $case
    run render "$1" -o "$WORK/labels.png" --size "$2x$3" --debug-labels ${4:-}
    expect_rc 0
    labels_ok "$2" "$3"
done

# Descriptions go under the key text unless --no-descriptions.
run render "$WORK/crowded.json" -o "$WORK/labels.png" --debug-labels
expect_out " a rather long description 11"
run render "$WORK/crowded.json" -o "$WORK/labels.png" --debug-labels --no-descriptions
expect_no_out "description"

run render "$DATA/broken-missing-member.json" -o "$WORK/broken.png"
expect_rc 1
[ ! -e "$WORK/broken.png" ]
check "no picture for a broken file" $?
run render "$DATA/good.json"
expect_rc 2
run render "$DATA/good.json" -o "$WORK/x.png" --size 12
expect_rc 2
run render "$DATA/good.json" -o "$WORK/x.png" --background "$DATA/missing.png"
expect_rc 2

finish
