"""Lists, picks and runs the cases; prints each with pass or fail and its
time, and closes with the line `N passed, N failed`."""
import argparse
import signal
import sys
import time
import traceback
import unittest

from . import (build, cases_cli, cases_detailer, cases_installer,
               cases_preview, cases_trouble, cases_window)
from .case import WindowsCase
from .session import Session

CASE_CLASSES = [cases_cli.CommandLine, cases_window.Window,
                cases_detailer.Keyboard, cases_detailer.HelpAndWeb,
                cases_detailer.FailedSaves, cases_detailer.SessionEnd,
                cases_detailer.UnreadableFields, cases_window.Scaled,
                cases_preview.Preview,
                cases_trouble.Trouble, cases_installer.Installer]


def all_cases():
    """(name, class, method) of every case, in the order they run."""
    return [(method.removeprefix("test_"), cls, method)
            for cls in CASE_CLASSES for method in vars(cls)
            if method.startswith("test_")]


class Result(unittest.TestResult):
    """Prints one line per case, after its tear-down: PASS or FAIL, its
    name and its time."""

    def __init__(self):
        super().__init__()
        self.lines = []
        self.failed_cases = 0

    def startTest(self, test):
        super().startTest(test)
        self.started = time.monotonic()
        self.why = []
        print(f"== {test.case_name()}", flush=True)

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self.why.append(f"  {err[1]}")

    def addError(self, test, err):
        super().addError(test, err)
        self.why.append("".join(traceback.format_exception(*err)))

    def stopTest(self, test):
        super().stopTest(test)
        verdict = "FAIL" if self.why else "PASS"
        self.failed_cases += bool(self.why)
        line = (f"{verdict} {test.case_name()} "
                f"({time.monotonic() - self.started:.1f} s)")
        self.lines.append(line)
        print("\n".join([*self.why, line]), flush=True)


def parse(argv):
    parser = argparse.ArgumentParser(
        prog="windows-check",
        description="Cross-builds for Windows and checks the build under Wine.")
    parser.add_argument("--list", action="store_true",
                        help="print the cases' names and stop")
    parser.add_argument("-k", dest="names", action="append", metavar="NAME",
                        help="run this case alone (may be repeated)")
    return parser.parse_args(argv)


def picked(names):
    cases = all_cases()
    if not names:
        return cases
    unknown = set(names) - {name for name, _, _ in cases}
    if unknown:
        sys.exit(f"windows-check: no case {', '.join(sorted(unknown))} "
                 "(scripts/windows-check --list names them)")
    return [case for case in cases if case[0] in names]


def run_cases(cases, session):
    result = Result()
    WindowsCase.session = session
    for _, cls, method in cases:
        cls(method).run(result)
    return result


def build_first():
    started = time.monotonic()
    print("== build", flush=True)
    try:
        steps = build.build_all()
    except build.BuildFailed as failed:
        print(failed, flush=True)
        return False
    print(f"built in {time.monotonic() - started:.0f} s ({', '.join(steps)})",
          flush=True)
    return True


def interrupt(*_):
    # unittest records other exceptions and goes on to the next case; an
    # interrupt ends the run, and the session is closed on the way out.
    raise KeyboardInterrupt


def main(argv):
    args = parse(argv)
    if args.list:
        print("\n".join(name for name, _, _ in all_cases()))
        return 0
    cases = picked(args.names)
    signal.signal(signal.SIGTERM, interrupt)
    started = time.monotonic()
    session = Session()
    try:
        session.start()
        if not build_first():
            print(f"0 passed, {len(cases)} failed")
            return 1
        result = run_cases(cases, session)
    finally:
        session.close()
    print(f"== {len(result.lines)} cases in "
          f"{time.monotonic() - started:.0f} s, the build included")
    print("\n".join(result.lines))
    failed = result.failed_cases
    print(f"{result.testsRun - failed} passed, {failed} failed")
    return 1 if failed else 0
