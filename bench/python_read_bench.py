#!/usr/bin/env python3
"""The time of pelcon.read for a 1,000,000-record level-logger file against `pelcon convert` to
CSV followed by pandas.read_csv of it, the way a script would do it without the module.

    PYTHONPATH=build/default/python python3 bench/python_read_bench.py \\
        build/default/bin/pelcon build/default/tools/make_examples [records]

Each way runs three times; the best time counts. Both give the same frame values (checked).
"""

import os
import subprocess
import sys
import tempfile
import time

import pandas

import pelcon


def best_of(runs, work):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        result = work()
        times.append(time.perf_counter() - start)
    return min(times), result


def main():
    program, make_examples = sys.argv[1], sys.argv[2]
    records = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000
    with tempfile.TemporaryDirectory() as folder:
        log_file = os.path.join(folder, "level.bin")
        subprocess.run([make_examples, "--large", log_file, str(records)], check=True)

        def through_csv():
            subprocess.run([program, "convert", "--quiet", "--no-header", "--overwrite",
                            "-o", folder, log_file], check=True, stdout=subprocess.DEVNULL)
            return pandas.read_csv(os.path.join(folder, "level.bin.csv"), na_values=["-----"])

        module_time, (frame, _) = best_of(3, lambda: pelcon.read(log_file))
        csv_time, table = best_of(3, through_csv)
        for name in frame.columns:
            difference = (frame[name].to_numpy() - table[name].to_numpy()).__abs__().max()
            assert difference < 0.01, (name, difference)
        print(f"{len(frame)} records, {len(frame.columns)} columns")
        print(f"pelcon.read:                      {module_time:7.2f} s")
        print(f"pelcon convert + pandas.read_csv: {csv_time:7.2f} s")
        print(f"module faster by {csv_time / module_time:.1f}x")


if __name__ == "__main__":
    main()
