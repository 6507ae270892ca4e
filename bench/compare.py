#!/usr/bin/env python3
"""Times libtharvel, a memcpy of the same output (the floor) and tshark on the
same messages, in one run, and prints the ratios.

    bench/compare.py BUILD_DIR [MESSAGE_FILE]

BUILD_DIR holds bench/tharvel_time (configure with -DTHARVEL_BENCH=ON). tshark
decodes a pcap whose user link type 0 (DLT 147) maps to the GSM DTAP dissector
(148 to the CCCH one, for broadcast system information) to a full text tree;
its start-up, measured on a one-message file, is subtracted.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

DLT_USER0 = 147
DLT_USER1 = 148
UAT = ('"User 0 (DLT=147)","gsm_a_dtap","0","","0",""',
       '"User 1 (DLT=148)","gsm_a_ccch","0","","0",""')


def read_messages(path):
    msgs = []
    for line in open(path):
        line = line.split('#', 1)[0].strip()
        m = re.match(r'(UL|DL)\s+([0-9a-fA-F\s]+)$', line)
        if m:
            hexs = re.sub(r'\s', '', m.group(2))
            if len(hexs) % 2 == 0 and len(hexs) >= 4:
                msgs.append((m.group(1), bytes.fromhex(hexs)))
    return msgs


def write_pcap(path, dlt, payloads):
    with open(path, 'wb') as f:
        f.write(struct.pack('<IHHiIII', 0xA1B2C3D4, 2, 4, 0, 0, 65535, dlt))
        for i, p in enumerate(payloads):
            f.write(struct.pack('<IIII', 1700000000 + i, 0, len(p), len(p)))
            f.write(p)


def is_broadcast_si(msg):
    # RR system information types seen on BCCH
    return (msg[0] & 0x0F) == 6 and msg[1] in set(range(0x18, 0x20)) | {0x00, 0x01, 0x02, 0x03, 0x04, 0x07, 0x3D,
                                                                          0x3E, 0x40, 0x41, 0x42, 0x44}


def time_tshark(pcaps, rounds):
    cfg = tempfile.mkdtemp()
    with open(os.path.join(cfg, 'user_dlts'), 'w') as f:
        f.write('\n'.join(UAT) + '\n')
    env = dict(os.environ, WIRESHARK_CONFIG_DIR=cfg, XDG_CONFIG_HOME=cfg)
    total = 0.0
    for _ in range(rounds):
        for pcap in pcaps:
            t0 = time.perf_counter()
            subprocess.run(['tshark', '-n', '-V', '-r', pcap], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           env=env, check=False)
            total += time.perf_counter() - t0
    shutil.rmtree(cfg, ignore_errors=True)
    return total / rounds


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    build = sys.argv[1]
    here = os.path.dirname(os.path.abspath(__file__))
    src = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, '..', '..', 'shared', 'corpus', 'real-messages.txt')
    if shutil.which('tshark') is None:
        print('tshark is not installed (apt-get install tshark)')
        return 1
    msgs = read_messages(src)
    # Enough messages that tshark's per-message cost dominates its start-up.
    copies = max(1, 20000 // len(msgs))
    work = tempfile.mkdtemp()
    dtap = [m for _, m in msgs if not is_broadcast_si(m)] * copies
    ccch = [m for _, m in msgs if is_broadcast_si(m)] * copies
    big = [os.path.join(work, 'dtap.pcap'), os.path.join(work, 'ccch.pcap')]
    write_pcap(big[0], DLT_USER0, dtap)
    write_pcap(big[1], DLT_USER1, ccch)
    one = [os.path.join(work, 'one_dtap.pcap'), os.path.join(work, 'one_ccch.pcap')]
    write_pcap(one[0], DLT_USER0, dtap[:1])
    write_pcap(one[1], DLT_USER1, ccch[:1])

    probe = os.path.join(build, 'bench', 'tharvel_time')
    out = subprocess.run([probe, src, str(copies * 20)], capture_output=True, text=True, check=True).stdout
    dec = re.search(r'decode ([\d.]+) s (\d+) messages (\d+) bytes', out)
    cpy = re.search(r'memcpy ([\d.]+) s (\d+) messages', out)
    lib_rate = int(dec.group(2)) / float(dec.group(1))
    copy_rate = int(cpy.group(2)) / float(cpy.group(1))

    startup = time_tshark(one, 3)
    full = time_tshark(big, 1)
    tshark_s = max(full - startup, 1e-9)
    tshark_rate = (len(dtap) + len(ccch)) / tshark_s
    shutil.rmtree(work, ignore_errors=True)

    print(f'messages: {len(msgs)} distinct; library {int(dec.group(2))} decodes, tshark {len(dtap) + len(ccch)}')
    print(f'library  {lib_rate:14.0f} msg/s  ({int(dec.group(3)) / float(dec.group(1)) / 1e6:.1f} MB/s of text)')
    print(f'memcpy   {copy_rate:14.0f} msg/s  (same bytes)')
    print(f'tshark   {tshark_rate:14.0f} msg/s  (start-up {startup:.2f} s subtracted)')
    print(f'library / tshark = {lib_rate / tshark_rate:.1f}x   (aim: at least 20x)')
    print(f'memcpy / library = {copy_rate / lib_rate:.1f}x   (aim: at most 5x)')
    return 0


if __name__ == '__main__':
    sys.exit(main())
