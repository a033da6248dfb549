#!/usr/bin/env python3
"""Checks that the folders of the project include one another from the top down only.

Every #include "..." of the project's own sources is mapped to the folder it comes from and the
folder it names; a folder may include its own headers and those of lower layers, never those of a
higher layer or of another folder of its own layer. Prints each offending file and include and
exits with 1; exits with 0 when there is none.

    tools/check_layers.py [SOURCE_DIRECTORY]
"""

import os
import pathlib
import posixpath
import re
import sys

# Lowest first. Folders of one layer know nothing of each other. component/server (the entry of
# the component library) is a unit of its own; the other subfolders belong to their top folder, so
# ui/qt and ui/win32 are ui.
LAYERS = [
    ["platform"],  # the operating system: POSIX or Win32
    ["datalib"],  # typed values, calendar, text helpers
    ["logfile"],
    ["values"],
    ["plan"],
    ["compensation"],
    ["export"],  # templates, column names, header report, settings
    ["outputs"],  # the output formats
    ["plot"],
    ["jobs"],  # the library face: one call per job
    ["component"],  # the converter entry, template operations, dialog interfaces
    ["ui", "cli", "python"],  # the front ends: none includes another's headers
    ["component/server", "launcher"],  # the entries of the component library and the programs
]

# Not part of the product: each of them may include any layer.
OUTSIDE = {"tests", "fuzz", "bench", "tools", "build", "docs", "examples", "cmake"}

SOURCE_SUFFIXES = {".c", ".cc", ".cpp", ".h", ".hpp", ".rc", ".idl"}

# Includes that climb today and are to go; each entry must still occur, so that a fixed one
# leaves this list too.
TEMPORARY_ALLOWANCES = frozenset()

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def unit_of(path):
    """The unit of a path relative to the source directory: component/server or the top folder."""
    parts = pathlib.PurePosixPath(path).parts
    if parts[:2] == ("component", "server") and len(parts) > 2:
        return "component/server"
    return parts[0]


def layer_table():
    return {unit: rank for rank, units in enumerate(LAYERS) for unit in units}


def project_sources(root):
    """The project's own source files, as paths relative to root in / form."""
    for directory, subdirectories, files in os.walk(root):
        relative = pathlib.PurePosixPath(pathlib.Path(directory).relative_to(root).as_posix())
        # Outside folders and hidden ones are not walked at all: a build tree is large.
        subdirectories[:] = sorted(
            name for name in subdirectories
            if not name.startswith(".") and not (relative.parts == () and name in OUTSIDE))
        if relative.parts == ():
            continue
        for name in sorted(files):
            if pathlib.PurePosixPath(name).suffix in SOURCE_SUFFIXES:
                yield (relative / name).as_posix()


def included_path(root, source, name):
    """The included file relative to root: as written (the project includes from its top), else
    beside the including file; None when neither is a file of the project."""
    for candidate in (name, posixpath.join(posixpath.dirname(source), name)):
        candidate = posixpath.normpath(candidate)
        if not candidate.startswith("../") and (root / candidate).is_file():
            return candidate
    return None


def project_includes(root):
    """(source, line number, include as written, included path) for each include of the project."""
    for source in project_sources(root):
        text = (root / source).read_text(encoding="utf-8", errors="replace")
        for number, line in enumerate(text.splitlines(), start=1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = included_path(root, source, match.group(1))
            if target is not None:
                yield source, number, match.group(1), target


def check(root, allowances=TEMPORARY_ALLOWANCES):
    """The problems found under root, one line each; allowances are (source, include) pairs that
    may climb and must still occur."""
    ranks = layer_table()
    problems = []
    unknown = set()
    used_allowances = set()
    includes_between = {}
    for source, number, name, target in project_includes(root):
        source_unit, target_unit = unit_of(source), unit_of(target)
        for unit in (source_unit, target_unit):
            if unit not in ranks and unit not in OUTSIDE:
                unknown.add(unit)
        if source_unit == target_unit or source_unit in unknown or target_unit in unknown:
            continue
        if target_unit in OUTSIDE:
            problems.append(f'{source}:{number}: includes "{name}" from {target_unit}/, '
                            "which is not part of the product")
            continue
        includes_between.setdefault((source_unit, target_unit), f"{source}:{number}")
        if ranks[target_unit] < ranks[source_unit]:
            continue
        if (source, name) in allowances:
            used_allowances.add((source, name))
            continue
        relation = "a higher layer" if ranks[target_unit] > ranks[source_unit] else "its own layer"
        problems.append(f'{source}:{number}: {source_unit}/ includes "{name}" of {target_unit}/, '
                        f"{relation}")
    for unit in sorted(unknown):
        problems.append(f"{unit}/: not in the layer table of {pathlib.Path(__file__).name}")
    for (first, second), where in sorted(includes_between.items()):
        if first < second and (second, first) in includes_between:
            problems.append(f"{first}/ and {second}/ include each other "
                            f"({where} and {includes_between[(second, first)]})")
    for source, name in sorted(set(allowances) - used_allowances):
        problems.append(f'{source}: no longer includes "{name}" upward; remove its temporary '
                        "allowance")
    return problems


def main(arguments):
    root = pathlib.Path(arguments[1]) if len(arguments) > 1 else pathlib.Path(__file__).parents[1]
    problems = check(root.resolve())
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} problem(s) with the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
