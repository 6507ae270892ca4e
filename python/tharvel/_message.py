"""Decoded messages: the document, its status and names, its element tree and lookups."""

from __future__ import annotations

import ctypes
import datetime
import enum
import json
import re
import struct
import threading
from typing import Any, Iterable, Iterator, List, Optional, Sequence, Tuple, Union

from . import _native

BytesLike = Union[bytes, bytearray, memoryview]

#: The largest message the extraction functions take (their length is a 32-bit integer).
MAX_LENGTH = 2**31 - 1

FORMAT_TEXT = 0
FORMAT_JSON = 1


class Status(enum.IntEnum):
    """How far a message was decoded (the library's tharvel_status)."""

    DECODED = 0
    TRUNCATED = 1
    TRAILING = 2
    NOT_DECODED = 3
    TOO_SHORT = 4
    FAILED = 5
    TOO_LONG = 6
    INVALID = 7


_STATUSES = {int(s): s for s in Status}


def _status(value: int) -> Union[Status, int]:
    return _STATUSES.get(value, value)


def octets_of(message: Any, limit: Optional[int] = None) -> bytes:
    """The message as bytes; TypeError unless it is bytes-like, ValueError past `limit` octets."""
    if isinstance(message, bytes):
        data = message
    elif isinstance(message, (str, int, float)) or message is None:
        raise TypeError("a message is bytes-like (bytes, bytearray, memoryview), not %s" % type(message).__name__)
    else:
        try:
            data = memoryview(message).tobytes()
        except TypeError:
            raise TypeError("a message is bytes-like (bytes, bytearray, memoryview), not %s"
                            % type(message).__name__) from None
    if limit is not None:
        check_length(len(data), limit)
    return data


def check_length(length: int, limit: int) -> None:
    """ValueError when a message of `length` octets is longer than `limit`."""
    if length > limit:
        raise ValueError("message of %d octets is longer than the %d the library takes" % (length, limit))


_DIRECTIONS = {0: 0, 1: 1, "DL": 0, "UL": 1, "dl": 0, "ul": 1, "downlink": 0, "uplink": 1}


def direction_of(direction: Any) -> int:
    """0 (network to mobile) or 1 (mobile to network); "DL"/"UL" are taken too."""
    if isinstance(direction, float):
        raise TypeError("direction is 0 or 1, not a float")
    try:
        return _DIRECTIONS[direction]
    except (KeyError, TypeError):
        raise ValueError("direction is 0 (network to mobile) or 1 (mobile to network), not %r"
                         % (direction,)) from None


class Element:
    """One element of a document: its tag, its own text and its child elements."""

    __slots__ = ("tag", "text", "children")

    def __init__(self, tag: str, text: str = "", children: Optional[List["Element"]] = None) -> None:
        self.tag = tag
        self.text = text
        self.children = children if children is not None else []

    @property
    def code(self) -> Optional[int]:
        """The number of a "(n)meaning" value, else None."""
        m = _CODE.match(self.text)
        return int(m.group(1)) if m else None

    def iter(self) -> Iterator["Element"]:
        """This element and every element below it, in document order."""
        stack = [self]
        while stack:
            e = stack.pop()
            yield e
            stack.extend(reversed(e.children))

    def child(self, tag: str) -> Optional["Element"]:
        """The first direct child with this tag."""
        for c in self.children:
            if c.tag == tag:
                return c
        return None

    def __repr__(self) -> str:
        if self.children:
            return "<Element %s: %d children>" % (self.tag, len(self.children))
        return "<Element %s=%r>" % (self.tag, self.text)


_TOKEN = re.compile(r"<(/?)([A-Za-z0-9_.:\-]+)>")
_CODE = re.compile(r"\((-?\d+)\)")


def parse_document(text: str) -> Element:
    """The element tree of a text document; a document left open is closed at its end."""
    root = Element("")
    stack = [root]
    pos = 0
    for m in _TOKEN.finditer(text):
        between = text[pos:m.start()].strip()
        if between:
            top = stack[-1]
            top.text = between if not top.text else top.text + "\n" + between
        pos = m.end()
        if m.group(1):
            tag = m.group(2)
            for i in range(len(stack) - 1, 0, -1):
                if stack[i].tag == tag:
                    del stack[i:]
                    break
        else:
            e = Element(m.group(2))
            stack[-1].children.append(e)
            stack.append(e)
    return root


# Identity types by their document labels, and the names find() takes for them.
_IDENTITY_NAMES = {"IMSI": "IMSI", "IMEI": "IMEI", "IMEISV": "IMEISV", "TMSI/P-TMSI": "TMSI"}


