"""Captures (pcap, pcapng of GSMTAP, or "UL|DL hex" text) read through the library."""

from __future__ import annotations

import ctypes
import os
import warnings
from typing import Any, Iterator, Union

from . import _native
from ._message import Batch, Message, decode_many


class CaptureError(ValueError):
    """A capture that could not be opened, or one that went wrong while read."""


def _open(source: Any):
    lib = _native.load()
    _native.require(lib, "tharvel_capture_open_path")
    error = ctypes.create_string_buffer(512)
    keep = None
    if isinstance(source, (str, os.PathLike)):
        handle = lib.tharvel_capture_open_path(os.fsencode(source), error, len(error))
    else:
        if isinstance(source, (bytes, bytearray, memoryview)):
            data = bytes(source)
        else:
            # Read through Python: its buffer may already hold what the descriptor has passed.
            data = source.read()
            if isinstance(data, str):
                data = data.encode("utf-8")
        keep = ctypes.create_string_buffer(data, len(data)) if data else ctypes.create_string_buffer(1)
        handle = lib.tharvel_capture_open_memory(keep, len(data), error, len(error))
    if not handle:
        raise CaptureError(error.value.decode("utf-8", "replace") or "cannot open the capture")
    return lib, handle, keep


def _is_capture_source(source: Any) -> bool:
    return isinstance(source, (str, os.PathLike, bytes, bytearray, memoryview)) or hasattr(source, "read")


def read_capture(source: Union[str, "os.PathLike[str]", bytes, Any], errors: str = "raise",
                 chunk: int = 256) -> Iterator[Message]:
    """Iterates over the messages of a capture, decoded, with their capture metadata.

    source: a path; a binary or text file object (read to its end first); bytes holding a capture;
    or an iterable of (direction, octets) pairs or "UL|DL hex" lines (messages without metadata).
    errors: "raise" raises CaptureError at a bad text line or a capture cut short, after the messages
    before it; "warn" issues a warning and goes on; "ignore" goes on silently.
    """
    if errors not in ("raise", "warn", "ignore"):
        raise ValueError("errors is 'raise', 'warn' or 'ignore', not %r" % (errors,))
    if not _is_capture_source(source):
        if hasattr(source, "__iter__"):
            return decode_many(source)
        raise TypeError("a capture is a path, a file object, bytes or an iterable of messages, not %s"
                        % type(source).__name__)
    return _read(source, errors, chunk)


def _read(source: Any, errors: str, chunk: int) -> Iterator[Message]:
    lib, handle, keep = _open(source)
    batch = Batch()
    try:
        while True:
            messages = batch.read_capture(handle, chunk)
            if messages is None:
                why = batch.error()
                if errors == "raise":
                    raise CaptureError(why)
                if errors == "warn":
                    warnings.warn("capture: " + why, RuntimeWarning, stacklevel=2)
                continue
            if not messages:
                break
            yield from messages
    finally:
        batch.close()
        lib.tharvel_capture_close(handle)
        del keep
