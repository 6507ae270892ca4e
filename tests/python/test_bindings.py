import os
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "python"))
import tharvel  # noqa: E402


class DecodeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lib = tharvel.Library()

    def test_frame_and_direction(self):
        r = self.lib.decode(bytes.fromhex("051801"))
        self.assertEqual(r.decoded, 1)
        self.assertTrue(r.document.startswith("<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>MM</channeltype>\n"))
        r = self.lib.decode(bytes.fromhex("051801"), uplink=True)
        self.assertIn("<dir>UPLINK</dir>", r.document)

    def test_rejected_and_short(self):
        self.assertEqual(tuple(self.lib.decode(bytes.fromhex("0401"))), (0, ""))
        self.assertEqual(tuple(self.lib.decode(b"\x05")), (0, "<L3Message>\n"))
        self.assertEqual(tuple(self.lib.decode(b"")), (0, "<L3Message>\n"))

    def test_threads_agree(self):
        msgs = [bytes([0x05, t, 0x01, 0x02, 0x03]) for t in range(0x40)]
        expected = [tuple(self.lib.decode(m)) for m in msgs]
        results = {}

        def work(i):
            results[i] = [tuple(self.lib.decode(m)) for m in msgs]

        threads = [threading.Thread(target=work, args=(i,)) for i in range(4)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        for i in range(4):
            self.assertEqual(results[i], expected)


if __name__ == "__main__":
    unittest.main()
