#!/usr/bin/env python3
"""Mutation testing of the portable sources against the unit tests.

Copies the working tree (tracked files, and new ones under src/ and tests/)
to a temporary folder, builds unit_tests there once, then for each mutation
changes one line of one source file, rebuilds, runs the tests and puts the
line back. A mutant is killed when the tests fail, crash or time out; it
survives when they pass. The repository itself is never touched.

  scripts/mutate.py                        # every mutation of the default files
  scripts/mutate.py --list src/base/text.cpp
  scripts/mutate.py --limit 60 --seed 1 src/base/text.cpp --committed 'tests/fake/*'
  scripts/mutate.py src/base/text.cpp --committed '*' --working tests/unit/text_test.cpp
"""

import argparse
import collections
import fnmatch
import glob
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_FILES = ["src/watcher/*.cpp", "src/base/*.cpp", "src/settings/*.cpp", "src/announce/*.cpp",
                 "src/tray/*.cpp", "src/settings_dialog/*.cpp", "src/app/*.cpp"]

Mutant = collections.namedtuple("Mutant", "file line kind original mutated")

# Binary operators stand between blanks in this clang-formatted code; template
# brackets, "->", "<<" and ">>" never do, so they are left alone.
RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
RELATIONAL_RE = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
LOGICAL_RE = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
# Integer literals, and character literals of one plain character (masked).
LITERAL = r"(0[xX][0-9A-Fa-f]+|\d+|'_')([uU]?[lL]{0,2})"
RIGHT_LITERAL_RE = re.compile(r"\s+" + LITERAL + r"(?![\w.])")
LEFT_LITERAL_RE = re.compile(r"(?<![\w.])" + LITERAL + r"\s+$")
NOT_RE = re.compile(r"!(?!=)")
BOOL_RE = re.compile(r"\b(true|false)\b")
# A whole statement that is a call: "name(...);", "a.b(...);", "a->b(...);".
CALL_RE = re.compile(r"^[A-Za-z_][\w:]*((\.|->)[A-Za-z_]\w*)*\(.*\);$")
RETURN_RE = re.compile(r"^(\s*return )(.+);$")
# String and character literals; whichever starts first wins, so '"' is a
# character and not the start of a string.
LITERAL_TEXT_RE = re.compile(r""""(?:\\.|[^"\\])*"|'(?:\\.|[^'\\])*'""")


def mask(line):
    """The line with string and character literals and any trailing comment
    blanked out, keeping every other character at its place."""
    line = LITERAL_TEXT_RE.sub(lambda m: m.group()[0] + "_" * (len(m.group()) - 2) + m.group()[0],
                               line)
    comment = line.find("//")
    return line if comment < 0 else line[:comment] + " " * (len(line) - comment)


def shifted(literal, delta):
    """The literal plus delta, written as it was (hex stays hex)."""
    if literal.startswith("'"):
        value = ord(literal[1]) + delta
        return None if chr(value) in "'\\" else "'" + chr(value) + "'"
    if literal.lower().startswith("0x"):
        value = int(literal, 16) + delta
        return None if value < 0 else "0x%0*X" % (len(literal) - 2, value)
    value = int(literal) + delta
    return None if value < 0 else str(value)


