"""Reads the "label X Y WIDTH HEIGHT TEXT" lines of keymapctl render --debug-labels on stdin and
checks that every box lies inside the WIDTH x HEIGHT picture and none overlaps another."""
import itertools
import sys

w, h = map(float, sys.argv[1:3])
boxes = [tuple(map(float, line.split()[1:5])) for line in sys.stdin if line.startswith("label ")]
e = 0.01  # boxes that only touch do not overlap
outside = [b for b in boxes if b[0] < -e or b[1] < -e or b[0] + b[2] > w + e or b[1] + b[3] > h + e]
over = [(a, b) for a, b in itertools.combinations(boxes, 2)
        if min(a[0] + a[2], b[0] + b[2]) - max(a[0], b[0]) > e and min(a[1] + a[3], b[1] + b[3]) - max(a[1], b[1]) > e]
print(f"{len(boxes)} labels; outside: {outside}; overlapping: {over}")
sys.exit(1 if outside or over or not boxes else 0)
