#!/usr/bin/env python3
"""Mutation testing for Quorrin: plants one small fault at a time in the program code
(settings/, stand/, platform/), rebuilds the unit test programs, runs the unit suites and
counts the faults that no test notices.

    scripts/mutants.py --list                 every candidate site, and how many there are
    scripts/mutants.py --count 60 --seed 3    sixty faults, the same sixty for the same seed

It works on a private copy of the repository (default /tmp/quorrin-mutants/src, build in
.../build), never in the checkout itself, and writes its report to <work>/report-seed<S>.txt.
"""
import argparse
import contextlib
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
PROGRAM_DIRS = ("settings", "stand", "platform")
BUILD_LIMIT, TEST_LIMIT = 600, 60  # seconds: one build, one test

COMPARISON = re.compile(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)")
COMPARISON_SWAP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = re.compile(r"(?<=\s)([-+*/])(?=\s)")
ARITHMETIC_SWAP = {"+": "-", "-": "+", "*": "/", "/": "*"}
NUMBER = re.compile(r"(?<![\w.'])(0[xX][0-9a-fA-F']+|(?:\d[\d']*)?\.\d+(?:[eE][-+]?\d+)?"
                    r"|\d[\d']*\.?(?:[eE][-+]?\d+)?)(?=[uUlLfF]*(?![\w.']))")
BOOLEAN = re.compile(r"\b(true|false)\b")
NEGATION = re.compile(r"!(?!=)")
PURE_VIRTUAL = re.compile(r"\)\s*(const\s*)?=\s*0\s*;")
QT_OR_ACCESS = re.compile(r"^\s*(Q_OBJECT|Q_GADGET|((public|protected|private)(\s+(slots|Q_SLOTS))?|signals|Q_SIGNALS)\s*:)")
# A brace-initialised table: const/constexpr array or std::array, or any static const one.
TABLE_START = re.compile(r"^\s*(static\s+)?(inline\s+)?(constexpr|const)\b[^;()]*(\[\w*\]|std::array\s*<[^;()]*>\s*\w+)\s*=\s*\{"
                         r"|^\s*static\s+(constexpr\s+)?const\b[^;()]*=\s*\{")
# A new variable (or member) declared: type words, then a name, then =, {, [, ( or ;.
DECLARATION = re.compile(r"^(?!(emit|Q_EMIT|delete|throw)\b)(?:[\w:]+(?:<[^;=]*>)?[*&\s]+)+[*&]?\w+\s*(?:=(?!=)|[{[(;])")
FUNCTION_HEAD = re.compile(r"(\)|\])\s*(const|noexcept|override|final|mutable|\s)*(->\s*[\w:<>*&\s]+)?$")
NOT_DELETED = re.compile(r"^(return|break|continue|case|default|goto)\b|^[}:,.?]")


@dataclass(frozen=True, order=True)
class Site:
    path: str
    line: int  # from 1
    col: int  # from 1
    operator: str
    original: str
    replacement: str

    def apply(self, text: str) -> str:
        lines = text.split("\n")
        row, c = lines[self.line - 1], self.col - 1
        assert row[c:c + len(self.original)] == self.original, f"{self.path}:{self.line} changed"
        lines[self.line - 1] = row[:c] + self.replacement + row[c + len(self.original):]
        return "\n".join(lines)

    def where(self, column=False) -> str:
        return f"{self.path}:{self.line}" + (f":{self.col}" if column else "")

    def describe(self, column=False) -> str:
        shown = self.original if len(self.original) <= 50 else self.original[:47] + "..."
        return f"{self.where(column)}  {self.operator}  '{shown}' -> '{self.replacement}'"


