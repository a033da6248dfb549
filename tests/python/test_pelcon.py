"""The Python module against the golden CSV files and the pelcon program.

Run by ctest with PYTHONPATH at the built package, PELCON_PROGRAM the pelcon program and
PELCON_SOURCE_DIR the source tree.
"""

import concurrent.futures
import csv
import datetime
import decimal
import json
import math
import os
import pathlib
import subprocess

import pandas
import pytest

import pelcon

GOLDEN = pathlib.Path(os.environ["PELCON_SOURCE_DIR"]) / "tests" / "e2e" / "golden"
LOG_FILES = sorted(GOLDEN.glob("*.bin"))
EMPTY = "-----"
# Columns that are no numbers: the time stamp is the index, the site texts are metadata.
NOT_NUMBERS = {"Time - Time Stamp", "Site - Test Name", "Site - Unit Name"}

# The golden files were made at this "now" (an Event record stored without its seconds has it).
os.environ["PELCON_NOW"] = "2024-05-06 07:08:09"


def golden_table(log_file):
    """(titles, rows) of the golden CSV file: the title line and the record lines."""
    text = pathlib.Path(f"{log_file}.csv").read_bytes().decode("cp1252")
    lines = text.split("\r\n")
    first = next(k for k, line in enumerate(lines) if line.startswith("Temperature (C),"))
    rows = [row for row in csv.reader(lines[first:]) if row]
    return rows[0], rows[1:]


def printed_tolerance(cell):
    """Half a unit in the last digit the cell prints."""
    return 0.5 * 10.0 ** decimal.Decimal(cell).as_tuple().exponent


@pytest.mark.parametrize("log_file", LOG_FILES, ids=lambda p: p.name)
def test_frame_equals_the_golden_csv(log_file):
    frame, _ = pelcon.read(log_file)
    titles, rows = golden_table(log_file)
    assert len(frame) == len(rows)
    assert (frame.dtypes == "float64").all()

    # The CSV prints whole seconds of the record times (US style, two-digit year).
    stamps = [row[titles.index("Time - Time Stamp")] for row in rows]
    printed = [datetime.datetime.strptime(stamp, "%m/%d/%y %H:%M:%S") for stamp in stamps]
    assert list(frame.index.floor("s")) == printed

    for k, title in enumerate(titles):
        cells = [row[k] for row in rows]
        if title in NOT_NUMBERS:
            assert title not in frame.columns
        elif title not in frame.columns:
            # Left out only when the file cannot supply the column at all.
            assert all(cell == EMPTY for cell in cells), title
        else:
            for value, cell in zip(frame[title], cells):
                if cell == EMPTY:
                    assert math.isnan(value), title
                else:
                    assert abs(value - float(cell)) <= printed_tolerance(cell) * (1 + 1e-9), \
                        (title, value, cell)


def test_named_columns_come_in_order_and_unsupplied_ones_are_nan():
    frame, _ = pelcon.read(GOLDEN / "lodax_linear.bin", columns=["pH", "temperature (c)"])
    assert list(frame.columns) == ["pH", "Temperature (C)"]
    assert frame["pH"].isna().all()
    assert frame["Temperature (C)"].iloc[0] == pytest.approx(21.26, abs=0.005)
    with pytest.raises(pelcon.LogFileError, match='no column is named "Depth"'):
        pelcon.read(GOLDEN / "lodax_linear.bin", columns=["Depth"])


def test_template_columns_and_utc_offset():
    frame, _ = pelcon.read(GOLDEN / "lodax_linear.bin", template=GOLDEN / "all_columns.bft",
                           tz="-05:00")
    assert "pH" in frame.columns  # the template's columns, supplied or not
    assert str(frame.index[0]) == "2009-03-15 14:30:00-05:00"
    assert frame.index[0].tz_convert("UTC") == pandas.Timestamp("2009-03-15 19:30:00", tz="UTC")


def run_pelcon(*arguments):
    return subprocess.run([os.environ["PELCON_PROGRAM"], *map(str, arguments)],
                          capture_output=True, text=True, check=False)


