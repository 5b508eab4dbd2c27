#!/usr/bin/env python3
"""Mutation sampler: how many small faults in the product do the tests catch?

Draws N one-line changes (mutants) at random, from a seed, out of the
product's own .cpp files (toolkit/*/ and app/, not the logic/ folders, which
have sanitizers and fuzzers, and not the refill log), each folder getting a
share in proportion to its lines. Each mutant is written into a private copy
of the source tree (build/mutation/src), the toolkit and the mutated folder's
test programs are built there (64-bit), the folder's tests (the figures left
out) run on the copy's own bench with a time limit each, and the file is put
back. A mutant is killed when a test fails or overruns; one that does not
compile counts as neither. At the end: per folder mutants, killed, survived,
and every survivor.

    tests/mutation/sampler.py --seed 30 -n 60          # draw, build, run
    tests/mutation/sampler.py --seed 30 -n 60 --list   # only show the draw
    tests/mutation/sampler.py --seed 30 -n 60 --ids 4,17,52
    tests/mutation/sampler.py --seed 30 -n 60 --ids 4,17 --base 1a2b3c --source /work/main

The draw depends only on the seed, N and the product's sources. --base REV
draws from the sources of commit REV, so the same ids name the same mutants
after the product has moved on; each is then applied where its line stands
now (a mutant whose line is gone is reported as such). --source takes the
tree to copy from (default: this working tree, uncommitted changes included).
"""

import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
EXCLUDED = {"app/refill_log.cpp"}  # the benchmarks' refill log
# The folder whose tests a mutant runs; core has no test folder of its own:
# the control operations and class backgrounds are tested with the controls.
TEST_FOLDER = {"core": "controls"}
SKIP_LINE = re.compile(r"^\s*(#|static_assert\b)")
KEYWORDS = {"if", "for", "while", "switch", "return", "sizeof", "static_assert", "case",
            "delete", "do", "else", "catch", "throw", "alignof", "decltype", "new"}


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, text=True, **kw)


# ---- reading the product ------------------------------------------------------


def masked(lines):
    """The lines with comments blanked and string/char literal contents masked,
    column for column, so operators are looked for in code only."""
    out, in_block = [], False
    for line in lines:
        res, i, n = [], 0, len(line)
        while i < n:
            if in_block:
                end = line.find("*/", i)
                if end < 0:
                    res.append(" " * (n - i))
                    i = n
                else:
                    res.append(" " * (end + 2 - i))
                    i, in_block = end + 2, False
            elif line.startswith("//", i):
                res.append(" " * (n - i))
                i = n
            elif line.startswith("/*", i):
                in_block = True
            elif line[i] in "\"'":
                quote, j = line[i], i + 1
                while j < n and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                j = min(j, n - 1)
                res.append(quote + "_" * (j - i - 1) + quote)
                i = j + 1
            else:
                res.append(line[i])
                i += 1
        out.append("".join(res))
    return out


def sub_at(line, start, end, text):
    return line[:start] + text + line[end:]


RELATIONAL = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}


