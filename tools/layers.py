#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layer check: every #include "..." of the program's folders must follow
an edge of the allowed folder graph below (header-only edges included, which
the linker cannot see), and the standard C++ folders include no Qt header.

  tools/layers.py [ROOT]          check; exit 1 with the offending lines
  tools/layers.py --graph [ROOT]  print the folder graph the includes form
"""
import os
import re
import sys

# Folder -> the folders its files may include, lowest layers first. A folder
# always includes itself.
ALLOWED = {
    "engine": [],
    "layout": [],
    "session": ["engine", "layout"],
    "skin/archive": [],
    "skin/data": ["skin/archive"],
    "skin/frame": ["skin/data", "skin/archive"],
    "skin/controls": ["skin/data", "skin/archive"],
    "look": ["engine", "layout"],
    "io": [],
    "book": ["engine", "layout", "session", "io"],
    "reading": ["engine", "layout", "session", "look", "io"],
    "ui": ["engine", "layout", "session", "look", "io", "book", "reading",
           "skin/frame", "skin/controls", "skin/data", "skin/archive"],
    "report": ["engine", "layout", "session", "io", "book"],
    "report/pdf": ["report", "engine", "layout", "session", "look", "io", "reading"],
    "tools/skinpack": ["skin/archive", "io"],
    "tools/preview": ["layout", "look"],
    "tools/iconraster": ["ui"],  # ui/IconRaster.h only: the same drawing code
    ".": ["ui", "look", "layout", "session", "engine"],  # Lirem3.cpp, the entry
}
# Folders of standard C++ only: no Qt header may appear in them.
NO_QT = {"engine", "layout", "session", "skin/archive", "io", "book", "report", "tools/skinpack"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def folder_of(path):
    """The layer folder of a file or an included path: the longest known prefix."""
    parts = path.split("/")[:-1]
    while parts:
        candidate = "/".join(parts)
        if candidate in ALLOWED:
            return candidate
        parts.pop()
    return "."


def sources(root):
    for top in [d for d in ALLOWED if d != "."] + ["."]:
        base = os.path.join(root, top)
        if top == ".":
            names = [n for n in os.listdir(root) if n.endswith((".cpp", ".h"))]
            yield from ((n, os.path.join(root, n)) for n in sorted(names))
            continue
        if not os.path.isdir(base):
            continue
        for name in sorted(os.listdir(base)):
            if name.endswith((".cpp", ".h")):
                yield (top + "/" + name, os.path.join(base, name))


def edges(root):
    for rel, path in sources(root):
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = INCLUDE.match(line)
                if m:
                    yield rel, number, m.group(1), m.group(2)


def main(argv):
    graph_only = "--graph" in argv
    args = [a for a in argv[1:] if a != "--graph"]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    problems = []
    graph = {}
    for rel, number, kind, target in edges(root):
        here = folder_of(rel)
        if kind == "<":
            if here in NO_QT and re.match(r"Q[A-Za-z]|qt", target):
                problems.append(f"{rel}:{number}: Qt header <{target}> in a standard C++ folder")
            continue
        there = folder_of(target)
        if not os.path.exists(os.path.join(root, target)):
            continue  # generated or third-party headers
        graph.setdefault(here, set()).add(there)
        if there != here and there not in ALLOWED.get(here, []):
            problems.append(f'{rel}:{number}: {here}/ may not include "{target}" ({there}/)')
    if graph_only:
        for folder in sorted(graph):
            below = sorted(graph[folder] - {folder})
            print(f"{folder} -> {', '.join(below) if below else '(nothing)'}")
        return 0
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
