#!/usr/bin/env python3
"""Runs one screen-reader case (cases.py) against the program and prints all
that Orca said, step by step, with what was missed.

    run_case.py --binary build/app/metrova tab_through      one case
    run_case.py --list                                       the cases' names
    run_case.py --binary build/app/metrova --listen "type 2" Return Tab
                                                             only print what is said

Exit status: 0 every expectation met, 1 not met or the desktop failed,
77 a tool is missing (CTest shows the case as skipped), 130/143 interrupted.
"""

import sys

sys.dont_write_bytecode = True  # keeps the source tree free of __pycache__

import argparse  # noqa: E402
import signal  # noqa: E402
import time  # noqa: E402
from pathlib import Path  # noqa: E402

from cases import CASES  # noqa: E402
from desktop import Deadline, Desktop, HarnessError, missing_tools  # noqa: E402
from hearing import Case, Step, failures, perform, split_by_step  # noqa: E402

SKIP = 77


class Interrupted(Exception):
    def __init__(self, signum: int):
        super().__init__(signal.Signals(signum).name)
        self.signum = signum


def _interrupt(signum, _frame):
    raise Interrupted(signum)


def _timed_out(_signum, _frame):
    raise HarnessError("the case overran its time limit while waiting in a call")


def _print_transcript(heard, after, problems_by_step) -> None:
    print("What Orca said:")
    for number, part in enumerate(heard):
        label = "start" if part.step.action is None else f"step {number}: {part.step.action}"
        print(f"  {label}" + ("" if part.reached else "   (not reached)"))
        for utterance in part.utterances:
            print(f"      {utterance.text!r}")
        for problem in problems_by_step.get(number, ()):
            print(f"    !! {problem}")
    if after:
        print("  while Orca was stopped")
        for utterance in after:
            print(f"      {utterance.text!r}")


def run(case: Case, binary: str, limit: float, keep: bool) -> int:
    print(f"case {case.name}: {case.about}", flush=True)
    deadline = Deadline(limit)
    began = time.monotonic()
    desktop = Desktop(binary, deadline, keep=keep)
    error = None
    try:
        try:
            desktop.start()
            for step in case.steps:
                perform(desktop, step)
        except HarnessError as problem:
            error = str(problem)
        if "orca" in desktop.procs:  # what was heard, also until a failure
            try:
                desktop.stop_orca()
            except HarnessError as problem:
                error = error or str(problem)
    finally:
        for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
            signal.signal(signum, signal.SIG_IGN)  # let the clean-up finish
        signal.alarm(0)
        # Qt 6.8 writes a line for every screen-reader event kind it does not
        # know; they hide what matters.
        program_output = "\n".join(line for line in desktop.log_of("metrova").splitlines()
                                   if "Subscription string not handled" not in line)
        desktop.close()

    spoken = desktop.heard
    problems = []
    if spoken is not None:
        heard, after = split_by_step(case, desktop.marks, spoken, desktop.began_at, desktop.stopped_at)
        problems = failures(heard) if error is None else []
        by_step = {}
        for number, problem in problems:
            by_step.setdefault(number, []).append(problem)
        _print_transcript(heard, after, by_step)
    seconds = time.monotonic() - began
    if program_output and (error or problems):
        print("The program's output:\n" + program_output)
    if desktop.slow_settles:
        print(f"note: {desktop.slow_settles} action(s) did not settle within {Desktop.most:.0f} s")
    if error:
        print(f"ERROR {case.name} ({seconds:.1f} s): {error}")
        return 1
    if problems:
        print(f"FAIL {case.name} ({seconds:.1f} s): {len(problems)} expectation(s) not met:")
        for number, problem in problems:
            print(f"  step {number} ({heard[number].step.action or 'start'}): {problem}")
        return 1
    print(f"PASS {case.name} ({seconds:.1f} s)")
    return 0


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("case", nargs="?", help="the case to run (see --list)")
    parser.add_argument("--binary", help="the program to start (build/app/metrova)")
    parser.add_argument("--list", action="store_true", help="print the cases' names")
    parser.add_argument("--listen", nargs="+", metavar="ACTION",
                        help='run these actions ("type TEXT", or X key names) and print what is said')
    parser.add_argument("--timeout", type=float, default=150, help="seconds the whole case may take")
    parser.add_argument("--keep", action="store_true", help="keep the temporary directory with every log")
    args = parser.parse_args()

    if args.list:
        print("\n".join(case.name for case in CASES))
        return 0
    if args.listen:
        case = Case("listen", "what Orca says", *(Step(action) for action in args.listen))
    else:
        case = next((c for c in CASES if c.name == args.case), None)
        if case is None:
            parser.error(f"no case {args.case!r}; the cases: {', '.join(c.name for c in CASES)}")
    if not args.binary:
        parser.error("--binary is needed")
    if not Path(args.binary).is_file():
        print(f"run_case: no program at {args.binary}")
        return 1

    missing = missing_tools()
    if missing:
        print(f"SKIP: the screen-reader test needs {', '.join(missing)} (scripts/install-deps a11y installs them)")
        return SKIP

    for signum in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, _interrupt)
    # A backstop for a call that ignores the deadline.
    signal.signal(signal.SIGALRM, _timed_out)
    signal.alarm(int(args.timeout) + 30)
    try:
        return run(case, args.binary, args.timeout, args.keep)
    except Interrupted as interruption:
        print(f"interrupted by {interruption}; every process of the case has been ended")
        return 128 + interruption.signum


if __name__ == "__main__":
    sys.exit(main())