def _identities(root: Element) -> Iterator[Tuple[str, str]]:
    for e in root.iter():
        kind = e.child("Type_of_identity")
        digits = e.child("Identity_Digits")
        if kind is None or digits is None:
            continue
        label = _CODE.sub("", kind.text, count=1).strip()
        name = _IDENTITY_NAMES.get(label)
        if name:
            value = digits.text
            yield name, value[2:] if value.startswith("0x") else value


class Message:
    """One decoded message.

    status, protocol ("RR", "MM", ...), name (the message's name, "" when not decoded), text (the
    document), tree (the document's JSON as Python objects), octets and direction; from a capture
    also frame, time, arfcn, timeslot, channel (its name) and channel_type (GSMTAP's number).
    """

    __slots__ = ("octets", "direction", "status", "protocol", "name", "text", "key", "_capture", "_tree",
                 "_elements")

    def __init__(self, octets: bytes, direction: int, status: Union[Status, int], protocol: str, name: str,
                 text: str, key: int = 0, capture: Optional[tuple] = None) -> None:
        self.octets = octets
        self.direction = direction
        self.status = status
        self.protocol = protocol
        self.name = name
        self.text = text
        self.key = key
        self._capture = capture
        self._tree: Any = None
        self._elements: Optional[Element] = None

    # Capture metadata: (frame, time_sec, time_nsec, arfcn, timeslot, channel name, channel type, sub_slot,
    # sapi, signal dBm or None, PCS 1900 band flag)
    @property
    def frame(self) -> Optional[int]:
        """Packet number in the capture (text input: line number), None outside captures."""
        return self._capture[0] if self._capture else None

    @property
    def time(self) -> Optional[datetime.datetime]:
        """Capture time (UTC, microseconds), None outside captures or for text input."""
        c = self._capture
        if not c or (c[1] == 0 and c[2] == 0):
            return None
        return datetime.datetime.fromtimestamp(c[1], datetime.timezone.utc) + \
            datetime.timedelta(microseconds=c[2] // 1000)

    @property
    def time_ns(self) -> Optional[int]:
        """Capture time in nanoseconds since the epoch, None where time is."""
        c = self._capture
        if not c or (c[1] == 0 and c[2] == 0):
            return None
        return c[1] * 1_000_000_000 + c[2]

    @property
    def arfcn(self) -> Optional[int]:
        """ARFCN of the frame (of its last segment)."""
        return self._capture[3] if self._capture else None

    @property
    def timeslot(self) -> Optional[int]:
        """Timeslot of the frame."""
        return self._capture[4] if self._capture else None

    @property
    def channel(self) -> Optional[str]:
        """Channel name ("BCCH", "SACCH/SDCCH8", "L3" for Abis, "-" for text input)."""
        return self._capture[5] if self._capture else None

    @property
    def channel_type(self) -> Optional[int]:
        """GSMTAP channel type (0x80 set for the SACCH)."""
        return self._capture[6] if self._capture else None

    @property
    def signal_dbm(self) -> Optional[int]:
        """Signal level from the GSMTAP header, when it had one."""
        return self._capture[9] if self._capture else None

    @property
    def decoded(self) -> bool:
        """True when the library decoded the message's protocol and type."""
        return self.status not in (Status.NOT_DECODED, Status.TOO_SHORT, Status.INVALID)

    @property
    def tree(self) -> Any:
        """The document as JSON, parsed (decoded again on first use, then kept)."""
        if self._tree is None:
            raw, _ = _decode_raw(self.octets, self.direction, FORMAT_JSON)
            try:
                self._tree = json.loads(raw) if raw else {}
            except json.JSONDecodeError as e:
                raise ValueError("the library's JSON document does not parse: %s" % e) from None
        return self._tree

    @property
    def elements(self) -> Element:
        """The text document's element tree (its root has no tag)."""
        if self._elements is None:
            self._elements = parse_document(self.text)
        return self._elements

    def find(self, tag: str) -> Optional[str]:
        """The first value of an element with this tag, or of this identity ("IMSI", "TMSI", "IMEI")."""
        for value in self._find(tag):
            return value
        return None

    def find_all(self, tag: str) -> List[str]:
        """Every value of the elements with this tag (or of this identity), in document order."""
        return list(self._find(tag))

    def _find(self, tag: str) -> Iterator[str]:
        if tag in _IDENTITY_NAMES.values():
            yielded = False
            for name, value in _identities(self.elements):
                if name == tag:
                    yielded = True
                    yield value
            if yielded:
                return
        for e in self.elements.iter():
            if e.tag == tag:
                yield e.text

    @property
    def lai(self) -> Optional[str]:
        """The first location area identification, "MCC-MNC-LAC"."""
        for e in self.elements.iter():
            mcc, mnc, lac = e.child("MCC"), e.child("MNC"), e.child("LAC")
            if mcc is not None and mnc is not None and lac is not None:
                return "%s-%s-%s" % (mcc.text, mnc.text, lac.text)
        return None

    @property
    def cause(self) -> Optional[int]:
        """The first cause value of the message (CC, MM, GMM, SM or RR cause), as its number."""
        for e in self.elements.iter():
            t = e.tag.lower()
            if not e.children and ("cause" in t) and e.code is not None:
                return e.code
        return None

    def __repr__(self) -> str:
        where = ""
        if self._capture:
            where = " frame=%d arfcn=%d ts=%d %s" % (self._capture[0], self._capture[3], self._capture[4],
                                                     self._capture[5])
        status = self.status.name if isinstance(self.status, Status) else str(self.status)
        return "<Message %s %s %s%s %s %d octets>" % (
            "UL" if self.direction else "DL", self.protocol or "?", self.name or "-", where, status,
            len(self.octets))

    def __str__(self) -> str:
        return self.text


_local = threading.local()


def _decode_raw(octets: bytes, direction: int, fmt: int) -> Tuple[str, _native.Result]:
    lib = _native.load()
    decode = _native.require(lib, "tharvel_decode")
    options = _native.Options(ctypes.sizeof(_native.Options), direction, fmt, 0, 0)
    result = _native.Result()
    result.size = ctypes.sizeof(result)
    buf = getattr(_local, "buf", None)
    if buf is None:
        buf = _local.buf = ctypes.create_string_buffer(1 << 16)
    decode(octets, len(octets), ctypes.byref(options), buf, len(buf), ctypes.byref(result))
    if result.needed >= len(buf):
        buf = _local.buf = ctypes.create_string_buffer(result.needed + 1)
        decode(octets, len(octets), ctypes.byref(options), buf, len(buf), ctypes.byref(result))
    text = ctypes.string_at(buf, result.needed).decode("utf-8", "replace")
    return text, result


_names: dict = {}


def _name(raw: Optional[bytes]) -> str:
    if raw is None:
        return ""
    s = _names.get(raw)
    if s is None:
        s = _names[raw] = raw.decode("ascii", "replace")
    return s


def decode(message: BytesLike, direction: Any = 0) -> Message:
    """Decodes one layer-3 message (octets from the protocol discriminator on).

    direction: 0 (or "DL") network to mobile, 1 (or "UL") mobile to network.
    Raises TypeError for a message that is not bytes-like, ValueError for another direction.
    """
    octets = octets_of(message)
    d = direction_of(direction)
    text, r = _decode_raw(octets, d, FORMAT_TEXT)
    return Message(octets, d, _status(r.status), _name(r.protocol), _name(r.name), text, r.key)


# The batch entry as bytes: frame, time_sec, time_nsec, status, text offset and length, octets offset
# and length, protocol, name, channel name, key, arfcn, pd, direction, timeslot, sub_slot, channel,
# sapi, pcs_band, has_signal, signal_dbm, source, flags, gsmtap_type.
_ENTRY = struct.Struct("@QqiiNNNNPPPHHBBBBBBBBbBBB")

_pointer_names: dict = {}


def _static_text(pointer: int) -> str:
    s = _pointer_names.get(pointer)
    if s is None:
        s = ctypes.string_at(pointer).decode("ascii", "replace") if pointer else ""
        _pointer_names[pointer] = s
    return s


class Batch:
    """A library batch: many messages decoded per call (one per thread; not shared)."""

    def __init__(self) -> None:
        lib = self._lib = _native.load()
        _native.require(lib, "tharvel_batch_new")
        size = lib.tharvel_batch_entry_size()
        if size != _ENTRY.size:
            raise RuntimeError("libtharvel's batch entry is %d bytes, this package reads %d" % (size, _ENTRY.size))
        self._handle = lib.tharvel_batch_new()
        if not self._handle:
            raise MemoryError("tharvel_batch_new")
        self._options = _native.Options(ctypes.sizeof(_native.Options), 0, FORMAT_TEXT, 0, 0)

    def close(self) -> None:
        """Frees the batch's buffers."""
        if self._handle:
            self._lib.tharvel_batch_free(self._handle)
            self._handle = None

    def __del__(self) -> None:
        try:
            self.close()
        except Exception:
            pass

    def decode(self, messages: Sequence[Tuple[int, bytes]]) -> List[Message]:
        """Decodes (direction, octets) pairs whose values were checked already."""
        lib = self._lib
        n = len(messages)
        starts = (ctypes.c_size_t * (n + 1))()
        directions = (ctypes.c_uint8 * max(n, 1))()
        pos = 0
        for i, (d, m) in enumerate(messages):
            starts[i] = pos
            directions[i] = d
            pos += len(m)
        starts[n] = pos
        octets = b"".join(m for _, m in messages)
        if lib.tharvel_batch_decode(self._handle, octets, starts, directions, n, ctypes.byref(self._options)) < 0:
            raise MemoryError("tharvel_batch_decode")
        return self._collect(capture=False)

    def read_capture(self, capture: int, limit: int) -> Optional[List[Message]]:
        """Up to `limit` messages of a capture; [] at the end, None on an error of the capture."""
        got = self._lib.tharvel_batch_read_capture(self._handle, capture, limit, ctypes.byref(self._options))
        if got < 0:
            return None
        return self._collect(capture=True)

    def error(self) -> str:
        """What the capture's last error was."""
        return (self._lib.tharvel_batch_error(self._handle) or b"").decode("utf-8", "replace")

    def _collect(self, capture: bool) -> List[Message]:
        lib = self._lib
        size = ctypes.c_size_t()
        count = ctypes.c_size_t()
        entries_ptr = lib.tharvel_batch_entries(self._handle, ctypes.byref(count))
        if count.value == 0:
            return []
        raw_entries = ctypes.string_at(entries_ptr, count.value * _ENTRY.size)
        text_ptr = lib.tharvel_batch_text(self._handle, ctypes.byref(size))
        raw_text = ctypes.string_at(text_ptr, size.value)
        octets_ptr = lib.tharvel_batch_octets(self._handle, ctypes.byref(size))
        raw_octets = ctypes.string_at(octets_ptr, size.value) if size.value else b""
        if raw_text.isascii():
            text = raw_text.decode("ascii")

            def doc(offset: int, length: int) -> str:
                return text[offset:offset + length]
        else:
            def doc(offset: int, length: int) -> str:
                return raw_text[offset:offset + length].decode("utf-8", "replace")
        out = []
        append = out.append
        names = _pointer_names
        statuses = _STATUSES
        for (frame, sec, nsec, status, t_off, t_len, o_off, o_len, proto, name, chan, key, arfcn, _pd, d, ts,
             sub, ctype, sapi, _pcs, has_signal, dbm, _src, _flags, _gtype) in _ENTRY.iter_unpack(raw_entries):
            p = names.get(proto) or _static_text(proto)
            nm = names.get(name) or _static_text(name)
            meta = None
            if capture:
                meta = (frame, sec, nsec, arfcn, ts, names.get(chan) or _static_text(chan), ctype, sub, sapi,
                        dbm if has_signal else None, _pcs)
            append(Message(raw_octets[o_off:o_off + o_len], d, statuses.get(status, status), p, nm,
                           doc(t_off, t_len), key, meta))
        return out


def decode_many(messages: Iterable[Any], chunk: int = 512) -> Iterator[Message]:
    """Decodes (direction, octets) pairs or "UL|DL hex" lines, many per call into the library."""
    batch = Batch()
    try:
        pending: List[Tuple[int, bytes]] = []
        for item in messages:
            if isinstance(item, str):
                parsed = parse_line(item)
                if parsed is None:
                    continue
                pending.append(parsed)
            else:
                pending.append(_pair(item))
            if len(pending) >= chunk:
                yield from batch.decode(pending)
                pending = []
        if pending:
            yield from batch.decode(pending)
    finally:
        batch.close()


def parse_line(line: str) -> Optional[Tuple[int, bytes]]:
    """A "UL|DL hex  # comment" line as (direction, octets); None for a blank or comment line."""
    body = line.split("#", 1)[0].strip()
    if not body:
        return None
    word, _, rest = body.partition(" ")
    if word not in ("UL", "DL"):
        raise ValueError("line does not start with UL or DL: %r" % line.strip())
    digits = "".join(rest.split())
    try:
        return (1 if word == "UL" else 0), bytes.fromhex(digits)
    except ValueError:
        raise ValueError("bad hex in line: %r" % line.strip()) from None


def _pair(item: Any) -> Tuple[int, bytes]:
    if not isinstance(item, tuple) or len(item) != 2:
        raise TypeError("a message is a (direction, octets) pair or a \"UL|DL hex\" line, not %r"
                        % type(item).__name__)
    return direction_of(item[0]), octets_of(item[1])
