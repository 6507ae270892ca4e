"""ctypes bindings of libtharvel: GSM/GPRS layer-3 messages to text documents.

    import tharvel
    lib = tharvel.Library()              # finds libtharvel.so (THARVEL_LIBRARY overrides)
    result, document = lib.decode(bytes.fromhex("051801"), uplink=False)
"""

import ctypes
import ctypes.util
import os

__all__ = ["Library", "DecodeResult"]


class DecodeResult:
    """What one decode call gave: `decoded` (the library's 1 or 0) and the document text."""

    def __init__(self, decoded, document):
        self.decoded = decoded
        self.document = document

    def __iter__(self):
        return iter((self.decoded, self.document))

    @property
    def closed(self):
        """False when decoding failed inside and the document was left open."""
        return self.document.endswith("</message>\n</L3Message>\n")


def _find_library():
    path = os.environ.get("THARVEL_LIBRARY")
    if path:
        return path
    found = ctypes.util.find_library("tharvel")
    if found:
        return found
    return "libtharvel.so"


class Library:
    """One loaded copy of libtharvel. Calls are reentrant; an instance may be shared by threads."""

    def __init__(self, path=None):
        self._lib = ctypes.CDLL(path or _find_library())
        f = self._lib.tharvel_n
        f.argtypes = [ctypes.c_uint8, ctypes.c_int32, ctypes.c_char_p, ctypes.c_char_p, ctypes.c_size_t,
                      ctypes.POINTER(ctypes.c_size_t)]
        f.restype = ctypes.c_int
        self._bind_extraction()

    def decode(self, message, uplink=False, direction=None):
        """Decodes one layer-3 message (bytes from the protocol discriminator octet on).

        The direction byte is 1 for uplink and 0 for downlink unless `direction` gives it.
        Returns a DecodeResult; the document grows its buffer until it fits.
        """
        message = bytes(message)
        d = direction if direction is not None else (1 if uplink else 0)
        size = 1 << 16
        while True:
            buf = ctypes.create_string_buffer(size)
            needed = ctypes.c_size_t(0)
            r = self._lib.tharvel_n(d, len(message), message, buf, size, ctypes.byref(needed))
            if needed.value < size:
                return DecodeResult(r, buf.value.decode("latin-1"))
            size = needed.value + 1

    def _bind_extraction(self):
        pass
