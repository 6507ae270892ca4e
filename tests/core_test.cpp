#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bits.h"
#include "core/output.h"
#include "core/record.h"

namespace l3 {
namespace {

TEST(BitBuffer, CellsFollowOctetsMostSignificantFirst) {
  const uint8_t octets[] = {0xA5, 0x0F};
  BitBuffer b;
  bits_from_octets(octets, 2, b);
  EXPECT_EQ(b.count, 16u);
  const int expected[] = {1, 0, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1};
  for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(b.cell(i), expected[i]) << i;
  EXPECT_EQ(b.cell(16), 0);
}

struct ReadCase {
  uint32_t pos, width, value;
};

TEST(BitBuffer, ReadersAtTheirBoundaries) {
  const uint8_t octets[] = {0xA5, 0x0F};
  BitBuffer b = bits_of(octets, 2);
  const ReadCase cases[] = {
      {0, 4, 10},         {4, 8, 0x50}, {12, 4, 15}, {13, 4, 0},  // one bit past the end reads 0
      {0, 16, 0xA50F},    {15, 1, 1},   {16, 1, 0},  {0, 0, 0},
      {0xFFFFFFFF, 2, 0},  // a position near the top must not wrap past the bound
  };
  for (const ReadCase& c : cases) EXPECT_EQ(read_bits32(c.pos, c.width, b), c.value) << c.pos << "/" << c.width;
  EXPECT_EQ(read_bits16(0, 16, b), 0xA50F);
  // A wider field through a narrower reader keeps its low bits.
  EXPECT_EQ(read_bits8(0, 10, b), static_cast<uint8_t>(0xA5 << 2 | 0));
  EXPECT_EQ(read_bits8(2, 10, b), 0x50);  // 10 0101 0000
}

TEST(BitBuffer, ThirtyTwoBitFieldsAtOddPositions) {
  const uint8_t octets[] = {0x12, 0x34, 0x56, 0x78, 0x9A};
  BitBuffer b = bits_of(octets, 5);
  EXPECT_EQ(read_bits32(0, 32, b), 0x12345678u);
  EXPECT_EQ(read_bits32(4, 32, b), 0x23456789u);
  EXPECT_EQ(read_bits32(8, 32, b), 0x3456789Au);
  EXPECT_EQ(read_bits32(9, 32, b), 0u);  // runs one bit past the end
}

TEST(BitBuffer, EmptyAndOversizedStretches) {
  BitBuffer empty = bits_of(nullptr, 0);
  EXPECT_EQ(empty.count, 0u);
  EXPECT_EQ(read_bits8(0, 1, empty), 0);
  std::vector<uint8_t> big(300, 0xFF);
  BitBuffer b = bits_of(big.data(), 300);
  EXPECT_EQ(b.count, 2048u);  // never more than 256 octets
  EXPECT_EQ(read_bits8(2047, 1, b), 1);
  EXPECT_EQ(read_bits8(2048, 1, b), 0);
  EXPECT_EQ(test_bit(0x80, 7), 1);
  EXPECT_EQ(test_bit(0x80, 0), 0);
}

TEST(BitCursor, AdvancesPastTheEndAndReadsZero) {
  const uint8_t octets[] = {0xC0};
  BitBuffer b = bits_of(octets, 1);
  BitCursor c(b);
  EXPECT_TRUE(c.bit());
  EXPECT_TRUE(c.bit());
  EXPECT_EQ(c.bits(6), 0u);
  EXPECT_TRUE(c.at_end());
  EXPECT_FALSE(c.bit());  // so a { 1 < x > } ** 0 list ends at the block's end
  EXPECT_EQ(c.pos, 9u);
}

std::string run(void (*write)(OutputText&)) {
  char buf[512] = "";
  OutputText out(buf);
  write(out);
  out.finish();
  return buf;
}

struct TagCase {
  const char* in;
  const char* out;
};

TEST(AppendTagText, RewritesPunctuation) {
  const TagCase cases[] = {
      {"<Location Updating Accept>\n", "<Location_Updating_Accept>\n"},
      {"</Mobile Identity>\n", "</Mobile_Identity>\n"},
      {"RXLEV-ACCESS-MIN", "RXLEV_sub_ACCESS_sub_MIN"},
      {"A+B", "A_and_B"},
      {"</", "</"},
      {"a/b", "a/b"},
      {"ab/c", "ab_c"},
      {"/ab", "_ab"},
      {"<Allocated P-TMSI>\n", "<Allocated_P_sub_TMSI>\n"},
      {"<Allocated P_TMSI>\n", "<Allocated_P_TMSI>\n"},
      {"<Allocated P TMSI>\n", "<Allocated_P_TMSI>\n"},
      {"ends-", "ends_sub_"},
      {"x(1),y", "x_1__y"},
      {"", ""},
      // Texts of eight to fifteen characters go through two overlapping blocks.
      {"a/bc def", "a/bc_def"},
      {"</Cell Id>\n", "</Cell_Id>\n"},
      {"ab-cdefghij", "ab_sub_cdefghij"},
      {"abcdefghi+", "abcdefghi_and_"},
      {"(x)/y z,w", "_x__y_z_w"},
      {"<ab/c>\n", "<ab_c>\n"},
      // Texts of sixteen characters and more go through the block rewrite.
      {"Exactly sixteen!", "Exactly_sixteen!"},
      {"</Mobile Station Classmark 2>\n", "</Mobile_Station_Classmark_2>\n"},
      {"a/cdefghijklmnopq", "a/cdefghijklmnopq"},
      {"ab/cdefghijklmno/q", "ab_cdefghijklmno_q"},
      {"0123456789abcdef-x", "0123456789abcdef_sub_x"},
      {"A-B C D E F G H I J K L", "A_sub_B_C_D_E_F_G_H_I_J_K_L"},
      {"(a) (b) (c) (d) (e) (f) (g) (h) +", "_a___b___c___d___e___f___g___h___and_"},
  };
  for (const TagCase& c : cases) {
    char buf[128] = "";
    OutputText out(buf);
    append_tag_text(out, c.in);
    out.finish();
    EXPECT_STREQ(buf, c.out) << c.in;
  }
}

TEST(ValueNotes, WidthsAndBooleanMode) {
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int8_t>(-1), o, 0); }), "(-1)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int8_t>(-1), o, 1); }), "(1)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int8_t>(0), o, 1); }), "(0)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int8_t>(-1), o, 2); }), "(-1)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int8_t>(5), o, 0x101); }), "(1)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<uint8_t>(0xFF), o, 0); }), "(255)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<uint16_t>(65535), o, 0); }), "(65535)");
  EXPECT_EQ(run([](OutputText& o) { append_value_note(static_cast<int32_t>(-2147483647 - 1), o, 0); }),
            "(-2147483648)");
  EXPECT_EQ(run([](OutputText& o) { append_value_text("IMSI", o, 1, 0); }), "IMSI");
  EXPECT_EQ(run([](OutputText& o) { append_value_text("IMSI", o, 0x1FF, 1); }), "(255)IMSI");
  EXPECT_EQ(run([](OutputText& o) { append_value_text("x", o, 3, 0x100); }), "x");
}

