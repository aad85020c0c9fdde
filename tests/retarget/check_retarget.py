"""Holds keymapctl retarget to the rule that docs/keymap-format.md states ("Moving a keymap to another
screen"), computed here from that text and nothing of the library's:
    check_retarget.py KEYMAPCTL SOURCE_DIR
- the fixture made for this (one item of every type, at corners, edges and centre, every position and
  length member, a macro line of every coordinate command, a feature image, an element of unknown
  type), moved from 1600x900 to 2400x1080 with the defaults and with other options: every member that
  the rule moves has the value computed here, every other member is as it was;
- a macro point lands exactly where a Click at the same point lands;
- the result passes check, and lint finds nothing in it that it did not find in the input;
- the same size in and out writes the bytes that format writes; narrow to wide and back with
  --scale height restores every position within 1e-9."""
import copy
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

keymapctl, source = sys.argv[1], pathlib.Path(sys.argv[2])
data = source / "tests/keymapctl/data"
fixture = data / "retarget-1600x900.json"
failures = []

# The members the rule moves, as the format guide lists them: positions (objects of rel_x and rel_y),
# lengths (fractions of the screen's shorter side) and sizes (rel_width of the width, rel_height of
# the height), by item type; macro lines; the feature images' rectangles and the lengths of "param".
TYPES = {"Click", "Tip", "BunchClick", "Macro", "OperationRecorder", "Eye", "Gravity", "Swipehold", "VirtualLeftStick",
         "VirtualRightStick", "Spell", "SpellCancel", "Staring", "Observe", "Curve", "Fire", "LeftStickWalk",
         "RightStickEye", "RightWalk", "Wheel", "Zoom", "VirtualJoystickButton", "VirtualJoystickBunchButton",
         "VirtualLeftStickShiftButton"}
EVERY_ITEM = ["rel_work_position", "icon.rel_position"]
POINTS = {
    "Spell": ["spell_info.rel_position", "swipehold_info.rel_position", "tap_info.rel_center_pos"],
    "Fire": ["swipehold_info.rel_position"],
    "Curve": ["rel_start_pos", "rel_end_pos"],
    "RightWalk": ["rel_measurement_pos"],
}
STICK = ["rel_radius", "target_point_input_compensatory_policy.distance"]
ZONE = ["swipehold_info.invalid_zone_info.rel_radius_inside_invalid_zone",
        "swipehold_info.invalid_zone_info.rel_radius_outside_invalid_zone"]
LENGTHS = {
    "Swipehold": STICK, "VirtualLeftStick": STICK, "VirtualRightStick": STICK,
    "Spell": ["spell_info.rel_radius", "swipehold_info.rel_radius",
              "swipehold_info.start_additional_point_info.distance",
              "swipehold_info.target_point_input_compensatory_policy.distance"] + ZONE,
    "Fire": ["swipehold_info.rel_radius"] + ZONE,
    "LeftStickWalk": ["rel_radius"],
    "RightWalk": ["first_move_policy.rel_radius"],
    "Zoom": ["one_side_gap"],
}
SIZES = {"Staring": ["staring_range"], "RightStickEye": ["staring_range"]}
MACROS = {"Macro": ["press_actions", "release_actions"], "OperationRecorder": ["press_actions", "release_actions"]}
PARAM_LENGTHS = ["wheel_policy.wheel_step_distance", "wheel_policy.zoom_step_distance"]
ANCHORS = {"top-left": (0, 0), "top": (0.5, 0), "top-right": (1, 0), "left": (0, 0.5), "centre": (0.5, 0.5),
           "right": (1, 0.5), "bottom-left": (0, 1), "bottom": (0.5, 1), "bottom-right": (1, 1)}
RUNNING_POINT = re.compile(r"\((\d+\.?\d*),(\d+\.?\d*)\)")