def line_mutations(line, previous):
    """Every (kind, mutated line) for one line of code."""
    code = mask(line)
    out = []

    def swap(start, end, text, kind):
        out.append((kind, line[:start] + text + line[end:]))

    for m in RELATIONAL_RE.finditer(code):
        swap(m.start(), m.end(), RELATIONAL[m.group(1)], "relational")
        # An integer or one-character literal on either side moves by one.
        for lit in (LEFT_LITERAL_RE.search(code[:m.start()]), RIGHT_LITERAL_RE.match(code, m.end())):
            for delta in (1, -1) if lit else ():
                new = shifted(line[lit.start(1):lit.end(1)], delta)
                if new is not None:
                    swap(lit.start(1), lit.end(1), new, "literal")
    for m in LOGICAL_RE.finditer(code):
        swap(m.start(), m.end(), "||" if m.group(1) == "&&" else "&&", "logical")
    for m in NOT_RE.finditer(code):
        swap(m.start(), m.end(), "", "negation")
    for m in BOOL_RE.finditer(code):
        swap(m.start(), m.end(), "false" if m.group(1) == "true" else "true", "boolean")

    stripped = code.strip()
    starts_statement = previous.rstrip().endswith((";", "{", "}", ":")) or not previous.strip()
    if (starts_statement and CALL_RE.match(stripped) and stripped.count("(") == stripped.count(")")
            and not stripped.startswith(("return", "throw", "delete"))
            and not re.search(r"\.(reserve|shrink_to_fit)\(", stripped)):  # only speed
        indent = line[:len(line) - len(line.lstrip())]
        out.append(("delete call", indent + ";  // deleted\n"))

    ret = RETURN_RE.match(code.rstrip())
    if ret and starts_statement:
        start, end = ret.start(2), ret.end(2)
        expr, original = code[start:end], line[start:end]
        if re.fullmatch(r"\d+", expr):
            swap(start, end, "0" if expr != "0" else "1", "return value")
        elif " ? " in expr and expr.count(" ? ") == 1 and expr.count(" : ") == 1:
            q, c = expr.index(" ? "), expr.index(" : ")
            swapped = original[:q + 3] + original[c + 3:] + " : " + original[q + 3:c]
            swap(start, end, swapped, "return value")
        elif re.search(r" (==|!=|<=|>=|<|>|&&|\|\|) ", expr) or expr.startswith("!"):
            swap(start, end, "!(" + original + ")", "return value")
    return out


def mutations_of(root, path):
    """Every mutation of one source file, skipping comments and directives."""
    with open(os.path.join(root, path), encoding="utf-8") as f:
        lines = f.readlines()
    found = []
    in_block = False
    previous = ""
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block or stripped.startswith("/*"):
            in_block = "*/" not in stripped
            continue
        if stripped.startswith(("//", "#")) or not stripped:
            continue
        for kind, mutated in line_mutations(line, previous):
            found.append(Mutant(path, number, kind, line, mutated))
        previous = line
    return found


def copy_tree(copy, committed, working=()):
    """Copies the working tree's files, and new ones under src/ and tests/;
    those matching a pattern in `committed` (and none in `working`) as they
    were last committed, leaving out someone's unfinished edits."""
    def git(*args):
        return subprocess.run(("git",) + args, cwd=ROOT, check=True, capture_output=True).stdout
    listed = git("ls-files", "-z").decode() + "\0" + git(
        "ls-files", "-z", "--others", "--exclude-standard", "--", "src", "tests").decode()
    for rel in filter(None, listed.split("\0")):
        target = os.path.join(copy, rel)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if matches(rel, committed) and not matches(rel, working):
            shown = subprocess.run(["git", "show", "HEAD:" + rel], cwd=ROOT, capture_output=True)
            if shown.returncode == 0:  # else the file is new since then: left out
                with open(target, "wb") as f:
                    f.write(shown.stdout)
        elif os.path.isfile(os.path.join(ROOT, rel)):
            shutil.copy2(os.path.join(ROOT, rel), target)
    # A mutant need not be free of warnings ("a || b && c", an emptied body)
    # to be worth testing, so the copy builds without -Werror.
    top = os.path.join(copy, "CMakeLists.txt")
    with open(top, encoding="utf-8") as f:
        text = f.read()
    write_lines(top, [text.replace("-Wall -Wextra -Werror", "-w")])


def write_lines(path, lines):
    with open(path, "w", encoding="utf-8") as f:
        f.writelines(lines)


def matches(path, patterns):
    return any(fnmatch.fnmatch(path, pattern) for pattern in patterns)