def line_mutants(code, line):
    """Every mutant of one line, by operator: {operator: [mutated line, ...]}."""
    found = {}

    def add(op, start, end, text):
        found.setdefault(op, []).append(sub_at(line, start, end, text))

    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", code):
        add("relational", m.start(1), m.end(1), RELATIONAL[m.group(1)])
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", code):
        add("and-or", m.start(1), m.end(1), "||" if m.group(1) == "&&" else "&&")
    for m in re.finditer(r" [+-] 1(?![\w.'])", code):
        add("plus-one-dropped", m.start(), m.end(), "")
    for m in re.finditer(r"(?<![\w.'])(0[xX][0-9a-fA-F]+|\d+)(?=[uUlL]*(?![\w.']))", code):
        text = m.group(1)
        if code[: m.start()].endswith("[") and code[m.end():].lstrip("uUlL").startswith("]"):
            continue  # an array's size: one more is room to spare, rarely a fault
        value = int(text, 0) if not re.fullmatch(r"0\d+", text) else int(text, 8)
        bumped = hex(value + 1) if text[:2].lower() == "0x" else str(value + 1)
        add("constant", m.start(1), m.end(1), bumped)
    for m in re.finditer(r"\breturn\s+(0|1|true|false)\s*;", code):
        swap = {"0": "1", "1": "0", "true": "false", "false": "true"}[m.group(1)]
        add("return-swapped", m.start(1), m.end(1), swap)
    for m in re.finditer(r"\b(true|false)\b", code):
        add("bool-flipped", m.start(), m.end(), "false" if m.group(1) == "true" else "true")
    for m in re.finditer(r"(?<![\w)\]!=])!(?!=)", code):
        add("negation-dropped", m.start(), m.end(), "")
    for m in re.finditer(r" \| [A-Za-z_][\w:]*(?![\w(:])", code):
        add("flag-dropped", m.start(), m.end(), "")
    for m in re.finditer(r"(?<=[\w)\]]) ([+-]) (?=[\w(])", code):
        add("plus-minus", m.start(1), m.end(1), "-" if m.group(1) == "+" else "+")
    return found


CALL_START = re.compile(r"^(\s*)((?:::)?[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*)\(")


def call_statement(code_lines, i):
    """The number of lines of the call statement starting at line i, or 0."""
    m = CALL_START.match(code_lines[i])
    if not m or m.group(2).split("::")[-1] in KEYWORDS or m.group(2) in KEYWORDS:
        return 0
    depth = 0
    for j in range(i, min(i + 8, len(code_lines))):
        text = code_lines[j] if j > i else code_lines[i][m.end(2):]
        for k, ch in enumerate(text):
            if ch == "(":
                depth += 1
            elif ch == ")":
                depth -= 1
                if depth == 0:
                    rest = text[k + 1:].strip()
                    return j - i + 1 if rest == ";" else 0
    return 0


def file_mutants(lines):
    """{line index: {operator: [(original lines, mutated lines), ...]}}."""
    code = masked(lines)
    result = {}
    for i, line in enumerate(lines):
        if SKIP_LINE.match(code[i]) or not code[i].strip():
            continue
        ops = {}
        for op, mutated in line_mutants(code[i], line).items():
            ops[op] = [([line], [m]) for m in dict.fromkeys(mutated) if m != line]
        span = call_statement(code, i)
        if span:
            indent = CALL_START.match(code[i]).group(1)
            ops["call-deleted"] = [(lines[i:i + span], [indent + "{}"] + [""] * (span - 1))]
        # One change met by two operators is drawn once.
        seen = set()
        for op in sorted(ops):
            ops[op] = [c for c in ops[op] if tuple(c[1]) not in seen]
            seen.update(tuple(c[1]) for c in ops[op])
        ops = {op: cs for op, cs in ops.items() if cs}
        if ops:
            result[i] = ops
    return result


def folder_of(path):
    parts = path.split("/")
    return "app" if parts[0] == "app" else parts[1]


def product_files(read_tree):
    names = [n for n in read_tree("list") if re.fullmatch(r"(app|toolkit/[^/]+)/[^/]+\.cpp", n)]
    return sorted(n for n in names if n not in EXCLUDED)


def draw(seed, count, read_tree):
    """The seeded draw: [(id, folder, path, line index, operator, original, mutated)]."""
    files = {p: read_tree(p).split("\n") for p in product_files(read_tree)}
    by_folder = {}
    for path, lines in files.items():
        by_folder.setdefault(folder_of(path), []).append(path)
    sizes = {f: sum(len(files[p]) for p in ps) for f, ps in by_folder.items()}
    total = sum(sizes.values())
    # Largest remainder: each folder its share of `count` by lines.
    exact = {f: count * s / total for f, s in sizes.items()}
    share = {f: int(e) for f, e in exact.items()}
    for f in sorted(exact, key=lambda f: (share[f] - exact[f], f))[: count - sum(share.values())]:
        share[f] += 1
    rng = random.Random(seed)
    drawn = []
    for folder in sorted(by_folder):
        sites = []
        for path in by_folder[folder]:
            sites += [(path, i, ops) for i, ops in sorted(file_mutants(files[path]).items())]
        for path, i, ops in rng.sample(sites, min(share[folder], len(sites))):
            op = rng.choice(sorted(ops))
            original, mutated = rng.choice(ops[op])
            drawn.append((folder, path, i, op, original, mutated))
    return [(n + 1,) + d for n, d in enumerate(drawn)]


