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
import warnings

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
    with pytest.raises(ValueError, match="unknown option"):
        pelcon.convert(log_file, out=tmp_path / "module", no_such_option=True)


def test_convert_offers_the_formats_of_the_build_by_their_names(tmp_path):
    formats = pelcon.output_formats()
    assert formats[0] == "csv" and len(set(formats)) == len(formats)
    extensions = {"csv": ".csv", "xlsx": ".xlsx", "netcdf": ".nc"}
    for name in formats:
        [outcome] = pelcon.convert(GOLDEN / "vorta_sensors.bin", out=tmp_path, format=name)
        assert outcome["output"].endswith("vorta_sensors.bin" + extensions[name])
    with pytest.raises(ValueError, match="--format"):
        pelcon.convert(GOLDEN / "vorta_sensors.bin", out=tmp_path, format="parquet")


EXAMPLES = pathlib.Path(os.environ["PELCON_SOURCE_DIR"]) / "examples"
BARO = EXAMPLES / "barometric.bin"


def compensated_table(path):
    """(titles, rows) of the table of a compensated CSV file, after its header section."""
    lines = path.read_bytes().decode("utf-8").split("\r\n")
    first = lines.index("") + 1
    rows = [row for row in csv.reader(lines[first:]) if row]
    return rows[0], rows[1:]


@pytest.mark.parametrize("level, arguments, options", [
    # Some records lie too far from a barometric record: empty cells in the CSV file.
    ("lodax_level.bin", ["--max-gap", "12", "--baro-offset", "+00:07", "--units", "cm",
                         "--elevation", "2009-03-15 14:50:00=101.5",
                         "--elevation", "2009-03-15T16:00:00=99.25"],
     dict(max_gap=12, baro_offset=datetime.timedelta(minutes=7), units="cm",
          elevation={pandas.Timestamp("2009-03-15 14:50:00"): 101.5,
                     "2009-03-15T16:00:00": 99.25})),
    ("vorta_sonde.bin", ["--density-from-temperature", "--latitude", "52.5",
                         "--site-elevation", "30", "--offset", "-0.05",
                         "--depth-to-water", "2009-03-15T15:00:00=3.5"],
     dict(density_from_temperature=True, latitude=52.5, site_elevation=30, offset=-0.05,
          depth_to_water=[(datetime.datetime(2009, 3, 15, 15), 3.5)])),
])
def test_compensated_frame_is_what_the_command_writes(tmp_path, level, arguments, options):
    printed = run_pelcon("compensate", "--json", "-q", "-o", tmp_path, "--baro", BARO, *arguments,
                         EXAMPLES / level)
    report = json.loads(printed.stdout)
    command_warnings = report["compensation"]["warnings"]
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        frame, figures = pelcon.compensate(EXAMPLES / level, BARO, **options)
    assert [str(w.message) for w in caught] == [f"{EXAMPLES / level}: {w}" for w in command_warnings]
    for key in ("output", "status", "error"):
        del report[key]
    del report["compensation"]["format"]  # a frame is written in no file format
    report["input"] = str(EXAMPLES / level)
    assert figures == report

    titles, rows = compensated_table(tmp_path / f"{level}.compensated.csv")
    assert list(frame.columns) == titles[1:]
    assert list(frame.index.floor("s")) == [datetime.datetime.fromisoformat(row[0]) for row in rows]
    assert list(frame["Compensated"]) == [int(row[-1]) for row in rows]
    assert (frame.drop(columns="Compensated").dtypes == "float64").all()
    empty = 0
    for k, title in enumerate(titles[1:-1], start=1):
        for value, row in zip(frame[title], rows):
            if row[k] == "":
                empty += 1
                assert math.isnan(value), title
            else:
                assert abs(value - float(row[k])) <= printed_tolerance(row[k]) * (1 + 1e-9), \
                    (title, value, row[k])
    assert empty > 0 if level == "lodax_level.bin" else empty == 0


def test_compensated_water_column_and_elevations_by_hand():
    # Two elevation readings on record times: the offset c = E - h at each moves linearly
    # between them and stays put outside (E = c + h).
    first, last = pandas.Timestamp("2009-03-15 15:00"), pandas.Timestamp("2009-03-15 16:00")
    frame, report = pelcon.compensate(EXAMPLES / "lodax_level.bin", BARO, gravity=9.80665,
                                      density=1000, offset=0.1, units="ft",
                                      elevation=[(last, 250.0), (first.isoformat(), 251.0)])
    # h = (P - B - offset) x 6894.757 Pa/psi / (1000 kg/m3 x 9.80665 m/s2), in feet of 0.3048 m.
    by_hand = ((frame["Pressure (psi)"] - frame["Barometric pressure (psi)"] - 0.1)
               * 6894.757 / 9806.65 / 0.3048)
    assert (frame["Water column (ft)"] - by_hand).abs().max() < 1e-9
    h = frame["Water column (ft)"]
    elevation = frame["Water-level elevation (ft)"]
    c_first, c_last = 251.0 - h[first], 250.0 - h[last]
    assert elevation[first] == pytest.approx(251.0) and elevation[last] == pytest.approx(250.0)
    assert report["compensation"]["elevation_drift"] == pytest.approx(c_last - c_first)
    middle = pandas.Timestamp("2009-03-15 15:30")
    assert elevation[middle] == pytest.approx((c_first + c_last) / 2 + h[middle])
    before = frame.index < first
    assert (elevation[before] - h[before]).to_numpy() == pytest.approx(c_first)
    assert report["compensation"]["gravity_m_s2"] == 9.80665


def test_compensate_refuses_as_the_command_does(tmp_path):
    # A barometric file has no level channel: the command's report line gives the reason.
    printed = run_pelcon("compensate", "-o", tmp_path, "--baro", BARO, BARO).stdout.strip()
    assert printed.startswith("failed")
    with pytest.raises(pelcon.LogFileError) as raised:
        pelcon.compensate(BARO, BARO)
    assert str(raised.value) == printed[len("failed"):].strip()
    with pytest.raises(pelcon.LogFileError, match="lodax_level.bin: the barometric file"):
        pelcon.compensate(EXAMPLES / "lodax_level.bin", EXAMPLES / "lodax_level.bin")
    with pytest.raises(ValueError, match="--units"):
        pelcon.compensate(EXAMPLES / "lodax_level.bin", BARO, units="yd")
    with pytest.raises(ValueError, match="time zone"):
        pelcon.compensate(EXAMPLES / "lodax_level.bin", BARO, depth_to_water=[
            (datetime.datetime(2009, 3, 15, 15, tzinfo=datetime.timezone.utc), 3.0)])