TEST(FieldWriters, DecimalHexAndWidths) {
  EXPECT_EQ(run([](OutputText& o) { write_field_u8("MCC", 255, o, 1); }), "<MCC>0xff</MCC>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_u8("MCC", 0x1FF, o, 0); }), "<MCC>255</MCC>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_u16("A B", 0x12345, o, 0); }), "<A_B>9029</A_B>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_u8("x", 7, o, 0x100); }), "<x>7</x>\n");  // only low 8 bits count
  // The number passes through the tag rewriting too, minus sign included.
  EXPECT_EQ(run([](OutputText& o) { write_field_s8("TA", static_cast<uint32_t>(-5), o, 0); }), "<TA>_sub_5</TA>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_s8("TA", 0xFB, o, 1); }), "<TA>0xfffffffb</TA>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_int("n", -1, o, 1); }), "<n>0xffffffff</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_int("n", 0, o, 0); }), "<n>0</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_int("n", 0, o, 1); }), "<n>0x0</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_s8("n", 0x80, o, 0); }), "<n>_sub_128</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_int("n", -2147483647 - 1, o, 0); }), "<n>_sub_2147483648</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_int("n", 1000000000, o, 0); }), "<n>1000000000</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_u16("n", 0x1000, o, 1); }), "<n>0x1000</n>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_u8("RXLEV-ACCESS-MIN", 3, o, 0); }),
            "<RXLEV_sub_ACCESS_sub_MIN>3</RXLEV_sub_ACCESS_sub_MIN>\n");
}