class Rule:
    def __init__(self, old, new, scale="min", aspect=0):
        (self.w1, self.h1), (self.w2, self.h2) = old, new
        ratios = {"width": self.w2 / self.w1, "height": self.h2 / self.h1}
        ratios.update(min=min(ratios.values()), max=max(ratios.values()))
        self.s = ratios[scale]
        self.l1, self.f1 = self.frame(self.w1, self.h1, aspect)
        self.l2, self.f2 = self.frame(self.w2, self.h2, aspect)

    @staticmethod
    def frame(width, height, aspect):
        inner = min(width, height * aspect) if aspect else width
        return (width - inner) / 2, inner

    def anchor(self, x, y):
        third = lambda f: 0 if f < 1 / 3 else 1 if f > 2 / 3 else 0.5
        return third((x * self.w1 - self.l1) / self.f1), third(y)

    def point(self, x, y, anchor):
        ax, ay = anchor
        x2 = self.l2 + ax * self.f2 + (x * self.w1 - self.l1 - ax * self.f1) * self.s
        y2 = ay * self.h2 + (y * self.h1 - ay * self.h1) * self.s
        return x2 / self.w2, y2 / self.h2

    def length(self, value):
        return value * min(self.w1, self.h1) * self.s / min(self.w2, self.h2)

    def size(self, width, height):
        return width * self.w1 * self.s / self.w2, height * self.h1 * self.s / self.h2

    def line(self, text):
        def moved(match):
            x, y = float(match[1]), float(match[2])
            return "(%.6f,%.6f)" % self.point(x, y, self.anchor(x, y))
        return RUNNING_POINT.sub(moved, text) if re.match(r"(click|press|release|switch|curve|screenshot)_rel:", text) else text


def at(node, path):
    """The object at a dotted path, or None when a step is missing."""
    for step in path.split("."):
        node = node.get(step) if isinstance(node, dict) else None
    return node


def expected_document(document, rule, anchors=None):
    """The document as the rule moves it, element by element."""
    expected = copy.deepcopy(document)
    for index, element in enumerate(expected["keymaps"]):
        kind = element["type"]
        if kind not in TYPES:
            continue  # an element of unknown type stays as it is
        work = element["rel_work_position"]
        anchor = (anchors or {}).get(index) or rule.anchor(work["rel_x"], work["rel_y"])
        for path in EVERY_ITEM + POINTS.get(kind, []):
            point = at(element, path)
            # A spell's stick at (0, 0) starts at the spell's own work position: not a place.
            if point is None or (path == "swipehold_info.rel_position" and kind == "Spell" and
                                 point["rel_x"] == 0 and point["rel_y"] == 0):
                continue
            point["rel_x"], point["rel_y"] = rule.point(point["rel_x"], point["rel_y"], anchor)
        for path in LENGTHS.get(kind, []):
            parent, _, name = path.rpartition(".")
            holder = at(element, parent) if parent else element
            if holder is not None and name in holder:
                holder[name] = rule.length(holder[name])
        for path in SIZES.get(kind, []):
            size = element[path]
            size["rel_width"], size["rel_height"] = rule.size(size["rel_width"], size["rel_height"])
        for member in MACROS.get(kind, []):
            element[member] = [rule.line(line) for line in element.get(member, [])]
    for group in expected["info"].get("feature_images", []):
        for image in group:
            rect = image["rect"]
            centre = (rect["rel_x"] + rect["rel_width"] / 2, rect["rel_y"] + rect["rel_height"] / 2)
            width, height = rule.size(rect["rel_width"], rect["rel_height"])
            cx, cy = rule.point(*centre, rule.anchor(*centre))
            rect.update(rel_x=cx - width / 2, rel_y=cy - height / 2, rel_width=width, rel_height=height)
    for path in PARAM_LENGTHS:
        parent, _, name = path.rpartition(".")
        holder = at(expected["param"], parent)
        holder[name] = rule.length(holder[name])
    return expected


def compare(expected, actual, path, tolerance, problems, line_tolerance=0):
    """Numbers within the tolerance, everything else equal; with a line tolerance, macro lines point by
    point within it (running text has six decimals)."""
    if isinstance(expected, dict) and isinstance(actual, dict):
        if expected.keys() != actual.keys():
            problems.append(f"{path}: members {sorted(expected)} != {sorted(actual)}")
        for key in expected.keys() & actual.keys():
            compare(expected[key], actual[key], f"{path}.{key}", tolerance, problems, line_tolerance)
    elif isinstance(expected, list) and isinstance(actual, list) and len(expected) == len(actual):
        for i, (e, a) in enumerate(zip(expected, actual)):
            compare(e, a, f"{path}[{i}]", tolerance, problems, line_tolerance)
    elif all(isinstance(v, (int, float)) and not isinstance(v, bool) for v in (expected, actual)):
        if abs(expected - actual) > tolerance:
            problems.append(f"{path}: expected {expected!r}, got {actual!r}")
    elif isinstance(expected, str) and isinstance(actual, str) and line_tolerance and RUNNING_POINT.search(expected):
        e, a = RUNNING_POINT.findall(expected), RUNNING_POINT.findall(actual)
        if RUNNING_POINT.sub("", expected) != RUNNING_POINT.sub("", actual) or len(e) != len(a) or any(
                abs(float(p) - float(q)) > line_tolerance for pe, pa in zip(e, a) for p, q in zip(pe, pa)):
            problems.append(f"{path}: expected {expected!r}, got {actual!r}")
    elif expected != actual or type(expected) is not type(actual):
        problems.append(f"{path}: expected {expected!r}, got {actual!r}")