def mask(text: str) -> str:
    """The text, same length: comments blanked with spaces, string and char literals with '_'."""
    out, i, n = list(text), 0, len(text)
    while i < n:
        two = text[i:i + 2]
        if two in ("//", "/*"):
            j = text.find("\n" if two == "//" else "*/", i + 2)
            j, fill = (n if j < 0 else j + (2 if two == "/*" else 0)), " "
        elif text[i] == '"' or (text[i] == "'" and not (i and text[i - 1].isalnum())):  # not 1'000
            j = i + 1
            while j < n and text[j] not in (text[i], "\n"):
                j += 2 if text[j] == "\\" else 1
            j, fill = j + 1, "_"
        else:
            i += 1
            continue
        out[i:j] = [c if c == "\n" else fill for c in text[i:j]]
        i = j
    return "".join(out)


def bump(literal: str) -> str:
    """n -> n + 1 as a new literal, except 1 -> 0; hex stays hex, floats keep their decimals."""
    plain = literal.replace("'", "")
    if plain[:2].lower() == "0x":
        digits = plain[2:]
        return plain[:2] + format(int(digits, 16) + 1, f"0{len(digits)}{'x' if digits != digits.upper() else 'X'}")
    if not any(c in plain for c in ".eE"):
        return "0" if int(plain) == 1 else str(int(plain) + 1)
    value = float(plain)
    value = 0.0 if value == 1 else value + 1
    if "e" in plain.lower():
        return repr(value)
    decimals = len(plain.split(".")[1])
    return f"{value:.{decimals}f}" + ("." if decimals == 0 else "")


def scan(rel: str, include_tables: bool) -> list[Site]:
    text = (REPO / rel).read_text(encoding="utf-8")
    code_lines, lines = mask(text).split("\n"), text.split("\n")
    sites, blocks, head = [], [], ""  # blocks: "code" (function bodies) or "other"; head: code since ; { }
    table_depth, preprocessor, previous = None, False, ";"
    for number, (code, line) in enumerate(zip(code_lines, lines), 1):
        in_code, depth = bool(blocks) and blocks[-1] == "code", len(blocks)
        skip = preprocessor or code.lstrip().startswith("#")
        preprocessor = skip and code.rstrip().endswith("\\")
        if not skip and table_depth is None and TABLE_START.search(code):
            table_depth = depth
        in_table = table_depth is not None
        for ch in "" if skip else code:
            if ch == "{":
                blocks.append("code" if (blocks and blocks[-1] == "code") or FUNCTION_HEAD.search(head) else "other")
            elif ch == "}" and blocks:
                blocks.pop()
            head = "" if ch in "{};" else head + ch
        head += " "
        if in_table and len(blocks) <= table_depth and code.rstrip().endswith(";"):
            table_depth = None
        stripped, before = code.strip(), previous  # before: the last line of code above this one
        if stripped and not skip:
            previous = stripped
        if skip or (in_table and not include_tables) or QT_OR_ACCESS.search(code):
            continue

        def add(operator: str, col: int, original: str, replacement: str):
            sites.append(Site(rel, number, col + 1, operator, original, replacement))

        for m in COMPARISON.finditer(code):
            add("comparison", m.start(), m.group(), COMPARISON_SWAP[m.group()])
        for m in ARITHMETIC.finditer(code):
            add("arithmetic", m.start(), m.group(), ARITHMETIC_SWAP[m.group()])
        if not PURE_VIRTUAL.search(code):
            for m in NUMBER.finditer(code):
                add("constant", m.start(), m.group(), bump(m.group()))
        for m in BOOLEAN.finditer(code):
            add("boolean", m.start(), m.group(), "false" if m.group() == "true" else "true")
        for m in NEGATION.finditer(code):
            add("negation", m.start(), "!", "")
        if (in_code and not in_table and stripped.endswith(";") and stripped != ";"
                and not NOT_DELETED.search(stripped) and not DECLARATION.search(stripped)
                and stripped.count("(") == stripped.count(")") and stripped.count("{") == stripped.count("}")
                and (before[-1] in ";{}:)" or before == "else")):
            start = len(code) - len(code.lstrip())
            add("statement", start, line[start:len(code.rstrip())], "{}" if before == "else" else ";")
    return sites


