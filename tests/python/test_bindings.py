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


class ExtractionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lib = tharvel.Library()

    def test_pdp_accept_block(self):
        r, block = self.lib.pdp_context_accept(bytes.fromhex("0a420303 23921f02 2b060121 0a010203"),
                                               from_mobile=False)
        self.assertEqual(r, 1)
        self.assertEqual(block["ipv4_address"], 0x0A010203)
        self.assertEqual(block["llc_sapi"], 3)
        self.assertEqual(block["mean_throughput"], 31)

    def test_other_kind_and_markers(self):
        r, block = self.lib.cm_service_request(bytes.fromhex("051801"))
        self.assertEqual((r, block["service_type"]), (0, tharvel.Library.ABSENT))
        r, block = self.lib.diagnose(bytes.fromhex("036502e090"), from_mobile=False)
        self.assertEqual((r, block["cause"], block["second_cause"]), (1, 16, tharvel.Library.ABSENT))

    def test_cp_data_and_mms(self):
        deliver = bytes.fromhex("0901230101079133860940 00f000170 40b913306000000f00000 710191117275800 4d4f29c0e"
                                .replace(" ", ""))
        r, block = self.lib.cp_data(deliver, from_mobile=True)
        self.assertEqual((r, block["text"], block["concat_total"]), (1, b"Test", 1))
        r, tid, location = self.lib.mms_push(bytes.fromhex("2a0600") + b"\x83http://x/y\x00")
        self.assertEqual((r, tid, location), (1, 0x2A, b"http://x/y"))


if __name__ == "__main__":
    unittest.main()
