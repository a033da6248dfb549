#!/usr/bin/env python3
"""Reads a workbook and a NetCDF file back as their users' tools see them and prints one JSON
object, for tests to check cell by cell:

    read_typed_outputs.py XLSX NC

"xlsx": the sheet names, the Data sheet's rows (times as ISO text, empty cells null) and number
formats, the Header sheet as field -> value; "nc": each variable's attributes and values (fill
values null) and the global attributes."""
import datetime
import json
import sys

import netCDF4
import openpyxl


def cell(value):
    return value.isoformat() if isinstance(value, datetime.datetime) else value


def read_workbook(path):
    book = openpyxl.load_workbook(path)
    rows = list(book["Data"].iter_rows())
    return {
        "sheets": book.sheetnames,
        "rows": [[cell(c.value) for c in row] for row in rows],
        "formats": [[c.number_format for c in row] for row in rows[1:]],
        "header": {row[0]: row[1] for row in book["Header"].iter_rows(min_row=2, values_only=True)},
    }


def read_netcdf(path):
    data = netCDF4.Dataset(path)
    variables = {}
    for name, variable in data.variables.items():
        if variable.dimensions != ("time",):
            continue
        values = variable[:]
        variables[name] = {
            "attributes": {a: str(variable.getncattr(a)) for a in variable.ncattrs()},
            "values": [None if values.mask.any() and values.mask[k] else float(values[k])
                       for k in range(len(values))],
        }
    return {"variables": variables,
            "attributes": {a: str(data.getncattr(a)) for a in data.ncattrs()}}


if __name__ == "__main__":
    json.dump({"xlsx": read_workbook(sys.argv[1]), "nc": read_netcdf(sys.argv[2])}, sys.stdout)
