#!/usr/bin/env python3
"""Plants one-line faults in the game, one at a time, and runs the test suite on each.

For every fault of the list (or the chosen ones) it checks that the old text occurs exactly
once in its file, makes the edit, rebuilds a build folder of its own incrementally, runs ctest
and puts the file back byte for byte, also on Ctrl-C. A fault is caught when a test fails (or
hangs), missed when every test passes; a fault that breaks the build is reported as "does not
compile" and one whose old text is gone as "does not apply".

  tools/faults/run.py                      every fault
  tools/faults/run.py E03 scoring          fault E03 and every scoring fault
  tools/faults/run.py --check              only check that each fault still applies
  tools/faults/run.py --report now.tsv --compare tools/faults/now.tsv
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

HERE = Path(__file__).resolve().parent
DEFAULT_LIST = HERE / "faults.txt"
DEFAULT_SOURCE = HERE.parent.parent

CAUGHT, MISSED, NO_COMPILE, NO_APPLY = "caught", "missed", "does not compile", "does not apply"


@dataclass
class Fault:
    id: str
    area: str
    file: str = ""
    old: str = ""
    new: str = ""
    what: str = ""
    line: int = 0  # line of the list where the fault starts


@dataclass
class Result:
    fault: Fault
    outcome: str
    tests: list = field(default_factory=list)
    note: str = ""
    seconds: float = 0.0


class Interrupted(Exception):
    pass


def parse_list(path):
    """Blocks of '[ID] area' then 'file:', 'old:', 'new:', 'what:' lines; '#' starts a comment line."""
    faults, current = [], None
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        header = re.fullmatch(r"\[(\S+)\]\s+(\S+)\s*", raw)
        if header:
            current = Fault(header.group(1), header.group(2), line=number)
            faults.append(current)
            continue
        key = re.match(r"(file|old|new|what):( |$)", raw)
        if not key or current is None:
            sys.exit(f"{path}:{number}: expected '[ID] area' or file:/old:/new:/what:, got: {raw}")
        setattr(current, key.group(1), raw[key.end():])
    seen = set()
    for f in faults:
        if f.id in seen:
            sys.exit(f"{path}:{f.line}: fault {f.id} appears twice")
        seen.add(f.id)
        if not f.file or not f.old or f.old == f.new:
            sys.exit(f"{path}:{f.line}: fault {f.id} needs a file, an old text and a different new text")
    return faults


def select(faults, wanted):
    if not wanted:
        return faults
    keys = {w.lower() for w in wanted}
    chosen = [f for f in faults if f.id.lower() in keys or f.area.lower() in keys]
    known = {f.id.lower() for f in faults} | {f.area.lower() for f in faults}
    unknown = sorted(keys - known)
    if unknown:
        sys.exit("no fault or area named " + ", ".join(unknown))
    return chosen


def occurrences(source, fault):
    path = source / fault.file
    if not path.is_file():
        return 0, None
    data = path.read_bytes()
    return data.count(fault.old.encode("utf-8")), data


def run_group(cmd, cwd, env, timeout, log):
    """Runs cmd in a process group of its own, so that a timeout or Ctrl-C ends all of it."""
    with open(log, "wb") as out:
        proc = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=out, stderr=subprocess.STDOUT,
                                start_new_session=True)
        try:
            return proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            return None
        except BaseException:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            raise


class Runner:
    def __init__(self, args):
        self.args = args
        self.source = Path(args.source).resolve()
        build = Path(args.build)
        self.build = build if build.is_absolute() else self.source / build
        self.backup = self.build / "fault-backup"
        self.logs = self.build / "fault-logs"
        self.env = dict(os.environ)
        self.scratch = tempfile.mkdtemp(prefix="brivano-faults-")
        self.env["QT_QPA_PLATFORM"] = "offscreen"
        self.env.setdefault("XDG_RUNTIME_DIR", self.scratch)
        # Whatever a fault does to the files' folder, nothing lands in the user's own settings.
        self.env["XDG_CONFIG_HOME"] = os.path.join(self.scratch, "config")
        self.already_failing = set()

    # ---- the planted file and its backup

    def restore_leftovers(self):
        """Puts back any file that an earlier run, killed mid-fault, left edited."""
        if not self.backup.is_dir():
            return
        for saved in sorted(p for p in self.backup.rglob("*") if p.is_file()):
            target = self.source / saved.relative_to(self.backup)
            target.write_bytes(saved.read_bytes())
            print(f"restored {target.relative_to(self.source)} left edited by an interrupted run")
            saved.unlink()
        shutil.rmtree(self.backup, ignore_errors=True)

    def plant(self, fault, original):
        saved = self.backup / fault.file
        saved.parent.mkdir(parents=True, exist_ok=True)
        saved.write_bytes(original)
        (self.source / fault.file).write_bytes(original.replace(fault.old.encode("utf-8"), fault.new.encode("utf-8"), 1))

    def unplant(self, fault, original):
        path = self.source / fault.file
        path.write_bytes(original)
        if path.read_bytes() != original:
            sys.exit(f"could not restore {fault.file}")
        (self.backup / fault.file).unlink(missing_ok=True)

    def shown(self, path):
        """A path as the report shows it: from the top of the source tree when it lies inside."""
        try:
            return str(path.relative_to(self.source))
        except ValueError:
            return str(path)

    # ---- build and test

    def configure(self):
        if (self.build / "build.ninja").is_file():
            return
        cmd = ["cmake", "-S", str(self.source), "-B", str(self.build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DBRIVANO_TESTS=ON"]
        if subprocess.run(cmd, stdout=subprocess.DEVNULL).returncode != 0:
            sys.exit("cmake could not configure " + str(self.build))

    def compile(self, tag):
        log = self.logs / f"{tag}.build.log"
        code = run_group(["cmake", "--build", str(self.build)], self.source, self.env, self.args.build_timeout, log)
        if code == 0:
            return None
        text = log.read_text(errors="replace")
        lines = text.splitlines()
        errors = [l for l in lines if " error: " in l] or [l for l in lines if l.startswith("FAILED")]
        first = errors[0].replace(str(self.source) + "/", "") if errors else "build stopped"
        return f"{first}  (log: {self.shown(log)})"

    def test(self, tag):
        """Returns the failing test names, None when all passed."""
        failed_log = self.build / "Testing" / "Temporary" / "LastTestsFailed.log"
        failed_log.unlink(missing_ok=True)
        log = self.logs / f"{tag}.ctest.log"
        cmd = ["ctest", "--test-dir", str(self.build), "-j", str(self.args.jobs),
               "--timeout", str(self.args.timeout), "--output-on-failure"]
        if self.args.label:
            cmd += ["-L", self.args.label]
        code = run_group(cmd, self.build, self.env, self.args.run_timeout, log)
        if code is None:
            return [f"(the whole run passed {self.args.run_timeout} s)"]
        names = []
        if failed_log.is_file():
            for entry in failed_log.read_text(errors="replace").splitlines():
                # A value-parameterized test's name carries its parameter's bytes, addresses included.
                name = entry.split(":", 1)[-1].split("  # GetParam()")[0].strip()
                if name:
                    names.append(name)
        if code != 0 and not names:
            names.append(f"(ctest exit {code}, see {self.shown(log)})")
        return names or None

    def clean_run(self):
        print("Building and testing the code as it is ...", flush=True)
        error = self.compile("clean")
        if error:
            sys.exit("the code does not build without any fault: " + error)
        failing = self.test("clean") or []
        if failing:
            self.already_failing = set(failing)
            print(f"warning: {len(failing)} test(s) fail without any fault; they are not counted as catches:")
            for name in failing:
                print("  " + name)

    def run_fault(self, fault):
        start = time.monotonic()
        count, original = occurrences(self.source, fault)
        if count != 1:
            note = "file is gone" if original is None else f"old text found {count} times"
            return Result(fault, NO_APPLY, note=note)
        if self.args.check:
            return Result(fault, "applies")
        self.plant(fault, original)
        try:
            error = self.compile(fault.id)
            if error:
                return Result(fault, NO_COMPILE, note=error, seconds=time.monotonic() - start)
            failing = [n for n in (self.test(fault.id) or []) if n not in self.already_failing]
        finally:
            self.unplant(fault, original)
        outcome = CAUGHT if failing else MISSED
        return Result(fault, outcome, tests=failing, seconds=time.monotonic() - start)


def cell(result, names):
    if result.note:
        return result.note
    shown = ", ".join(result.tests[:names])
    more = len(result.tests) - names
    return shown + (f" (+{more} more)" if more > 0 else "")


def print_table(results, names):
    print()
    if not results:
        print("no fault was run")
        return
    print(f"{'id':<6} {'area':<10} {'result':<17} {'secs':>5}  failing tests")
    for r in results:
        secs = f"{r.seconds:5.0f}" if r.seconds else "    -"
        print(f"{r.fault.id:<6} {r.fault.area:<10} {r.outcome:<17} {secs}  {cell(r, names)}")
    print()
    counts = {}
    for r in results:
        counts[r.outcome] = counts.get(r.outcome, 0) + 1
    order = [CAUGHT, MISSED, NO_COMPILE, NO_APPLY, "applies"]
    print("  ".join(f"{k}: {counts[k]}" for k in order if k in counts) + f"  (of {len(results)})")
    missed = [r.fault for r in results if r.outcome == MISSED]
    if missed:
        print("\nMissed:")
        for f in missed:
            print(f"  {f.id:<6} {f.file}: {f.what}")


def write_report(path, results):
    with open(path, "w", encoding="utf-8") as out:
        out.write("id\tarea\tresult\tfailing tests\n")
        for r in results:
            out.write(f"{r.fault.id}\t{r.fault.area}\t{r.outcome}\t{' | '.join(r.tests) if r.tests else r.note}\n")


def compare(path, results):
    """Faults that an earlier report shows caught and this run did not catch."""
    before = {}
    for row in Path(path).read_text(encoding="utf-8").splitlines()[1:]:
        parts = row.split("\t")
        if len(parts) >= 3:
            before[parts[0]] = parts[2]
    lost = [r for r in results if before.get(r.fault.id) == CAUGHT and r.outcome != CAUGHT]
    print(f"\nCompared with {path}:")
    if not lost:
        print("  every fault caught there is caught here")
        return 0
    for r in lost:
        print(f"  {r.fault.id:<6} caught there, {r.outcome} here: {r.fault.what}")
    return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("only", nargs="*", help="fault ids or areas to run (default: all)")
    parser.add_argument("--list", default=str(DEFAULT_LIST), help="the fault list (default: faults.txt beside this script)")
    parser.add_argument("--source", default=str(DEFAULT_SOURCE), help="the source tree (default: this checkout)")
    parser.add_argument("--build", default="build-faults", help="build folder, relative to the source tree (default: build-faults)")
    parser.add_argument("--jobs", type=int, default=len(os.sched_getaffinity(0)), help="tests run at once (default: all cores)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds a test may take where its own TIMEOUT does not say (default: 120)")
    parser.add_argument("--run-timeout", type=int, default=900, help="seconds a whole ctest run may take (default: 900)")
    parser.add_argument("--build-timeout", type=int, default=1800, help="seconds a build may take (default: 1800)")
    parser.add_argument("--names", type=int, default=3, help="failing tests shown per fault (default: 3)")
    parser.add_argument("--label", help="run only the test programs whose label (their folder under tests/) matches this regex")
    parser.add_argument("--check", action="store_true", help="only check that each fault applies; no build")
    parser.add_argument("--no-clean-run", action="store_true", help="skip the first run without any fault")
    parser.add_argument("--report", help="also write the results to this tab-separated file")
    parser.add_argument("--compare", help="an earlier report: list the faults it shows caught that this run misses")
    args = parser.parse_args()

    faults = select(parse_list(Path(args.list)), args.only)
    runner = Runner(args)

    def stop(signum, _frame):
        raise Interrupted(signal.Signals(signum).name)

    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, stop)

    results, began = [], time.monotonic()
    try:
        runner.restore_leftovers()
        if not args.check:
            runner.configure()
            runner.logs.mkdir(parents=True, exist_ok=True)
            if not args.no_clean_run:
                runner.clean_run()
        for n, fault in enumerate(faults, 1):
            if not args.check:
                print(f"[{n}/{len(faults)}] {fault.id} {fault.file}: {fault.what}", flush=True)
            result = runner.run_fault(fault)
            results.append(result)
            if not args.check:
                print(f"        {result.outcome}  {cell(result, args.names)}", flush=True)
    except Interrupted as stopped:
        print(f"\nstopped by {stopped}; every planted fault has been taken out")
    finally:
        for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(sig, signal.SIG_IGN)  # a second Ctrl-C must not stop the restoring
        runner.restore_leftovers()
        shutil.rmtree(runner.scratch, ignore_errors=True)

    print_table(results, args.names)
    if not args.check:
        print(f"\nTime: {time.monotonic() - began:.0f} s for {len(results)} fault(s)")
    if args.report:
        write_report(args.report, results)
    status = 0
    if args.compare:
        status = compare(args.compare, results)
    if any(r.outcome == NO_COMPILE or (args.check and r.outcome == NO_APPLY) for r in results):
        status = status or 2
    return status


if __name__ == "__main__":
    sys.exit(main())