def describe(original, mutated):
    return f"{original[0].strip()}  ->  {mutated[0].strip() or '(deleted)'}" + (
        f"  (+{len(original) - 1} lines)" if len(original) > 1 else "")


# ---- the private copy, its build and bench -------------------------------------


def tree_reader(source, base):
    def read(what):
        if base is None:
            if what == "list":
                out = run(["git", "-C", source, "ls-files", "-co", "--exclude-standard"],
                          capture_output=True).stdout
                return [n for n in out.splitlines() if (Path(source) / n).is_file()]
            return (Path(source) / what).read_text()
        if what == "list":
            return run(["git", "-C", source, "ls-tree", "-r", "--name-only", base],
                       capture_output=True).stdout.splitlines()
        return run(["git", "-C", source, "show", f"{base}:{what}"], capture_output=True).stdout
    return read


def sync(source, copy):
    """Makes `copy` hold exactly the source tree's files. Only files whose bytes
    differ are written, with a new time, so the build sees every change (a
    mutant left behind by a killed run included) and nothing else."""
    names = run(["git", "-C", source, "ls-files", "-co", "--exclude-standard"],
                capture_output=True).stdout.splitlines()
    wanted = set()
    for name in names:
        src = Path(source) / name
        if not src.is_file():
            continue
        wanted.add(name)
        dst = copy / name
        data = src.read_bytes()
        if not dst.is_file() or dst.read_bytes() != data:
            dst.parent.mkdir(parents=True, exist_ok=True)
            dst.write_bytes(data)
            shutil.copymode(src, dst)
    for folder, subfolders, files in os.walk(copy):
        if Path(folder) == copy and "build" in subfolders:
            subfolders.remove("build")
        for name in files:
            path = Path(folder) / name
            if path.relative_to(copy).as_posix() not in wanted:
                path.unlink()


class Bench:
    def __init__(self, copy, build, jobs):
        self.copy, self.build, self.jobs = copy, build, jobs
        self.env = dict(os.environ, CCACHE_BASEDIR=str(copy))
        self.started = False

    def configure(self):
        launcher = []
        if shutil.which("ccache"):
            launcher = ["-DCMAKE_C_COMPILER_LAUNCHER=ccache", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
        run(["cmake", "-S", str(self.copy), "-B", str(self.build),
             "-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake", "-DCMAKE_BUILD_TYPE=Release"]
            + launcher, env=self.env, stdout=subprocess.DEVNULL)

    def tests(self):
        """{folder: [(name, command, environment, working folder)]}, figures left out."""
        out = run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"],
                  capture_output=True, env=self.env).stdout
        found = {}
        for t in json.loads(out)["tests"]:
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            if "figures" in props.get("LABELS", []) or "/" not in t["name"]:
                continue
            env = dict(e.split("=", 1) for e in props.get("ENVIRONMENT", []))
            found.setdefault(t["name"].split("/")[0], []).append(
                (t["name"], t["command"], env, props.get("WORKING_DIRECTORY", str(self.build))))
        return found

    def build_targets(self, targets, log):
        with open(log, "w") as out:
            proc = subprocess.Popen(["cmake", "--build", str(self.build), "-j", str(self.jobs),
                                     "--target", *targets], stdout=out, stderr=subprocess.STDOUT,
                                    env=self.env, start_new_session=True)
            try:
                return proc.wait() == 0
            except BaseException:
                # A stop from outside takes the whole build down (make's
                # children included), so none goes on writing the build folder.
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
                raise

    def start(self):
        run([str(self.copy / "tests/bench/bench.sh"), "start", str(self.build / "bench"), "x86_64"],
            stdout=subprocess.DEVNULL)
        self.started = True

    def stop(self):
        if self.started:
            subprocess.run([str(self.copy / "tests/bench/bench.sh"), "stop",
                            str(self.build / "bench")], stdout=subprocess.DEVNULL)
            self.started = False

    def run_test(self, test, limit, log):
        """'pass', 'fail' or 'timeout', and the seconds it took."""
        name, command, env, cwd = test
        started = time.monotonic()
        with open(log, "w") as out:
            proc = subprocess.Popen(command, cwd=cwd, env=dict(self.env, **env), stdout=out,
                                    stderr=subprocess.STDOUT, start_new_session=True)
            try:
                rc = proc.wait(timeout=limit)
                result = "pass" if rc == 0 else "fail"
            except subprocess.TimeoutExpired:
                result = "timeout"
            finally:
                if proc.poll() is None:
                    os.killpg(proc.pid, signal.SIGKILL)
                    proc.wait()
        return result, time.monotonic() - started


