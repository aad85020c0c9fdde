#!/usr/bin/env python3
"""Planted faults: applies each fault of mutants/faults.txt to the source tree in turn, rebuilds the
targets of the suites that guard the touched file, runs those suites, and restores the file.

A fault is caught when a suite fails (or does not finish in time) or when the faulty tree does not
build; it survives when every suite passes. mutants/suites.txt says which suites guard which files.
"""

import argparse
import base64
import fcntl
import hashlib
import fnmatch
import json
import os
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FAULTS = ROOT / "mutants" / "faults.txt"
SUITES = ROOT / "mutants" / "suites.txt"
JOURNAL_NAME = "mutants-applied.json"  # in the build directory while a fault is in the tree


class Interrupted(Exception):
    pass


@dataclass
class Fault:
    name: str
    file: str
    original: str
    replacement: str
    line: int  # where the record starts in faults.txt
    qt: str = ""  # the Qt major version whose build alone holds the text, else empty


@dataclass
class Outcome:
    fault: Fault
    verdict: str  # caught, survived, no-build, stale
    detail: str = ""
    build_seconds: float = 0.0
    test_seconds: float = 0.0
    side_effects: tuple = ()


# --- the lists -------------------------------------------------------------------------------------


def parse_faults(path):
    """Records of 'file', 'name', 'from' and 'to' lines. 'file' holds for the records after it; a
    line '| text' continues the 'from' or 'to' above it on a new line of source."""
    faults, errors = [], []
    current_file = None
    record = None
    last_key = None

    def finish():
        nonlocal record
        if record is None:
            return
        missing = [k for k in ("from", "to") if k not in record]
        if missing:
            errors.append(f"{path.name}:{record['line']}: fault {record['name']} lacks {' and '.join(missing)}")
        elif record["from"] == record["to"]:
            errors.append(f"{path.name}:{record['line']}: fault {record['name']} changes nothing")
        else:
            faults.append(Fault(record["name"], record["file"], record["from"], record["to"], record["line"],
                                record.get("qt", "")))
        record = None

    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        stripped = raw.strip()
        if not stripped or stripped.startswith("#"):
            continue
        if stripped.startswith("|"):
            if record is None or last_key not in ("from", "to"):
                errors.append(f"{path.name}:{number}: '|' continues no 'from' or 'to'")
                continue
            record[last_key] += "\n" + stripped[2:] if len(stripped) > 1 else "\n"
            continue
        key, _, value = stripped.partition(" ")
        value = value.strip()
        if key == "file":
            finish()
            current_file = value
        elif key == "name":
            finish()
            if current_file is None:
                errors.append(f"{path.name}:{number}: fault {value} before any 'file' line")
            record = {"name": value, "file": current_file, "line": number}
        elif key == "qt" and record is not None:
            record["qt"] = value
        elif key in ("from", "to"):
            if record is None:
                errors.append(f"{path.name}:{number}: '{key}' outside a fault")
                continue
            record[key] = value
        else:
            errors.append(f"{path.name}:{number}: unknown line '{stripped}'")
        last_key = key
    finish()

    seen = {}
    for fault in faults:
        if fault.name in seen:
            errors.append(f"{path.name}:{fault.line}: fault name {fault.name} also at line {seen[fault.name]}")
        seen[fault.name] = fault.line
    return faults, errors


def parse_suites(path):
    """Lines 'PATH-PREFIX SUITE...'; the longest prefix of a file's path chooses its suites."""
    table = []
    for raw in path.read_text(encoding="utf-8").splitlines():
        stripped = raw.split("#", 1)[0].strip()
        if stripped:
            prefix, *suites = stripped.split()
            table.append((prefix, suites))
    return table


def suites_for(table, file):
    best = None
    for prefix, suites in table:
        if file.startswith(prefix) and (best is None or len(prefix) > len(best[0])):
            best = (prefix, suites)
    return best[1] if best else []


# --- the build -------------------------------------------------------------------------------------


