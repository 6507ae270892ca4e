"""tharvel.dask on a LocalCluster of two worker processes, against a sequential decode.

Run as a script: exits 77 (ctest's skip) when dask, distributed or pandas is missing.
"""

import math
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import captures  # noqa: E402

try:
    import dask  # noqa: F401
    import distributed
    import pandas  # noqa: F401
except ImportError as e:
    if __name__ == "__main__":
        print("SKIPPED: the Dask test needs dask, distributed and pandas (scripts/deps.sh installs "
              "python3-dask python3-distributed python3-pandas): %s" % e)
        sys.exit(77)
    raise unittest.SkipTest("dask, distributed or pandas missing: %s" % e)

import tharvel  # noqa: E402
import tharvel.dask  # noqa: E402


def expected_rows(path):
    """The rows by a plain sequential read, written out here rather than through the module."""
    rows = []
    for m in tharvel.read_capture(path):
        rows.append((os.path.basename(path), m.frame, m.time_ns, m.arfcn, m.channel, m.direction, m.protocol,
                     m.name, m.status.name, m.find("IMSI"), m.find("TMSI"), m.lai, m.cause))
    return rows


class DaskTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        pairs = captures.corpus_pairs()
        cls.paths = []
        # three files of different sizes, so that partitions differ
        for k, (lo, hi) in enumerate([(0, 100), (100, 300), (300, len(pairs))]):
            packets = [captures.gsmtap_abis(d, m, 20 + k, i % 8, i) for i, (d, m) in enumerate(pairs[lo:hi])]
            path = os.path.join(cls.dir.name, "part%d.pcap" % k)
            with open(path, "wb") as f:
                f.write(captures.pcap(packets, start=1_700_000_000 + 1000 * k))
            cls.paths.append(path)
        cls.cluster = distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                               dashboard_address=None, silence_logs=40)
        cls.client = distributed.Client(cls.cluster)

    @classmethod
    def tearDownClass(cls):
        cls.client.close()
        cls.cluster.close()
        cls.dir.cleanup()

    def test_rows_match_a_sequential_decode(self):
        df = tharvel.dask.read_captures(os.path.join(self.dir.name, "part*.pcap"))
        self.assertEqual(df.npartitions, 3)
        self.assertEqual(list(df.columns), list(tharvel.dask.COLUMNS))
        with distributed.get_task_stream(self.client) as stream:
            got = df.compute()
        workers = {t["worker"] for t in stream.data}
        self.assertTrue(workers and workers <= set(self.client.scheduler_info()["workers"]), workers)
        expected = [r for p in self.paths for r in expected_rows(p)]
        self.assertEqual(len(got), len(expected))
        for row, exp in zip(got.itertuples(index=False), expected):
            cause = None if (isinstance(row.cause, float) and math.isnan(row.cause)) else int(row.cause)
            as_tuple = (os.path.basename(row.file), row.frame, row.time.value, row.arfcn, row.channel,
                        row.direction, row.protocol, row.name, row.status, row.imsi, row.tmsi, row.lai, cause)
            self.assertEqual(as_tuple, exp)
        self.assertGreater(got["imsi"].notna().sum(), 0)
        self.assertGreater(got["lai"].notna().sum(), 0)
        self.assertGreater(got["cause"].notna().sum(), 0)

    def test_aggregation_on_the_cluster(self):
        df = tharvel.dask.read_captures(self.paths)
        counts = df.groupby("protocol").size().compute()
        seq = {}
        for p in self.paths:
            for m in tharvel.read_capture(p):
                seq[m.protocol] = seq.get(m.protocol, 0) + 1
        self.assertEqual(counts.to_dict(), seq)

    def test_missing_files(self):
        with self.assertRaises(FileNotFoundError):
            tharvel.dask.read_captures(os.path.join(self.dir.name, "none*.pcap"))


if __name__ == "__main__":
    unittest.main()