def target_of(test_name):
    return "test_" + test_name.replace("/", "_")


def ordered(tests, path, durations):
    """The tests of the mutated file's own name first, then the quickest."""
    stem = Path(path).stem
    def key(t):
        short = t[0].split("/")[1]
        own = short.startswith(stem + "_") or short.startswith(stem.split("_")[0] + "_")
        return (not short.startswith(stem + "_"), not own, durations.get(t[0], 0))
    return sorted(tests, key=key)


# ---- the run ------------------------------------------------------------------


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    p.add_argument("--seed", type=int, required=True)
    p.add_argument("-n", "--count", type=int, default=60)
    p.add_argument("--ids", help="run only these mutant ids (comma separated)")
    p.add_argument("--list", action="store_true", help="show the draw, build nothing")
    p.add_argument("--base", help="draw from the product of this commit")
    p.add_argument("--source", default=str(HERE.parent.parent), help="tree to copy and test")
    p.add_argument("--work", help="private copy (default build/mutation/src of --source)")
    p.add_argument("--timeout", type=float, default=4.0,
                   help="a test's limit: this many times its time (at least 60 s)")
    p.add_argument("--jobs", type=int, default=2)
    args = p.parse_args()
    source = str(Path(args.source).resolve())
    # A stop from outside still puts the mutated file back and the bench down.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("sampler: stopped"))

    mutants = draw(args.seed, args.count, tree_reader(source, args.base))
    if args.ids:
        wanted = {int(x) for x in args.ids.split(",")}
        mutants = [m for m in mutants if m[0] in wanted]
    for mid, folder, path, i, op, original, mutated in mutants:
        print(f"#{mid:<3} {folder:9} {path}:{i + 1}  {op}: {describe(original, mutated)}")
    if args.list:
        return 0

    copy = Path(args.work or Path(source) / "build/mutation/src").resolve()
    build = copy / "build/win64"
    logs = copy.parent / "logs"
    logs.mkdir(parents=True, exist_ok=True)
    sync(source, copy)
    bench = Bench(copy, build, args.jobs)
    bench.configure()
    all_tests = bench.tests()
    folders = sorted({TEST_FOLDER.get(m[1], m[1]) for m in mutants})
    print(f"\nbuilding the unmutated toolkit and program (tests: {', '.join(folders)})", flush=True)
    # The test programs are built when their turn first comes.
    if not bench.build_targets(["vindra", "wk_test_support", "wk_default_app_proc"],
                               logs / "build-unmutated.log"):
        sys.exit(f"sampler: the unmutated build fails: {logs / 'build-unmutated.log'}")

    results = []
    # Test times: from the unmutated run of a test, else from a mutant it
    # passed. A test that fails a mutant is run once unmutated (the first
    # time); one that fails there too cannot tell a mutant from the product:
    # it is left out and the mutant tried again without it.
    durations, bad = {}, set()

    def run_mutant(mid, folder, path, original, mutated, i):
        """(outcome, killing test, line where the change went)."""
        target = copy / path
        text = target.read_text()
        lines = text.split("\n")
        # Where the line stands now: the nearest place the original lines are.
        places = [k for k in range(len(lines)) if lines[k:k + len(original)] == original]
        if not places:
            return "gone", "", i
        at = min(places, key=lambda k: abs(k - i))
        lines[at:at + len(original)] = mutated
        # The toolkit, or the program, holds the change; each test program is
        # linked again only when its turn comes (make's "/fast": no other target).
        owner = "vindra" if folder == "app" else "wk_toolkit"
        tests = [t for t in ordered(all_tests.get(TEST_FOLDER.get(folder, folder), []), path,
                                    durations) if t[0] not in bad]
        try:
            target.write_text("\n".join(lines))
            if not bench.build_targets([owner], logs / f"build-{mid}.log"):
                return "not compiled", "", at
            for test in tests:
                if not bench.build_targets([target_of(test[0]) + "/fast"], logs / f"build-{mid}.log"):
                    return "not compiled", "", at
                limit = max(60.0, args.timeout * durations[test[0]]) if test[0] in durations else 300
                res, secs = bench.run_test(test, limit, logs / f"test-{mid}.log")
                if res == "pass":
                    durations.setdefault(test[0], secs)
                else:
                    return "killed", test[0] + (" (timeout)" if res == "timeout" else ""), at
            return "survived", "", at
        finally:
            target.write_text(text)

    def unmutated_passes(test):
        if not bench.build_targets(["wk_toolkit", "vindra", target_of(test[0]) + "/fast"],
                                   logs / "build-unmutated.log"):
            sys.exit(f"sampler: the unmutated build fails: {logs / 'build-unmutated.log'}")
        res, secs = bench.run_test(test, 900, logs / "unmutated.log")
        durations[test[0]] = secs
        return res == "pass"

    # Run by turns, one folder after the other, so a run stopped part-way
    # has still sampled every folder alike.
    rank = {}
    for m in mutants:
        rank[m[0]] = sum(n[1] == m[1] for n in mutants if n[0] < m[0])
    verified = set()
    try:
        bench.start()
        turns = sorted(mutants, key=lambda m: (rank[m[0]], m[0]))
        for mid, folder, path, i, op, original, mutated in turns:
            started = time.monotonic()
            while True:
                outcome, by, at = run_mutant(mid, folder, path, original, mutated, i)
                test = next((t for ts in all_tests.values() for t in ts
                             if by.split(" ")[0] == t[0]), None)
                if outcome != "killed" or test[0] in verified:
                    break
                verified.add(test[0])
                if unmutated_passes(test):
                    break
                print(f"  {test[0]} fails unmutated: left out", flush=True)
                bad.add(test[0])
            secs = time.monotonic() - started
            print(f"#{mid:<3} {path}:{at + 1} {op}: {outcome}{' by ' + by if by else ''} "
                  f"({secs:.0f} s)", flush=True)
            results.append((mid, folder, path, at, op, original, mutated, outcome, by))
    finally:
        bench.stop()

    print(f"\nseed {args.seed}, {args.count} drawn, {len(results)} run")
    print(f"{'folder':10} {'mutants':>7} {'killed':>6} {'survived':>8} {'no build':>8}")
    for folder in sorted({r[1] for r in results}):
        rs = [r for r in results if r[1] == folder]
        count = {o: sum(r[7] == o for r in rs) for o in ("killed", "survived", "not compiled")}
        print(f"{folder:10} {len(rs):7} {count['killed']:6} {count['survived']:8} "
              f"{count['not compiled']:8}")
    survivors = [r for r in results if r[7] == "survived"]
    if survivors:
        print("\nsurvivors:")
        for mid, folder, path, at, op, original, mutated, _, _ in survivors:
            print(f"#{mid:<3} {path}:{at + 1} {op}: {describe(original, mutated)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
