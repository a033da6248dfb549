#!/usr/bin/env python3
"""The time of pelcon.read for a 1,000,000-record level-logger file against `pelcon convert` to
CSV followed by pandas.read_csv of it, the way a script would do it without the module.

    PYTHONPATH=build/default/python python3 bench/python_read_bench.py \\
        build/default/bin/pelcon build/default/tools/make_examples [records [runs]]

The two ways take turns, three runs each unless told; the best time counts, wall and CPU (of
every thread and of the pelcon process) apart: on a shared machine the CPU seconds vary less.
Both give the same frame values (checked).
"""

import os
import resource
import subprocess
import sys
import tempfile
import time

import pandas

import pelcon


def cpu_seconds():
    """CPU seconds of this process's threads and of its finished child processes."""
    children = resource.getrusage(resource.RUSAGE_CHILDREN)
    return time.process_time() + children.ru_utime + children.ru_stime


def timed(work, times):
    """Runs work, appends its (wall, CPU) seconds to times and returns its result."""
    wall, cpu = time.perf_counter(), cpu_seconds()
    result = work()
    times.append((time.perf_counter() - wall, cpu_seconds() - cpu))
    return result


def main():
    program, make_examples = sys.argv[1], sys.argv[2]
    records = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    with tempfile.TemporaryDirectory() as folder:
        log_file = os.path.join(folder, "level.bin")
        subprocess.run([make_examples, "--large", log_file, str(records)], check=True)

        def through_csv():
            subprocess.run([program, "convert", "--quiet", "--no-header", "--overwrite",
                            "-o", folder, log_file], check=True, stdout=subprocess.DEVNULL)
            return pandas.read_csv(os.path.join(folder, "level.bin.csv"), na_values=["-----"])

        # Turn about, so that both ways see the same load of a shared machine.
        module_times, csv_times = [], []
        for _ in range(runs):
            frame, _ = timed(lambda: pelcon.read(log_file), module_times)
            table = timed(through_csv, csv_times)
        module_wall, module_cpu = (min(t) for t in zip(*module_times))
        csv_wall, csv_cpu = (min(t) for t in zip(*csv_times))
        for name in frame.columns:
            difference = (frame[name].to_numpy() - table[name].to_numpy()).__abs__().max()
            assert difference < 0.01, (name, difference)
        print(f"{len(frame)} records, {len(frame.columns)} columns")
        print("                                     wall s   CPU s")
        print(f"pelcon.read:                      {module_wall:7.2f} {module_cpu:7.2f}")
        print(f"pelcon convert + pandas.read_csv: {csv_wall:7.2f} {csv_cpu:7.2f}")
        print(f"module faster by {csv_wall / module_wall:.1f}x (wall), "
              f"{csv_cpu / module_cpu:.1f}x (CPU)")


if __name__ == "__main__":
    main()