def ctest_tests(build_dir):
    """Every CTest test with the build targets it runs: the programs it names by a path inside the
    build directory (its command, its arguments, its environment), each built by the target of that
    file name."""
    shown = subprocess.run(["ctest", "--show-only=json-v1"], cwd=build_dir, check=True,
                           capture_output=True, text=True)
    build = str(Path(build_dir).resolve())
    tests = {}
    for test in json.loads(shown.stdout)["tests"]:
        words = list(test.get("command", []))
        for prop in test.get("properties", []):
            if prop["name"] == "ENVIRONMENT":
                words += [v.partition("=")[2] for v in prop["value"]]
        targets = []
        for word in words:
            for piece in word.split(":"):
                if piece.startswith(build + "/") and "/CMakeFiles/" not in piece:
                    name = os.path.basename(piece)
                    if name and name not in targets and "." not in name:
                        targets.append(name)
        tests[test["name"]] = targets
    return tests


def run_logged(command, log, timeout=None, cwd=ROOT):
    """Runs a command in its own process group and appends its output to log; a timeout kills the
    whole group. Returns (exit code, or None on a timeout; seconds; output)."""
    start = time.monotonic()
    process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               stdin=subprocess.DEVNULL, start_new_session=True, text=True, errors="replace")
    try:
        output, _ = process.communicate(timeout=timeout)
        code = process.returncode
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        output, _ = process.communicate()
        code = None
    except BaseException:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(command)}\n{output}")
    return code, time.monotonic() - start, output


def build(build_dir, targets, jobs, log):
    code, seconds, _ = run_logged(["cmake", "--build", str(build_dir), "-j", str(jobs), "--target", *targets], log)
    return code, seconds


TEST_LINE = re.compile(r"Test +#\d+: (\S+) .*?(Passed|\*\*\*\S+|Failed|Timeout|Exception|Not Run).*?([\d.]+) sec")


def run_suites(build_dir, suites, jobs, log, timeout):
    """Runs the suites, stopping at the first failure. Returns (exit code or None on a timeout,
    seconds, {suite: seconds} and the suites that failed)."""
    pattern = "^(" + "|".join(re.escape(s) for s in suites) + ")$"
    code, seconds, output = run_logged(["ctest", "-j", str(jobs), "-R", pattern, "--stop-on-failure"],
                                       log, timeout=timeout, cwd=build_dir)
    times, failed = {}, []
    for name, status, taken in TEST_LINE.findall(output):
        times[name] = float(taken)
        if status != "Passed":
            failed.append(name)
    return code, seconds, times, failed


# --- applying and restoring ------------------------------------------------------------------------


class Applied:
    """A fault in the working tree, with a journal in the build directory so that a run killed
    outright is undone by the next one. Files are handled as bytes, so that restoring gives back
    exactly what was there, line ends included."""

    def __init__(self, build_dir, fault, original):
        self.journal = Path(build_dir) / JOURNAL_NAME
        self.path = ROOT / fault.file
        self.original = original
        self.faulty = original.replace(fault.original.encode(), fault.replacement.encode(), 1)
        self.fault = fault

    def __enter__(self):
        self.journal.write_text(json.dumps({"file": self.fault.file,
                                            "bytes": base64.b64encode(self.original).decode()}))
        self.path.write_bytes(self.faulty)
        return self

    def __exit__(self, *exc):
        self.path.write_bytes(self.original)
        self.journal.unlink()
        return False


def restore_leftover(build_dir):
    journal = Path(build_dir) / JOURNAL_NAME
    if journal.exists():
        data = json.loads(journal.read_text())
        (ROOT / data["file"]).write_bytes(base64.b64decode(data["bytes"]))
        journal.unlink()
        print(f"restored {data['file']}, left faulty by an earlier run that was killed")


def occurrences(fault):
    """How often the fault's original text is in its file (None when the file is missing)."""
    path = ROOT / fault.file
    return path.read_bytes().count(fault.original.encode()) if path.exists() else None


def tree_status():
    """The tracked files that differ from the index or HEAD, and the untracked files (git status
    lines); None outside a git work tree."""
    shown = subprocess.run(["git", "status", "--porcelain=v1", "--untracked-files=all"], cwd=ROOT,
                           capture_output=True, text=True)
    return set(shown.stdout.splitlines()) if shown.returncode == 0 else None


