#!/usr/bin/env python3
"""Reads a CSV file with pandas.read_csv and no options. Every column not named after the path
must have a numeric dtype; prints the dtypes, exit 1 otherwise."""
import sys

import pandas
from pandas.api.types import is_numeric_dtype


def main(path, text_columns):
    frame = pandas.read_csv(path)
    wrong = [name for name in frame.columns
             if name not in text_columns and not is_numeric_dtype(frame[name])]
    if wrong or frame.empty:
        print(frame.dtypes.to_string(), file=sys.stderr)
        print(f"not numeric: {wrong}; rows: {len(frame)}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], set(sys.argv[2:])))
