#!/usr/bin/env python3
"""Message rate of the Python package against the command-line tool, in CPU seconds.

    bench/python_rate.py BUILD [--copies 100] [--repeat 3]

Builds a pcap of the corpus repeated --copies times (GSMTAP, bare layer 3), then times
tharvel-decode on it (documents to /dev/null) and tharvel.read_capture over it (every
document's text taken), best of --repeat runs each; also one tharvel.decode per message.
"""

import argparse
import os
import resource
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "python"))
sys.path.insert(0, os.path.join(here, "..", "python"))


def child_cpu():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build")
    ap.add_argument("--copies", type=int, default=100)
    ap.add_argument("--repeat", type=int, default=3)
    args = ap.parse_args()
    os.environ.setdefault("THARVEL_LIBRARY", os.path.join(args.build, "libtharvel.so"))
    import captures
    import tharvel

    pairs = captures.corpus_pairs() * args.copies
    packets = [captures.gsmtap_abis(d, m, 10 + i % 50, i % 8, i) for i, (d, m) in enumerate(pairs)]
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "corpus.pcap")
        with open(path, "wb") as f:
            f.write(captures.pcap(packets))
        tool = os.path.join(args.build, "tharvel-decode")
        cli, py, one = [], [], []
        for _ in range(args.repeat):
            before = child_cpu()
            subprocess.run([tool, path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            cli.append(child_cpu() - before)
            t = time.process_time()
            n = sum(len(m.text) > 0 for m in tharvel.read_capture(path))
            py.append(time.process_time() - t)
            t = time.process_time()
            for d, m in pairs:
                tharvel.decode(m, d).text
            one.append(time.process_time() - t)
        # the tool's CPU includes its start-up: measured on an empty capture and taken off
        empty = os.path.join(tmp, "empty.pcap")
        with open(empty, "wb") as f:
            f.write(captures.pcap([]))
        before = child_cpu()
        for _ in range(5):
            subprocess.run([tool, empty], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        startup = (child_cpu() - before) / 5
    count = len(pairs)
    rate = lambda s: count / max(s, 1e-9)  # noqa: E731
    c = rate(max(min(cli) - startup, 1e-9))
    p = rate(min(py))
    print("messages                    %d (%d documents)" % (count, n))
    print("tharvel-decode              %.0f msg/s (start-up %.3f s CPU taken off)" % (c, startup))
    print("tharvel.read_capture        %.0f msg/s  = %.2f x the tool" % (p, p / c))
    print("tharvel.decode one by one   %.0f msg/s  = %.2f x the tool" % (rate(min(one)), rate(min(one)) / c))


if __name__ == "__main__":
    main()
