#!/usr/bin/env python3
"""Prints the rows of the upper-casing table of src/metadata/UpperCase.cpp.

Each row is {first, last, delta, stride}: every code point from first to last, in steps of
stride, upper-cases to itself plus delta. Code points whose upper case is more than one
character (German sharp s) keep their own. Rows are disjoint and in code point order, so a
lookup is one binary search. The Unicode version is the one of the Python that runs this.
"""
import sys

mapping = {}
for cp in range(0x110000):
    upper = chr(cp).upper()
    if len(upper) == 1 and upper != chr(cp):
        mapping[cp] = ord(upper)

points = sorted(mapping)
rows = []
i = 0
while i < len(points):
    first = points[i]
    delta = mapping[first] - first
    best = (first, first, delta, 1)
    for stride in (1, 2):
        last = first
        while True:
            following = last + stride
            fits = following in mapping and mapping[following] - following == delta
            # A row of stride 2 may only step over code points that keep their case.
            if stride == 2:
                fits = fits and (following - 1) not in mapping
            if not fits:
                break
            last = following
        if last > best[1]:
            best = (first, last, delta, stride)
    rows.append(best)
    while i < len(points) and points[i] <= best[1]:
        i += 1

for cp in range(0x110000):
    got = cp
    for first, last, delta, stride in rows:
        if first <= cp <= last and (cp - first) % stride == 0:
            got = cp + delta
    if got != mapping.get(cp, cp):
        sys.exit("table check failed at U+%04X" % cp)

for first, last, delta, stride in rows:
    print("    {0x%04X, 0x%04X, %d, %d}," % (first, last, delta, stride))
