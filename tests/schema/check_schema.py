"""Holds schema/keymap.schema.json against the library's own loader:
    check_schema.py SCHEMA SCHEMA_FIXTURES tests/schema EXAMPLES
The loader (through schema_fixtures) and the validator must agree on every document: those the library
writes, the built-in templates, filled.json (all accepted), the examples, filled.json without each of
its members in turn (a refusal must stop the loader at the removed member), and the changes to
filled.json in cases.txt (each also with the verdict listed there)."""
import copy
import json
import pathlib
import subprocess
import sys
import tempfile

from jsonschema import Draft202012Validator

schema_path, fixtures, data, examples = map(pathlib.Path, sys.argv[1:5])
schema = json.loads(schema_path.read_text(encoding="utf-8"))
Draft202012Validator.check_schema(schema)
validator = Draft202012Validator(schema)
base = json.loads((data / "filled.json").read_text(encoding="utf-8"))


def fixture(*args):
    return subprocess.run([fixtures, *args], stdout=subprocess.PIPE, text=True, check=True).stdout


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
    fixture("write", work, data / "filled.json")
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
    lines = fixture("load", *(d[1] for d in documents)).splitlines()
    loader = {file: rest for file, *rest in (line.split("\t") for line in lines)}

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
