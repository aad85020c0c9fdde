"""Holds schema/keymap.schema.json against the library's own loader:
    check_schema.py SCHEMA KEYMAPCTL SCHEMA_TEMPLATES tests/schema EXAMPLES
The loader (asked through keymapctl check) and the validator must agree on every document: those the
library writes (a new item of every type, as a keymap and as a joystick keymap with feature images,
filled.json saved again, the built-in templates as they are and as saved), filled.json (all accepted),
the examples, filled.json without each of its members in turn (a refusal must stop the loader at the
removed member), and the changes to filled.json in cases.txt (each also with the verdict listed there)."""
import base64
import copy
import json
import pathlib
import subprocess
import sys
import tempfile

from jsonschema import Draft202012Validator

schema_path, keymapctl, templates, data, examples = map(pathlib.Path, sys.argv[1:6])
schema = json.loads(schema_path.read_text(encoding="utf-8"))
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)
base = json.loads((data / "filled.json").read_text(encoding="utf-8"))


def tool(*args, exits=(0,)):
    run = subprocess.run([keymapctl, *map(str, args)], stdout=subprocess.PIPE, text=True)
    if run.returncode not in exits:
        sys.exit(f"keymapctl {args[0]} failed ({run.returncode})")
    return run.stdout


def saved(name, document, *options):
    """The file of the document as saving writes it (keymapctl format rewrites it so)."""
    file = work / name
    file.write_text(json.dumps(document), encoding="utf-8")
    tool("format", "--force", *options, file)
    return file


def members(node, path=()):
    """The path of every object member below node, arrays included."""
    children = node.items() if isinstance(node, dict) else enumerate(node) if isinstance(node, list) else ()
    for key, value in children:
        if isinstance(node, dict):
            yield path + (key,)
        yield from members(value, path + (key,))


def changed(path, *value):
    """A copy of filled.json with the member at path removed, or set to the value ("-" appends)."""
    document = copy.deepcopy(base)
    *parents, last = path
    node = document
    for step in parents:
        node = node[step]
    if not value:
        del node[last]
    elif last == "-":
        node.append(*value)
    else:
        node[last] = value[0]
    return document


def schema_errors(document, path):
    # filled.json is valid and each element of "keymaps" is judged on its own: a change is judged on
    # the document that holds only the element it touched, if any, which is far quicker.
    if len(path) > 1 and path[0] == "keymaps":
        document = dict(document, keymaps=[document["keymaps"][-1 if path[1] == "-" else path[1]]])
    elif path and path[0] != "keymaps" and isinstance(document.get("keymaps"), list):
        document = dict(document, keymaps=[])
    return [f"{'/'.join(map(str, e.absolute_path))}: {e.message}" for e in validator.iter_errors(document)]


def add(name, document, path=(), want=None, removed=None, file=None):
    """Adds a document to judge; one given as a document, not a file, is written to a file first."""
    if file is None:
        file = work / f"variant-{len(documents)}.json"
        file.write_text(json.dumps(document), encoding="utf-8")
    documents.append((name, file, document, path, want, removed))


documents = []  # (name, file, document, changed path, verdict wanted or None, member removed or None)
with tempfile.TemporaryDirectory(prefix="keymap-schema-") as tmp:
    work = pathlib.Path(tmp)
    subprocess.run([templates, work], check=True)
    items = [json.loads(tool("new", line.split()[0])) for line in tool("types").splitlines()]
    png = base64.b64encode((data.parent / "keymapctl/data/magenta.png").read_bytes()).decode()
    image = {"image": png, "rect": {"rel_x": 0.25, "rel_y": 0.5, "rel_width": 0.1, "rel_height": 0.2},
             "resolution": {"rel_width": 1920, "rel_height": 1080}}
    joystick = {"background_color": "000000FF", "visibility": True, "is_joystick": True, "character_id": 7,
                "feature_images": [[image], []]}
    saved("new-items.json", dict(base, keymaps=items))
    saved("joystick.json", {"info": joystick, "keymaps": items}, "--joystick")
    saved("saved-filled.json", base)
    for file in sorted(work.glob("*.json")) + [data / "filled.json"]:
        add(file.name, None, want="accept", file=file)
    for file in sorted(examples.glob("*.json")):
        add(file.name, None, file=file)
    for path in members(base):
        dotted = "".join(f"[{step}]" if isinstance(step, int) else f".{step}" for step in path)[1:]
        add(f"without {dotted}", changed(path), path, removed=dotted)
    for line in (data / "cases.txt").read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            verdict, target, pointer, _, value = line.split(maxsplit=4)
            path = tuple(int(s) if s.isdigit() else s for s in pointer.split("/")[1:])
            if target != "-":
                path = ("keymaps", [item["type"] for item in base["keymaps"]].index(target)) + path
            add(line, changed(path, json.loads(value)), path, want=verdict)
    checked = json.loads(tool("check", "--json", "--quiet", *(d[1] for d in documents), exits=(0, 1)))
    loader = {str(d[1]): ["accept"] for d in documents}
    for finding in checked["findings"]:
        loader[finding["file"]] = ["reject", finding.get("path", ""), finding["message"]]

    failures = []
    for name, file, document, path, want, removed in documents:
        verdict, *stop = loader[str(file)]
        said = "reads it" if verdict == "accept" else "stops at " + ": ".join(stop)
        errors = schema_errors(document or json.loads(file.read_text(encoding="utf-8-sig")), path)
        if want and verdict != want:
            failures.append(f"{name}: the loader {said}")
        elif bool(errors) != (verdict == "reject"):
            judged = "says " + "; ".join(errors[:3]) if errors else "accepts it"
            failures.append(f"{name}: the loader {said}, the schema {judged}")
        elif removed and verdict == "reject" and stop[0] != removed:
            failures.append(f"{name}: the loader {said}, not at the removed member")
for failure in failures:
    print("FAIL", failure)
print(f"schema: {len(documents) - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
