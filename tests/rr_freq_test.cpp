#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "rr/elements/frequency_list.h"
#include "test_util.h"

namespace l3 {
namespace {

using tharvel_test::octets;

// Independent range encoder after the standard's recursive algorithm: values
// are local to a subtree (1..range, range = 2^k - 1); the pivot leaves
// floor((n-1)/2) values in the half range after it, so that W indices stay
// contiguous from 1.
void encode_subtree(std::vector<uint16_t>& w, uint32_t index, uint32_t j, const std::vector<uint32_t>& set,
                    uint32_t range) {
  if (set.empty()) return;
  if (w.size() <= index) w.resize(index + 1);
  if (set.size() == 1) {
    w[index] = static_cast<uint16_t>(set[0]);
    return;
  }
  const uint32_t half = (range - 1) / 2;
  auto after = [&](uint32_t p, uint32_t q) { return q != p && (q + range - p) % range <= half; };
  uint32_t pivot = 0;
  for (uint32_t p : set) {
    if (std::count_if(set.begin(), set.end(), [&](uint32_t q) { return after(p, q); }) ==
        static_cast<long>((set.size() - 1) / 2)) {
      pivot = p;
      break;
    }
  }
  ASSERT_NE(pivot, 0u);
  std::vector<uint32_t> left, right;
  for (uint32_t q : set) {
    if (q == pivot) continue;
    if (after(pivot, q)) {
      right.push_back((q + range - pivot) % range);
    } else {
      left.push_back((q + range - pivot + half + 1) % range);
    }
  }
  w[index] = static_cast<uint16_t>(pivot);
  encode_subtree(w, index + j, 2 * j, left, half);
  encode_subtree(w, index + 2 * j, 2 * j, right, half);
}

struct BitWriter {
  std::vector<uint8_t> bits;
  void put(uint32_t v, uint32_t n) {
    for (uint32_t i = 0; i < n; ++i) bits.push_back((v >> (n - 1 - i)) & 1);
  }
  std::vector<uint8_t> octets(size_t n) const {
    std::vector<uint8_t> o(n, 0);
    for (size_t i = 0; i < bits.size() && i < 8 * n; ++i) o[i / 8] |= static_cast<uint8_t>(bits[i] << (7 - i % 8));
    return o;
  }
};

uint32_t width(uint32_t base, uint32_t k) {
  uint32_t lg = 0;
  while ((k >> (lg + 1)) != 0) ++lg;
  return base - lg;
}

struct RangeFormat {
  uint32_t range;       // 1024, 512, 256, 128
  uint32_t base_width;  // of W(1)
  uint8_t format_bits;  // the three bits after FORMAT-ID
  uint32_t fields16;    // W fields in a 16-octet list
  uint32_t fields9;     // in a 9-octet short list (0: not coded there)
};
constexpr RangeFormat kRange1024 = {1024, 10, 0, 16, 0};
constexpr RangeFormat kRange512 = {512, 9, 4, 17, 7};
constexpr RangeFormat kRange256 = {256, 8, 5, 21, 8};
constexpr RangeFormat kRange128 = {128, 7, 6, 28, 9};

// The W values of a set of ARFCNs (ORIG excluded; ARFCN 0 excluded for range 1024).
std::vector<uint16_t> encode_w(const RangeFormat& f, uint32_t orig, const std::vector<uint32_t>& arfcns) {
  std::vector<uint32_t> local;
  for (uint32_t a : arfcns) local.push_back(f.range == 1024 ? a : (a + 1024 - orig) % 1024);
  std::vector<uint16_t> w(1, 0);
  encode_subtree(w, 1, 1, local, f.range - 1);
  return w;
}

// A list of `octet_count` octets: optional length octet, FORMAT-ID 10, the
// format bits, F0 or ORIG-ARFCN, then the W fields.
std::vector<uint8_t> encode_list(const RangeFormat& f, uint32_t orig, bool f0, const std::vector<uint16_t>& w,
                                 size_t octet_count, bool length_octet, bool one_bit_format = false) {
  BitWriter b;
  if (length_octet) b.put(static_cast<uint32_t>(octet_count - 1), 8);
  if (one_bit_format) {
    b.put(1, 1);
    b.put(0, 3);
  } else {
    b.put(2, 2);
    b.put(0, 2);
  }
  if (f.range == 1024) {
    b.put(0, 1);
    b.put(f0 ? 1 : 0, 1);
  } else {
    b.put(f.format_bits, 3);
    b.put(orig, 10);
  }
  for (uint32_t k = 1; k < w.size(); ++k) b.put(w[k], width(f.base_width, k));
  return b.octets(octet_count);
}

struct View {
  const uint16_t* w;
  const uint16_t* f;
};

View arrays_of(const FrequencyList& l, uint32_t range) {
  switch (range) {
    case 1024:
      return {l.r1024.w, l.r1024.f};
    case 512:
      return {l.r512.w, l.r512.f};
    case 256:
      return {l.r256.w, l.r256.f};
    default:
      return {l.r128.w, l.r128.f};
  }
}

std::multiset<uint32_t> resolved_set(const FrequencyList& l, uint32_t range) {
  const View v = arrays_of(l, range);
  std::multiset<uint32_t> s;
  for (uint32_t k = 1; k <= l.count; ++k) {
    if (v.w[k] != 0) s.insert(v.f[k]);
  }
  if (range == 1024 && l.f0 == 1) s.insert(0);
  return s;
}

// A random set of n distinct ARFCNs that the format can code around orig.
std::vector<uint32_t> random_set(std::mt19937& rng, const RangeFormat& f, uint32_t orig, uint32_t n) {
  std::set<uint32_t> s;
  std::uniform_int_distribution<uint32_t> offset(1, f.range - 1);
  while (s.size() < n) s.insert(f.range == 1024 ? offset(rng) : (orig + offset(rng)) % 1024);
  return {s.begin(), s.end()};
}

std::unique_ptr<FrequencyList> new_list() { return std::make_unique<FrequencyList>(); }

std::string render_body(const FrequencyList& l) {
  std::vector<char> buf(1 << 16, 0);
  OutputText out(buf.data(), buf.size());
  render_frequency_list_body(l, out);
  out.finish();
  return buf.data();
}

class RangeRoundTrip : public testing::TestWithParam<RangeFormat> {};

TEST_P(RangeRoundTrip, SixteenOctetListsGiveBackTheSet) {
  const RangeFormat f = GetParam();
  std::mt19937 rng(f.range);
  for (int round = 0; round < 300; ++round) {
    const uint32_t orig = rng() % 1024;
    const uint32_t n = rng() % (f.fields16 + 1);
    const bool f0 = f.range == 1024 && (rng() & 1) != 0;
    const std::vector<uint32_t> set = random_set(rng, f, orig, n);
    const std::vector<uint16_t> w = encode_w(f, orig, set);
    ASSERT_LE(w.size(), f.fields16 + 1) << "W indices must stay contiguous";
    for (int one_bit = 0; one_bit <= 1; ++one_bit) {
      const std::vector<uint8_t> o = encode_list(f, orig, f0, w, 16, false, one_bit != 0);
      auto l = new_list();
      decode_channel_list16(*l, bits_of(o.data(), 16), one_bit);
      std::multiset<uint32_t> expected(set.begin(), set.end());
      if (f0) expected.insert(0);
      ASSERT_EQ(resolved_set(*l, f.range), expected) << "round " << round << " one_bit " << one_bit;
      if (f.range != 1024) {
        EXPECT_EQ(f.range == 512 ? l->r512_orig : f.range == 256 ? l->r256_orig : l->r128_orig, orig);
      }
    }
  }
}

TEST_P(RangeRoundTrip, ShortListsGiveBackTheSet) {
  const RangeFormat f = GetParam();
  if (f.fields9 == 0) return;  // range 1024 is not decoded from a short list
  std::mt19937 rng(f.range + 1);
  for (int round = 0; round < 300; ++round) {
    const uint32_t orig = rng() % 1024;
    const std::vector<uint32_t> set = random_set(rng, f, orig, rng() % (f.fields9 + 1));
    const std::vector<uint16_t> w = encode_w(f, orig, set);
    ASSERT_LE(w.size(), f.fields9 + 1);
    const std::vector<uint8_t> o = encode_list(f, orig, false, w, 9, false);
    auto l = new_list();
    decode_frequency_short_list(*l, bits_of(o.data(), 9));
    ASSERT_EQ(l->count, f.fields9);
    ASSERT_EQ(resolved_set(*l, f.range), std::multiset<uint32_t>(set.begin(), set.end())) << "round " << round;
  }
}

// Bits the W fields W(1)..W(n) take.
uint32_t w_bits(const RangeFormat& f, uint32_t n) {
  uint32_t bits = 0;
  for (uint32_t k = 1; k <= n; ++k) bits += width(f.base_width, k);
  return bits;
}

// Length-led lists hold as many W fields as their length gives room for: for
// every value length up to the element's longest, a random set (sometimes one
// that fills the list exactly) comes back from the W fields present.
TEST_P(RangeRoundTrip, VariableLengthListsGiveBackTheSet) {
  const RangeFormat f = GetParam();
  std::mt19937 rng(f.range + 2);
  const uint32_t header = f.range == 1024 ? 6 : 17;  // format bits, then F0 or ORIG-ARFCN
  for (uint32_t length = 1; length <= 130; ++length) {
    uint32_t most = 0;
    while (most < f.range - 1 && header + w_bits(f, most + 1) <= 8 * length) ++most;
    for (int round = 0; round < 3; ++round) {
      const uint32_t orig = rng() % 1024;
      const uint32_t n = round == 0 ? most : rng() % (most + 1);
      const bool f0 = f.range == 1024 && (rng() & 1) != 0;
      const std::vector<uint32_t> set = random_set(rng, f, orig, n);
      const std::vector<uint16_t> w = encode_w(f, orig, set);
      ASSERT_EQ(w.size(), n + 1) << "W indices must stay contiguous";
      const std::vector<uint8_t> o = encode_list(f, orig, f0, w, length + 1, true);
      auto l = new_list();
      decode_frequency_list(*l, bits_of(o.data(), static_cast<uint32_t>(o.size())));
      std::multiset<uint32_t> expected(set.begin(), set.end());
      if (f0) expected.insert(0);
      ASSERT_EQ(resolved_set(*l, f.range), expected) << "length " << length << " n " << n;
      const View v = arrays_of(*l, f.range);
      for (uint32_t k = 1; k < w.size(); ++k) ASSERT_EQ(v.w[k], w[k]) << "length " << length << " W" << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rr, RangeRoundTrip, testing::Values(kRange1024, kRange512, kRange256, kRange128),
                         [](const testing::TestParamInfo<RangeFormat>& info) {
                           return "range" + std::to_string(info.param.range);
                         });

// Lists checked against a third-party decoder.
struct FixedVector {
  const char* name;
  const char* hex;  // 16 octets
  uint32_t range;
  std::vector<uint32_t> arfcns;  // ORIG-ARFCN left out
};

TEST(RrFrequencyList, FixedVectorsResolveToKnownSets) {
  const FixedVector vectors[] = {
      {"range1024",
       "804bf3940622c8fe81e3cf8adbb8d19c",
       1024,
       {39, 50, 60, 75, 97, 155, 220, 375, 405, 520, 549, 597, 667, 841, 932, 971}},
      {"range512",
       "885810390f3e273d78746df482411729",
       512,
       {207, 208, 212, 223, 240, 291, 300, 391, 394, 399, 459, 466, 475, 498, 499, 600, 662}},
      {"range256_wrapping", "8b96068431ff4a4cce45cd6ac843ccae", 256, {8,   38,  824, 825, 839, 843, 847,
                                                                      849, 859, 869, 887, 891, 920, 951,
                                                                      955, 956, 959, 961, 976, 987, 1021}},
      {"range128", "8cc04024b0fc513d1e682abae2662ad2", 128, {392, 393, 395, 397, 408, 411, 416, 423, 425, 431,
                                                             432, 439, 443, 444, 448, 453, 455, 457, 458, 459,
                                                             464, 472, 474, 476, 484, 486, 491, 498}},
      {"range1024_with_f0", "8418fc89d83080000000000000000000", 1024, {0, 17, 24, 63, 512, 880}},
      {"si2_range256_capture", "9b3200c69087e0000000000000000000", 256, {613, 684, 685, 762, 810}},
  };
  for (const FixedVector& v : vectors) {
    const std::vector<uint8_t> o = octets(v.hex);
    auto l = new_list();
    decode_channel_list16(*l, bits_of(o.data(), 16), 0);
    EXPECT_EQ(resolved_set(*l, v.range), std::multiset<uint32_t>(v.arfcns.begin(), v.arfcns.end())) << v.name;
  }
}

std::vector<uint32_t> bitmap_arfcns(const std::string& body, const char* name) {
  std::vector<uint32_t> out;
  const std::string open = std::string("<") + name + ">";
  for (size_t p = body.find(open); p != std::string::npos; p = body.find(open, p + 1)) {
    out.push_back(static_cast<uint32_t>(std::stoul(body.substr(p + open.size()))));
  }
  return out;
}

TEST(RrFrequencyList, CapturedBitmapListsMatchAThirdPartyDecoder) {
  struct Case {
    const char* hex;
    int one_bit;
    const char* tag;
    std::vector<uint32_t> arfcns;
  };
  const Case cases[] = {
      {"15540000001548000000000000000000", 0, "ARFCN", {123, 121, 119, 117, 115, 85, 83, 81, 79, 76}},
      {"00000000000000000001c00001ff8000", 0, "ARFCN", {49, 48, 47, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16}},
      {"bfe809b3ff0000000000000000000000",
       0,
       "RRFCN",
       {980, 983, 984, 986, 987, 990, 991, 992, 993, 994, 995, 996, 997, 998, 999}},
      {"cf8a3000000000000000000000500000", 1, "RRFCN", {790, 791, 877, 879}},  // one-bit FORMAT-ID
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> o = octets(c.hex);
    auto l = new_list();
    decode_channel_list16(*l, bits_of(o.data(), 16), c.one_bit);
    EXPECT_EQ(bitmap_arfcns(render_body(*l), c.tag), c.arfcns) << c.hex;
  }
}

struct BodyCase {
  const char* name;
  int container;  // 16: channel list, 9: short list, 0: length-led
  int one_bit;
  const char* hex;
  const char* body;  // through render_cell_channel_description
};

std::string render_framed(const BodyCase& c) {
  const std::vector<uint8_t> o = octets(c.hex);
  auto l = new_list();
  const BitBuffer b = bits_of(o.data(), static_cast<uint32_t>(o.size()));
  if (c.container == 16) decode_channel_list16(*l, b, c.one_bit);
  if (c.container == 9) decode_frequency_short_list(*l, b);
  if (c.container == 0) decode_frequency_list(*l, b);
  std::vector<char> buf(1 << 16, 0);
  OutputText out(buf.data(), buf.size());
  render_cell_channel_description(*l, out);
  out.finish();
  return buf.data();
}

const BodyCase kBodies[] = {
    {"bitmap0_first_bit_is_124", 16, 0, "08 00000000 00000000 00000000 000000", R"(<Cell_Channel_Description>
<FORMAT_ID>4</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>124</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
)"},
    {"bitmap0_last_bit_is_1", 16, 0, "00 00000000 00000000 00000000 000001", R"(<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>1</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
)"},
    // F0 set, W(1) = 1023 and W(2) = 1: W(2) is the left child, 1023 - 512 + 1 = 512.
    {"range1024_f0_and_two_arfcns", 16, 0, "87 ff 00 80 00000000 00000000 00000000", R"(<Cell_Channel_Description>
<FORMAT_ID>19</FORMAT_ID>
<Range1024format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<F0>
(1)ARFCN_0_is_a_member_of_the_set</F0>
<F>1023</F>
<F>512</F>
<W>1023</W>
<W>1</W>
</Range1024format>
</Cell_Channel_Description>
)"},
    // ORIG-ARFCN 1000, W(1) 24: 1000 + 24 wraps to ARFCN 0, which is not printed.
    {"range512_wraps_to_arfcn_0", 16, 0, "89 f4 06 00000000 00000000 00000000 00", R"(<Cell_Channel_Description>
<FORMAT_ID>20</FORMAT_ID>
<Range512format><Length_of_Frequency_List>16</Length_of_Frequency_List>
<ORIG_ARFCN>1000</ORIG_ARFCN>
<W>24</W>
</Range512format></Cell_Channel_Description>
)"},
    {"range512_w1_zero_in_ncd2_form", 16, 1, "88 00 80 00000000 00000000 00000000 00", R"(<Cell_Channel_Description>
<FORMAT_ID>12</FORMAT_ID>
<Range512format><Length_of_Frequency_List>16</Length_of_Frequency_List>
<ORIG_ARFCN>1</ORIG_ARFCN>
</Range512format></Cell_Channel_Description>
)"},
    {"reserved_format_renders_nothing", 16, 0, "c0 00 00000000 00000000 00000000 0000", R"(<Cell_Channel_Description>
<FORMAT_ID>24</FORMAT_ID>
</Cell_Channel_Description>
)"},
    // Range 256 short list, ORIG 5, W(1) 3, W(2) 1: the left child wraps to 3 - 127 + 255 = 131.
    {"short_list_range256", 9, 0, "8a 02 81 81 00 00 00 00 00", R"(<Cell_Channel_Description>
<FORMAT_ID>21</FORMAT_ID>
<Range256format><Length_of_Frequency_List>9</Length_of_Frequency_List>
<ORIG_ARFCN>5</ORIG_ARFCN>
<F>8</F>
<F>136</F>
<W>3</W>
<W>1</W>
</Range256format></Cell_Channel_Description>
)"},
    // 10 00 0 F0=0 W(1)=00|11111111 = 255, then W(2) = 0 ends the set.
    {"short_list_range1024_reads_its_w_fields", 9, 0, "80 ff 00 00 00 00 00 00 00", R"(<Cell_Channel_Description>
<FORMAT_ID>16</FORMAT_ID>
<Range1024format>
<Length_of_Frequency_List>9</Length_of_Frequency_List>
<F0>
(0)ARFCN0is_not_a_member_of_the_set</F0>
<F>255</F>
<W>255</W>
</Range1024format>
</Cell_Channel_Description>
)"},
    // 10 00 0 F0=1 W(1)=01|1001 0000 = 400, W(2) = 0 1100 1000 = 200, W(3) = 0:
    // ARFCNs 0, 400 and F2 = (400 - 512 + 200) smod 1023 = 88.
    {"short_list_range1024_with_f0", 9, 0, "85 90 64 00 00 00 00 00 00", R"(<Cell_Channel_Description>
<FORMAT_ID>18</FORMAT_ID>
<Range1024format>
<Length_of_Frequency_List>9</Length_of_Frequency_List>
<F0>
(1)ARFCN_0_is_a_member_of_the_set</F0>
<F>400</F>
<F>88</F>
<W>400</W>
<W>200</W>
</Range1024format>
</Cell_Channel_Description>
)"},
    {"short_list_variable_bitmap_last_bit", 9, 0, "8f fe 00 00 00 00 00 00 01", R"(<Cell_Channel_Description>
<FORMAT_ID>23</FORMAT_ID>
<Variablebitmapformat><Length_of_Frequency_List>9</Length_of_Frequency_List>
<ORIG_ARFCN>1020</ORIG_ARFCN>
<RRFCN>51</RRFCN>
</Variablebitmapformat></Cell_Channel_Description>
)"},
    {"length_zero_is_an_empty_bitmap0", 0, 0, "00", R"(<Cell_Channel_Description>
<FORMAT_ID>0</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>0</Length_of_Frequency_List>
</Bitmap0format>
</Cell_Channel_Description>
)"},
    // Range 512, ORIG-ARFCN 1, W(1) = 258 and the list ends in W(2):
    // ARFCNs 1 (ORIG) and 1 + 258.
    {"variable_length_range512_ends_early", 0, 0, "04 | 88 00 c0 80", R"(<Cell_Channel_Description>
<FORMAT_ID>20</FORMAT_ID>
<Range512format><Length_of_Frequency_List>4</Length_of_Frequency_List>
<ORIG_ARFCN>1</ORIG_ARFCN>
<F>259</F>
<W>258</W>
</Range512format></Cell_Channel_Description>
)"},
    // Range 1024 in the variable-length list: F0 and W fields, not a bitmap;
    // W(1) = 1 is ARFCN 1.
    {"variable_length_range1024", 0, 0, "03 | 84 01 00", R"(<Cell_Channel_Description>
<FORMAT_ID>18</FORMAT_ID>
<Range1024format>
<Length_of_Frequency_List>3</Length_of_Frequency_List>
<F0>
(1)ARFCN_0_is_a_member_of_the_set</F0>
<F>1</F>
<W>1</W>
</Range1024format>
</Cell_Channel_Description>
)"},
    {"variable_length_bitmap_first_and_last_bit", 0, 0, "04 | 8e 00 40 01", R"(<Cell_Channel_Description>
<FORMAT_ID>23</FORMAT_ID>
<Variablebitmapformat><Length_of_Frequency_List>4</Length_of_Frequency_List>
<ORIG_ARFCN>0</ORIG_ARFCN>
<RRFCN>1</RRFCN>
<RRFCN>15</RRFCN>
</Variablebitmapformat></Cell_Channel_Description>
)"},
    // Announces 16 octets, holds 2: the bitmap reads as zeros past the end.
    {"variable_length_bitmap0_cut_short", 0, 0, "10 | 08", R"(<Cell_Channel_Description>
<FORMAT_ID>4</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>124</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
)"},
};

class RrFrequencyBody : public testing::TestWithParam<BodyCase> {};
TEST_P(RrFrequencyBody, RendersTheDocumentedBlock) { EXPECT_EQ(render_framed(GetParam()), GetParam().body); }
INSTANTIATE_TEST_SUITE_P(Rr, RrFrequencyBody, testing::ValuesIn(kBodies),
                         [](const testing::TestParamInfo<BodyCase>& info) { return std::string(info.param.name); });

TEST(RrFrequencyList, LongestVariableBitmapStaysInItsArray) {
  std::vector<uint8_t> o(256, 0xFF);
  o[0] = 255;
  o[1] = 0x8F;  // variable bitmap
  auto l = new_list();
  decode_frequency_list(*l, bits_of(o.data(), 256));
  EXPECT_EQ(l->count, 1024u);
  EXPECT_EQ(bitmap_arfcns(render_body(*l), "RRFCN").size(), 1024u);
}

TEST(RrFrequencyList, LongestRange1024ListEndsWithinTheElement) {
  std::vector<uint8_t> o(256, 0xFF);
  o[0] = 255;
  o[1] = 0x84;  // range 1024, F0 set, W fields all ones
  auto l = new_list();
  decode_frequency_list(*l, bits_of(o.data(), 256));
  EXPECT_LT(l->count, 1025u);
  EXPECT_EQ(l->r1024.w[1], 255);  // W(1) starts at the last two bits of the format octet
  EXPECT_EQ(l->r1024.w[l->count], 0);
}

TEST(RrFrequencyList, NeighbourWrappersReadTheirFlags) {
  const std::vector<uint8_t> ncd = octets("2f 00000000 00000000 00000000 000000");  // EXT-IND 1, BA-IND 0
  NeighbourCellDescription n{};
  decode_neighbour_cell_description(n, bits_of(ncd.data(), 16));
  const std::vector<uint8_t> ncd2 = octets("d0 00000000 00000000 00000000 000000");  // multiband 2, BA-IND 1
  NeighbourCellDescription2 n2{};
  decode_neighbour_cell_description2(n2, bits_of(ncd2.data(), 16));
  std::vector<char> buf(1 << 14, 0);
  OutputText out(buf.data(), buf.size());
  render_neighbour_cell_description(n, out);
  render_neighbour_cell_description2(n2, out);
  out.finish();
  EXPECT_EQ(std::string(buf.data()), R"(<Neighbour_Cell_Description>
<EXT_IND>
(1)The information element carries only a part of the BA</EXT_IND>
<BA_IND>0</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>7</FORMAT_ID>
<Bitmap0format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<ARFCN>124</ARFCN>
<ARFCN>123</ARFCN>
<ARFCN>122</ARFCN>
<ARFCN>121</ARFCN>
</Bitmap0format>
</Cell_Channel_Description>
</Neighbour_Cell_Description>
<Neighbour_Cell_Description2>
<Multiband_reporting>
(2)The MS shall report the two strongest cells</Multiband_reporting>
<BA_IND>1</BA_IND>
<Cell_Channel_Description>
<FORMAT_ID>8</FORMAT_ID>
<Range1024format>
<Length_of_Frequency_List>16</Length_of_Frequency_List>
<F0>
(0)ARFCN0is_not_a_member_of_the_set</F0>
</Range1024format>
</Cell_Channel_Description>
</Neighbour_Cell_Description2>
)");
}

}  // namespace
}  // namespace l3

namespace l3 {
namespace {

// Every decoder on every prefix of random octets, each from an exact-size heap
// copy so that a sanitizer sees a read past the element.
TEST(RrFrequencyList, RandomOctetsOfEveryLengthStayInBounds) {
  std::mt19937 rng(4);
  for (int round = 0; round < 40; ++round) {
    std::vector<uint8_t> o(256);
    for (uint8_t& x : o) x = static_cast<uint8_t>(rng());
    if (round % 2 == 0) o[0] = static_cast<uint8_t>(rng() % 40);  // short announced lengths too
    for (uint32_t n = 0; n <= o.size(); n += (n < 40 ? 1 : 37)) {
      std::unique_ptr<uint8_t[]> copy(new uint8_t[n == 0 ? 1 : n]);
      std::copy(o.begin(), o.begin() + n, copy.get());
      const BitBuffer b = bits_of(copy.get(), n);
      auto l = new_list();
      decode_frequency_list(*l, b);
      render_body(*l);
      decode_channel_list16(*l, b, round % 2);
      render_body(*l);
      decode_frequency_short_list(*l, b);
      render_body(*l);
      decode_frequency_short_list_at(*l, b, n % 13);
      render_body(*l);
    }
  }
}

TEST(RrFrequencyList, CapturedSystemInformationListsRenderClosedBlocks) {
  int lists = 0;
  for (const tharvel_test::CorpusMessage& m : tharvel_test::corpus_of_pd(6)) {
    const uint8_t type = m.octets.size() > 1 ? m.octets[1] : 0xFF;
    const bool ncd = type == 0x1A || type == 0x02 || type == 0x1D || type == 0x05;
    const bool ncd2 = type == 0x03 || type == 0x06;
    if ((!ncd && !ncd2 && type != 0x19) || m.octets.size() < 18) continue;
    const BitBuffer b = bits_of(m.octets.data() + 2, 16);
    std::vector<char> buf(1 << 16, 0);
    OutputText out(buf.data(), buf.size());
    if (ncd2) {
      auto e = std::make_unique<NeighbourCellDescription2>();
      decode_neighbour_cell_description2(*e, b);
      render_neighbour_cell_description2(*e, out);
    } else if (ncd) {
      auto e = std::make_unique<NeighbourCellDescription>();
      decode_neighbour_cell_description(*e, b);
      render_neighbour_cell_description(*e, out);
    } else {
      auto l = new_list();
      decode_channel_list16(*l, b, 0);
      render_cell_channel_description(*l, out);
    }
    out.finish();
    const std::string text = buf.data();
    EXPECT_NE(text.find("</Cell_Channel_Description>\n"), std::string::npos) << m.line;
    ++lists;
  }
  EXPECT_GE(lists, 10);
}

// A W of 0 ends the set: a W field after it names no ARFCN, though its W
// value is still shown.
TEST(RrFrequencyList, NullWEndsTheLengthLedSet) {
  BitWriter b;
  b.put(5, 8);   // length
  b.put(2, 2);   // FORMAT-ID 10
  b.put(0, 2);   // spare
  b.put(0, 1);   // range 1024
  b.put(0, 1);   // F0: ARFCN 0 not a member
  b.put(5, 10);  // W(1) = 5
  b.put(0, 9);   // W(2) = 0: the end
  b.put(7, 9);   // W(3), past the end
  const std::vector<uint8_t> o = b.octets(6);
  auto l = new_list();
  decode_frequency_list(*l, bits_of(o.data(), 6));
  const std::string body = render_body(*l);
  EXPECT_EQ(bitmap_arfcns(body, "F"), std::vector<uint32_t>({5}));
  EXPECT_EQ(bitmap_arfcns(body, "W"), std::vector<uint32_t>({5, 7}));
}

}  // namespace
}  // namespace l3
