#!/usr/bin/env python3
"""Times libtharvel, a memcpy of the same output (the floor) and tshark on the
same messages, in one run, and prints the ratios.

    bench/compare.py BUILD_DIR [MESSAGE_FILE] [--repeat N]

BUILD_DIR holds bench/tharvel_time (configure with -DTHARVEL_BENCH=ON). tshark
decodes a pcap whose user link type 0 (DLT 147) maps to the GSM DTAP dissector
(148 to the CCCH one, for broadcast system information) to a full text tree;
its start-up, measured on a one-message file, is subtracted.

Two sets are timed: every message of the file, and those whose documents close
(the rest take the library's failure path, a file append each). Times are CPU
seconds (user + system), so other load on a shared machine counts less; each
figure is the median of N runs (default 3).
"""
import os
import re
import resource
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile

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


def child_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def time_tshark(pcaps, env):
    total = 0.0
    for pcap in pcaps:
        if pcap is None:
            continue
        t0 = child_cpu()
        subprocess.run(['tshark', '-n', '-V', '-r', pcap], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       env=env, check=False)
        total += child_cpu() - t0
    return total


def measure(build, src, work, env, repeat):
    msgs = read_messages(src)
    # Enough messages that tshark's per-message cost dominates its start-up.
    copies = max(1, 100000 // len(msgs))
    dtap = [m for _, m in msgs if not is_broadcast_si(m)] * copies
    ccch = [m for _, m in msgs if is_broadcast_si(m)] * copies
    big, one = [None, None], [None, None]
    for i, (dlt, payloads) in enumerate(((DLT_USER0, dtap), (DLT_USER1, ccch))):
        if payloads:
            big[i] = os.path.join(work, f'big{i}.pcap')
            one[i] = os.path.join(work, f'one{i}.pcap')
            write_pcap(big[i], dlt, payloads)
            write_pcap(one[i], dlt, payloads[:1])

    probe = os.path.join(build, 'bench', 'tharvel_time')
    lib, cpy, tsh = [], [], []
    text_rate = []
    for _ in range(repeat):
        out = subprocess.run([probe, src, str(copies * 20)], capture_output=True, text=True, check=True).stdout
        dec = re.search(r'decode ([\d.]+) s (\d+) messages (\d+) bytes', out)
        cp = re.search(r'memcpy ([\d.]+) s (\d+) messages', out)
        lib.append(int(dec.group(2)) / float(dec.group(1)))
        text_rate.append(int(dec.group(3)) / float(dec.group(1)))
        cpy.append(int(cp.group(2)) / float(cp.group(1)))
        startup = statistics.median(time_tshark(one, env) for _ in range(3))
        full = time_tshark(big, env)
        tsh.append((len(dtap) + len(ccch)) / max(full - startup, 1e-9))
    return {
        'distinct': len(msgs), 'tshark_msgs': len(dtap) + len(ccch),
        'lib': statistics.median(lib), 'text': statistics.median(text_rate),
        'copy': statistics.median(cpy), 'tshark': statistics.median(tsh),
        'lib_over_tshark': statistics.median(a / b for a, b in zip(lib, tsh)),
        'copy_over_lib': statistics.median(a / b for a, b in zip(cpy, lib)),
    }


def report(name, r):
    print(f'{name}: {r["distinct"]} distinct messages, tshark decodes {r["tshark_msgs"]}')
    print(f'  library  {r["lib"]:14.0f} msg/s  ({r["text"] / 1e6:.1f} MB/s of text)')
    print(f'  memcpy   {r["copy"]:14.0f} msg/s  (same bytes)')
    print(f'  tshark   {r["tshark"]:14.0f} msg/s  (start-up subtracted)')
    print(f'  library / tshark = {r["lib_over_tshark"]:.1f}x   (aim: at least 20x)')
    print(f'  memcpy / library = {r["copy_over_lib"]:.1f}x   (aim: at most 5x)')


def main():
    args = sys.argv[1:]
    repeat = 3
    if '--repeat' in args:
        i = args.index('--repeat')
        repeat = int(args[i + 1])
        del args[i:i + 2]
    if not args:
        print(__doc__)
        return 2
    build = args[0]
    here = os.path.dirname(os.path.abspath(__file__))
    src = args[1] if len(args) > 1 else os.path.join(here, '..', 'tests', 'data', 'real-messages.txt')
    if shutil.which('tshark') is None:
        print('tshark is not installed (apt-get install tshark)')
        return 1
    work = tempfile.mkdtemp()
    cfg = os.path.join(work, 'cfg')
    os.mkdir(cfg)
    with open(os.path.join(cfg, 'user_dlts'), 'w') as f:
        f.write('\n'.join(UAT) + '\n')
    env = dict(os.environ, WIRESHARK_CONFIG_DIR=cfg, XDG_CONFIG_HOME=cfg)
    try:
        closed = os.path.join(work, 'closed.txt')
        subprocess.run([os.path.join(build, 'bench', 'tharvel_time'), src, '--closed-to', closed], check=True)
        report('all messages', measure(build, src, work, env, repeat))
        report('messages whose documents close', measure(build, closed, work, env, repeat))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == '__main__':
    sys.exit(main())
