#!/usr/bin/env python3
"""Measures how many small faults the test suite finds.

Picks a sample of single-token changes ("mutants") in the logic files of the libraries, builds each
one in an existing build folder (ninja rebuilds only what changed) and runs the tests whose
executables were relinked, that is the tests that link the changed library (and the tests that start a
rebuilt program, such as repbook-cli, as a process). The first failing test
kills the mutant; a test that runs past the timeout counts as a kill too (a hang is found). A mutant
that does not compile is skipped and the next one of the shuffled list takes its place, so the
same seed gives the same sample as long as the product code is the same.

Usage: scripts/mutation-sample.py BUILD_DIR [--count 60] [--seed 14] [--timeout 120] [--list]
                                 [--folders model,diary]
BUILD_DIR must be configured already (tests on, benchmarks off saves time). The source file is
restored after every mutant, also on Ctrl+C. Prints one line per mutant and the share killed.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

FOLDERS = ["model", "settings", "editing", "diary", "notifier", "printing", "widgets"]

# (pattern, replacement). Comparisons need the spaces of formatted code so that template brackets
# and stream operators are left alone.
OPERATORS = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "),
    (r" && ", " || "), (r" \|\| ", " && "),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r" \+ 1\b", " - 1"), (r" - 1\b", " + 1"),
]

STRING = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)*\'')


def code_part(line):
    """The line with string literals blanked and any // comment removed."""
    blanked = STRING.sub(lambda m: " " * len(m.group(0)), line)
    cut = blanked.find("//")
    return blanked if cut < 0 else blanked[:cut]


def sites(top, folders=FOLDERS):
    found = []
    for folder in folders:
        for path in sorted((top / folder).glob("*.cpp")):
            if path.name == "main.cpp":
                continue
            in_block = False
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
                code = code_part(line)
                if in_block:
                    if "*/" not in code:
                        continue
                    code = " " * (code.index("*/") + 2) + code[code.index("*/") + 2:]
                    in_block = False
                if "/*" in code:
                    in_block = "*/" not in code[code.index("/*"):]
                    code = code[:code.index("/*")]
                stripped = code.strip()
                if not stripped or stripped.startswith("#") or stripped.startswith("*"):
                    continue
                for pattern, replacement in OPERATORS:
                    for match in re.finditer(pattern, code):
                        found.append((str(path.relative_to(top)), number, match.start(),
                                      match.group(0), replacement))
    return found


def run(cmd, timeout=None, **kw):
    return subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                          timeout=timeout, **kw)


# Tests that start a program of the build as a process of its own: they test that program when
# it was rebuilt, though their own executable was not relinked.
PROGRAM_TESTS = {"repbook-cli": ["test_cli"]}


def test_executables(build):
    return {p: p.stat().st_mtime for p in (build / "bin").glob("test_*") if p.is_file()}


def programs(build):
    return {name: (build / "bin" / name).stat().st_mtime for name in PROGRAM_TESTS
            if (build / "bin" / name).is_file()}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--seed", type=int, default=14)
    parser.add_argument("--timeout", type=int, default=120, help="seconds per test executable")
    parser.add_argument("--list", action="store_true", help="only print the shuffled sites")
    parser.add_argument("--folders", default=",".join(FOLDERS),
                        help="comma-separated folders whose code is mutated")
    args = parser.parse_args()

    top = Path(__file__).resolve().parent.parent
    build = Path(args.build).resolve()
    candidates = sites(top, args.folders.split(","))
    random.Random(args.seed).shuffle(candidates)
    print(f"{len(candidates)} mutation sites; seed {args.seed}; sample {args.count}", flush=True)
    if args.list:
        for site in candidates[:args.count * 2]:
            print("%s:%d:%d %r -> %r" % site)
        return 0

    def interrupted(signum, frame):
        raise KeyboardInterrupt
    signal.signal(signal.SIGTERM, interrupted)

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    # The baseline is the unmutated code as it stands: binaries left from older sources would
    # be judged instead.
    if run(["cmake", "--build", str(build)]).returncode != 0:
        print("the unmutated code does not build", file=sys.stderr)
        return 1
    # Tests that fail without any mutant would kill every mutant: they are left out.
    broken = set()
    for exe in sorted(test_executables(build)):
        try:
            if run([str(exe)], timeout=args.timeout, env=env, cwd=str(build)).returncode != 0:
                broken.add(exe)
        except subprocess.TimeoutExpired:
            broken.add(exe)
    for exe in sorted(broken):
        print(f"left out (fails unmutated): {exe.name}", flush=True)
    killed = survived = skipped = 0
    survivors = []
    for site in candidates:
        if killed + survived >= args.count:
            break
        rel, number, column, token, replacement = site
        path = top / rel
        original = path.read_bytes()
        lines = original.decode("utf-8").split("\n")
        line = lines[number - 1]
        lines[number - 1] = line[:column] + replacement + line[column + len(token):]
        label = f"{rel}:{number}: {token.strip()!r} -> {replacement.strip()!r}"
        started = time.time()
        try:
            path.write_bytes("\n".join(lines).encode("utf-8"))
            before = test_executables(build)
            programs_before = programs(build)
            built = run(["cmake", "--build", str(build)])
            if built.returncode != 0:
                skipped += 1
                print(f"SKIP     {label} (does not compile)", flush=True)
                continue
            after = test_executables(build)
            relinked = {p for p, t in after.items() if before.get(p) != t}
            for name, t in programs(build).items():
                if programs_before.get(name) != t:
                    relinked.update(build / "bin" / test for test in PROGRAM_TESTS[name])
            relinked = sorted(p for p in relinked if p.is_file() and p not in broken)
            verdict = None
            for exe in relinked:
                try:
                    result = run([str(exe)], timeout=args.timeout, env=env, cwd=str(build))
                    failed = result.returncode != 0
                    why = exe.name
                except subprocess.TimeoutExpired:
                    failed, why = True, exe.name + " (timeout)"
                if failed:
                    verdict = why
                    break
            seconds = int(time.time() - started)
            if verdict:
                killed += 1
                print(f"KILLED   {label} by {verdict} [{len(relinked)} tests, {seconds} s]",
                      flush=True)
            else:
                survived += 1
                survivors.append(label)
                print(f"SURVIVED {label} [{len(relinked)} tests, {seconds} s]", flush=True)
        except KeyboardInterrupt:
            path.write_bytes(original)
            print("interrupted; source restored", flush=True)
            break
        finally:
            path.write_bytes(original)
    total = killed + survived
    print(f"\n{killed} of {total} mutants killed ({100.0 * killed / max(total, 1):.1f}%), "
          f"{skipped} did not compile", flush=True)
    for label in survivors:
        print("  survived: " + label)
    run(["cmake", "--build", str(build)])
    return 0


if __name__ == "__main__":
    sys.exit(main())
