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

    # name -> (C function, block fields); every field is a 32-bit integer.
    _EXTRACTORS = {
        "diagnose": ("GaintharvelDiagNoseData", ["cause", "second_cause"]),
        "attach_accept": ("Gain_GSM_Attach_Accept_Win_Data", ["allocated_ptmsi"]),
        "cm_service_request": ("Gain_GSM_CM_Service_Request_Win_Data", ["service_type"]),
        "pdp_context_request": ("Gain_GSM_Activate_PDP_Context_Request_Win_Data", ["nsapi"]),
        "pdp_context_accept": ("Gain_GSM_Activate_PDP_Context_Accept_Win_Data",
                               ["delay_class", "reliability_class", "peak_throughput", "precedence_class",
                                "mean_throughput", "ipv4_address", "radio_priority", "llc_sapi"]),
    }
    ABSENT = -9999

    def _bind_extraction(self):
        for name, (symbol, fields) in self._EXTRACTORS.items():
            block = type("Block_" + name, (ctypes.Structure,), {"_fields_": [(f, ctypes.c_int32) for f in fields]})
            f = getattr(self._lib, symbol)
            f.argtypes = [ctypes.c_uint8, ctypes.c_int32, ctypes.c_char_p, ctypes.c_int32, ctypes.POINTER(block)]
            f.restype = ctypes.c_int
            setattr(self, name, self._extractor(f, block, fields))

        class CpData(ctypes.Structure):
            _fields_ = [("user_data_header", ctypes.c_int32), ("concat_reference", ctypes.c_int32),
                        ("concat_total", ctypes.c_int32), ("concat_index", ctypes.c_int32),
                        ("char_count", ctypes.c_int32), ("text", ctypes.c_char * 256)]

        self._cp_block = CpData
        f = self._lib.Gain_CP_Data_Win_Data
        f.argtypes = [ctypes.c_uint8, ctypes.c_int32, ctypes.c_char_p, ctypes.c_int32, ctypes.POINTER(CpData)]
        f.restype = ctypes.c_int

        class MmsBlock(ctypes.Structure):
            _fields_ = [("transaction_id", ctypes.c_int32), ("unused", ctypes.c_uint8 * 260),
                        ("location_length", ctypes.c_int32), ("location", ctypes.c_char * 516)]

        self._mms_block = MmsBlock
        f = self._lib.Gain_MMS_Push_Win_Data
        f.argtypes = [ctypes.c_int32, ctypes.c_char_p, ctypes.POINTER(MmsBlock)]
        f.restype = ctypes.c_int

    @staticmethod
    def _extractor(function, block_type, fields):
        def extract(message, from_mobile=True):
            """Returns (result, {field: value}); absent values read ABSENT (-9999).

            from_mobile: the message went from the mobile station to the network (the
            functions' direction flag 0).
            """
            message = bytes(message)
            block = block_type()
            r = function(0 if from_mobile else 1, len(message), message, 0, ctypes.byref(block))
            return r, {f: getattr(block, f) for f in fields}
        return extract

    def cp_data(self, message, from_mobile=True):
        """CP-DATA summary: (result, dict with the concatenation fields and the text bytes)."""
        message = bytes(message)
        block = self._cp_block()
        r = self._lib.Gain_CP_Data_Win_Data(0 if from_mobile else 1, len(message), message, 0, ctypes.byref(block))
        n = block.char_count if 0 < block.char_count <= 255 else 0
        return r, {"user_data_header": block.user_data_header, "concat_reference": block.concat_reference,
                   "concat_total": block.concat_total, "concat_index": block.concat_index,
                   "char_count": block.char_count, "text": bytes(block.text)[:n]}

    def mms_push(self, pdu):
        """MMS notification push: (result, transaction id, content location bytes)."""
        pdu = bytes(pdu)
        block = self._mms_block()
        r = self._lib.Gain_MMS_Push_Win_Data(len(pdu), pdu, ctypes.byref(block))
        return r, block.transaction_id, bytes(block.location)[:max(0, min(block.location_length, 515))]
