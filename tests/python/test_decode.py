import ipaddress
import os
import sys
import threading
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import captures  # noqa: E402
import tharvel  # noqa: E402
from tharvel import Status  # noqa: E402


def walk_keys(tree):
    """Every key and string value of a JSON tree."""
    stack, out = [tree], set()
    while stack:
        t = stack.pop()
        if isinstance(t, dict):
            for k, v in t.items():
                out.add(k)
                stack.append(v)
        elif isinstance(t, list):
            stack.extend(t)
        elif isinstance(t, str):
            out.add(t)
    return out


IMSI_DETACH = bytes.fromhex("050130089910070000006402")  # IMSI 901700000004620
CC_DISCONNECT = bytes.fromhex("036502e090")                 # cause 16, normal clearing
SI3 = None  # filled from the corpus: the first message with a location area


class DecodeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pairs = captures.corpus_pairs()

    def test_status_protocol_and_name(self):
        cases = [
            # octets, direction, status, protocol, name (empty: not decoded)
            ("051801", 0, Status.DECODED, "MM", "IDENTITY REQUEST"),
            ("0401", 0, Status.NOT_DECODED, None, ""),
            ("05", 1, Status.TOO_SHORT, None, ""),
            ("", 0, Status.TOO_SHORT, None, ""),
            ("051801" + "00" * 70000, 0, Status.TOO_LONG, "MM", "IDENTITY REQUEST"),
        ]
        for hexa, direction, status, protocol, name in cases:
            with self.subTest(hexa):
                m = tharvel.decode(bytes.fromhex(hexa), direction)
                self.assertEqual(m.status, status)
                self.assertIsInstance(m.status, Status)
                if protocol is not None:
                    self.assertEqual(m.protocol, protocol)
                if name:
                    self.assertEqual(m.name.upper().replace("_", " "), name)
                else:
                    self.assertEqual(m.name, "")
                self.assertEqual(m.direction, direction)
                batched = next(tharvel.decode_many([(direction, bytes.fromhex(hexa))]))
                self.assertEqual((batched.status, batched.name, batched.text), (m.status, m.name, m.text))

    def test_direction_in_document(self):
        self.assertIn("<dir>DOWNLINK</dir>", tharvel.decode(b"\x05\x18\x01", 0).text)
        self.assertIn("<dir>UPLINK</dir>", tharvel.decode(b"\x05\x18\x01", 1).text)
        self.assertIn("<dir>UPLINK</dir>", tharvel.decode(b"\x05\x18\x01", "UL").text)

    def test_every_corpus_message_tree_matches_text(self):
        try:
            tharvel.decode(b"\x05\x18\x01").tree
        except ValueError as e:
            self.skipTest(str(e))
        for i, (d, octets) in enumerate(self.pairs):
            m = tharvel.decode(octets, d)
            with self.subTest(i=i, octets=octets.hex()):
                self.assertTrue(m.text.startswith("<L3Message>") or m.text == "", m.text[:40])
                if not m.text:
                    continue
                keys = walk_keys(m.tree)
                tags = {e.tag for e in m.elements.iter() if e.tag}
                self.assertFalse(tags - keys, "tags of the text missing from the tree")

    def test_batch_equals_one_by_one(self):
        one = [tharvel.decode(o, d) for d, o in self.pairs]
        many = list(tharvel.decode_many(self.pairs, chunk=100))
        self.assertEqual(len(many), len(one))
        for a, b in zip(one, many):
            self.assertEqual((a.text, a.status, a.protocol, a.name, a.octets, a.direction),
                             (b.text, b.status, b.protocol, b.name, b.octets, b.direction))

    def test_hex_lines_and_pairs(self):
        lines = ["# comment", "", "DL 05 18 01", "UL 0518 01  # note"]
        got = [(m.direction, m.octets) for m in tharvel.decode_many(lines)]
        self.assertEqual(got, [(0, b"\x05\x18\x01"), (1, b"\x05\x18\x01")])
        with self.assertRaises(ValueError):
            list(tharvel.decode_many(["XX 0518"]))
        with self.assertRaises(ValueError):
            list(tharvel.decode_many(["DL 051"]))

    def test_bad_input_raises(self):
        type_errors = [5, "051801", None, [5, 0x18], 1.5]
        for bad in type_errors:
            with self.subTest(message=bad), self.assertRaises(TypeError):
                tharvel.decode(bad)
        value_errors = [256, -1, 2, "up", True + 1]
        for bad in value_errors:
            with self.subTest(direction=bad), self.assertRaises(ValueError):
                tharvel.decode(b"\x05\x18\x01", bad)
        with self.assertRaises(TypeError):
            tharvel.decode(b"\x05\x18\x01", 0.0)
        with self.assertRaises(TypeError):
            list(tharvel.decode_many([(0, "0518")]))
        with self.assertRaises(ValueError):
            list(tharvel.decode_many([(3, b"\x05\x18")]))

    def test_length_limit(self):
        # A message past 2 GiB cannot be built here; the check it goes through can.
        from tharvel._message import check_length
        check_length(tharvel.MAX_LENGTH, tharvel.MAX_LENGTH)
        with self.assertRaisesRegex(ValueError, "2147483648 octets"):
            check_length(2**31, tharvel.MAX_LENGTH)

    def test_bytes_like_inputs_agree(self):
        expected = tharvel.decode(IMSI_DETACH, 1).text
        for form in (bytearray(IMSI_DETACH), memoryview(IMSI_DETACH), memoryview(b"xx" + IMSI_DETACH)[2:]):
            self.assertEqual(tharvel.decode(form, 1).text, expected)

    def test_find_and_derived_fields(self):
        m = tharvel.decode(IMSI_DETACH, 1)
        self.assertEqual(m.find("IMSI"), "901700000004620")
        self.assertEqual(m.find_all("IMSI"), ["901700000004620"])
        self.assertIsNone(m.find("TMSI"))
        self.assertEqual(m.find("Type_of_identity"), "(1)IMSI")
        self.assertIsNone(m.find("No_such_tag"))
        self.assertEqual(tharvel.decode(CC_DISCONNECT, 0).cause, 16)
        with_lai = [tharvel.decode(o, d) for d, o in self.pairs]
        with_lai = [m for m in with_lai if "<MCC>" in m.text]
        self.assertTrue(with_lai)
        m = with_lai[0]
        self.assertEqual(m.lai, "%s-%s-%s" % (m.find("MCC"), m.find("MNC"), m.find("LAC")))
        self.assertGreaterEqual(len(m.find_all("MCC")), 1)

    def test_document_left_open_parses(self):
        root = tharvel.parse_document("<L3Message>\n<a>\n<b>\n(3)three</b>\n<c>1</c>")
        tags = [(e.tag, e.text) for e in root.iter()]
        self.assertEqual(tags, [("", ""), ("L3Message", ""), ("a", ""), ("b", "(3)three"), ("c", "1")])
        self.assertEqual(root.children[0].children[0].children[0].code, 3)

    def test_repr(self):
        r = repr(tharvel.decode(IMSI_DETACH, 1))
        self.assertIn("UL MM", r)
        self.assertIn("DECODED", r)
        self.assertIn("12 octets", r)
        self.assertNotIn("object at", r)

    def test_four_threads_agree(self):
        expected = [tharvel.decode(o, d).text for d, o in self.pairs]
        results = {}

        def work(i):
            if i % 2:
                results[i] = [m.text for m in tharvel.decode_many(self.pairs, chunk=64)]
            else:
                results[i] = [tharvel.decode(o, d).text for d, o in self.pairs]

        threads = [threading.Thread(target=work, args=(i,)) for i in range(4)]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        for i in range(4):
            self.assertEqual(results[i], expected, i)


