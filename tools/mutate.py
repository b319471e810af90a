#!/usr/bin/env python3
"""The mutation check: how many seeded faults in the rules core the headless tests detect.

    /usr/bin/python3 tools/mutate.py [--seed 1] [--count 200] [--report FILE] [--min-rate PERCENT]

It copies the checkout (the files git tracks and the untracked ones it does not ignore, as they stand
in the working tree) into a temporary folder and works only there. It lists every mutant of the rules
core (tools/mutants.py says which), shuffles the list with random.Random(SEED), and takes mutants in
that order until COUNT of them have compiled; one that does not compile is "stillborn", reported and
not counted. So the same seed and count on the same rules core give the same mutants, whatever the
tests: two rates compare while src/ stays as it is (a changed source moves the sites). The draw is
not stratified: every mutant in the list is as likely as any other, so each kind of fault comes in
the share it has in the code (integer constants, two mutants each, are nearly half).

Each mutant is written into its file, the headless targets are rebuilt incrementally and the
headless tests run, fastest first, until one fails: then the mutant is killed. A test that runs
past its time limit (ten times its time on the unmutated copy, at least 30 s) counts as failed: a
fault that hangs the game is a fault detected. A mutant that every test passes has survived. The
mutants of one file run one after the other, so each costs one compilation of its file.

The kill rate is killed / (killed + survived). The report lists the survivors, the stillborn and
every mutant's fate in file order, with no timing in it, so two reports diff line by line. The exit
status is 0 after a completed run, 1 when --min-rate is given and the rate is below it, 2 when the
check could not run (not a git checkout, a failing build or test before any mutant).
"""

import argparse
import itertools
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import mutants as mutant_sites  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PYTHON = "/usr/bin/python3"  # Debian's, as ctest runs the script tests
# The flags of `make test`'s build without its debug information, which only slows the links.
CMAKE_OPTIONS = ["-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",
                 "-DVELMO_GAME=OFF", "-DVELMO_E2E=OFF", "-DVELMO_BENCH=OFF", "-DVELMO_TESTS=ON"]
TARGETS = ["velmo_core", "velmo-sim", "velmo_unit_tests"]
# The headless tests: the unit tests and the script tests that need no window and no package.
# test_data.py reads only game/ and tools/, so it cannot tell a mutant; it runs all the same, as the
# suite's own part, and costs half a second when it comes first.
TESTS = [
    ("unit tests", ["{build}/velmo_unit_tests", "--gtest_brief=1", "--gtest_fail_fast"]),
    ("test_sim.py", [PYTHON, "tests/scripts/test_sim.py", "--build", "{build}"]),
    ("test_data.py", [PYTHON, "tests/scripts/test_data.py"]),
]
MIN_TIMEOUT = 30.0
TIMEOUT_FACTOR = 10


def parse_args():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1, help="the shuffle's seed (default 1)")
    parser.add_argument("--count", type=int, default=200, help="mutants that compile to run (default 200)")
    parser.add_argument("--report", help="write the report to this file as well")
    parser.add_argument("--min-rate", type=float, metavar="PERCENT",
                        help="exit with status 1 when the kill rate is below PERCENT")
    parser.add_argument("--jobs", type=int, default=2, help="compile jobs of each rebuild (default 2)")
    parser.add_argument("--keep", action="store_true", help="keep the temporary copy and say where")
    parser.add_argument("--list", action="store_true", help="list every mutant of the rules core and stop")
    return parser.parse_args()


def git(*args):
    return subprocess.run(["git", "-C", ROOT, *args], capture_output=True, text=True, check=True).stdout


def checkout_files():
    """The files of the working tree git tracks or would track, with their uncommitted changes."""
    names = git("ls-files", "-z", "--cached", "--others", "--exclude-standard").split("\0")
    return sorted({n for n in names if n and os.path.lexists(os.path.join(ROOT, n))})


def source_label():
    head = git("rev-parse", "--short", "HEAD").strip()
    changed = git("status", "--porcelain", "--untracked-files=normal").strip()
    return head + (" with uncommitted changes" if changed else "")


