#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists which top-level folder includes which (with the number of includes) and fails on a cycle.

Usage: folder-graph.py [SOURCE_ROOT]
An include is resolved like the compiler does: beside the including file, then from the source root and
the public include folders of the libraries; includes that resolve to no file of ours (Qt, std) are not
edges.
"""
import pathlib
import re
import sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent).resolve()
include_roots = [root, root / "button" / "include", root / "base" / "include", root / "tests"]
skipped = {"build", "docs", "resources", ".git"}
pattern = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.MULTILINE)

edges = {}
for source in root.rglob("*"):
    if source.suffix not in {".cpp", ".h"} or source.relative_to(root).parts[0] in skipped:
        continue
    here = source.relative_to(root).parts[0]
    for name in pattern.findall(source.read_text(encoding="utf-8", errors="replace")):
        for base in [source.parent, *include_roots]:
            target = (base / name).resolve()
            if target.is_file() and target.is_relative_to(root):
                there = target.relative_to(root).parts[0]
                if there != here:
                    edges.setdefault(here, {}).setdefault(there, 0)
                    edges[here][there] += 1
                break

for here in sorted(edges):
    for there, count in sorted(edges[here].items()):
        print(f"{here} -> {there} ({count})")

# A cycle is a path back to a folder still on the stack of the depth-first walk.
state = {}
cycles = []


def walk(folder, path):
    state[folder] = "open"
    for there in sorted(edges.get(folder, {})):
        if state.get(there) == "open":
            cycles.append(path[path.index(there):] + [there])
        elif there not in state:
            walk(there, path + [there])
    state[folder] = "done"


for folder in sorted(edges):
    if folder not in state:
        walk(folder, [folder])

for cycle in cycles:
    print("cycle: " + " -> ".join(cycle), file=sys.stderr)
sys.exit(1 if cycles else 0)
