"""Capture archives decoded into a Dask DataFrame, one row per message (needs dask and pandas).

    import tharvel.dask
    df = tharvel.dask.read_captures("archive/*.pcapng")
    df.groupby("name").size().compute()

Each file is one partition, decoded where Dask's scheduler puts it: threads or processes on this
machine by default, or the workers of a cluster once a distributed Client is made:

    from dask.distributed import Client
    client = Client("tcp://scheduler:8786")   # every worker needs libtharvel and this package
    df = tharvel.dask.read_captures(paths)
"""

from __future__ import annotations

import glob
import os
from typing import Any, Iterable, List, Sequence, Union

import dask
import dask.dataframe as dd
import pandas as pd

from ._capture import read_capture
from ._message import Message

#: The columns, in order, and their pandas types.
COLUMNS = {
    "file": "object",
    "frame": "int64",
    "time": "datetime64[ns, UTC]",
    "arfcn": "int32",
    "timeslot": "int16",
    "channel": "object",
    "direction": "int8",
    "protocol": "object",
    "name": "object",
    "status": "object",
    "imsi": "object",
    "tmsi": "object",
    "lai": "object",
    "cause": "float64",
}


def _row(path: str, m: Message) -> tuple:
    return (path, m.frame, m.time_ns, m.arfcn, m.timeslot, m.channel, m.direction, m.protocol, m.name,
            m.status.name if hasattr(m.status, "name") else str(m.status), m.find("IMSI"), m.find("TMSI"), m.lai,
            m.cause)


def frame_of(path: str, errors: str = "raise") -> pd.DataFrame:
    """One capture file's rows as a pandas DataFrame (what each partition holds)."""
    return frame_of_rows([_row(path, m) for m in read_capture(path, errors=errors)])


def _expand(paths: Union[str, "os.PathLike[str]", Iterable[Any]]) -> List[str]:
    if isinstance(paths, (str, os.PathLike)):
        paths = [paths]
    out: List[str] = []
    for p in paths:
        p = os.fspath(p)
        matches = sorted(glob.glob(p)) if glob.has_magic(p) else [p]
        if not matches:
            raise FileNotFoundError("no capture file matches %r" % p)
        out.extend(matches)
    if not out:
        raise ValueError("no capture files given")
    return out


def meta() -> pd.DataFrame:
    """An empty frame with the columns and types of read_captures' result."""
    return frame_of_rows([])


def frame_of_rows(rows: Sequence[tuple]) -> pd.DataFrame:
    """Rows (tuples in the order of COLUMNS, time in nanoseconds) as a typed pandas DataFrame."""
    df = pd.DataFrame.from_records(list(rows), columns=list(COLUMNS))
    df["time"] = pd.to_datetime(df["time"], unit="ns", utc=True)
    return df.astype({k: v for k, v in COLUMNS.items() if k != "time"})


def read_captures(paths: Union[str, "os.PathLike[str]", Iterable[Any]], errors: str = "raise") -> dd.DataFrame:
    """A Dask DataFrame of every message of the files (a path, a glob or a list of either).

    Columns: file, frame, time (UTC), arfcn, timeslot, channel, direction, protocol, name, status, and
    the first IMSI, TMSI, location area ("MCC-MNC-LAC") and cause value of the message (None/NaN when
    it has none). One partition per file; nothing is read until the frame is computed.
    """
    files = _expand(paths)
    parts = [dask.delayed(frame_of, pure=True)(f, errors) for f in files]
    return dd.from_delayed(parts, meta=meta(), verify_meta=False)
