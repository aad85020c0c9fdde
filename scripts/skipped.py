#!/usr/bin/env python3
"""The closing line of `make test`: how many GoogleTest tests were skipped and why, read from the
results the suites write to BUILD_DIR/test-results/. With --none-allowed (CI) any skip fails."""

import sys
import xml.etree.ElementTree as ElementTree
from collections import Counter
from pathlib import Path


def main():
    results = Path(sys.argv[1]) / "test-results"
    reasons = Counter()
    for report in sorted(results.glob("*.xml")):
        for case in ElementTree.parse(report).iter("testcase"):
            skipped = case.find("skipped")
            if skipped is not None:
                reasons[skipped.get("message", "").strip().splitlines()[-1:][0] if skipped.get("message") else "no reason given"] += 1
    if not reasons:
        print("skipped: none")
        return 0
    print(f"skipped: {sum(reasons.values())} tests, " + "; ".join(f"{n} for {why}" for why, n in reasons.items()))
    return 1 if "--none-allowed" in sys.argv[2:] else 0


if __name__ == "__main__":
    sys.exit(main())
