#!/usr/bin/env python3
"""Puts each fault of tools/faults.txt into a scratch copy of the tree, one at a time, builds
the native preset there, runs its tests and prints which faults no test caught.

Usage: tools/fault-check.py [--faults FILE] [--scratch DIR] [--only TEXT]... [--matrix FILE]

With --matrix, every fault runs all the tests (the unit binary, and ctest when that passes)
and FILE gets which tests each fault fails, the faults only one test catches, the tests that
catch no fault alone and the faults no test catches. FILE is rewritten after every fault.

The scratch copy (build/fault-check/ by default) is kept between runs, so its build is
incremental. An original text that is not found exactly once stops the check before anything
is built: the list has to follow the code.
"""
import argparse
import json
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


def failed_unit_tests(report):
    """The failing tests named in a GoogleTest JSON report, or None if it was not written."""
    try:
        suites = json.loads(report.read_text())["testsuites"]
    except (OSError, ValueError, KeyError):
        return None
    return [f"{suite['name']}.{test['name']}" for suite in suites
            for test in suite["testsuite"] if test.get("failures")]


def all_tests(scratch):
    """Every test ctest knows (the unit tests one by one, and the rest), by name."""
    listing = subprocess.run(["ctest", "--test-dir", "build/native", "-N"], cwd=scratch,
                             capture_output=True, text=True).stdout
    return [line.split(": ", 1)[1].strip() for line in listing.splitlines()
            if line.strip().startswith("Test") and "#" in line and ": " in line]


def failed_ctest_tests(scratch):
    log = scratch / "build/native/Testing/Temporary/LastTestsFailed.log"
    try:
        return [line.partition(":")[2] for line in log.read_text().splitlines()]
    except OSError:
        return ["(ctest failed without a list)"]


def tests_failed_by_fault(scratch):
    """Which tests fail: the unit binary's report first, ctest when it passes or dies."""
    report = scratch / "build/fault-matrix.json"
    report.unlink(missing_ok=True)
    unit = ["build/native/tests/zat_unit_tests", "--gtest_brief=1",
            f"--gtest_output=json:{report}"]
    ctest = ["ctest", "--test-dir", "build/native", "-j2", "--timeout", "120"]
    unit_passed = run(unit, scratch, 300)
    failed = failed_unit_tests(report) or []
    if unit_passed or not failed:
        # A crash or a timeout leaves no report; ctest runs every test alone and names it.
        # Only ctest needs the rest of the build.
        build = ["cmake", "--build", "build/native", "-j2"]
        if not run(build, scratch, 1800) or not run(ctest, scratch, 600):
            failed = failed_ctest_tests(scratch) or ["(ctest failed)"]
    return sorted(set(failed))


def write_matrix(path, results, total, test_names, seconds):
    """results: (fault, failing tests or None when it does not build), in the list's order."""
    built = [(f, tests) for f, tests in results if tests is not None]
    missed = [f for f, tests in built if not tests]
    broken = [f for f, tests in results if tests is None]
    lines = [f"Fault matrix: {len(built) - len(missed)} of {len(built)} faults caught"
             f" ({len(broken)} do not build), {len(results)} of {total} faults run"
             f"{'' if len(results) == total else ' (PARTIAL: the run goes on)'}, {seconds:.0f} s."]
    lines += [f"  not caught: {f['name']} ({f['file']})" for f in missed]
    lines += [f"  does not build: {f['name']} ({f['file']})" for f in broken]
    areas = {}
    for fault, tests in built:
        counts = areas.setdefault(fault["name"].split(":")[0], [0, 0])
        counts[0] += bool(tests)
        counts[1] += 1
    lines.append("Caught per area: " + ", ".join(f"{area} {caught}/{count}"
                                                for area, (caught, count) in areas.items()))
    lines += ["", "== Per fault: the tests that fail =="]
    for fault, tests in results:
        verdict = "does not build" if tests is None else f"{len(tests)} failing"
        lines.append(f"{fault['name']} ({fault['file']}): {verdict}")
        lines += [f"    {test}" for test in tests or []]
    alone = {}
    for fault, tests in built:
        if len(tests) == 1:
            alone.setdefault(tests[0], []).append(fault["name"])
    lines += ["", "== Per test: the faults only it catches =="]
    for test in sorted(alone):
        lines.append(f"{test}: {len(alone[test])}")
        lines += [f"    {name}" for name in alone[test]]
    lines += ["", "== Tests that catch no fault alone =="]
    lines += [test for test in test_names if test not in alone]
    lines += ["", "== Faults no test catches =="]
    lines += [f"{f['name']} ({f['file']})" for f in missed]
    path.write_text("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--faults", default=TOP / "tools" / "faults.txt", type=pathlib.Path)
    parser.add_argument("--scratch", default=TOP / "build" / "fault-check", type=pathlib.Path)
    parser.add_argument("--only", action="append", default=[],
                        help="only the faults whose name holds this (may be given again)")
    parser.add_argument("--matrix", type=pathlib.Path,
                        help="run every test for every fault and write which catch which here")
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

    missed, broken, results = [], [], []
    tests = all_tests(scratch) if args.matrix else []
    start = time.monotonic()
    for number, fault in enumerate(faults, 1):
        source = scratch / fault["file"]
        original = source.read_text()
        source.write_text(original.replace(fault["from"], fault["to"]))
        try:
            # The unit tests first: most faults stop there, before the rest is built.
            if not run(build_unit, scratch, 1800) or (not args.matrix and
                                                     not run(build, scratch, 1800)):
                verdict = "does not build"
                broken.append(fault)
                results.append((fault, None))
            elif args.matrix:
                failing = tests_failed_by_fault(scratch)
                results.append((fault, failing))
                verdict = f"caught by {len(failing)}" if failing else "NOT CAUGHT"
                if not failing:
                    missed.append(fault)
            elif not run(unit, scratch, 300) or not run(ctest, scratch, 600):
                verdict = "caught"
            else:
                verdict = "NOT CAUGHT"
                missed.append(fault)
        finally:
            source.write_text(original)
        if args.matrix:
            write_matrix(args.matrix, results, len(faults), tests, time.monotonic() - start)
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