def program_files() -> list[str]:
    return sorted(str(p.relative_to(REPO)) for d in PROGRAM_DIRS for p in (REPO / d).rglob("*")
                  if p.suffix in (".cpp", ".h") and p.is_file())


def run(cmd: list, limit: float) -> tuple[int | None, str]:
    """Runs cmd in its own process group; (None, output) when it ran past the limit."""
    p = subprocess.Popen([str(c) for c in cmd], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, errors="replace", start_new_session=True)
    try:
        out, _ = p.communicate(timeout=limit)
        return p.returncode, out
    except BaseException as error:  # the limit, Ctrl-C: no build or test is left behind
        with contextlib.suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGKILL)
        out, _ = p.communicate()
        if isinstance(error, subprocess.TimeoutExpired):
            return None, out
        raise


def refresh_copy(src: Path):
    """Copies the tracked (and untracked, not ignored) files of the checkout into src, as rsync would.
    Changed files are written afresh, so their newer time makes the build pick them up."""
    listed = subprocess.run(["git", "-C", REPO, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            check=True, capture_output=True).stdout.decode().split("\0")
    wanted = {f for f in listed if f and (REPO / f).is_file()}
    for f in sorted(wanted):
        source, target = REPO / f, src / f
        if not target.is_file() or target.read_bytes() != source.read_bytes():
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, target)
            shutil.copymode(source, target)
    for path in [p for p in src.rglob("*") if p.is_file() and str(p.relative_to(src)) not in wanted]:
        path.unlink()


def cap_test_times(build: Path):
    """ctest's --timeout yields to each test's own TIMEOUT (900 s here); lower those in our build."""
    for f in build.rglob("CTestTestfile.cmake"):
        text = f.read_text()
        capped = re.sub(r'TIMEOUT "\d+(\.\d+)?"', f'TIMEOUT "{TEST_LIMIT}"', text)
        if capped != text:
            f.write_text(capped)


