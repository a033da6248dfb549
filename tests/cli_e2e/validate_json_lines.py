#!/usr/bin/env python3
"""Validates every line of a file as a JSON object against a JSON schema; exit 1 on the first
line that does not conform, naming it and why."""
import json
import sys

import jsonschema


def main(schema_path, lines_path):
    with open(schema_path, encoding="utf-8") as schema_file:
        schema = json.load(schema_file)
    validator = jsonschema.Draft202012Validator(schema)
    with open(lines_path, encoding="utf-8") as lines:
        count = 0
        for number, line in enumerate(lines, 1):
            errors = sorted(validator.iter_errors(json.loads(line)), key=str)
            if errors:
                print(f"line {number}: {errors[0].message}", file=sys.stderr)
                return 1
            count += 1
    if count == 0:
        print("no JSON lines", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
