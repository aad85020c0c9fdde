# keymapctl import --from qtscrcpy: every node becomes an item or a finding, keys of every family,
# the import -> check -> render chain, malformed sources and usage.
source "$(dirname "$0")/lib.sh"
PROBE=${KEYMAPCTL_PNGPROBE:?}
SAMPLE="$DATA/qtscrcpy-shooter.json"
import() { run import --from qtscrcpy "$@"; }

# Every node type and root member: exactly the expected document, which loads, lints and renders.
import "$SAMPLE" -o "$WORK/shooter.json"
expect_rc 0
expect_out "shooter.json: written: 11 items (Click 5, Curve 1, Macro 2, Observe 1, Staring 1, Swipehold 1)"
expect_same_file "$WORK/shooter.json" "$DATA/qtscrcpy-shooter.expected.json"
run lint --strict "$WORK/shooter.json"
expect_rc 0
run render "$WORK/shooter.json" -o "$WORK/shooter.png" --size 640x360 --background "$DATA/magenta.png"
expect_rc 0
"$PROBE" "$WORK/shooter.png" 640x360 ff00ff "$WORK/shooter.json" >"$WORK/probe" 2>&1
rc=$?
check "every imported item drawn: $(cat "$WORK/probe")" $rc

# Each finding, at its source path, in text and in JSON; the rest is still written and loads.
findings=$(cat <<'CASES'
warning|switch-key-dropped|switchKey
info|member-ignored|old-switchKey
info|member-ignored|comment
warning|switch-map-dropped|keyMapNodes[0].switchMap
warning|position-out-of-range|keyMapNodes[1].pos
warning|position-out-of-range|keyMapNodes[2].pos
warning|drag-speed-dropped|keyMapNodes[3].dragSpeed
warning|unequal-offsets|keyMapNodes[4]
error|unknown-key|keyMapNodes[5].key
error|unsupported-key|keyMapNodes[6].key
error|unknown-node-type|keyMapNodes[7].type
error|malformed|keyMapNodes[8].pos
error|malformed|keyMapNodes[9].clickNodes[0].delay
error|malformed|keyMapNodes[10]
info|member-ignored|keyMapNodes[11].note
CASES
)
import "$DATA/qtscrcpy-findings.json" -o "$WORK/findings.json"
expect_rc 1
while IFS='|' read -r severity code path; do
    printf '%s\n' "$OUT" | grep -F "qtscrcpy-findings.json: $severity: member \"$path\": " | grep -qF "[$code]"
    check "text finding $severity $code at $path" $?
done <<<"$findings"
expect_out "findings.json: written: 8 items"
run check "$WORK/findings.json"
expect_out ": OK: 8 items (Click 5, Curve 1, Macro 1, Swipehold 1)"
import "$DATA/qtscrcpy-findings.json" -o "$WORK/findings.json" --json
expect_json "sorted((f['severity'], f['code'], f['location']['member']) for f in d['findings']) == sorted(
    tuple(line.split('|')) for line in '''$findings'''.splitlines())"
expect_json 'd["files"] == [{"file": "'"$WORK/findings.json"'", "items": 8, "itemsPerType": {"Click": 5, "Curve": 1, "Macro": 1, "Swipehold": 1}}]'
import "$DATA/qtscrcpy-findings.json" -o "$WORK/strict.json" --strict
expect_rc 1
expect_err "nothing written"
[ ! -e "$WORK/strict.json" ]
check "--strict writes nothing" $?