def run(cmd, cwd, timeout=None):
    """Runs a command in its own process group; returns its exit code, or
    None when it had to be stopped after the timeout."""
    proc = subprocess.Popen(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        return proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        return None
    finally:  # also when this script is stopped meanwhile
        if proc.poll() is None:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("files", nargs="*", help="sources to mutate (globs, from the repository)")
    parser.add_argument("--files", dest="more_files", nargs="+", default=[], help="as above")
    parser.add_argument("--limit", type=int, help="try only this many mutations, sampled")
    parser.add_argument("--seed", type=int, default=1, help="seed for --limit's sample")
    parser.add_argument("--list", action="store_true", help="list the mutations and stop")
    parser.add_argument("--timeout", type=float, default=60, help="seconds per test run")
    parser.add_argument("--gtest-filter", help="run only these tests (GoogleTest filter)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary copy")
    parser.add_argument("--committed", nargs="+", default=[], metavar="GLOB",
                        help="copy these files as last committed (someone is editing them)")
    parser.add_argument("--working", nargs="+", default=[], metavar="GLOB",
                        help="but these as they are now (with --committed '*': only yours)")
    args = parser.parse_args()

    patterns = args.files + args.more_files or DEFAULT_FILES
    files = sorted({os.path.relpath(p, ROOT) for pat in patterns
                    for p in glob.glob(os.path.join(ROOT, pat))})
    if not files:
        sys.exit("no source files match " + " ".join(patterns))

    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # still clean up the copy
    copy = tempfile.mkdtemp(prefix="wendora-mutate-")
    results = collections.defaultdict(list)  # file -> [(mutant, outcome)]
    try:
        copy_tree(copy, args.committed, args.working)
        mutants = [m for path in files for m in mutations_of(copy, path)]
        if args.limit is not None and args.limit < len(mutants):
            mutants = sorted(random.Random(args.seed).sample(mutants, args.limit),
                             key=lambda m: (m.file, m.line))
        if args.list:
            for m in mutants:
                print("%s:%d [%s]\n  - %s\n  + %s" % (m.file, m.line, m.kind, m.original.strip(),
                                                     m.mutated.strip()))
            print("%d mutations" % len(mutants))
            return

        build = os.path.join(copy, "build")
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        configure = ["cmake", "-S", copy, "-B", build, "-DCMAKE_BUILD_TYPE=Debug",
                     "-DWENDORA_SANITIZE=OFF", "-DWENDORA_TESTS=ON"] + generator
        make = ["cmake", "--build", build, "--target", "unit_tests", "-j", str(os.cpu_count())]
        tests = [os.path.join(build, "tests", "unit_tests")]
        if args.gtest_filter:
            tests.append("--gtest_filter=" + args.gtest_filter)
        print("Building the unmutated tests in", copy, flush=True)
        if run(configure, copy) != 0 or run(make, copy) != 0:
            sys.exit("the unmutated copy does not build")
        if run(tests, copy, args.timeout) != 0:
            sys.exit("the unmutated tests fail: see --committed and --gtest-filter")

        for index, m in enumerate(mutants, 1):
            path = os.path.join(copy, m.file)
            with open(path, encoding="utf-8") as f:
                lines = f.readlines()
            write_lines(path, lines[:m.line - 1] + [m.mutated] + lines[m.line:])
            try:
                if run(make, copy) != 0:
                    outcome = "not built"
                else:
                    outcome = "survived" if run(tests, copy, args.timeout) == 0 else "killed"
            finally:
                write_lines(path, lines)  # newer than the object file: rebuilt next time
            results[m.file].append((m, outcome))
            print("[%d/%d] %s:%d %s: %s" % (index, len(mutants), m.file, m.line, m.kind, outcome),
                  flush=True)
    finally:
        if args.keep:
            print("The copy stays in", copy)
        else:
            shutil.rmtree(copy, ignore_errors=True)

    print("\nKilled / tried (mutants that do not build are not counted):")
    total = collections.Counter()
    for path in files:
        count = collections.Counter(o for _, o in results.get(path, []))
        total.update(count)
        if count:
            print("  %-40s %3d / %3d   (%d not built)" % (
                path, count["killed"], count["killed"] + count["survived"], count["not built"]))
    survivors = [m for path in files for m, o in results.get(path, []) if o == "survived"]
    print("\nSurvivors:" if survivors else "\nNo survivors.")
    for m in survivors:
        print("  %s:%d [%s]\n    %s\n  -> %s" % (m.file, m.line, m.kind, m.original.strip(),
                                                m.mutated.strip()))
    tried = total["killed"] + total["survived"]
    if tried:
        print("\nKill rate: %d / %d = %.1f%%" % (total["killed"], tried, 100.0 * total["killed"] / tried))

if __name__ == "__main__":
    main()