def run_tests(build: Path, count: int) -> tuple[bool, str, str]:
    """(all passed, first failing test, output) of the unit suites."""
    cap_test_times(build)
    code, out = run(["ctest", "--test-dir", build, "-L", "unit", "--timeout", TEST_LIMIT,
                     "-j2", "--stop-on-failure"], TEST_LIMIT * count + 120)
    if code is None:
        return False, "ctest ran out of time", out
    failed = re.findall(r"^\s*\d+ - (\S+) \((.*)\)", out.split("tests FAILED:")[-1], re.M) if code else []
    first = (failed[0][0] + (", timed out" if failed[0][1] == "Timeout" else "")) if failed else "ctest failed"
    return code == 0, first if code else "", out


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0], epilog=(
        "Sites are taken from settings/, stand/ and platform/ (*.cpp, *.h); main.cpp is not sampled, "
        "because the unit suites do not link it."), formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=60, help="faults to plant (default 60)")
    parser.add_argument("--seed", type=int, default=1, help="which faults (default 1)")
    parser.add_argument("--files", nargs="+", metavar="PATH", help="only these files, relative to the repository")
    parser.add_argument("--include-tables", action="store_true", help="also mutate the rows of design tables")
    parser.add_argument("--work", type=Path, default=Path("/tmp/quorrin-mutants"), help="private copy and build")
    parser.add_argument("--list", action="store_true", help="print every candidate site and their count, then exit")
    parser.add_argument("--only", type=re.compile, metavar="REGEX",
                        help="of the sample, plant only the faults whose description matches (to re-run survivors)")
    args = parser.parse_args()

    files = program_files()
    if args.files:
        unknown = [f for f in args.files if os.path.normpath(f) not in files]
        if unknown:
            parser.error(f"not program code: {' '.join(unknown)}")
        files = sorted({os.path.normpath(f) for f in args.files})
    sites = sorted(s for f in files for s in scan(f, args.include_tables))
    if args.list:
        for s in sites:
            print(s.describe(column=True))
        print(f"{len(sites)} sites")
        return 0

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # unwinds: builds stopped, mutated file restored
    src, build = args.work / "src", args.work / "build"
    src.mkdir(parents=True, exist_ok=True)
    refresh_copy(src)
    if not (build / "CMakeCache.txt").is_file():
        code, out = run(["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                         "-DQUORRIN_SANITIZE=OFF"], BUILD_LIMIT)
    else:  # CMake runs again only if the copy's CMake files changed, so that ctest -N lists today's tests
        code, out = run(["cmake", "--build", build, "--target", "build.ninja"], BUILD_LIMIT)
    if code != 0:
        sys.exit(f"configuring failed:\n{out}")
    listed = subprocess.run(["ctest", "--test-dir", build, "-N", "-L", "unit"],
                            check=True, capture_output=True, text=True).stdout
    targets = re.findall(r"Test\s+#\d+: (\S+)", listed)
    build_cmd = ["cmake", "--build", build, "--parallel", "2", "--target", *targets]
    print(f"Building the unmutated unit suites ({len(targets)}) in {build} ...", flush=True)
    started = time.monotonic()
    code, out = run(build_cmd, 3 * BUILD_LIMIT)
    if code != 0:
        sys.exit(f"the unmutated build failed:\n{out[-4000:]}")
    passed, first, out = run_tests(build, len(targets))
    if not passed:
        sys.exit(f"the unmutated unit suites fail ({first}); fix them first:\n{out[-4000:]}")
    print(f"Unmutated: built and passing ({time.monotonic() - started:.0f} s).", flush=True)

    chosen = random.Random(args.seed).sample(sites, min(args.count, len(sites)))
    if args.only:
        chosen = [s for s in chosen if args.only.search(s.describe())]
    report = [f"Quorrin mutants: seed {args.seed}, {len(chosen)} of {len(sites)} sites"
              f"{' (tables included)' if args.include_tables else ''}", ""]
    results, started = {"killed": [], "survived": [], "did not build": []}, time.monotonic()
    for n, site in enumerate(chosen, 1):
        path, began = src / site.path, time.monotonic()
        original = path.read_bytes()
        mutated = site.apply(original.decode("utf-8"))
        try:
            path.write_bytes(mutated.encode("utf-8"))
            code, out = run(build_cmd, BUILD_LIMIT)
            if code != 0:
                error = re.search(r"error: (.{1,70})", out)
                status, note = "did not build", "build timed out" if code is None else error[1] if error else ""
            else:
                passed, first, _ = run_tests(build, len(targets))
                status, note = ("survived", "") if passed else ("killed", first)
        finally:
            path.write_bytes(original)
        results[status].append((site, mutated.split("\n")[site.line - 1].strip()))
        line = (f"[{n}/{len(chosen)}] {status:<8} {site.describe()}{f'  ({note})' if note else ''}"
                f"  {time.monotonic() - began:.0f} s")
        print(line, flush=True)
        report.append(line)

    killed, survived, unbuilt = (len(results[k]) for k in ("killed", "survived", "did not build"))
    elapsed = time.monotonic() - started
    report += ["", f"killed: {killed}   survived: {survived}   did not build: {unbuilt}",
               f"score: {100 * killed / (killed + survived):.1f} % (killed / (killed + survived))"
               if killed + survived else "score: n/a (nothing built)",
               f"time: {elapsed:.0f} s, {elapsed / max(len(chosen), 1):.0f} s per mutant", ""]
    report += ["Survivors:"] + [f"  {s.describe()}\n      {text}" for s, text in results["survived"]]
    print("\n".join(report[len(chosen) + 2:]))
    out_file = args.work / f"report-seed{args.seed}.txt"
    out_file.write_text("\n".join(report) + "\n", encoding="utf-8")
    print(f"Report: {out_file}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        print("\ninterrupted; the private copy holds no mutation", file=sys.stderr)
        sys.exit(130)
