#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""clang-tidy over the project's translation units, in parallel, remembering
the units that were clean: a unit is checked again only when its source, a
project header it includes (from ninja's dependency log), its compile command
or .clang-tidy changed.

    python3 .ci/tidy.py BUILD_DIR [-j N] [--cache DIR]
"""
import argparse
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The program's own code; --all adds the tests, benchmarks and fuzzers (a cold
# run of those costs as much again: every unit parses the Qt headers).
FOLDERS = re.compile(r"^(Lirem3\.cpp|engine|layout|session|look|io|book|skin|ui|report|reading|tools|assets)(/|$)")
ALL_FOLDERS = re.compile(
    r"^(Lirem3\.cpp|engine|layout|session|look|io|book|skin|ui|report|reading|tools|assets|tests|bench|fuzz)(/|$)")


def project_deps(build, obj):
    """Project files the object depends on, or None when ninja has no record."""
    lines = subprocess.run(["ninja", "-C", build, "-t", "deps", obj], capture_output=True, text=True).stdout.splitlines()
    if not lines or "VALID" not in lines[0]:
        return None
    deps = []
    for line in lines[1:]:
        path = os.path.normpath(os.path.join(build, line.strip()))
        inside_build = path == os.path.abspath(build) or path.startswith(os.path.abspath(build) + os.sep)
        if path.startswith(ROOT + os.sep) and not inside_build and os.path.isfile(path):
            deps.append(path)
    return sorted(set(deps))


def object_of(entry):
    """The object file a unit compiles to (the -o argument)."""
    if "output" in entry:
        return entry["output"]
    args = entry.get("arguments") or shlex.split(entry.get("command", ""))
    return args[args.index("-o") + 1] if "-o" in args[:-1] else None


def key_of(entry, build, config):
    obj = object_of(entry)
    deps = project_deps(build, obj) if obj else None
    if deps is None:
        return None
    h = hashlib.sha256(config)
    # Paths relative to the checkout, so another clone of the same sources finds the same keys.
    h.update(entry.get("command", " ".join(entry.get("arguments", []))).replace(ROOT, "@").encode())
    for path in [entry["file"]] + deps:
        h.update(os.path.relpath(path, ROOT).encode())
        with open(path, "rb") as f:
            h.update(f.read())
    return h.hexdigest()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("-j", type=int, default=2)
    parser.add_argument("--all", action="store_true", help="also the tests, benchmarks and fuzzers")
    parser.add_argument("--cache", default=os.path.join(os.path.expanduser("~"), ".cache", "lirem-clang-tidy"))
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    with open(os.path.join(build, "compile_commands.json")) as f:
        entries = json.load(f)
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout
    with open(os.path.join(ROOT, ".clang-tidy"), "rb") as f:
        config = f.read() + version.encode()
    os.makedirs(args.cache, exist_ok=True)

    units = []
    for entry in entries:
        path = os.path.abspath(os.path.join(entry["directory"], entry["file"]))
        rel = os.path.relpath(path, ROOT)
        if (ALL_FOLDERS if args.all else FOLDERS).match(rel) and os.path.exists(path):
            entry["file"] = path
            units.append(entry)

    def check(entry):
        key = key_of(entry, build, config)
        if key and os.path.exists(os.path.join(args.cache, key)):
            return entry["file"], None, ""
        run = subprocess.run(["clang-tidy", "--quiet", "-p", build, entry["file"]], capture_output=True, text=True)
        if run.returncode < 0:
            # clang-tidy 14 itself crashes on a few units (the engine's code page
            # literals): that is no finding, but it must not pass unnoticed.
            return entry["file"], "crashed", "clang-tidy crashed (signal %d) on %s\n" % (-run.returncode, entry["file"])
        clean = run.returncode == 0
        if clean and key:
            open(os.path.join(args.cache, key), "w").close()
        return entry["file"], clean, run.stdout + run.stderr

    failed = 0
    cached = 0
    crashed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.j) as pool:
        for path, clean, output in pool.map(check, units):
            if clean is None:
                cached += 1
            elif clean == "crashed":
                crashed += 1
                sys.stdout.write(output)
            elif not clean:
                failed += 1
                sys.stdout.write(output)
    print("clang-tidy: %d units, %d from the cache, %d with findings, %d where clang-tidy crashed"
          % (len(units), cached, failed, crashed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
