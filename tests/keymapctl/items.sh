# keymapctl new, types and images.
source "$(dirname "$0")/lib.sh"

run types
expect_rc 0
[ "$(printf '%s\n' "$OUT" | wc -l)" -eq 24 ]
check "24 types" $?
expect_out "VirtualLeftStickShiftButton VirtualStickLeftShiftButtonConfigItem"
expect_out "RightWalk                   MouseRightWalkConfigItem"
expect_out "OperationRecorder           OperationRecorderConfigItem"

# Every type's new item, put into a document, loads back as one item of that type.
for type in $(printf '%s\n' "$OUT" | awk '{print $1}'); do
    run new "$type"
    expect_rc 0
    printf '{"info": {"background_color": "000000FF", "visibility": true}, "keymaps": [%s]}' "$OUT" >"$WORK/new.json"
    run check "$WORK/new.json"
    expect_out "OK: 1 items ($type 1)"
done

run new Spell
expect_json '"spell_info" in d and "tap_info" not in d and d["type"] == "Spell"'
run new click
expect_rc 2
expect_err "unknown item type 'click'; did you mean Click; the types are: Click, BunchClick"
run new Swipehodl
expect_err "did you mean Swipehold;"
run new Joystick
expect_no_out "did you mean"

run images "$DATA/with-images.json" --out "$WORK/images"
expect_rc 0
expect_out "group0-image0.png: rect 0.25,0.5 0.1x0.2, resolution 1920x1080, 2x1 pixels"
expect_out "group1-image0.png"
for name in group0-image0 group0-image1 group1-image0; do
    [ -s "$WORK/images/$name.png" ]
    check "$name.png written" $?
done
run images "$DATA/good.json" --out "$WORK/none"
expect_rc 0
expect_out_empty
expect_err "has no feature images"
run images "$DATA/with-images.json"
expect_rc 2
run images "$DATA/broken-info.json" --out "$WORK/broken"
expect_rc 1

finish
