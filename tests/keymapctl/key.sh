# keymapctl key: display texts, macro names and macro codes, through the public functions only.
source "$(dirname "$0")/lib.sh"

while IFS='|' read -r args expected; do
    run key $args
    expect_rc 0
    expect_out_equals "$expected"
done <<'CASES'
keyboard 57|Space
keyboard 1|Esc
keyboard 0x148|Direction_up
keyboard 54|Shift
mouse 1|left_mouse
mouse 548|wheel_up_mouse
--macro-name key 29|Ctrl
--macro-name key 74|-
--macro-name btn 1|Left
--macro-code key ctrl|29
--macro-code key -|74
--macro-code key Home|172
--macro-code btn left|1
--macro-code mouse wheel_down|549
CASES

# No text, name or code: exit 1 with a message.
while read -r args; do
    run key $args
    expect_rc 1
    expect_out_empty
    expect_err "no "
done <<'CASES'
keyboard 84
--macro-name key 327
--macro-code key nosuchkey
--macro-code btn misc2
CASES

while read -r args; do
    run key $args
    expect_rc 2
done <<'CASES'
tablet 5
keyboard five
--macro-name key ten
--macro-name pad 1
--macro-name --macro-code key 1
keyboard
CASES
run key --macro-code key "ctrl a"
expect_rc 2

finish