def copy_checkout(files, dest):
    for name in files:
        target = os.path.join(dest, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copy2(os.path.join(ROOT, name), target, follow_symlinks=False)


class Workbench:
    """The copy, its build folder and the tests, run in the copy."""

    def __init__(self, copy, jobs):
        self.copy, self.jobs = copy, jobs
        self.build = os.path.join(copy, "build")
        self.tests = []  # (name, command, time limit), fastest first

    def configure(self):
        run = subprocess.run(["cmake", "-S", self.copy, "-B", self.build, *CMAKE_OPTIONS],
                             capture_output=True, text=True)
        return run.returncode == 0, run.stdout + run.stderr

    def rebuild(self):
        run = subprocess.run(["cmake", "--build", self.build, "-j", str(self.jobs), "--target", *TARGETS],
                             capture_output=True, text=True)
        return run.returncode == 0, run.stdout + run.stderr

    def run_test(self, command, limit):
        """'pass', 'fail' or 'timeout'; a test past its limit is ended with all it started."""
        process = subprocess.Popen([part.format(build=self.build) for part in command], cwd=self.copy,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   stdin=subprocess.DEVNULL, start_new_session=True)
        try:
            code = process.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return "timeout"
        return "pass" if code == 0 else "fail"

    def measure_tests(self):
        """Runs every test on the unmutated copy; orders them fastest first. Returns the failures."""
        timed, failures = [], []
        for name, command in TESTS:
            start = time.monotonic()
            outcome = self.run_test(command, 600)
            seconds = time.monotonic() - start
            if outcome != "pass":
                failures.append(f"{name}: {outcome}")
            timed.append((seconds, name, command))
        timed.sort(key=lambda t: t[0])
        self.tests = [(name, command, max(MIN_TIMEOUT, TIMEOUT_FACTOR * seconds))
                      for seconds, name, command in timed]
        return failures, timed

    def judge(self):
        """'killed', 'timeout' or 'survived', with the test that told."""
        for name, command, limit in self.tests:
            outcome = self.run_test(command, limit)
            if outcome == "fail":
                return "killed", name
            if outcome == "timeout":
                return "timeout", name
        return "survived", ""


def run_mutants(bench, batch, texts, fates, progress):
    """Runs the batch file by file, each file's mutants one after the other, then restores the file."""
    batch = sorted(batch, key=mutant_sites.Mutant.key)
    for path, group in itertools.groupby(batch, key=lambda m: m.path):
        target = os.path.join(bench.copy, path)
        try:
            for mutant in group:
                with open(target, "w", encoding="utf-8", newline="") as f:
                    f.write(mutant.apply(texts[path]))
                start = time.monotonic()
                built, _ = bench.rebuild()
                built_at = time.monotonic()
                fate, teller = bench.judge() if built else ("stillborn", "")
                fates[mutant.key()] = fate
                progress(mutant, fate, teller, built_at - start, time.monotonic() - built_at)
        finally:
            with open(target, "w", encoding="utf-8", newline="") as f:
                f.write(texts[path])


def choose_and_run(bench, pool, texts, seed, count, progress):
    """Mutants in the seed's shuffled order until `count` of them compiled; their fates by key."""
    order = list(pool)
    random.Random(seed).shuffle(order)
    fates, taken = {}, 0
    while taken < len(order):
        compiled = sum(1 for fate in fates.values() if fate != "stillborn")
        if compiled >= count:
            break
        batch = order[taken:taken + count - compiled]
        taken += len(batch)
        run_mutants(bench, batch, texts, fates, progress)
    return fates


def line_text(texts, mutant):
    return texts[mutant.path].split("\n")[mutant.line - 1].strip()


def report(args, label, pool, texts, fates):
    """The summary (also printed), the survivors with their lines (also printed) and the rest."""
    ran = [m for m in pool if m.key() in fates]
    by_fate = {fate: [m for m in ran if fates[m.key()] == fate]
               for fate in ("killed", "timeout", "survived", "stillborn")}
    killed = len(by_fate["killed"]) + len(by_fate["timeout"])
    judged = killed + len(by_fate["survived"])
    rate = 100.0 * killed / judged if judged else 0.0
    kinds = {}
    for m in pool:
        kinds[m.operator] = kinds.get(m.operator, 0) + 1
    summary = [
        "Velmo mutation check",
        f"sources: {label}",
        f"seed {args.seed}, count {args.count}",
        f"mutants of the rules core: {len(pool)} in {len({m.path for m in pool})} files ("
        + ", ".join(f"{kind} {n}" for kind, n in sorted(kinds.items())) + ")",
        "tests: " + ", ".join(name for name, _ in TESTS) + " (fastest first, until one fails)",
        "",
        f"kill rate {rate:.1f}% ({killed} killed of {judged}, {len(by_fate['timeout'])} of them by a "
        "time limit)",
        f"survived {len(by_fate['survived'])}, stillborn {len(by_fate['stillborn'])} (did not compile, "
        "not counted)",
    ]
    survivors = ["", f"survivors ({len(by_fate['survived'])}):"]
    for m in by_fate["survived"]:
        survivors += [m.describe(), "    " + line_text(texts, m)]
    rest = ["", f"stillborn ({len(by_fate['stillborn'])}):"]
    rest += [m.describe() for m in by_fate["stillborn"]]
    rest += ["", "every mutant run, in file order:"]
    rest += [f"{fates[m.key()]:<9} {m.describe()}" for m in ran]
    return summary, survivors, rest, rate


def main():
    args = parse_args()
    started = time.monotonic()
    try:
        files = checkout_files()
        label = source_label()
    except (subprocess.CalledProcessError, FileNotFoundError):
        print("mutate: this needs a git checkout of the game and git itself", file=sys.stderr)
        return 2
    pool = mutant_sites.all_mutants(ROOT, files)
    if args.list:
        for m in pool:
            print(f"{m.operator:<10} {m.describe()}")
        return 0

    copy = tempfile.mkdtemp(prefix="velmo-mutate-")
    try:
        copy_checkout(files, copy)
        texts = {}
        for m in pool:
            if m.path not in texts:
                with open(os.path.join(copy, m.path), encoding="utf-8", newline="") as f:
                    texts[m.path] = f.read()
        bench = Workbench(copy, args.jobs)
        print(f"mutate: {len(pool)} mutants of the rules core; copy in {copy}; building it", flush=True)
        for step in (bench.configure, bench.rebuild):
            ok, output = step()
            if not ok:
                print(output[-3000:], file=sys.stderr)
                print("mutate: the unmutated copy does not build", file=sys.stderr)
                return 2
        failures, timed = bench.measure_tests()
        if failures:
            print("mutate: the tests fail without any mutant: " + "; ".join(failures), file=sys.stderr)
            return 2
        print("mutate: tests, fastest first: "
              + ", ".join(f"{name} {seconds:.1f} s" for seconds, name, _ in timed), flush=True)

        done = [0]

        def progress(mutant, fate, teller, build_seconds, test_seconds):
            done[0] += 1
            by = f" ({teller})" if teller else ""
            print(f"[{done[0]:>4}] {build_seconds:4.1f}+{test_seconds:4.1f} s {fate + by:<26} "
                  f"{mutant.describe()}", flush=True)

        fates = choose_and_run(bench, pool, texts, args.seed, args.count, progress)
        summary, survivors, rest, rate = report(args, label, pool, texts, fates)
    finally:
        if args.keep:
            print(f"mutate: the copy stays in {copy}")
        else:
            shutil.rmtree(copy, ignore_errors=True)

    print("\n".join(summary + survivors))
    if args.report:
        os.makedirs(os.path.dirname(os.path.abspath(args.report)), exist_ok=True)
        with open(args.report, "w", encoding="utf-8", newline="") as f:
            f.write("\n".join(summary + survivors + rest) + "\n")
        print(f"mutate: report written to {args.report}")
    print(f"mutate: {time.monotonic() - started:.0f} s in all")
    if args.min_rate is not None and rate < args.min_rate:
        print(f"mutate: the kill rate {rate:.1f}% is below {args.min_rate:g}%", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
