"""Tarvel Pelcon log files in Python: records into pandas or numpy, with the file's metadata.

    frame, meta = pelcon.read("well.bin")

Every function raises LogFileError (a ValueError) with the command line's message when a file,
template or column cannot be used. Files are read with the GIL released: threads reading
different files run in parallel. A large file's records are also evaluated on several threads
(PELCON_THREADS sets how many, as for `pelcon convert`).
"""

import datetime as _datetime
import os as _os
import warnings as _warnings

from ._pelcon import LogFileError
from . import _pelcon

LogFileError.__module__ = __name__

__all__ = ["LogFileError", "read", "read_arrays", "inspect", "columns", "convert", "compensate",
           "output_formats"]


def read_arrays(path, columns=None, template=None):
    """Reads a log file's number columns into numpy arrays.

    Returns (times, values, metadata): times is a datetime64[ns] array of the record times in
    the logger's clock; values maps each column's display name to a float64 array (NaN where the
    file gives no value); metadata is inspect(path).

    columns: display names (letter case ignored) instead of every column the file can supply;
    template: an export template (.bft) whose columns to read. Time stamp and site text columns
    are not in values: the times are the records' times, the site texts are in the metadata.
    """
    times, names, block, metadata = _read_block(path, columns, template)
    return times, dict(zip(names, block)), metadata


def read(path, columns=None, template=None, tz=None):
    """Reads a log file into a pandas DataFrame with its metadata: (frame, metadata).

    The frame is indexed by record time (datetime64[ns], naive, the logger's clock); its columns
    are the display names, float64, NaN where the file gives no value. metadata is inspect(path).

    tz: the logger clock's offset from UTC ("+01:00", "-05:00", "Z"), which the files do not
    record; the index then carries it.
    """
    import pandas

    times, names, block, metadata = _read_block(path, columns, template)
    index = pandas.DatetimeIndex(times, name="time")
    if tz is not None:
        index = index.tz_localize(_timezone(tz))
    # The block's rows are the columns: its transpose becomes the frame's one block uncopied.
    return pandas.DataFrame(block.T, index=index, columns=names, copy=False), metadata


def inspect(path):
    """The metadata of a log file, as `pelcon inspect --json` prints it: device, site, test,
    records, channels, the columns the file supplies with their units, and load problems."""
    return _pelcon.inspect(str(path))


def output_formats():
    """The names of the output formats this build writes, for convert's format option: "csv"
    first, then "xlsx" and "netcdf" where their libraries were found."""
    return _pelcon.output_formats()


def columns(path=None):
    """The columns as `pelcon columns --json` lists them (title, value_name, unit); with a file
    also whether the file can supply each ("supplied")."""
    return _pelcon.columns(None if path is None else str(path))


def convert(path, out=None, template=None, **options):
    """Converts log files (and folders of them) to CSV files as `pelcon convert` does.

    path: a file or folder, or a list of them; out: the output folder (-o; default beside each
    file); template: an export template (-t). options are the command's other options with "_"
    for "-": columns=[...], recursive=True, name="{stem}.csv", encoding="windows-1252",
    time="us", utc_offset="+01:00", to_utc=True, decimal_comma=True, separator=";",
    header=False, bom=True, overwrite=True, skip_existing=True, dry_run=True, jobs=2,
    metadata=True, format= one of output_formats().

    Returns one dict per input, as `pelcon convert --json` prints it. Raises ValueError for an
    option the command would refuse and LogFileError (with the report line) when a file fails;
    outputs are complete or absent, as with the command.
    """
    paths = [path] if isinstance(path, (str, _os.PathLike)) else list(path)
    options["out"] = None if out is None else str(out)
    options["template"] = None if template is None else str(template)
    if options.get("columns") is not None:
        options["columns"] = list(options["columns"])
    return _pelcon.convert([str(p) for p in paths], options)


def compensate(level, baro, **options):
    """Compensates a level logger's file with a barometric logger's file, as `pelcon compensate`
    does, without writing a file: (frame, report).

    The frame is indexed by record time (datetime64[ns], naive, the level logger's clock). Its
    columns are those of the compensated CSV file, with its titles: the pressures in psi, the
    water column (and depth to water, water-level elevation when readings are given) in the
    unit, the temperature as float64, NaN where the CSV cell is empty; "Compensated" is 1 or 0
    (int64) as in the CSV file. report holds what `pelcon compensate --json` reports for the file
    (its summary, and under "compensation" the density, gravity, offset, maximum gap, readings,
    drifts, counts, warnings and the barometric file's summary); it names no output file.

    options are the command's, with "_" for "-": max_gap (minutes), baro_offset ("+HH:MM",
    "-HH:MM" or a datetime.timedelta of whole minutes), density (kg/m3) or
    density_from_temperature=True, gravity (m/s2) or latitude (degrees) with site_elevation
    (metres), offset (psi), units ("m", "ft" or "cm"), and depth_to_water / elevation: hand
    readings as (time, value) pairs, or a mapping of time to value; a time is a naive
    datetime, a pandas Timestamp or ISO text ("2009-03-15T15:00:00").

    Raises ValueError for an option the command would refuse and LogFileError (with the
    command line's message) for a file that cannot be used or compensated. The command's
    warnings are also issued with warnings.warn.
    """
    import pandas

    for key in ("depth_to_water", "elevation"):
        if options.get(key) is not None:
            readings = options[key].items() if hasattr(options[key], "items") else options[key]
            options[key] = [f"{_reading_time(time)}={float(reading)!r}"
                            for time, reading in readings]
    if isinstance(options.get("baro_offset"), _datetime.timedelta):
        options["baro_offset"] = _clock_offset(options["baro_offset"])
    times, names, values, flags, warnings, report = _pelcon.compensate(
        str(level), str(baro), options)
    for warning in warnings:
        _warnings.warn(f"{level}: {warning}", stacklevel=2)
    frame = pandas.DataFrame(dict(zip(names, values)),
                             index=pandas.DatetimeIndex(times, name="time"), columns=names)
    frame["Compensated"] = flags
    return frame, report


def _reading_time(time):
    if isinstance(time, str):
        return time
    if not isinstance(time, _datetime.datetime):
        raise TypeError(f"a reading's time is a datetime or ISO text, not {type(time).__name__}")
    if time.tzinfo is not None:
        raise ValueError("a reading's time is in the level logger's clock: give it without a "
                         "time zone")
    return time.isoformat()


def _clock_offset(offset):
    minutes, rest = divmod(offset, _datetime.timedelta(minutes=1))
    if rest:
        raise ValueError("baro_offset is whole minutes")
    sign = "-" if minutes < 0 else "+"
    return f"{sign}{abs(minutes) // 60:02d}:{abs(minutes) % 60:02d}"


def _read_block(path, columns, template):
    """(times, names, block, metadata); the block's row k holds the column names[k]."""
    return _pelcon.read_arrays(str(path), None if columns is None else list(columns),
                               None if template is None else str(template))


def _timezone(tz):
    minutes = _pelcon.parse_utc_offset(tz)
    if minutes is None:
        raise ValueError(f'"{tz}" is not +HH:MM or -HH:MM')
    return _datetime.timezone(_datetime.timedelta(minutes=minutes))
