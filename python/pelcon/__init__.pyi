import datetime
import os
from typing import Any, Iterable, Mapping, Optional, Union

import numpy
import pandas

_Path = Union[str, os.PathLike[str]]
_Time = Union[datetime.datetime, str]
_Readings = Union[Iterable[tuple[_Time, float]], Mapping[_Time, float]]

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
def output_formats() -> list[str]: ...
def columns(path: Optional[_Path] = ...) -> list[dict[str, Any]]: ...
def convert(
    path: Union[_Path, Iterable[_Path]],
    out: Optional[_Path] = ...,
    template: Optional[_Path] = ...,
    **options: Any,
) -> list[dict[str, Any]]: ...
def compensate(
    level: _Path,
    baro: _Path,
    *,
    max_gap: Optional[float] = ...,
    baro_offset: Optional[Union[str, datetime.timedelta]] = ...,
    density: Optional[float] = ...,
    density_from_temperature: bool = ...,
    gravity: Optional[float] = ...,
    latitude: Optional[float] = ...,
    site_elevation: Optional[float] = ...,
    offset: Optional[float] = ...,
    units: Optional[str] = ...,
    depth_to_water: Optional[_Readings] = ...,
    elevation: Optional[_Readings] = ...,
) -> tuple[pandas.DataFrame, dict[str, Any]]: ...
