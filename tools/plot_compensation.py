#!/usr/bin/env python3
"""Plots a file made by `pelcon compensate`: the level logger's raw pressure, the barometric
pressure and the compensated water column over time, as the README's picture.

    tools/plot_compensation.py LEVEL.bin.compensated.csv OUT.png

Needs Debian's python3-matplotlib. The pressures are shown as metres of water with the density
and gravity of the file's header, so the three panels share a scale.
"""

import csv
import datetime
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

PASCALS_PER_PSI = 6894.757


def read(path):
    """The header's figures by label and the records as dictionaries."""
    with open(path, newline="", encoding="utf-8") as handle:
        lines = list(csv.reader(handle))
    title = next(k for k, line in enumerate(lines) if line and line[0] == "Time")
    header = {line[0]: line[1:] for line in lines[:title] if line}
    records = [dict(zip(lines[title], line)) for line in lines[title + 1 :] if line]
    return header, records


def main(source, target):
    header, records = read(source)
    metres_per_psi = PASCALS_PER_PSI / (
        float(header["Density (kg/m3):"][0]) * float(header["Gravity (m/s2):"][0])
    )
    column = next(name for name in records[0] if name.startswith("Water column"))
    done = [r for r in records if r["Compensated"] == "1"]
    times = [datetime.datetime.fromisoformat(r["Time"]) for r in done]
    panels = [
        ("Level logger (raw)", [float(r["Pressure (psi)"]) * metres_per_psi for r in done]),
        ("Barometer", [float(r["Barometric pressure (psi)"]) * metres_per_psi for r in done]),
        ("Compensated water column", [float(r[column]) for r in done]),
    ]
    figure, axes = plt.subplots(3, 1, sharex=True, figsize=(7, 6))
    for axis, (label, values) in zip(axes, panels):
        axis.plot(times, values)
        axis.set_ylabel("m of water")
        axis.set_title(label, fontsize=10)
        axis.grid(True, linewidth=0.3)
    axes[-1].set_xlabel("Time (logger clock)")
    figure.autofmt_xdate()
    figure.tight_layout()
    figure.savefig(target, dpi=80)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
