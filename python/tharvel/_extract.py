"""The value-extraction functions: a few fields of one kind of message, None where absent."""

from __future__ import annotations

import ctypes
import ipaddress
from dataclasses import dataclass
from typing import Any, Optional

from . import _native
from ._message import MAX_LENGTH, direction_of, octets_of

ABSENT = -9999


def _value(v: int) -> Optional[int]:
    return None if v == ABSENT else v


class _CauseBlock(ctypes.Structure):
    _fields_ = [("cause", ctypes.c_int32), ("second_cause", ctypes.c_int32)]


class _OneBlock(ctypes.Structure):
    _fields_ = [("value", ctypes.c_int32)]


class _PdpAcceptBlock(ctypes.Structure):
    _fields_ = [(f, ctypes.c_int32) for f in ("delay_class", "reliability_class", "peak_throughput",
                                              "precedence_class", "mean_throughput", "ipv4_address",
                                              "radio_priority", "llc_sapi")]


class _CpDataBlock(ctypes.Structure):
    # text as octets: a c_char array would stop at the first NUL of 8-bit data
    _fields_ = [("user_data_header", ctypes.c_int32), ("concat_reference", ctypes.c_int32),
                ("concat_total", ctypes.c_int32), ("concat_index", ctypes.c_int32),
                ("char_count", ctypes.c_int32), ("text", ctypes.c_uint8 * 256)]


class _MmsBlock(ctypes.Structure):
    _fields_ = [("transaction_id", ctypes.c_int32), ("unused", ctypes.c_uint8 * 260),
                ("location_length", ctypes.c_int32), ("location", ctypes.c_uint8 * 516)]


def _call(symbol: str, message: Any, direction: Any, block: ctypes.Structure) -> int:
    octets = octets_of(message, MAX_LENGTH)
    d = direction_of(direction)
    f = _native.require(_native.load(), symbol)
    # The extraction functions' flag has the opposite sense: 0 is mobile to network.
    return f(1 - d, len(octets), octets, 0, ctypes.byref(block))


@dataclass(frozen=True)
class Causes:
    """CC DISCONNECT or RELEASE causes; None where the message had none."""

    cause: Optional[int]
    second_cause: Optional[int]


def causes(message: Any, direction: Any = 0) -> Optional[Causes]:
    """The cause values of a CC DISCONNECT or RELEASE, None for another kind of message."""
    b = _CauseBlock()
    if _call("GaintharvelDiagNoseData", message, direction, b) != 1:
        return None
    return Causes(_value(b.cause), _value(b.second_cause))


def attach_accept_allocates_ptmsi(message: Any, direction: Any = 0) -> Optional[bool]:
    """Whether a GMM ATTACH ACCEPT allocates a P-TMSI; None for another kind of message."""
    b = _OneBlock()
    if _call("Gain_GSM_Attach_Accept_Win_Data", message, direction, b) != 1:
        return None
    return b.value != ABSENT


def cm_service_type(message: Any, direction: Any = 1) -> Optional[int]:
    """The CM service type of an MM CM SERVICE REQUEST; None for another kind of message."""
    b = _OneBlock()
    if _call("Gain_GSM_CM_Service_Request_Win_Data", message, direction, b) != 1:
        return None
    return _value(b.value)


def pdp_request_nsapi(message: Any, direction: Any = 1) -> Optional[int]:
    """The requested NSAPI of an SM ACTIVATE PDP CONTEXT REQUEST; None for another kind of message."""
    b = _OneBlock()
    if _call("Gain_GSM_Activate_PDP_Context_Request_Win_Data", message, direction, b) != 1:
        return None
    return _value(b.value)


@dataclass(frozen=True)
class PdpAccept:
    """Negotiated values of an SM ACTIVATE PDP CONTEXT ACCEPT; None where absent."""

    delay_class: Optional[int]
    reliability_class: Optional[int]
    peak_throughput: Optional[int]
    precedence_class: Optional[int]
    mean_throughput: Optional[int]
    ipv4_address: Optional[ipaddress.IPv4Address]
    radio_priority: Optional[int]
    llc_sapi: Optional[int]


def pdp_accept(message: Any, direction: Any = 0) -> Optional[PdpAccept]:
    """The QoS classes, IPv4 address, radio priority and LLC SAPI of an ACTIVATE PDP CONTEXT ACCEPT."""
    b = _PdpAcceptBlock()
    if _call("Gain_GSM_Activate_PDP_Context_Accept_Win_Data", message, direction, b) != 1:
        return None
    # -1 is the library's mark for no IPv4 address (255.255.255.255 cannot be a PDP address here)
    address = None if b.ipv4_address == -1 else ipaddress.IPv4Address(b.ipv4_address & 0xFFFFFFFF)
    return PdpAccept(_value(b.delay_class), _value(b.reliability_class), _value(b.peak_throughput),
                     _value(b.precedence_class), _value(b.mean_throughput), address, _value(b.radio_priority),
                     _value(b.llc_sapi))


@dataclass(frozen=True)
class SmsText:
    """The TPDU of an SMS CP-DATA: concatenation and text.

    text holds every octet the library gave (char_count of them): the default alphabet as decoded,
    8-bit data as is (NUL octets included), UCS2 as UTF-8.
    """

    user_data_header: bool
    concat_reference: Optional[int]
    concat_total: Optional[int]
    concat_index: Optional[int]
    char_count: int
    text: bytes


def sms_text(message: Any, direction: Any = 1) -> Optional[SmsText]:
    """Concatenation and text of an SMS CP-DATA; None when the message is not one or has no TPDU."""
    b = _CpDataBlock()
    # Another kind of message also returns 1, with the block at its absent markers.
    if _call("Gain_CP_Data_Win_Data", message, direction, b) != 1 or b.user_data_header == ABSENT:
        return None
    n = b.char_count if 0 < b.char_count <= 255 else 0
    return SmsText(b.user_data_header == 1, _value(b.concat_reference), _value(b.concat_total),
                   _value(b.concat_index), b.char_count, bytes(b.text[:n]))


@dataclass(frozen=True)
class MmsPush:
    """An MMS notification push: its transaction id and content location (octets)."""

    transaction_id: int
    location: bytes


def mms_push(pdu: Any) -> Optional[MmsPush]:
    """The content location of a WAP push PDU holding an MMS notification, None when it has none."""
    octets = octets_of(pdu, MAX_LENGTH)
    b = _MmsBlock()
    if _native.require(_native.load(), "Gain_MMS_Push_Win_Data")(len(octets), octets, ctypes.byref(b)) != 1:
        return None
    n = max(0, min(b.location_length, 515))
    return MmsPush(b.transaction_id, bytes(b.location[:n]))
