"""Reports over a whole capture: cells heard, short messages, procedure outcomes."""

from __future__ import annotations

import ctypes
import json
from typing import Any, Iterable, List

from . import _native
from ._capture import read_capture
from ._message import Message

CELLS, SMS, OUTCOMES = 0, 1, 2
_FORMATS = {"text": 0, "csv": 1, "json": 2}
_KEYS = {CELLS: "cells", SMS: "sms", OUTCOMES: "outcomes"}


class Report:
    """The library's reports, fed message by message in capture order."""

    def __init__(self) -> None:
        lib = self._lib = _native.load()
        _native.require(lib, "tharvel_report_new")
        self._handle = lib.tharvel_report_new()
        if not self._handle:
            raise MemoryError("tharvel_report_new")

    def add(self, message: Message) -> None:
        """One message, with its capture metadata when it has some."""
        c = message._capture
        frame, sec, nsec, arfcn, channel = (c[0], c[1], c[2], c[3] | (0x8000 if c[10] else 0), c[6]) if c else \
            (0, 0, 0, 0, 0)
        if self._lib.tharvel_report_add_message(self._handle, frame, sec, nsec, arfcn, channel, message.direction,
                                                message.octets, len(message.octets)) != 0:
            raise MemoryError("tharvel_report_add_message")

    def write(self, kind: int, format: str = "text") -> str:
        """Report CELLS, SMS or OUTCOMES as "text", "csv" or "json"."""
        if kind not in _KEYS:
            raise ValueError("kind is CELLS, SMS or OUTCOMES, not %r" % (kind,))
        try:
            fmt = _FORMATS[format]
        except KeyError:
            raise ValueError("format is 'text', 'csv' or 'json', not %r" % (format,)) from None
        needed = self._lib.tharvel_report_write(self._handle, kind, fmt, None, 0)
        buf = ctypes.create_string_buffer(needed + 1)
        self._lib.tharvel_report_write(self._handle, kind, fmt, buf, len(buf))
        return buf.raw[:needed].decode("utf-8", "replace")

    def rows(self, kind: int) -> List[Any]:
        """Report rows as Python objects (its JSON form, parsed)."""
        text = self.write(kind, "json")
        return json.loads(text)[_KEYS[kind]] if text else []

    def close(self) -> None:
        """Frees the report."""
        if self._handle:
            self._lib.tharvel_report_free(self._handle)
            self._handle = None

    def __del__(self) -> None:
        try:
            self.close()
        except Exception:
            pass


def report(source: Any) -> Report:
    """A Report over every message of a capture (any source read_capture takes)."""
    r = Report()
    messages: Iterable[Message] = read_capture(source)
    for m in messages:
        r.add(m)
    return r


def cells(source: Any) -> List[Any]:
    """The cells heard in a capture: system information and measurement reports, one dict a cell."""
    return report(source).rows(CELLS)


def sms(source: Any) -> List[Any]:
    """The short messages exchanged in a capture, one dict each."""
    return report(source).rows(SMS)


def outcomes(source: Any) -> List[Any]:
    """The outcome of every procedure in a capture, one dict each."""
    return report(source).rows(OUTCOMES)
