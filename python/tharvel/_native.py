"""Finding and loading libtharvel, and the C prototypes the package calls."""

from __future__ import annotations

import ctypes
import ctypes.util
import os
import threading
from typing import Optional

ENVIRONMENT_VARIABLE = "THARVEL_LIBRARY"

_lock = threading.Lock()
_loaded: Optional[ctypes.CDLL] = None


def _candidates() -> list:
    """Where to look, first match wins: the override, the installed prefix, the loader path."""
    override = os.environ.get(ENVIRONMENT_VARIABLE)
    if override:
        return [override]
    found = []
    try:  # written by cmake --install next to this file
        from . import _location  # type: ignore[attr-defined]

        here = os.path.dirname(os.path.abspath(__file__))
        found.append(os.path.normpath(os.path.join(here, _location.LIBRARY)))
    except ImportError:
        pass
    name = ctypes.util.find_library("tharvel")
    if name:
        found.append(name)
    found += ["libtharvel.so.0", "libtharvel.so"]
    return found


def load(path: Optional[str] = None) -> ctypes.CDLL:
    """The loaded library; `path` (or THARVEL_LIBRARY) names the file, else it is searched for."""
    global _loaded
    if path is not None:
        return _declare(ctypes.CDLL(path))
    with _lock:
        if _loaded is None:
            errors = []
            for candidate in _candidates():
                try:
                    _loaded = _declare(ctypes.CDLL(candidate))
                    break
                except OSError as e:
                    errors.append(str(e))
            else:
                raise OSError("libtharvel not found (set %s to the path of libtharvel.so): %s"
                              % (ENVIRONMENT_VARIABLE, "; ".join(errors)))
        return _loaded


class Options(ctypes.Structure):
    _fields_ = [("size", ctypes.c_uint32), ("direction", ctypes.c_uint8), ("format", ctypes.c_uint8),
                ("failure_dump", ctypes.c_uint8), ("reserved", ctypes.c_uint8)]


class Result(ctypes.Structure):
    _fields_ = [("size", ctypes.c_uint32), ("status", ctypes.c_int32), ("needed", ctypes.c_size_t),
                ("key", ctypes.c_uint16), ("pd", ctypes.c_uint8), ("reserved", ctypes.c_uint8),
                ("protocol", ctypes.c_char_p), ("name", ctypes.c_char_p)]


class Frame(ctypes.Structure):
    _fields_ = [("size", ctypes.c_uint32), ("frame", ctypes.c_uint64), ("time_sec", ctypes.c_int64),
                ("time_nsec", ctypes.c_int32), ("arfcn", ctypes.c_uint16), ("pcs_band", ctypes.c_uint8),
                ("timeslot", ctypes.c_uint8), ("sub_slot", ctypes.c_uint8), ("channel", ctypes.c_uint8),
                ("sapi", ctypes.c_uint8), ("direction", ctypes.c_uint8), ("has_signal", ctypes.c_uint8),
                ("signal_dbm", ctypes.c_int8), ("source", ctypes.c_uint8), ("flags", ctypes.c_uint8),
                ("gsmtap_type", ctypes.c_uint8), ("reserved", ctypes.c_uint8 * 3),
                ("gsm_frame_number", ctypes.c_uint32), ("octets", ctypes.c_void_p), ("length", ctypes.c_size_t)]


I32 = ctypes.c_int32
U8 = ctypes.c_uint8
P = ctypes.c_void_p
SZ = ctypes.c_size_t

# symbol -> (restype, argtypes); bound when present, so an older library still loads.
_PROTOTYPES = {
    "tharvel_version": (ctypes.c_char_p, []),
    "tharvel_n": (ctypes.c_int, [U8, I32, P, P, SZ, ctypes.POINTER(SZ)]),
    "tharvel_decode": (ctypes.c_int, [P, SZ, ctypes.POINTER(Options), P, SZ, ctypes.POINTER(Result)]),
    "GaintharvelDiagNoseData": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_GSM_Attach_Accept_Win_Data": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_GSM_CM_Service_Request_Win_Data": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_GSM_Activate_PDP_Context_Request_Win_Data": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_GSM_Activate_PDP_Context_Accept_Win_Data": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_CP_Data_Win_Data": (ctypes.c_int, [U8, I32, P, I32, P]),
    "Gain_MMS_Push_Win_Data": (ctypes.c_int, [I32, P, P]),
    "tharvel_capture_open_path": (P, [ctypes.c_char_p, P, SZ]),
    "tharvel_capture_open_fd": (P, [ctypes.c_int, P, SZ]),
    "tharvel_capture_open_memory": (P, [P, SZ, P, SZ]),
    "tharvel_capture_next": (ctypes.c_int, [P, ctypes.POINTER(Frame)]),
    "tharvel_capture_error": (ctypes.c_char_p, [P]),
    "tharvel_capture_channel_name": (ctypes.c_char_p, [ctypes.POINTER(Frame)]),
    "tharvel_capture_close": (None, [P]),
    "tharvel_report_new": (P, []),
    "tharvel_report_add_message": (ctypes.c_int, [P, ctypes.c_uint64, ctypes.c_int64, I32, ctypes.c_uint16, U8, U8,
                                                  P, SZ]),
    "tharvel_report_write": (SZ, [P, ctypes.c_int, ctypes.c_int, P, SZ]),
    "tharvel_report_free": (None, [P]),
    "tharvel_batch_new": (P, []),
    "tharvel_batch_free": (None, [P]),
    "tharvel_batch_entry_size": (SZ, []),
    "tharvel_batch_decode": (ctypes.c_ssize_t, [P, P, P, P, SZ, ctypes.POINTER(Options)]),
    "tharvel_batch_read_capture": (ctypes.c_ssize_t, [P, P, SZ, ctypes.POINTER(Options)]),
    "tharvel_batch_error": (ctypes.c_char_p, [P]),
    "tharvel_batch_text": (P, [P, ctypes.POINTER(SZ)]),
    "tharvel_batch_octets": (P, [P, ctypes.POINTER(SZ)]),
    "tharvel_batch_entries": (P, [P, ctypes.POINTER(SZ)]),
}


def _declare(lib: ctypes.CDLL) -> ctypes.CDLL:
    for symbol, (restype, argtypes) in _PROTOTYPES.items():
        try:
            f = getattr(lib, symbol)
        except AttributeError:
            continue
        f.restype = restype
        f.argtypes = argtypes
    return lib


def require(lib: ctypes.CDLL, symbol: str):
    """The C function, or a clear error when the loaded library predates it."""
    try:
        return getattr(lib, symbol)
    except AttributeError:
        raise RuntimeError("the loaded libtharvel (%s) has no %s: it is older than this package"
                           % (lib._name, symbol)) from None
