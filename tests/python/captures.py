"""Test captures built from message lines: GSMTAP over UDP 4729 in pcap files."""

import os
import struct

CORPUS = os.environ.get("THARVEL_CORPUS") or os.path.join(os.path.dirname(__file__), "..", "data",
                                                          "real-messages.txt")


def corpus_lines():
    """The corpus's message lines, comments cut."""
    with open(CORPUS, encoding="ascii") as f:
        return [line.split("#", 1)[0].strip() for line in f if line[:2] in ("UL", "DL")]


def corpus_pairs():
    """(direction, octets) of every corpus message."""
    return [(1 if line[:2] == "UL" else 0, bytes.fromhex("".join(line[2:].split()))) for line in corpus_lines()]


def gsmtap_abis(direction, octets, arfcn, timeslot, fn):
    """A GSMTAP header of type 2 (bare layer 3) and the message."""
    arfcn_field = arfcn | (0x4000 if direction else 0)
    # version, header length in words, type, timeslot, ARFCN and uplink flag, signal dBm, SNR,
    # frame number, sub-type, antenna, sub-slot, reserved
    return struct.pack(">BBBBHbbIBBBB", 2, 4, 2, timeslot, arfcn_field, -70, 0, fn, 0, 0, 0, 0) + octets


def udp_ipv4_ethernet(payload, src_port=40000, dst_port=4729):
    udp = struct.pack(">HHHH", src_port, dst_port, 8 + len(payload), 0) + payload
    ip = struct.pack(">BBHHHBBH4s4s", 0x45, 0, 20 + len(udp), 0, 0, 64, 17, 0, bytes([127, 0, 0, 1]),
                     bytes([127, 0, 0, 1])) + udp
    return b"\x00" * 12 + b"\x08\x00" + ip


def pcap(packets, start=1_700_000_000):
    """A pcap file (Ethernet, microseconds) of the payloads, one second plus i microseconds apart."""
    out = [struct.pack("<IHHiIII", 0xA1B2C3D4, 2, 4, 0, 0, 65535, 1)]
    for i, payload in enumerate(packets):
        frame = udp_ipv4_ethernet(payload)
        out.append(struct.pack("<IIII", start + i, i * 7, len(frame), len(frame)) + frame)
    return b"".join(out)


def corpus_capture(path=None):
    """The whole corpus as a pcap of GSMTAP type 2 packets; ARFCN 10 + i % 50, timeslot i % 8."""
    packets = [gsmtap_abis(d, m, 10 + i % 50, i % 8, 1000 + i) for i, (d, m) in enumerate(corpus_pairs())]
    data = pcap(packets)
    if path:
        with open(path, "wb") as f:
            f.write(data)
    return data
