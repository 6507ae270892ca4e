#!/usr/bin/env python3
"""Builds GSMTAP captures from the message corpus and checks that the capture
reader and tshark see the same layer-3 messages in them.

  scripts/capture-vs-tshark.py LIBTHARVEL.so OUTDIR [CORPUS]

Each capture puts CCCH messages on BCCH/AGCH/PCH with their pseudo-length,
SACCH system information in UI frames, and everything else in I-frames on
four SDCCH/8 links (segmented at 20 octets, N(S) in order per direction),
with some of: hopping ARFCNs, retransmitted I-frames (P bit set), CCCH fill
blocks and LAPDm fill frames, RR frames, and the first message of a link in
a SABM echoed by its UA (with the SABM left out: a downlink-only recording).
Messages are compared per frame as (frame, protocol discriminator, type).
"""
import ctypes
import os
import random
import re
import struct
import subprocess
import sys

CCCH_TYPES = {0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1F, 0x02, 0x03, 0x07, 0x00, 0x3D, 0x3E, 0x3F, 0x39, 0x3A, 0x21, 0x22,
              0x24}
SACCH_TYPES = {0x1D, 0x1E, 0x05, 0x06, 0x15}
PSEUDO_ZERO = {0x00, 0x03, 0x07}  # SI 13, 2ter, 2quater
SETUP_TYPES = {(6, 0x27), (5, 0x24), (5, 0x08), (5, 0x28)}  # first messages of a connection
ARFCNS = [12, 37, 58, 81]


def gsmtap(sub, payload, uplink=False, ts=1, sub_slot=0, arfcn=12, fn=0):
    a = arfcn | (0x4000 if uplink else 0)
    return struct.pack('>BBBBHbBIBBBB', 2, 4, 1, ts, a, -60, 20, fn, sub, 0, sub_slot, 0) + payload


def lapdm(addr, ctrl, info, more=False, size=23):
    f = bytes([addr, ctrl, len(info) << 2 | (2 if more else 0) | 1]) + info
    return f + b'\x2b' * (size - len(f))


def read_corpus(path):
    out = []
    for line in open(path):
        line = line.split('#', 1)[0].strip()
        m = re.match(r'(UL|DL)\s+([0-9a-fA-F\s]+)$', line)
        if m:
            hexs = re.sub(r'\s', '', m.group(2))
            if len(hexs) % 2 == 0 and len(hexs) >= 4:
                out.append((1 if m.group(1) == 'UL' else 0, bytes.fromhex(hexs)))
    return out


