#!/usr/bin/env python3
"""Compares a workbook and a NetCDF file made by `pelcon convert` with the CSV file of the same
log file (written with --no-header):

    check_typed_outputs.py CSV XLSX NC EMPTY_FIELD UTC_OFFSET_MINUTES

Every number must equal the CSV cell of the same record and column to the printed digits, every
time must be the record's time, a cell the CSV leaves empty must be an empty cell and a fill
value (the NetCDF time coordinate within the millisecond the CSV text rounds to). Prints each
mismatch; exit 1 when there is any."""
import csv
import datetime
import sys

import netCDF4
import openpyxl

TIME_TITLE = "Time - Time Stamp"
FILL = 9.969209968386869e36
problems = []


def problem(text):
    problems.append(text)
    print(text, file=sys.stderr)


def decimals_of(text):
    return len(text.split(".")[1]) if "." in text else 0


def same_printed(value, text, where):
    """value printed with the CSV text's decimals must read as the text."""
    if not isinstance(value, (int, float)):
        problem(f"{where}: {value!r} is not a number (CSV {text})")
        return
    printed = f"{value:.{decimals_of(text)}f}"
    if printed == "-0" or printed.startswith("-0.") and float(printed) == 0:
        printed = printed[1:]
    if printed != text:
        problem(f"{where}: {value!r} prints as {printed}, the CSV has {text}")


def local_time(text):
    """The logger-clock time of an ISO text, without the offset it may carry."""
    return datetime.datetime.fromisoformat(text).replace(tzinfo=None)


def check_workbook(path, titles, rows, empty):
    book = openpyxl.load_workbook(path)
    if book.sheetnames != ["Data", "Header"]:
        problem(f"sheets {book.sheetnames}")
    sheet = book["Data"]
    if sheet.freeze_panes != "A2":
        problem(f"frozen at {sheet.freeze_panes}")
    if not sheet.auto_filter.ref or not sheet.auto_filter.ref.startswith("A1:"):
        problem(f"autofilter {sheet.auto_filter.ref}")
    cells = list(sheet.iter_rows())
    if [c.value for c in cells[0]] != titles:
        problem(f"title row {[c.value for c in cells[0]]}")
    if len(cells) - 1 != len(rows):
        problem(f"{len(cells) - 1} data rows, the CSV has {len(rows)}")
    for r, (row, line) in enumerate(zip(cells[1:], rows), start=2):
        for cell, title, text in zip(row, titles, line):
            where = f"{path} {cell.coordinate} ({title})"
            if text == empty:
                if cell.value is not None:
                    problem(f"{where}: {cell.value!r} where the CSV is empty")
            elif title == TIME_TITLE:
                if cell.value != local_time(text) or cell.number_format != "yyyy-mm-dd hh:mm:ss":
                    problem(f"{where}: {cell.value!r} {cell.number_format}, the CSV has {text}")
            elif title.startswith("Site - "):
                if cell.value != text:
                    problem(f"{where}: {cell.value!r}, the CSV has {text}")
            else:
                same_printed(cell.value, text, where)
                wanted = "0" if decimals_of(text) == 0 else "0." + "0" * decimals_of(text)
                if cell.number_format != wanted:
                    problem(f"{where}: format {cell.number_format}, wanted {wanted}")
    header = {row[0]: row[1] for row in book["Header"].iter_rows(values_only=True)}
    for field in ("Serial number", "Source file", "Converter version"):
        if not header.get(field):
            problem(f"{path}: Header sheet has no {field}")


def check_netcdf(path, titles, rows, empty, offset_minutes):
    data = netCDF4.Dataset(path)
    variables = {v.long_name: v for v in data.variables.values() if "long_name" in v.ncattrs()}
    times = data.variables["time"][:]
    epoch = datetime.datetime(1970, 1, 1)
    for k, line in enumerate(rows):
        expected = (local_time(line[titles.index(TIME_TITLE)]) - epoch).total_seconds()
        expected -= offset_minutes * 60
        # The time coordinate is the record's stamp; the CSV prints the stamp's 15-digit value,
        # which can be a millisecond off for records less than a second apart.
        if abs(times[k] - expected) > 0.0011:
            problem(f"{path} time[{k}] = {times[k]}, wanted {expected}")
    for c, title in enumerate(titles):
        if title in (TIME_TITLE,) or title.startswith("Site - "):
            continue
        variable = variables.get(title)
        if variable is None:
            problem(f"{path}: no variable for {title}")
            continue
        if variable._FillValue != FILL:
            problem(f"{path} {title}: _FillValue {variable._FillValue}")
        values = variable[:]
        for k, line in enumerate(rows):
            where = f"{path} {variable.name}[{k}]"
            if line[c] == empty:
                if not values.mask.any() or not values.mask[k]:
                    problem(f"{where}: {values[k]} where the CSV is empty")
            else:
                same_printed(float(values[k]), line[c], where)


def main(csv_path, xlsx_path, nc_path, empty, offset_minutes):
    with open(csv_path, encoding="utf-8", newline="") as f:
        table = list(csv.reader(f))
    titles, rows = table[0], table[1:]
    if not rows:
        problem("the CSV has no records")
    check_workbook(xlsx_path, titles, rows, empty)
    check_netcdf(nc_path, titles, rows, empty, int(offset_minutes))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
