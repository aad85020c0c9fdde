"""After format (--force where needed) a file is canonical, and it loads to what the original loaded to.

    python3 format_roundtrip.py TOOL SOURCE_DIR SHARED_DIR

Every fuzz seed, every JSON test suite file, every example and keymapctl test document goes through
format as a keymap and as a joystick keymap. A file that does not load cleanly must be refused and
left as it was; any other must then pass format --check, and check must describe it as before
(items per type, unknown elements, feature images). Text written in another encoding is skipped by
format the same way as a broken file. check and format take many files: each runs once per kind
over copies of all of them.
"""
import glob, json, os, shutil, subprocess, sys, tempfile

tool, source, shared = sys.argv[1:4]
files = sorted(glob.glob(f"{source}/fuzz/seeds/document/*") + glob.glob(f"{shared}/testdata/json-test-suite/*.json")
               + glob.glob(f"{source}/examples/*.json") + glob.glob(f"{source}/tests/keymapctl/data/*.json"))
if len(files) < 300:
    sys.exit(f"only {len(files)} documents found; is {shared}/testdata there?")


def run(*arguments):
    return subprocess.run([tool, *arguments], capture_output=True, cwd=work)


def by_file(kind, names):
    """check --json over every file at once: per file, whether it loads cleanly and its description."""
    report = json.loads(run("check", "--json", *kind, *names).stdout)
    failing = {f["file"] for f in report.get("findings", []) if f["severity"] == "error"}
    described = {name: [] for name in names}
    for entry in report.get("files", []):
        described[entry["file"]].append(entry)
    return {name: (name not in failing, described[name]) for name in names}


def said_about(result, name):
    """The lines a command over many files printed about one of them."""
    text = (result.stdout + result.stderr).decode(errors="replace").splitlines()
    return [line for line in text if line.startswith((f"{name}: ", f"keymapctl format: {name}: "))]


# Each command runs once per kind over copies of every file, named by number so that no name is a
# prefix of another; the verdicts are per file, as if each had been run alone.
failures = []
work = tempfile.mkdtemp()
rewritten = 0
try:
    for kind in ([], ["--joystick"]):
        names = [f"{i:04d}.json" for i in range(len(files))]
        for path, name in zip(files, names):
            shutil.copyfile(path, os.path.join(work, name))
        before = by_file(kind, names)
        formatted = run("format", "--force", *kind, *names)
        check = run("format", "--check", *kind, *names)
        after = by_file(kind, names)
        for path, name in zip(files, names):
            original = open(path, "rb").read()
            after_bytes = open(os.path.join(work, name), "rb").read()
            where = f"{os.path.relpath(path, source)} {' '.join(kind)}"
            loads, description = before[name]
            if not loads:
                if after_bytes != original or f"{name}: formatted" in said_about(formatted, name):
                    failures.append(f"{where}: does not load cleanly, yet format rewrote it")
                continue
            rewritten += after_bytes != original
            if said_about(check, name):
                failures.append(f"{where}: not canonical after format: {said_about(check, name)}")
            if after[name] != before[name]:
                failures.append(f"{where}: loads differently after format:\n  {description}\n  {after[name][1]}")
finally:
    shutil.rmtree(work)
print(f"{len(files)} documents, each as both kinds; {rewritten} rewrites; {len(failures)} failures")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
