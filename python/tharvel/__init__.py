"""GSM/GPRS layer-3 messages decoded by libtharvel.

    import tharvel
    msg = tharvel.decode(bytes.fromhex("051801"), direction=0)
    msg.status, msg.protocol, msg.name, msg.find("Type_of_identity")
    for msg in tharvel.read_capture("capture.pcapng"):
        print(msg.frame, msg.time, msg.arfcn, msg.channel, msg.name)

The library is found by itself (installed next to this package by cmake --install, or on the
loader path); THARVEL_LIBRARY names the file instead. tharvel.dask (needs dask) decodes archives.
"""

from __future__ import annotations

from typing import Optional

from . import _native
from ._capture import CaptureError, read_capture
from ._extract import (Causes, MmsPush, PdpAccept, SmsText, attach_accept_allocates_ptmsi, causes,
                       cm_service_type, mms_push, pdp_accept, pdp_request_nsapi, sms_text)
from ._report import CELLS, OUTCOMES, SMS, Report, cells, outcomes, report, sms
from ._message import (MAX_LENGTH, Element, Message, Status, decode, decode_many, parse_document,
                       parse_line)

__all__ = [
    "CELLS", "OUTCOMES", "Report", "SMS", "cells", "outcomes", "report", "sms",
    "CaptureError", "Causes", "Element", "MAX_LENGTH", "Message", "MmsPush", "PdpAccept", "SmsText", "Status",
    "attach_accept_allocates_ptmsi", "causes", "cm_service_type", "decode", "decode_many", "library_path",
    "library_version", "mms_push", "parse_document", "parse_line", "pdp_accept", "pdp_request_nsapi",
    "read_capture", "sms_text",
]

__version__ = "0.2.0"


def library_path() -> str:
    """The file of the loaded library (loading it if needed)."""
    return str(_native.load()._name)


def library_version() -> Optional[str]:
    """The loaded library's version, None when it predates tharvel_version."""
    lib = _native.load()
    if not hasattr(lib, "tharvel_version"):
        return None
    return lib.tharvel_version().decode("ascii")