TEST(FieldWriters, OctetDumpsSkipPositionZero) {
  static const uint8_t arr[] = {0xEE, 0x05, 0xAB};
  static const int32_t ints[] = {99, 5, 0x1AB};
  EXPECT_EQ(run([](OutputText& o) { write_field_octets("SRES", arr, o, 2, 0); }), "<SRES>0x 5ab</SRES>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_octets("SRES", arr, o, 2, 1); }), "<SRES>0x5ab</SRES>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_octets("E", arr, o, 0, 0); }), "<E>0x</E>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_octets("E", arr, o, -3, 0); }), "<E>0x</E>\n");
  EXPECT_EQ(run([](OutputText& o) { write_field_ints("I", ints, o, 2, 0); }), "<I>0x 51ab</I>\n");
}

constexpr ValueText kTable[] = {{0, "zero"}, {2, 5, "two to five"}, {9, "nine"}};
static_assert(well_formed(kTable));
constexpr ValueText kOverlapping[] = {{0, 3, "a"}, {3, "b"}};
static_assert(!well_formed(kOverlapping));

TEST(ValueTables, RangesFallbacksAndEarlyStop) {
  EXPECT_STREQ(find_text(kTable, 5), "two to five");
  EXPECT_EQ(find_text(kTable, 6), nullptr);
  EXPECT_STREQ(text_or(kTable, 6, "reserved"), "reserved");
  EXPECT_EQ(run([](OutputText& o) { render_value_block(o, "Reject cause", 2, kTable); }),
            "<Reject_cause>\n(2)two to five</Reject_cause>\n");
  // No row, no fallback: the note without text or closing tag.
  EXPECT_EQ(run([](OutputText& o) { render_value_block(o, "Reject cause", 7, kTable); }), "<Reject_cause>\n(7)");
  EXPECT_EQ(run([](OutputText& o) { render_value_block(o, "X", 7, kTable, "reserved"); }), "<X>\n(7)reserved</X>\n");
  EXPECT_EQ(run([](OutputText& o) { render_boolean_field(o, "ACS", 1, "off", "on"); }), "<ACS>\n(1)on</ACS>\n");
  EXPECT_EQ(run([](OutputText& o) { render_boolean_field(o, "ACS", 2, "off", "on"); }), "<ACS>\n(2)off</ACS>\n");
}

TEST(OutputText, BoundedKeepsPrefixAndCountsTheRest) {
  char buf[8];
  std::memset(buf, 'z', sizeof buf);
  buf[0] = 'a';
  buf[1] = '\0';
  OutputText out(buf, 6);
  out.append("bcdefgh");
  out.push('i');
  out.finish();
  EXPECT_STREQ(buf, "abcde");
  EXPECT_EQ(buf[6], 'z');  // never a byte past the capacity
  EXPECT_EQ(out.length(), 9u);
  EXPECT_TRUE(out.truncated());
}

TEST(OutputText, EveryCapacityKeepsAPrefixOfTheWholeText) {
  static const uint8_t octets[] = {0, 0x05, 0xAB, 0x10};
  const std::string whole =
      "<Cell_sub_Id__x_>\n(2)two to five</Cell_sub_Id__x_>\n<Cell_sub_Id__x_>0x 5ab10</Cell_sub_Id__x_>\n"
      "<a/b_sub_c>0xff</a/b_sub_c>\n";
  for (size_t cap = 1; cap <= whole.size() + 1; ++cap) {
    std::vector<char> buf(cap + 1, 'z');
    buf[0] = '\0';
    OutputText out(buf.data(), cap);
    render_value_block(out, "Cell-Id (x)", 2, kTable);
    write_field_octets("Cell-Id (x)", octets, out, 3, 0);
    write_field_u8("a/b-c", 255, out, 1);
    out.finish();
    EXPECT_EQ(std::string(buf.data()), whole.substr(0, cap - 1)) << cap;
    EXPECT_EQ(buf[cap], 'z');
    EXPECT_EQ(out.length(), whole.size());
  }
}

TEST(OutputText, UnterminatedBufferIsTerminatedWithinCapacity) {
  char buf[4] = {'x', 'y', 'z', 'w'};
  OutputText out(buf, 3);
  out.append("q");
  out.finish();
  EXPECT_STREQ(buf, "xy");
  EXPECT_EQ(buf[3], 'w');
}

