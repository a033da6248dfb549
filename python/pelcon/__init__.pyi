import os
from typing import Any, Iterable, Optional, Union

import numpy
import pandas

_Path = Union[str, os.PathLike[str]]

class LogFileError(ValueError): ...

def read(
    path: _Path,
    columns: Optional[Iterable[str]] = ...,
    template: Optional[_Path] = ...,
    tz: Optional[str] = ...,
) -> tuple[pandas.DataFrame, dict[str, Any]]: ...
def read_arrays(
    path: _Path,
    columns: Optional[Iterable[str]] = ...,
    template: Optional[_Path] = ...,
) -> tuple[numpy.ndarray, dict[str, numpy.ndarray], dict[str, Any]]: ...
def inspect(path: _Path) -> dict[str, Any]: ...
def columns(path: Optional[_Path] = ...) -> list[dict[str, Any]]: ...
def convert(
    path: Union[_Path, Iterable[_Path]],
    out: Optional[_Path] = ...,
    template: Optional[_Path] = ...,
    **options: Any,
) -> list[dict[str, Any]]: ...