@pytest.mark.parametrize("log_file", LOG_FILES, ids=lambda p: p.name)
def test_metadata_is_what_inspect_prints(log_file):
    printed = json.loads(run_pelcon("inspect", "--json", log_file).stdout)
    _, metadata = pelcon.read(log_file)
    assert metadata == printed
    assert pelcon.inspect(log_file) == printed


def test_columns_are_what_the_columns_command_lists():
    def listed(*arguments):
        return [json.loads(line) for line in run_pelcon("columns", "--json", *arguments).stdout.splitlines()]

    assert pelcon.columns() == listed()
    log_file = GOLDEN / "vorta_sensors.bin"
    assert pelcon.columns(log_file) == listed(log_file)


def test_unusable_files_raise_with_the_command_line_message(tmp_path):
    truncated = tmp_path / "truncated.bin"
    truncated.write_bytes((GOLDEN / "vorta_linear.bin").read_bytes()[:40])
    foreign = tmp_path / "foreign.bin"
    foreign.write_bytes(b"%PDF-1.4\n" + bytes(range(256)) * 8)
    for path in (truncated, foreign, tmp_path / "missing.bin"):
        stderr = run_pelcon("inspect", path).stderr.strip()
        assert stderr.startswith("pelcon inspect: ")
        message = stderr[len("pelcon inspect: "):]
        for call in (pelcon.read, pelcon.read_arrays, pelcon.inspect, pelcon.columns):
            with pytest.raises(pelcon.LogFileError) as raised:
                call(path)
            assert str(raised.value) == message
            assert isinstance(raised.value, ValueError)


def test_threads_read_the_same_frames():
    paths = (LOG_FILES * 4)[:40]
    alone = [pelcon.read(path)[0] for path in paths]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        together = list(pool.map(lambda path: pelcon.read(path)[0], paths))
    for expected, frame in zip(alone, together):
        pandas.testing.assert_frame_equal(frame, expected)


def test_arrays_without_pandas_match_the_frame():
    times, values, metadata = pelcon.read_arrays(GOLDEN / "vorta_sensors.bin")
    frame, _ = pelcon.read(GOLDEN / "vorta_sensors.bin")
    assert times.dtype == "datetime64[ns]" and len(times) == metadata["records"]["count"]
    assert list(values) == list(frame.columns)
    for name, array in values.items():
        assert array.dtype == "float64"
        pandas.testing.assert_series_equal(pandas.Series(array, index=frame.index, name=name),
                                           frame[name], check_names=False)


def test_a_dask_bag_over_paths_reads_what_read_reads():
    bag = pytest.importorskip("dask.bag")
    read = bag.from_sequence([str(path) for path in LOG_FILES], npartitions=3).map(
        lambda path: (path, pelcon.read(path)[0]))
    for path, frame in read.compute(scheduler="threads"):
        pandas.testing.assert_frame_equal(frame, pelcon.read(path)[0])


def test_convert_writes_what_the_command_writes_and_fails_as_it_reports(tmp_path):
    log_file = GOLDEN / "vorta_sensors.bin"
    options = ["--template", GOLDEN / "all_columns.bft", "--decimal-comma", "--no-header"]
    run_pelcon("convert", "--quiet", "-o", tmp_path / "command", *options, log_file)
    outcomes = pelcon.convert(log_file, out=tmp_path / "module", template=GOLDEN / "all_columns.bft",
                              decimal_comma=True, header=False)
    assert [(o["status"], o["records"]) for o in outcomes] == [
        ("converted", len(golden_table(log_file)[1]))]
    name = "vorta_sensors.bin.csv"
    assert (tmp_path / "module" / name).read_bytes() == (tmp_path / "command" / name).read_bytes()

    report = run_pelcon("convert", "--quiet", "-o", tmp_path / "module", log_file).stdout.strip()
    assert report.startswith("exists")
    with pytest.raises(pelcon.LogFileError) as raised:
        pelcon.convert(log_file, out=tmp_path / "module")
    assert str(raised.value).strip() == report
    with pytest.raises(ValueError, match="--time"):
        pelcon.convert(log_file, out=tmp_path / "module", time="local")