TEST(OutputText, ZeroCapacityWritesNothing) {
  char c = 'k';
  OutputText out(&c, 0);
  out.append("abc");
  out.cut_to_empty();
  out.append("de");
  out.finish();
  EXPECT_EQ(c, 'k');
  EXPECT_EQ(out.length(), 2u);
}

// A record and table exercising the optional walk once, at its boundaries.
struct WalkRecord : MessageRecord {
  Opt<uint8_t> flag;
  Opt<uint8_t> nibble;
  Opt<uint8_t> tv;
  Opt<OctetString<3>> tlv;
  uint8_t takes;
};

constexpr OptionalIe<WalkRecord> kWalkIes[] = {
    {0xA1, IeForm::tag_only, 0, set_flag<WalkRecord, &WalkRecord::flag>},
    {0x90, IeForm::half, 0, store_nibble<WalkRecord, &WalkRecord::nibble>},
    {0x20, IeForm::tv, 1, store_octet<WalkRecord, &WalkRecord::tv>},
    {0x30, IeForm::tlv, 0, store_octets<WalkRecord, 3, &WalkRecord::tlv>},
};
static_assert(ieis_unique<WalkRecord>(kWalkIes));
constexpr OptionalIe<WalkRecord> kClashing[] = {
    {0x90, IeForm::half, 0, nullptr},
    {0x9A, IeForm::tv, 1, nullptr},
};
static_assert(!ieis_unique<WalkRecord>(kClashing));

WalkRecord walk(std::vector<uint8_t> msg) {
  WalkRecord r{};
  MessageReader in(msg.data(), static_cast<uint16_t>(msg.size()));
  walk_optional<WalkRecord>(r, in, kWalkIes);
  return r;
}

TEST(WalkOptional, AnyOrderRepeatsAndStops) {
  WalkRecord r = walk({0x05, 0x02, 0x9B, 0x20, 0x07, 0xA1, 0x30, 0x02, 0xAA, 0xBB, 0x20, 0x08});
  EXPECT_EQ(r.nibble.present, 1);
  EXPECT_EQ(r.nibble.value, 0x0B);
  EXPECT_EQ(r.flag.present, 1);
  EXPECT_EQ(r.tlv.value.count, 2);
  EXPECT_EQ(r.tlv.value.octets[2], 0xBB);
  EXPECT_EQ(r.tv.value, 0x07);  // a repeated element: the first occurrence is kept

  r = walk({0x05, 0x02, 0xFF, 0xA1});  // unknown IEI ends the walk
  EXPECT_EQ(r.flag.present, 0);

  r = walk({0x05, 0x02, 0xA1, 0x30, 0x05, 1, 2, 3, 4});  // TLV one octet short
  EXPECT_EQ(r.flag.present, 1);
  EXPECT_EQ(r.tlv.present, 0);

  r = walk({0x05, 0x02, 0x20});  // TV without its value
  EXPECT_EQ(r.tv.present, 0);
}

TEST(WalkOptional, LongElementIsCutToItsPartButWalkedWhole) {
  WalkRecord r = walk({0x05, 0x02, 0x30, 0x05, 1, 2, 3, 4, 5, 0xA1});
  EXPECT_EQ(r.tlv.value.count, 3);
  EXPECT_EQ(r.tlv.value.octets[3], 3);
  EXPECT_EQ(r.flag.present, 1);  // the walk went on past all five octets
}

TEST(MessageReader, MandatoryTakesCheckTheWholeElement) {
  const uint8_t msg[] = {0x05, 0x08, 0x03, 0xAA, 0xBB, 0xCC, 0x05, 1, 2, 3, 4};
  MessageReader in(msg, sizeof msg);
  BitBuffer b;
  ASSERT_TRUE(in.take_lv_led(b));
  EXPECT_EQ(b.count, 32u);
  EXPECT_EQ(read_bits8(0, 8, b), 3);
  EXPECT_FALSE(in.take_lv_value(b));  // says 5, only 4 left
  EXPECT_EQ(in.pos(), 6u);            // and the reader did not move
  ASSERT_TRUE(in.take_v(5, b));
  EXPECT_FALSE(in.take_v(1, b));
}

}  // namespace
}  // namespace l3