def undo_side_effects(before):
    """Faulty code run by a test may write into the source tree (a test that runs a tool on a file
    of its data, say): tracked files that were clean before the run are checked out again, so that
    later faults run against the true tree. Returns what was found."""
    if before is None:
        return []
    changed = sorted((tree_status() or set()) - before)
    restore = [line[3:] for line in changed if line[:2] in (" M", " D")]
    if restore:
        subprocess.run(["git", "checkout", "--", *restore], cwd=ROOT, check=True)
    return [line[3:] + (" (restored)" if line[3:] in restore else "") for line in changed]


# --- the run ---------------------------------------------------------------------------------------


def select(faults, patterns, sample):
    if patterns:
        chosen = []
        for fault in faults:
            for pattern in patterns:
                if fault.file.startswith(pattern) or fnmatch.fnmatch(fault.name, pattern) \
                        or fnmatch.fnmatch(fault.file, pattern):
                    chosen.append(fault)
                    break
        faults = chosen
    if sample and sample < len(faults):
        # Chosen by a hash of the name: the same faults every time, and adding faults to the list
        # changes the sample only by the few new ones that come first in that order.
        ranked = sorted(faults, key=lambda f: hashlib.sha1(f.name.encode()).hexdigest())
        picked = {f.name for f in ranked[:sample]}
        faults = [f for f in faults if f.name in picked]
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default="build-mutants")
    parser.add_argument("--only", action="append", default=[], metavar="PATTERN",
                        help="faults whose file starts with PATTERN, or whose name or file matches it "
                             "as a glob (repeatable)")
    parser.add_argument("--sample", type=int, default=0, metavar="N", help="a fixed sample of N faults")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--qt", default="5", help="the Qt major version of the build: faults marked for the "
                        "other one (code inside its #if branches) are left out")
    parser.add_argument("--list", action="store_true", help="list the chosen faults and their suites")
    args = parser.parse_args()

    faults, errors = parse_faults(FAULTS)
    if errors:
        print("\n".join(errors), file=sys.stderr)
        return 2
    table = parse_suites(SUITES)
    faults = [f for f in faults if f.qt in ("", args.qt)]
    chosen = select(faults, args.only, args.sample)
    if not chosen:
        print("no fault matches", file=sys.stderr)
        return 2
    if args.list:
        stale = 0
        for fault in chosen:
            found = occurrences(fault) or 0
            stale += found != 1
            mark = "" if found == 1 else f"  STALE: found {found} times"
            print(f"{fault.name:45} {fault.file:45} {' '.join(suites_for(table, fault.file))}{mark}")
        print(f"{len(chosen)} faults, {stale} stale")
        return 1 if stale else 0

    build_dir = (ROOT / args.build_dir).resolve()
    if not (build_dir / "CTestTestfile.cmake").exists():
        print(f"{build_dir} is not a configured build directory (make configure BUILD_DIR=...)", file=sys.stderr)
        return 2
    # One run per build directory; the lock is held until the process ends.
    lock = open(build_dir / "mutants.lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        print(f"another run is using {build_dir}", file=sys.stderr)
        return 2
    restore_leftover(build_dir)
    log = build_dir / "mutants.log"
    log.write_text("")

    # Stop cleanly on Ctrl-C and on kill: the file in hand is restored on the way out.
    def interrupted(signum, frame):
        raise Interrupted()
    signal.signal(signal.SIGINT, signal.default_int_handler)  # even when started in the background
    signal.signal(signal.SIGTERM, interrupted)
    if signal.getsignal(signal.SIGHUP) is not signal.SIG_IGN:  # left ignored under nohup
        signal.signal(signal.SIGHUP, interrupted)

    tests = ctest_tests(build_dir)
    if any(not targets for targets in tests.values()):
        # CTest names no program for a test whose program is not built yet (a fresh build
        # directory): build everything once, then ask again.
        if build(build_dir, ["all"], args.jobs, log)[0] != 0:
            print("the untouched tree does not build", file=sys.stderr)
            return 2
        tests = ctest_tests(build_dir)
    plan = []
    for fault in chosen:
        suites = suites_for(table, fault.file)
        unknown = [s for s in suites if s not in tests]
        if not suites or unknown:
            print(f"{fault.name}: no suites for {fault.file}" if not suites
                  else f"{fault.name}: unknown suites {' '.join(unknown)}", file=sys.stderr)
            return 2
        plan.append((fault, suites))

    # The untouched tree must build and pass, or every fault would look caught. Its times also
    # bound each faulty run: three times the clean time, at least a minute.
    every_suite = sorted({s for _, suites in plan for s in suites})
    targets = sorted({t for s in every_suite for t in tests[s]})
    print(f"{len(plan)} faults; building and running the {len(every_suite)} suites they need on the "
          f"untouched tree (log: {log})", flush=True)
    code, build_seconds = build(build_dir, targets, args.jobs, log)
    if code != 0:
        print("the untouched tree does not build", file=sys.stderr)
        return 2
    code, seconds, clean_seconds, failed = run_suites(build_dir, every_suite, args.jobs, log, None)
    if code != 0 or set(clean_seconds) != set(every_suite):
        print(f"on the untouched tree, failing: {' '.join(failed) or 'see the log'}", file=sys.stderr)
        return 2
    print("clean suite times: " + ", ".join(f"{s} {clean_seconds[s]:.0f}s" for s in every_suite), flush=True)

    outcomes = []
    before = tree_status()
    started = time.monotonic()
    try:
        for number, (fault, suites) in enumerate(plan, 1):
            outcome = Outcome(fault, "stale")
            found = occurrences(fault)
            if found != 1:
                outcome.detail = "file missing" if found is None else f"original text found {found} times"
            else:
                with Applied(build_dir, fault, (ROOT / fault.file).read_bytes()):
                    fault_targets = sorted({t for s in suites for t in tests[s]})
                    code, outcome.build_seconds = build(build_dir, fault_targets, args.jobs, log)
                    if code != 0:
                        outcome.verdict = "no-build"
                    else:
                        timeout = max(60.0, 3 * sum(clean_seconds[s] for s in suites))
                        code, outcome.test_seconds, _, failed = run_suites(build_dir, suites, args.jobs, log,
                                                                           timeout)
                        if code is None:
                            outcome.verdict, outcome.detail = "caught", f"timed out after {timeout:.0f}s"
                        elif code != 0:
                            outcome.verdict = "caught"
                            outcome.detail = "by " + " ".join(failed)
                        else:
                            outcome.verdict = "survived"
                outcome.side_effects = tuple(undo_side_effects(before))
                if outcome.side_effects:
                    outcome.detail += f"; the faulty run changed {', '.join(outcome.side_effects)}"
            outcomes.append(outcome)
            print(f"[{number}/{len(plan)}] {outcome.verdict:8} {fault.name} "
                  f"({outcome.build_seconds:.0f}s build, {outcome.test_seconds:.0f}s tests) {outcome.detail}",
                  flush=True)
    except (KeyboardInterrupt, Interrupted):
        print("\ninterrupted; the tree is restored", flush=True)
    # Nothing is rebuilt here: each restored file is newer than its faulty objects, so the next
    # build of any kind rebuilds them.

    total = time.monotonic() - started
    ran = [o for o in outcomes if o.verdict != "stale"]
    caught = [o for o in ran if o.verdict in ("caught", "no-build")]
    no_build = [o for o in ran if o.verdict == "no-build"]
    survived = [o for o in ran if o.verdict == "survived"]
    stale = [o for o in outcomes if o.verdict == "stale"]
    print()
    print(f"caught {len(caught)} of {len(ran)}" + (f" ({len(no_build)} did not build)" if no_build else ""))
    if ran:
        print(f"time: {total / 60:.1f} min, {total / len(ran):.0f}s per fault")
    wrote = [o for o in outcomes if o.side_effects]
    for title, group in (("survived", survived), ("did not build", no_build), ("stale", stale),
                         ("changed the source tree while tested", wrote)):
        if group:
            print(f"{title}:")
            for o in group:
                print(f"  {o.fault.name:45} {o.fault.file}" + (f"  ({o.detail})" if o.detail else ""))
    if len(outcomes) < len(plan):
        return 130
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
