#!/usr/bin/env python3
"""Compares two LeakSanitizer reports of the same program, a short run and a long one: leaks are grouped
by the first frame in this project's code (game/, common/, bench/, tests/) and shown side by side. Exits 1
when the long run leaked more bytes than the short one, naming the groups that grew.
    leak_table.py SHORT_REPORT LONG_REPORT"""
import re
import sys
from collections import defaultdict

HEADER = re.compile(r"^(Direct|Indirect) leak of (\d+) byte\(s\) in (\d+) object\(s\) allocated from:")
FRAME = re.compile(r"^\s+#\d+ 0x[0-9a-f]+ in (.+?) (\S+:\d+)(?::\d+)?$")
OURS = re.compile(r"/(game|common|bench|tests)/(.+)$")


def where(frames):
    """The first frame in the project, else the first one outside the sanitizer's own allocator."""
    for function, place in frames:
        match = OURS.search(place)
        if match:
            return "%s (%s/%s)" % (function.split("(")[0], match.group(1), match.group(2))
    for function, place in frames:
        if "sanitizer" not in place and "asan" not in place:
            return "%s (%s)" % (function.split("(")[0], place.rsplit("/", 1)[-1])
    return "?"


def read(path):
    """{(kind, where): [bytes, objects]} of one report."""
    groups = defaultdict(lambda: [0, 0])
    kind, size, count, frames = None, 0, 0, []

    def close():
        if kind:
            g = groups[(kind, where(frames))]
            g[0] += size
            g[1] += count

    with open(path, errors="replace") as f:
        for line in f:
            header = HEADER.match(line)
            frame = FRAME.match(line)
            if header:
                close()
                kind, size, count, frames = header.group(1), int(header.group(2)), int(header.group(3)), []
            elif frame and kind:
                frames.append((frame.group(1), frame.group(2)))
            elif not line.strip() and frames:
                close()
                kind, frames = None, []
    close()
    return groups


def main():
    short, long_ = read(sys.argv[1]), read(sys.argv[2])
    keys = sorted(set(short) | set(long_), key=lambda k: -(long_.get(k, [0])[0]))
    print("%-9s %-70s %18s %18s" % ("leak", "allocated in", "short run", "long run"))
    grew = []
    for k in keys:
        s, l = short.get(k, [0, 0]), long_.get(k, [0, 0])
        print("%-9s %-70s %10d B/%-5d %10d B/%-5d" % (k[0], k[1][:70], s[0], s[1], l[0], l[1]))
        if l[0] > s[0]:
            grew.append(k)
    total_s = sum(v[0] for v in short.values())
    total_l = sum(v[0] for v in long_.values())
    print("total: %d bytes after the short run, %d bytes after the long run" % (total_s, total_l))
    for k in grew:
        print("grows: %s leak from %s" % k)
    return 1 if total_l > total_s else 0


if __name__ == "__main__":
    sys.exit(main())
