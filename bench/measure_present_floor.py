#!/usr/bin/env python3
"""What presenting 50 frames a second costs on this machine, with nothing drawn.

Usage: bench/measure_present_floor.py PRESENT_FLOOR [--runs 5] [--seconds 20]

Runs the present_floor program (bench/present_floor.cpp, built beside the benchmarks) on a
private Xvfb screen, once per case and run, and reads its CPU from /proc over the given
seconds after a 3 s start, as a percentage of one core (median of the runs):
  timer        the 20 ms frame timer alone, nothing repainted
  ball         a 16 x 18 box, moved 1 pixel a frame (each box overlaps the last)
  ball-apart   the same box moved by its own width (no box overlaps the last)
  attract      a 540 x 385 box, about the bounding box of the attract animation's balls
The game's own figures come from bench/measure_audio_cpu.py; the difference is what its
drawing and frame loop add.
"""
import argparse
import os
import statistics
import subprocess
import time

from measure_audio_cpu import cpu_seconds, start_xvfb

CASES = {
    "timer": ("0", "0", "0"),
    "ball": ("16", "18", "1"),
    "ball-apart": ("16", "18", "16"),
    "attract": ("540", "385", "1"),
}


def run_case(program, case, seconds):
    xvfb, display = start_xvfb()
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    floor = subprocess.Popen([program, *CASES[case]], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        time.sleep(3)
        before = cpu_seconds(floor.pid)
        time.sleep(seconds)
        return 100 * (cpu_seconds(floor.pid) - before) / seconds
    finally:
        floor.terminate()
        floor.wait()
        xvfb.terminate()
        xvfb.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=20)
    args = parser.parse_args()
    for case in CASES:
        shares = [run_case(args.program, case, args.seconds) for _ in range(args.runs)]
        print(f"{case:<11} {statistics.median(shares):5.2f} % of one core"
              f"  (runs: {' '.join(f'{share:.2f}' for share in shares)})", flush=True)


if __name__ == "__main__":
    main()
