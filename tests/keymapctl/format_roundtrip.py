"""After format (--force where needed) a file is canonical, and it loads to what the original loaded to.

    python3 format_roundtrip.py TOOL SOURCE_DIR SHARED_DIR

Every fuzz seed, every JSON test suite file, every example and keymapctl test document goes through
format as a keymap and as a joystick keymap. A file that does not load cleanly must be refused and
left as it was; any other must then pass format --check, and check must describe it as before
(items per type, unknown elements, feature images). Text written in another encoding is skipped by
format the same way as a broken file.
"""
import glob, json, os, shutil, subprocess, sys, tempfile

tool, source, shared = sys.argv[1:4]
files = sorted(glob.glob(f"{source}/fuzz/seeds/document/*") + glob.glob(f"{shared}/testdata/json-test-suite/*.json")
               + glob.glob(f"{source}/examples/*.json") + glob.glob(f"{source}/tests/keymapctl/data/*.json"))
# Thousands of nested openings take the JSON library tens of seconds to refuse, in any command.
files = [f for f in files if not os.path.basename(f).startswith(("n_structure_100000_opening_arrays",
                                                                  "n_structure_open_array_object"))]
if len(files) < 300:
    sys.exit(f"only {len(files)} documents found; is {shared}/testdata there?")


def run(*arguments):
    return subprocess.run([tool, *arguments], capture_output=True, cwd=work)


def described(kind, name):
    result = run("check", "--json", *kind, name)
    return json.loads(result.stdout).get("files", []), result.returncode


failures = []
work = tempfile.mkdtemp()
rewritten = 0
try:
    for path in files:
        for kind in ([], ["--joystick"]):
            name = "doc.json"
            shutil.copyfile(path, os.path.join(work, name))
            before, loads = described(kind, name)
            original = open(path, "rb").read()
            formatted = run("format", "--force", *kind, name)
            after_bytes = open(os.path.join(work, name), "rb").read()
            where = f"{os.path.relpath(path, source)} {' '.join(kind)}"
            if loads != 0:
                if after_bytes != original or formatted.returncode == 0:
                    failures.append(f"{where}: does not load cleanly, yet format rewrote it")
                continue
            rewritten += after_bytes != original
            check = run("format", "--check", *kind, name)
            if check.returncode != 0:
                failures.append(f"{where}: not canonical after format: {check.stdout.decode(errors='replace')}")
            after, _ = described(kind, name)
            if after != before:
                failures.append(f"{where}: loads differently after format:\n  {before}\n  {after}")
finally:
    shutil.rmtree(work)
print(f"{len(files)} documents, each as both kinds; {rewritten} rewrites; {len(failures)} failures")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
