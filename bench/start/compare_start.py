#!/usr/bin/env python3
"""Times window start-ups side by side: for each pair, a program's window
against an empty window of the same size, run in turns so that both see the
same machine. Every command must show its window, paint it once and end; a
run is timed from launch to exit and its peak memory is the largest resident
size of the process and the children it waited for.

    compare_start.py [--rounds N] [--time-ratio R] [--memory-ratio R]
        --pair LABEL PROGRAM EMPTY [--memory LABEL] ...

PROGRAM and EMPTY are command lines (split as a shell would). --memory
names a pair whose memory ratio must stay under --memory-ratio; every
pair's time ratio must be at most --time-ratio. Exits 1 when a target is missed.
"""
import argparse
import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(command):
    """Seconds from launch to exit, peak resident KiB and CPU seconds."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{shlex.join(command)} ended with {process.returncode}")
    return elapsed, usage.ru_maxrss, usage.ru_utime + usage.ru_stime


def measure(program, empty, rounds, warm_up=2):
    """Median time and memory of each side, over alternating runs."""
    samples = {"program": [], "empty": []}
    for i in range(warm_up + rounds):
        for side, command in (("program", program), ("empty", empty)):
            result = run_once(command)
            if i >= warm_up:
                samples[side].append(result)
    return {side: tuple(statistics.median(run[i] for run in runs)
                        for i in range(3))
            for side, runs in samples.items()}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=15)
    parser.add_argument("--time-ratio", type=float, default=1.4)
    parser.add_argument("--memory-ratio", type=float, default=1.3)
    parser.add_argument("--pair", nargs=3, action="append", required=True,
                        metavar=("LABEL", "PROGRAM", "EMPTY"))
    parser.add_argument("--memory", action="append", default=[],
                        metavar="LABEL")
    args = parser.parse_args()

    missed = []
    print(f"Start to first paint and out, median of {args.rounds} runs each")
    print(f"{'':32} {'window':>10} {'empty':>10} {'ratio':>7}   target")
    for label, program, empty in args.pair:
        result = measure(shlex.split(program), shlex.split(empty), args.rounds)
        (time_p, mem_p, cpu_p), (time_e, mem_e, cpu_e) = (result["program"],
                                                          result["empty"])
        rows = [("time", f"{time_p * 1e3:.1f} ms", f"{time_e * 1e3:.1f} ms",
                 time_p / time_e, "<=", args.time_ratio)]
        # CPU time varies less than wall time on a busy machine.
        rows.append(("CPU time", f"{cpu_p * 1e3:.1f} ms",
                     f"{cpu_e * 1e3:.1f} ms", cpu_p / cpu_e, "", None))
        memory_target = args.memory_ratio if label in args.memory else None
        rows.append(("peak memory", f"{mem_p / 1024:.1f} MiB",
                     f"{mem_e / 1024:.1f} MiB", mem_p / mem_e, "<",
                     memory_target))
        for what, ours, theirs, ratio, bound, target in rows:
            verdict = "-"
            if target is not None:
                met = ratio <= target if bound == "<=" else ratio < target
                verdict = f"{bound} {target}: {'met' if met else 'MISSED'}"
                if not met:
                    missed.append(f"{label} {what}")
            print(f"{label + ', ' + what:32} {ours:>10} {theirs:>10}"
                  f" {ratio:6.2f}x   {verdict}")
    if missed:
        print("Missed: " + ", ".join(missed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