def tool(*args, exits=(0,)):
    run = subprocess.run([keymapctl, *map(str, args)], capture_output=True, text=True)
    if run.returncode not in exits:
        failures.append(f"keymapctl {' '.join(map(str, args))}: exit {run.returncode}\n{run.stderr}")
    return run


def retarget(source_file, old, new, *options, exits=(0,)):
    out = work / f"out-{len(list(work.iterdir()))}.json"
    tool("retarget", "--from", "%dx%d" % old, "--to", "%dx%d" % new, *options, source_file, "-o", out, exits=exits)
    return out


def lint_findings(path):
    """What lint finds, without the file name and text places (which moving does not change)."""
    lines = tool("lint", path, exits=(0, 1)).stdout.splitlines()[:-1]
    return {re.sub(r"^[^:]*:(\d+:\d+:)? ", "", line) for line in lines}


def check_move(name, source_file, old, new, scale="min", aspect=0, anchors=None, exits=(0,)):
    options = ["--scale", scale] + (["--safe-aspect", str(aspect)] if aspect else [])
    for index, anchor in (anchors or {}).items():
        options += ["--anchor", f"keymaps[{index}]={anchor}"]
    out = retarget(source_file, old, new, *options, exits=exits)
    document = json.loads(source_file.read_text(encoding="utf-8"))
    expected = expected_document(document, Rule(old, new, scale, aspect),
                                 {i: ANCHORS[a] for i, a in (anchors or {}).items()})
    problems = []
    compare(expected, json.loads(out.read_text(encoding="utf-8")), "", 1e-12, problems)
    failures.extend(f"{name}: {problem}" for problem in problems)
    tool("check", out)
    new_findings = lint_findings(out) - lint_findings(source_file)
    # Moving may put a point outside the screen; the rule keeps it there and lint says so.
    new_findings = {f for f in new_findings if "outside the screen" not in f}
    failures.extend(f"{name}: lint finds something new: {finding}" for finding in sorted(new_findings))
    return out


with tempfile.TemporaryDirectory() as scratch:
    work = pathlib.Path(scratch)
    check_move("default", fixture, (1600, 900), (2400, 1080))
    check_move("width, 16:9 frame, anchors", fixture, (1600, 900), (2400, 1080), "width", 16 / 9,
               {0: "bottom-right", 12: "centre"})
    check_move("to portrait, max", fixture, (1600, 900), (1080, 2400), "max")
    check_move("landscape example", source / "examples/keymap-landscape-1280x720.json", (1280, 720), (2400, 1080),
               exits=(1,))

    # A macro point lands exactly where a Click at the same point lands.
    moved = json.loads(retarget(fixture, (1600, 900), (2400, 1080)).read_text(encoding="utf-8"))
    click = next(e for e in moved["keymaps"] if e.get("icon", {}).get("description") == "a macro clicks here too")
    macro = next(e for e in moved["keymaps"] if e["type"] == "Macro")
    landed = "click_rel:(%.6f,%.6f)" % (click["rel_work_position"]["rel_x"], click["rel_work_position"]["rel_y"])
    if landed not in macro["press_actions"]:
        failures.append(f"macro point: {landed} is not among {macro['press_actions']}")

    # The same size in and out writes format's bytes; narrow to wide and back with --scale height
    # restores every position.
    documents = [fixture, *sorted((source / "examples").glob("*.json")), data / "good.json",
                 data / "with-images.json", data / "unknown-type.json", data / "crowded.json"]
    for document in documents:
        formatted = work / f"formatted-{document.name}"
        shutil.copy(document, formatted)
        tool("format", "--force", formatted)
        for size in [(1280, 720), (1080, 2400)]:
            same = retarget(document, size, size, exits=(0, 1))
            if same.read_bytes() != formatted.read_bytes():
                failures.append(f"{document.name}: retarget to the same size {size} differs from format")
        wide = retarget(document, (1600, 900), (2560, 1080), "--scale", "height", exits=(0, 1))
        back = retarget(wide, (2560, 1080), (1600, 900), "--scale", "height", exits=(0, 1))
        problems = []
        compare(json.loads(formatted.read_text(encoding="utf-8")), json.loads(back.read_text(encoding="utf-8")),
                "", 1e-9, problems, 1.5e-6)
        failures.extend(f"{document.name} there and back: {problem}" for problem in problems)

for failure in failures:
    print(failure)
print(f"retarget: {0 if failures else 1} passed, {1 if failures else 0} failed ({len(failures)} problems)")
sys.exit(1 if failures else 0)