def build(messages, rng, hop, retransmit, fill, echo, drop_sabm, loss):
    """GSMTAP packets in capture order, and a note on the packets where the tools may part."""
    queues = {}  # (sub_slot, sapi) -> (uplink, frame) in order, both directions
    ns = {}
    first = set()
    fresh = set()  # directions of a link just set up
    lossy = set()  # directions that just lost an I-frame
    other = []
    for d, m in messages:
        pd, mt = m[0] & 0x0F, m[1]
        if pd == 6 and m[0] >> 4 == 0 and mt in CCCH_TYPES and len(m) <= 22 and d == 0:
            pl = 1 if mt in PSEUDO_ZERO else (len(m) << 2 | 1)
            sub = 1 if mt in (0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1F, 0x02, 0x03, 0x07, 0x00, 0x3D, 0x3E) else \
                (5 if mt in (0x21, 0x22, 0x24) else 4)
            other.append(('ccch', sub, bytes([pl]) + m + b'\x2b' * (22 - len(m)), key_of(m)))
            continue
        if pd == 6 and mt in SACCH_TYPES and len(m) <= 18:
            other.append(('sacch', d, bytes([0x05, 0x01]) + lapdm(0x01, 0x03, m, size=21), key_of(m)))
            continue
        if len(m) > 251:
            continue
        sapi = 3 if pd == 9 else 0
        link = rng.randrange(4)
        q = queues.setdefault((link, sapi), [])
        if echo and d == 1 and (pd, mt & 0x3F) in SETUP_TYPES and len(m) <= 20 and (link, sapi) not in first:
            # Link establishment: the state variables of both directions start again at 0.
            first.add((link, sapi))
            ns[(link, sapi, 0)] = ns[(link, sapi, 1)] = 0
            if not drop_sabm:
                q.append((1, lapdm(sapi << 2 | 1, 0x3F, m), None, key_of(m)))
            q.append((0, lapdm(sapi << 2 | 1, 0x73, m), None if drop_sabm else 'the UA echo of a SABM seen',
                      key_of(m) if drop_sabm else None))
            fresh |= {(link, sapi, 0), (link, sapi, 1)}
            continue
        key = (link, sapi, d)
        segs = [m[i:i + 20] for i in range(0, len(m), 20)]
        lost = False
        note = None
        if key in fresh:
            note = 'a message right after the link was set up again'
        if key in lossy:
            note = 'a message right after a lost I-frame'
        fresh.discard(key)
        lossy.discard(key)
        for i, seg in enumerate(segs):
            n = ns.get(key, 0)
            ns[key] = (n + 1) & 7
            more = i < len(segs) - 1
            if loss and rng.random() < 0.04:
                lost = True  # a burst not decoded
                note = 'a message that lost an I-frame'
                continue
            truth = key_of(m) if not more and not lost else None
            q.append((d, lapdm(sapi << 2 | 1, n << 1, seg, more), note, truth))
            if retransmit and rng.random() < 0.15:
                q.append((d, lapdm(sapi << 2 | 1, n << 1 | 0x10, seg, more), None, None))
            if fill and rng.random() < 0.2:
                q.append((1 - d, lapdm(sapi << 2 | 1, 0x01 | (n + 1 & 7) << 5, b''), None, None))  # RR
        if lost:
            lossy.add(key)
    packets = []
    notes = {}
    truths = set()  # (frame, pd, type) of each message sent whole
    live = [k for k in queues if queues[k]]
    pos = {k: 0 for k in queues}
    fn = 0
    while live or other:
        fn += 1
        arfcn = rng.choice(ARFCNS) if hop else ARFCNS[0]
        if fill and rng.random() < 0.15:
            kind = rng.randrange(3)
            if kind == 0:
                packets.append(gsmtap(4, b'\x01' + b'\x2b' * 22, fn=fn))  # AGCH fill block
            elif kind == 1:
                packets.append(gsmtap(5, b'\x2b' * 23, fn=fn))
            else:
                packets.append(gsmtap(8, lapdm(0x03, 0x03, b''), sub_slot=rng.randrange(4), arfcn=arfcn, fn=fn))
            continue
        if other and (not live or rng.random() < len(other) / (len(other) + len(live) * 4)):
            kind, a, payload, truth = other.pop(0)
            if kind == 'ccch':
                packets.append(gsmtap(a, payload, fn=fn))
            else:
                packets.append(gsmtap(0x88, payload, uplink=bool(a), arfcn=arfcn, fn=fn))
            truths.add((len(packets),) + truth)
            continue
        k = rng.choice(live)
        uplink, frame, note, truth = queues[k][pos[k]]
        packets.append(gsmtap(8, frame, uplink=bool(uplink), sub_slot=k[0], arfcn=arfcn, fn=fn))
        if note:
            notes[len(packets)] = note
        if truth:
            truths.add((len(packets),) + truth)
        pos[k] += 1
        if pos[k] == len(queues[k]):
            live.remove(k)
    return packets, notes, truths


def write_pcap(path, packets):
    with open(path, 'wb') as f:
        f.write(struct.pack('<IHHiIII', 0xA1B2C3D4, 2, 4, 0, 0, 65535, 1))
        for i, p in enumerate(packets):
            udp = struct.pack('>HHHH', 4729, 4729, 8 + len(p), 0) + p
            ip = struct.pack('>BBHHHBBH4s4s', 0x45, 0, 20 + len(udp), 0, 0x4000, 64, 17, 0, bytes([127, 0, 0, 1]),
                             bytes([127, 0, 0, 1]))
            frame = bytes(12) + b'\x08\x00' + ip + udp
            f.write(struct.pack('<IIII', 1700000000 + i, 0, len(frame), len(frame)) + frame)


class Frame(ctypes.Structure):
    _fields_ = [('size', ctypes.c_uint32), ('frame', ctypes.c_uint64), ('time_sec', ctypes.c_int64),
                ('time_nsec', ctypes.c_int32), ('arfcn', ctypes.c_uint16), ('pcs_band', ctypes.c_uint8),
                ('timeslot', ctypes.c_uint8), ('sub_slot', ctypes.c_uint8), ('channel', ctypes.c_uint8),
                ('sapi', ctypes.c_uint8), ('direction', ctypes.c_uint8), ('has_signal', ctypes.c_uint8),
                ('signal_dbm', ctypes.c_int8), ('source', ctypes.c_uint8), ('flags', ctypes.c_uint8),
                ('gsmtap_type', ctypes.c_uint8), ('reserved', ctypes.c_uint8 * 3),
                ('gsm_frame_number', ctypes.c_uint32), ('octets', ctypes.POINTER(ctypes.c_uint8)),
                ('length', ctypes.c_size_t)]


