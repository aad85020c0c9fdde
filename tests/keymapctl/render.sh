# keymapctl render: a PNG of the requested size with every item drawn at its position.
source "$(dirname "$0")/lib.sh"
PROBE=${KEYMAPCTL_PNGPROBE:?}

# On a plain background of one colour, the pixel at each item's work position must show the item.
run render "$DATA/good.json" -o "$WORK/good.png" --size 640x360 --background "$DATA/magenta.png"
expect_rc 0
expect_out "good.png: 640x360, 12 items"
"$PROBE" "$WORK/good.png" 640x360 ff00ff "$DATA/good.json" >"$WORK/probe" 2>&1
check "probe: $(cat "$WORK/probe")" $?

# Without a background the size defaults to 1280x720 and the plain screen is drawn.
run render "$DATA/good.json" -o "$WORK/plain.png"
expect_rc 0
"$PROBE" "$WORK/plain.png" 1280x720 1e2430 "$DATA/good.json" >"$WORK/probe" 2>&1
check "default size and background: $(cat "$WORK/probe")" $?

# The background's own size is used when no --size is given.
run render "$DATA/good.json" -o "$WORK/small.png" --background "$DATA/magenta.png"
expect_out "small.png: 16x16"

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
