import ctypes
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import captures  # noqa: E402
import tharvel  # noqa: E402
from tharvel import _native  # noqa: E402


def report_from_frames(path, kind, fmt):
    """The report fed the capture reader's own frames, without the package's Message path."""
    lib = _native.load()
    lib.tharvel_report_add.argtypes = [ctypes.c_void_p, ctypes.POINTER(_native.Frame)]
    cap = lib.tharvel_capture_open_path(path.encode(), None, 0)
    rep = lib.tharvel_report_new()
    frame = _native.Frame()
    try:
        while True:
            frame.size = ctypes.sizeof(frame)
            got = lib.tharvel_capture_next(cap, ctypes.byref(frame))
            if got <= 0:
                break
            lib.tharvel_report_add(rep, ctypes.byref(frame))
        n = lib.tharvel_report_write(rep, kind, fmt, None, 0)
        buf = ctypes.create_string_buffer(n + 1)
        lib.tharvel_report_write(rep, kind, fmt, buf, n + 1)
        return buf.raw[:n].decode()
    finally:
        lib.tharvel_report_free(rep)
        lib.tharvel_capture_close(cap)


class ReportTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.pcap = os.path.join(cls.dir.name, "corpus.pcap")
        captures.corpus_capture(cls.pcap)

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def test_same_reports_as_the_frames_give(self):
        r = tharvel.report(self.pcap)
        for kind in (tharvel.CELLS, tharvel.SMS, tharvel.OUTCOMES):
            for name, fmt in (("text", 0), ("csv", 1), ("json", 2)):
                with self.subTest(kind=kind, format=name):
                    self.assertEqual(r.write(kind, name), report_from_frames(self.pcap, kind, fmt))
        cells = tharvel.cells(self.pcap)
        self.assertTrue(cells)
        self.assertEqual({c["arfcn"] for c in cells} - set(range(10, 60)), set())

    def test_bad_kind_and_format(self):
        r = tharvel.Report()
        with self.assertRaises(ValueError):
            r.write(7)
        with self.assertRaises(ValueError):
            r.write(tharvel.CELLS, "xml")
        self.assertEqual(r.rows(tharvel.SMS), [])


if __name__ == "__main__":
    unittest.main()