def key_of(octets):
    pd = octets[0] & 0x0F
    mt = octets[1] if len(octets) > 1 else -1
    if pd in (3, 5, 0xB) and mt >= 0:
        mt &= 0x3F
    return pd, mt


def ours(lib, path):
    err = ctypes.create_string_buffer(256)
    cap = lib.tharvel_capture_open_path(path.encode(), err, 256)
    if not cap:
        raise SystemExit(err.value.decode())
    f = Frame()
    f.size = ctypes.sizeof(Frame)
    out = []
    while lib.tharvel_capture_next(cap, ctypes.byref(f)) == 1:
        out.append((f.frame,) + key_of(bytes(f.octets[:f.length])))
    lib.tharvel_capture_close(cap)
    return out


TYPE_FIELDS = ['gsm_a.dtap.msg_rr_type', 'gsm_a.dtap.msg_mm_type', 'gsm_a.dtap.msg_cc_type',
               'gsm_a.dtap.msg_gmm_type', 'gsm_a.dtap.msg_sm_type', 'gsm_a.dtap.msg_sms_type',
               'gsm_a.dtap.msg_ss_type', 'gsm_a.dtap.msg_tp_type']
PD_OF_FIELD = [6, 5, 3, 8, 10, 9, 11, 15]


def theirs(path):
    cmd = ['tshark', '-r', path, '-T', 'fields', '-E', 'occurrence=f', '-e', 'frame.number'] + \
          sum([['-e', f] for f in TYPE_FIELDS], [])
    res = subprocess.run(cmd, capture_output=True, text=True, check=True)
    out = []
    for line in res.stdout.splitlines():
        cols = line.split('\t')
        for pd, v in zip(PD_OF_FIELD, cols[1:]):
            if v:
                mt = int(v, 0)
                out.append((int(cols[0]), pd, mt & 0x3F if pd in (3, 5, 11) else mt))
                break
    return out


def main():
    lib = ctypes.CDLL(sys.argv[1])
    lib.tharvel_capture_open_path.restype = ctypes.c_void_p
    lib.tharvel_capture_open_path.argtypes = [ctypes.c_char_p, ctypes.c_char_p, ctypes.c_size_t]
    lib.tharvel_capture_next.argtypes = [ctypes.c_void_p, ctypes.POINTER(Frame)]
    lib.tharvel_capture_close.argtypes = [ctypes.c_void_p]
    outdir = sys.argv[2]
    corpus = read_corpus(sys.argv[3] if len(sys.argv) > 3 else 'tests/data/real-messages.txt')
    variants = [('plain', False, False, False, False, False), ('hopping', True, False, False, False, False),
                ('hopping-retransmit', True, True, False, False, False),
                ('hopping-retransmit-fill', True, True, True, False, False),
                ('all-with-sabm', True, True, True, True, False),
                ('all-downlink-echo', True, True, True, True, True)]
    variants = [v + (False,) for v in variants] + [('all-lost-frames', True, True, True, True, False, True)]
    status = 0
    print('capture                  packets sent-whole | ours: seen right wrong | tshark: seen right wrong | '
          'same only-ours only-tshark')
    for name, *flags in variants:
        packets, notes, truths = build(corpus, random.Random(20), *flags)
        path = os.path.join(outdir, name + '.pcap')
        write_pcap(path, packets)
        a, b = ours(lib, path), theirs(path)
        sa, sb = set(a), set(b)
        echoes = {k for k in sb if notes.get(k[0]) == 'the UA echo of a SABM seen'}
        print('%-24s %7d %10d | %10d %5d %5d | %12d %5d %5d | %4d %9d %11d' % (
            name, len(packets), len(truths), len(a), len(sa & truths), len(sa - truths), len(b), len(sb & truths),
            len(sb - truths - echoes), len(sa & sb), len(sa - sb), len(sb - sa)))
        unexplained = 0
        for who, diff in (('ours', sa - sb), ('tshark', sb - sa)):
            for x in sorted(diff):
                note = notes.get(x[0])
                unexplained += note is None
                print('   only %-6s frame %d pd %d type 0x%02x: %s' % ((who,) + x + (note or 'UNEXPLAINED',)))
        status |= unexplained > 0
    return status


if __name__ == '__main__':
    sys.exit(main())