# Key names of every family: one click per name; an unknown or unsupported name leaves it unbound.
keys=$(cat <<'KEYS'
Key_W|keyboard|W|87|17
Key_Z|keyboard|Z|90|44
Key_1|keyboard|1|49|2
Key_0|keyboard|0|48|11
Key_F1|keyboard|F1|112|59
Key_F12|keyboard|F12|123|88
Key_Up|keyboard|Direction_up|38|328
Key_Left|keyboard|Direction_left|37|331
Key_Control|keyboard|Ctrl|17|29
Key_Shift|keyboard|Shift|16|42
Key_Alt|keyboard|Alt|18|56
Key_Escape|keyboard|Esc|27|1
Key_Equal|keyboard|=|187|13
Key_QuoteLeft|keyboard|`|192|41
Key_Backslash|keyboard|\|220|43
LeftButton|mouse|left_mouse|1|1
MidButton|mouse|middle_mouse|4|4
BackButton|mouse|back_mouse|5|8
Key_Nope|unknown-key
key_w|unknown-key
Key_Meta|unsupported-key
NoButton|unsupported-key
KEYS
)
nodes=$(cut -d'|' -f1 <<<"$keys" | sed 's/.*/{"type": "KMT_CLICK", "key": "&", "pos": {"x": 0.5, "y": 0.5}}/' | paste -sd,)
printf '{"keyMapNodes": [%s]}' "$nodes" >"$WORK/keys-source.json"
import "$WORK/keys-source.json" -o "$WORK/keys.json" --json
expect_json "[f['code'] for f in d['findings']] == [line.split('|')[1] for line in r'''$keys'''.splitlines() if '-key' in line]"
OUT=$(cat "$WORK/keys.json")
expect_json "[[k['key'][m] for m in ('device', 'text', 'virtual_key', 'scan_code')] for k in d['keymaps']] == [
    [r[1], r[2], int(r[3]), int(r[4])] if len(r) == 5 else ['', '', 2147483647, 2147483647]
    for r in (line.split('|') for line in r'''$keys'''.splitlines())]"

# Macro clicks go through editing text in pixels of --screen, off-screen ones clamped to its edge.
printf '{"keyMapNodes": [%s, %s]}' \
    '{"type": "KMT_CLICK_TWICE", "key": "Key_C", "pos": {"x": 0.123, "y": 0.45}}' \
    '{"type": "KMT_CLICK_MULTI", "key": "Key_F", "clickNodes": [{"pos": {"x": 0.5, "y": 0.5}}, {"delay": 80, "pos": {"x": 2, "y": 0.5}}]}' \
    >"$WORK/macro-source.json"
import "$WORK/macro-source.json" -o "$WORK/macro.json" --screen 100x100
expect_rc 0
OUT=$(cat "$WORK/macro.json")
expect_json 'd["keymaps"][0]["press_actions"] == d["keymaps"][0]["release_actions"] == ["click_rel:(0.120000,0.450000)"]'
expect_json 'd["keymaps"][1]["press_actions"] == ["click_rel:(0.500000,0.500000)", "sleep:80", "click_rel:(1.000000,0.500000)"]'

# Sources that are not readable QtScrcpy keymaps: exit 2 and nothing written.
while IFS='|' read -r text expected; do
    printf '%b' "$text" >"$WORK/bad.json"
    import "$WORK/bad.json" -o "$WORK/bad-out.json"
    expect_rc 2
    expect_out "$expected"
    [ ! -e "$WORK/bad-out.json" ]
    check "nothing written" $?
done <<'CASES'
{"keyMapNodes": [\n}|bad.json:2:2: error: 
|[not-json]
[]|error: the document is not a JSON object, so it is not a QtScrcpy keymap [not-qtscrcpy]
{"switchKey": "Key_A"}|the document has no "keyMapNodes" array
CASES
import "$WORK/missing.json" -o "$WORK/out.json"
expect_rc 2
expect_out "[unreadable]"

while read -r args; do
    run import $args
    expect_rc 2
done <<CASES
$SAMPLE -o $WORK/out.json
--from other $SAMPLE -o $WORK/out.json
--from qtscrcpy $SAMPLE
--from qtscrcpy $SAMPLE -o $WORK/out.json --joystick always
--from qtscrcpy $SAMPLE -o $WORK/out.json --screen 0x720
--from qtscrcpy $SAMPLE $SAMPLE -o $WORK/out.json
CASES
import "$SAMPLE" -o "$WORK/out.json" --joystick never
expect_rc 0

finish