# An SMS-DELIVER in CP-DATA: CP header 09 01 len, RP-DATA MT (01 ref, SC address 07 91 3386094000f0,
# no destination 00, RP-UD length), TPDU 04 (DELIVER), originator 0b 91 3306000000f0, PID 00, DCS,
# time stamp 71019111727580, UDL, UD.
def sms_deliver(dcs, udl, ud):
    tpdu = bytes.fromhex("040b913306000000f000") + bytes([dcs]) + bytes.fromhex("71019111727580") + \
        bytes([udl]) + ud
    rp = bytes.fromhex("0101079133860940 00f000".replace(" ", "")) + bytes([len(tpdu)]) + tpdu
    return bytes([0x09, 0x01, len(rp)]) + rp


class ExtractionTest(unittest.TestCase):
    def test_values_and_absent(self):
        pdp_accept = bytes.fromhex("0a42030323921f022b0601210a010203")
        cases = [
            (tharvel.causes, CC_DISCONNECT, 0, tharvel.Causes(16, None)),
            (tharvel.pdp_accept, pdp_accept, 0,
             tharvel.PdpAccept(4, 3, 9, 2, 31, ipaddress.IPv4Address("10.1.2.3"), 2, 3)),
            (tharvel.sms_text, sms_deliver(0x00, 4, bytes.fromhex("d4f29c0e")), 1,
             tharvel.SmsText(False, None, 1, 1, 4, b"Test")),
            # a message of another kind: None, never a marker number
            (tharvel.causes, IMSI_DETACH, 1, None),
            (tharvel.cm_service_type, b"\x05\x18\x01", 1, None),
            (tharvel.pdp_request_nsapi, b"\x05\x18\x01", 1, None),
            (tharvel.attach_accept_allocates_ptmsi, b"\x05\x18\x01", 0, None),
            (tharvel.pdp_accept, b"\x05\x18\x01", 0, None),
            (tharvel.sms_text, b"\x05\x18\x01", 1, None),
            (tharvel.sms_text, b"\x09", 1, None),
        ]
        for function, octets, direction, expected in cases:
            with self.subTest(function=function.__name__, octets=octets.hex()):
                self.assertEqual(function(octets, direction), expected)

    def test_eight_bit_text_keeps_every_octet(self):
        got = tharvel.sms_text(sms_deliver(0x04, 4, b"A\x00B\xff"), 1)
        self.assertEqual((got.char_count, got.text), (4, b"A\x00B\xff"))
        got = tharvel.sms_text(sms_deliver(0x04, 2, b"\x00\x00"), 1)
        self.assertEqual(got.text, b"\x00\x00")

    def test_mms_push(self):
        got = tharvel.mms_push(bytes.fromhex("2a0600") + b"\x83http://x/y\x00")
        self.assertEqual(got, tharvel.MmsPush(0x2A, b"http://x/y"))
        self.assertIsNone(tharvel.mms_push(b"\x2a\x06"))

    def test_bad_input_raises(self):
        for f in (tharvel.causes, tharvel.sms_text, tharvel.pdp_accept, tharvel.mms_push):
            with self.subTest(f.__name__), self.assertRaises(TypeError):
                f(5)
        with self.assertRaises(ValueError):
            tharvel.causes(CC_DISCONNECT, 256)


if __name__ == "__main__":
    unittest.main()
