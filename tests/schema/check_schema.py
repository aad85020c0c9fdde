#!/usr/bin/env python3
"""Holds schema/keymap.schema.json against the library's own loader.

Every document here is given to both: the loader (through schema_fixtures) and the JSON Schema
validator. They must agree on every one: documents the library writes, the examples, the built-in
templates, filled.json, and the changes to filled.json listed in cases.txt.
"""
import argparse
import copy
import json
import pathlib
import subprocess
import sys
import tempfile

REMOVE = object()  # a case without "= JSON": the member is removed

try:
    from jsonschema import Draft202012Validator
except ImportError:  # the test must not pass without the real validator
    sys.exit("check_schema: python3-jsonschema with draft 2020-12 support is required")


class Checker:
    def __init__(self, schema, fixtures, work):
        self.validator = Draft202012Validator(schema)
        self.fixtures = fixtures
        self.work = work
        self.passed = 0
        self.failures = []

    def fixture(self, *args):
        result = subprocess.run([self.fixtures, *map(str, args)], capture_output=True, text=True)
        if result.returncode != 0:
            raise RuntimeError(f"schema_fixtures {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result.stdout

    def loader_verdicts(self, paths):
        """{path: (accepted, member, why)} from one run of the loader over all paths."""
        verdicts = {}
        for line in self.fixture("load", *paths).splitlines():
            fields = line.split("\t")
            if fields[0] == "ok":
                verdicts[fields[1]] = (True, "", "")
            else:
                verdicts[fields[1]] = (False, fields[2], fields[3])
        return verdicts

    def schema_errors(self, document):
        return [f"{'/'.join(map(str, e.absolute_path)) or '(root)'}: {e.message}"
                for e in self.validator.iter_errors(document)]

    def record(self, name, problem):
        if problem:
            self.failures.append(f"{name}: {problem}")
        else:
            self.passed += 1

    def check_documents(self, named_paths, expect_accepted=None):
        """Loader and schema must agree on each file; expect_accepted also fixes the verdict."""
        verdicts = self.loader_verdicts([p for _, p in named_paths])
        for name, path in named_paths:
            accepted, _, why = verdicts[str(path)]
            text = pathlib.Path(path).read_text(encoding="utf-8-sig")
            errors = self.schema_errors(json.loads(text))
            problem = None
            if expect_accepted is not None and accepted != expect_accepted:
                problem = "the loader " + ("rejects it: " + why if not accepted else "reads it")
            elif accepted and errors:
                problem = "the loader reads it but the schema rejects it: " + "; ".join(errors[:3])
            elif not accepted and not errors:
                problem = "the loader rejects it (" + why + ") but the schema accepts it"
            self.record(name, problem)

    def check_cases(self, base, cases):
        """Applies each case to a copy of base, then compares loader, schema and expectation."""
        documents = []
        for number, (verdict, target, pointer, value, line) in enumerate(cases):
            for label, document in apply_case(base, target, pointer, value):
                path = self.work / f"case-{number}-{len(documents)}.json"
                path.write_text(json.dumps(document, indent=2), encoding="utf-8")
                documents.append((f"{line} [{label}]", verdict, pointer, value, path, document))
        verdicts = self.loader_verdicts([d[4] for d in documents])
        for name, verdict, pointer, value, path, document in documents:
            accepted, member, why = verdicts[str(path)]
            errors = self.schema_errors(document)
            want = verdict == "accept"
            problem = None
            if accepted != want:
                problem = "the loader " + ("reads it" if accepted else "rejects it: " + why)
            elif bool(errors) == want:
                problem = "the schema " + ("rejects it: " + "; ".join(errors[:3]) if errors else "accepts it")
            elif not want and value is REMOVE and member != pointer.rsplit("/", 1)[-1]:
                problem = f"the loader stops at \"{member}\", not at the removed member: {why}"
            self.record(name, problem)


def parse_cases(text):
    cases = []
    for line in text.splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        head, _, value = line.partition(" = ")
        verdict, target, pointer = head.split()
        if verdict not in ("accept", "reject"):
            raise ValueError(f"bad verdict in: {line}")
        cases.append((verdict, target, pointer, json.loads(value) if value else REMOVE, line))
    return cases


def apply_case(base, target, pointer, value):
    """Yields (label, changed document) for the item(s) or root that TARGET names."""
    roots = []
    if target == "-":
        roots.append(("root", None))
    else:
        for index, item in enumerate(base["keymaps"]):
            if target in ("*", item.get("type")):
                roots.append((item["type"], index))
                if target != "*":
                    break
    if not roots:
        raise ValueError(f"no item of type {target} in the base document")
    for label, index in roots:
        document = copy.deepcopy(base)
        node = document if index is None else document["keymaps"][index]
        *parents, last = [step.replace("~1", "/").replace("~0", "~") for step in pointer.split("/")[1:]]
        for step in parents:
            node = node[int(step)] if isinstance(node, list) else node[step]
        if value is REMOVE:
            if isinstance(node, list):
                del node[int(last)]
            elif last in node:
                del node[last]
            else:
                raise ValueError(f"{pointer} is not in the base document ({label})")
        elif isinstance(node, list):
            if last == "-":
                node.append(value)
            else:
                node[int(last)] = value
        else:
            node[last] = value
        yield label, document


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--schema", required=True, type=pathlib.Path)
    parser.add_argument("--fixtures", required=True, help="the schema_fixtures executable")
    parser.add_argument("--data", required=True, type=pathlib.Path, help="tests/schema")
    parser.add_argument("--examples", required=True, type=pathlib.Path)
    args = parser.parse_args()

    schema = json.loads(args.schema.read_text(encoding="utf-8"))
    Draft202012Validator.check_schema(schema)

    with tempfile.TemporaryDirectory(prefix="keymap-schema-") as tmp:
        work = pathlib.Path(tmp)
        checker = Checker(schema, args.fixtures, work)

        # Documents the library writes must be valid.
        saved = [("new item of every type", work / "new-items.json"),
                 ("joystick document", work / "joystick.json"),
                 ("filled.json saved again", work / "filled-saved.json")]
        checker.fixture("new-items", saved[0][1])
        checker.fixture("joystick", saved[1][1])
        checker.fixture("resave", args.data / "filled.json", saved[2][1])
        checker.fixture("templates", work)
        templates = sorted(work.glob("raw-*.json")) + sorted(work.glob("saved-*.json"))
        checker.check_documents(saved + [(f"template {p.name}", p) for p in templates]
                                + [("filled.json", args.data / "filled.json")], expect_accepted=True)

        # The examples: whatever the loader says of each, the schema must say too.
        if args.examples.is_dir():
            examples = sorted(args.examples.rglob("*.json"))
            if not examples:
                checker.record("examples", "the examples folder holds no .json file")
            checker.check_documents([(f"example {p.relative_to(args.examples)}", p) for p in examples])
        else:
            print(f"note: no examples folder at {args.examples}")

        base = json.loads((args.data / "filled.json").read_text(encoding="utf-8"))
        checker.check_cases(base, parse_cases((args.data / "cases.txt").read_text(encoding="utf-8")))

    for failure in checker.failures:
        print("FAIL", failure)
    print(f"schema: {checker.passed} passed, {len(checker.failures)} failed")
    return 1 if checker.failures else 0


if __name__ == "__main__":
    sys.exit(main())
