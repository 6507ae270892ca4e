import datetime
import io
import os
import subprocess
import sys
import tempfile
import unittest
import warnings

sys.path.insert(0, os.path.dirname(__file__))
import captures  # noqa: E402
import tharvel  # noqa: E402


class CaptureTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        cls.pcap = os.path.join(cls.dir.name, "corpus.pcap")
        cls.data = captures.corpus_capture(cls.pcap)
        cls.pairs = captures.corpus_pairs()

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def test_same_documents_as_the_command_line_tool(self):
        tool = os.environ.get("THARVEL_DECODE")
        if not tool:
            self.skipTest("THARVEL_DECODE names the command-line tool")
        out = subprocess.run([tool, self.pcap], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
        # The same messages in the same order: the frame lines and the message's tag agree (the tool may
        # read direction-dependent elements by its own rules).
        def heads(documents):
            return [d.split("\n")[:5] for d in documents if d]

        tool_docs = ["<L3Message>\n" + d for d in out.stdout.decode("utf-8").split("<L3Message>\n")[1:]]
        ours = [m.text for m in tharvel.read_capture(self.pcap)]
        self.assertEqual(heads(ours), heads(tool_docs))
        self.assertEqual(len(heads(ours)), sum(1 for m in ours if m))

    def test_metadata_of_every_frame(self):
        messages = list(tharvel.read_capture(self.pcap, chunk=50))
        self.assertEqual(len(messages), len(self.pairs))
        for i, (m, (d, octets)) in enumerate(zip(messages, self.pairs)):
            with self.subTest(i=i):
                self.assertEqual((m.frame, m.arfcn, m.timeslot, m.direction, m.octets), (i + 1, 10 + i % 50, i % 8,
                                                                                         d, octets))
                self.assertEqual(m.time, datetime.datetime.fromtimestamp(1_700_000_000 + i, datetime.timezone.utc)
                                 + datetime.timedelta(microseconds=i * 7))
                self.assertEqual(m.channel, "L3")
                self.assertEqual(m.signal_dbm, -70)
        self.assertIn("frame=3 arfcn=12 ts=2 L3", repr(messages[2]))

    def test_sources_agree(self):
        expected = [(m.frame, m.text) for m in tharvel.read_capture(self.pcap)]
        with open(self.pcap, "rb") as f:
            self.assertEqual([(m.frame, m.text) for m in tharvel.read_capture(f)], expected)
        self.assertEqual([(m.frame, m.text) for m in tharvel.read_capture(self.data)], expected)
        self.assertEqual([(m.frame, m.text) for m in tharvel.read_capture(io.BytesIO(self.data))], expected)

    def test_text_lines_and_iterables(self):
        lines = ["DL 051801", "# comment", "UL 05 18 01"]
        text = "\n".join(lines) + "\n"
        from_text = [(m.frame, m.direction, m.octets) for m in tharvel.read_capture(io.StringIO(text))]
        self.assertEqual(from_text, [(1, 0, b"\x05\x18\x01"), (3, 1, b"\x05\x18\x01")])
        from_lines = [(m.direction, m.octets, m.frame) for m in tharvel.read_capture(iter(lines))]
        self.assertEqual(from_lines, [(0, b"\x05\x18\x01", None), (1, b"\x05\x18\x01", None)])
        pairs = ((d, o) for d, o in self.pairs[:10])
        self.assertEqual([m.octets for m in tharvel.read_capture(pairs)], [o for _, o in self.pairs[:10]])

    def test_errors(self):
        cut = self.data[:-5]
        got = []
        with self.assertRaises(tharvel.CaptureError):
            for m in tharvel.read_capture(cut):
                got.append(m)
        self.assertEqual(len(got), len(self.pairs) - 1)  # every message before the cut
        self.assertEqual(len(list(tharvel.read_capture(cut, errors="ignore"))), len(self.pairs) - 1)
        with self.assertRaises(tharvel.CaptureError):
            list(tharvel.read_capture(os.path.join(self.dir.name, "missing.pcap")))
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("always")
            got = list(tharvel.read_capture(io.BytesIO(b"DL 0518\nXX zz\nUL 051801\n"), errors="warn"))
        self.assertEqual([m.frame for m in got], [1, 3])
        self.assertEqual(len(caught), 1)
        with self.assertRaises(TypeError):
            tharvel.read_capture(5)
        with self.assertRaises(ValueError):
            tharvel.read_capture(self.pcap, errors="skip")


if __name__ == "__main__":
    unittest.main()
