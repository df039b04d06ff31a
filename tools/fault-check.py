#!/usr/bin/env python3
"""Puts each fault of tools/faults.txt into a scratch copy of the tree, one at a time, builds
the native preset there, runs its tests and prints which faults no test caught.

Usage: tools/fault-check.py [--faults FILE] [--scratch DIR] [--only TEXT]...

The scratch copy (build/fault-check/ by default) is kept between runs, so its build is
incremental. An original text that is not found exactly once stops the check before anything
is built: the list has to follow the code.
"""
import argparse
import filecmp
import os
import pathlib
import shutil
import subprocess
import sys
import time

TOP = pathlib.Path(__file__).resolve().parent.parent


def read_faults(path):
    faults, entry = [], {}
    for line in path.read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        key, _, value = line.partition(": ")
        if key not in ("name", "file", "from", "to"):
            sys.exit(f"{path}: not an entry line: {line!r}")
        entry[key] = value.replace("<NL>", "\n") if key in ("from", "to") else value
        if key == "to":
            faults.append(entry)
            entry = {}
    return faults


def run(command, cwd, timeout):
    try:
        return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode == 0
    except subprocess.TimeoutExpired:
        return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--faults", default=TOP / "tools" / "faults.txt", type=pathlib.Path)
    parser.add_argument("--scratch", default=TOP / "build" / "fault-check", type=pathlib.Path)
    parser.add_argument("--only", action="append", default=[],
                        help="only the faults whose name holds this (may be given again)")
    args = parser.parse_args()

    faults = [f for f in read_faults(args.faults)
              if not args.only or any(part in f["name"] for part in args.only)]
    for fault in faults:
        found = (TOP / fault["file"]).read_text().count(fault["from"])
        if found != 1:
            sys.exit(f"fault \"{fault['name']}\": its original text is in {fault['file']} "
                     f"{found} times, not once")

    scratch = args.scratch
    scratch.mkdir(parents=True, exist_ok=True)
    # Only files that differ are copied, as new, so that the scratch build redoes only what
    # changed, and everything a stopped run left changed.
    def copy_if_different(source, target):
        if not (os.path.exists(target) and filecmp.cmp(source, target, shallow=False)):
            shutil.copyfile(source, target)
    shutil.copytree(TOP, scratch, dirs_exist_ok=True, copy_function=copy_if_different,
                    ignore=lambda folder, names: [n for n in names if n in ("build", ".git")]
                    if pathlib.Path(folder) == TOP else [])
    build = ["cmake", "--build", "build/native", "-j2"]
    build_unit = build + ["--target", "zat_unit_tests"]
    unit = ["build/native/tests/zat_unit_tests", "--gtest_brief=1"]
    ctest = ["ctest", "--test-dir", "build/native", "-j2", "--timeout", "120"]
    if not (run(["cmake", "--preset", "native"], scratch, 600) and run(build, scratch, 3600)
            and run(ctest, scratch, 1800)):
        sys.exit("the unchanged tree does not build or pass its tests in " + str(scratch))

    missed, broken = [], []
    start = time.monotonic()
    for number, fault in enumerate(faults, 1):
        source = scratch / fault["file"]
        original = source.read_text()
        source.write_text(original.replace(fault["from"], fault["to"]))
        try:
            # The unit tests first: most faults stop there, before the rest is built.
            if not run(build_unit, scratch, 1800) or not run(build, scratch, 1800):
                verdict = "does not build"
                broken.append(fault)
            elif not run(unit, scratch, 300) or not run(ctest, scratch, 600):
                verdict = "caught"
            else:
                verdict = "NOT CAUGHT"
                missed.append(fault)
        finally:
            source.write_text(original)
        print(f"[{number}/{len(faults)}] {verdict}: {fault['name']} ({fault['file']})",
              flush=True)

    run(build, scratch, 3600)
    caught = len(faults) - len(missed) - len(broken)
    print(f"\n{caught} of {len(faults)} faults caught, {len(missed)} not caught, "
          f"{len(broken)} do not build; {time.monotonic() - start:.0f} s")
    for fault in missed:
        print(f"  not caught: {fault['name']} ({fault['file']})")
    for fault in broken:
        print(f"  does not build (rewrite it): {fault['name']} ({fault['file']})")
    return 1 if missed or broken else 0


if __name__ == "__main__":
    sys.exit(main())
