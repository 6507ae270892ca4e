// The writer's fast paths against its checked paths, and tags rewritten at
// compile time against the run-time rewrite.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/output.h"

namespace {

using namespace l3;

constexpr std::string_view open_of(TagText t) { return {t.open, t.open_len}; }
constexpr std::string_view close_of(TagText t) { return {t.close, t.close_len}; }
constexpr std::string_view text_of(ReadyTagText t) { return {t.text, t.size}; }

// The rule at its edges, checked by the compiler.
static_assert(open_of(L3_TAG("a/b")) == "<a/b>");  // the slash at position 1 of the name stays
static_assert(close_of(L3_TAG("a/b")) == "</a/b>\n");
static_assert(open_of(L3_TAG("/ab")) == "<_ab>");
static_assert(open_of(L3_TAG("ab/c")) == "<ab_c>");
static_assert(open_of(L3_TAG("P-TMSI")) == "<P_sub_TMSI>");
static_assert(open_of(L3_TAG("A+B")) == "<A_and_B>");
static_assert(open_of(L3_TAG("x(1), y")) == "<x_1___y>");
static_assert(L3_TAG("Cell Id").open[L3_TAG("Cell Id").open_len] == '\n');
static_assert(text_of(L3_TAG_TEXT("</a/b>\n")) == "</a_b>\n");
static_assert(text_of(L3_TAG_TEXT("</A>\n", "</B-C>\n")) == "</A>\n</B_sub_C>\n");  // each literal on its own
static_assert(text_of(L3_TAG_TEXT("")).empty());

template <class F>
std::string run(F f, size_t cap = OutputText::kUnbounded) {
  std::vector<char> buf(cap == OutputText::kUnbounded ? 8192 : cap + 1, 'z');
  buf[0] = '\0';
  OutputText out(buf.data(), cap == OutputText::kUnbounded ? buf.size() : cap);
  f(out);
  out.finish();
  return buf.data();
}

struct LiteralCase {
  const char* text;
  TagText tag;
  ReadyTagText ready;
};

#define X(lit) {lit, L3_TAG(lit), L3_TAG_TEXT(lit)},
constexpr LiteralCase kRendererLiterals[] = {
#include "tag_literals.inc"
    // Edges of the rule and of the block rewrite's lengths.
    X("") X("/") X("</") X("a/") X("-") X("+") X("--++") X("ends-") X("Exactly sixteen!")
        X("0123456789abcdef-x") X("(a) (b) (c) (d) (e) (f) (g) (h) +")};
#undef X

constexpr ValueText kTexts[] = {{0, "zero"}, {2, 5, "two to five"}};

// Every literal the renderers use, through each writer both ways.
TEST(CompileTimeTags, EveryRendererLiteralMatchesTheRunTimeRewrite) {
  ASSERT_GT(std::size(kRendererLiterals), 700u);
  static const uint8_t octets[] = {0, 0x05, 0xAB};
  static const int32_t ints[] = {0, 3, 0x1AB};
  for (const LiteralCase& c : kRendererLiterals) {
    const CText name(c.text);
    EXPECT_EQ(run([&](OutputText& o) { append_tag_text(o, c.ready); }),
              run([&](OutputText& o) { append_tag_text(o, name); }))
        << c.text;
    EXPECT_EQ(run([&](OutputText& o) {
                write_field_u8(c.tag, 7, o, 0);
                write_field_u16(c.tag, 0x1234, o, 1);
                write_field_s8(c.tag, 0xFB, o, 0);
                write_field_int(c.tag, -2147483647 - 1, o, 1);
                write_field_octets(c.tag, octets, o, 2, 0);
                write_field_ints(c.tag, ints, o, 2, 1);
                render_value_block(o, c.tag, 3, kTexts);
                render_boolean_field(o, c.tag, 1, "off", "on");
                render_value_block(o, c.tag, 9, kTexts);  // no text: stops after the note
              }),
              run([&](OutputText& o) {
                write_field_u8(name, 7, o, 0);
                write_field_u16(name, 0x1234, o, 1);
                write_field_s8(name, 0xFB, o, 0);
                write_field_int(name, -2147483647 - 1, o, 1);
                write_field_octets(name, octets, o, 2, 0);
                write_field_ints(name, ints, o, 2, 1);
                render_value_block(o, name, 3, kTexts);
                render_boolean_field(o, name, 1, "off", "on");
                render_value_block(o, name, 9, kTexts);
              }))
        << c.text;
  }
}

// Near the end of a bounded buffer the one-reservation paths give way to the
// checked ones: every capacity keeps the same prefix, counts the same length
// and writes nothing past the capacity.
TEST(CompileTimeTags, EveryCapacityKeepsThePrefixOfTheRunTimeWriters) {
  const auto both = [](OutputText& o, bool ready) {
    if (ready) {
      write_field_u8(L3_TAG("RXLEV-ACCESS-MIN"), 63, o, 0);
      render_value_block(o, L3_TAG("Cell-Id (x)"), 2, kTexts);
      write_field_int(L3_TAG("n"), -40, o, 0);
      append_tag_text(o, L3_TAG_TEXT("</A B>\n", "<C+D>\n"));
      write_field_u16(L3_TAG("a/b"), 0xFFFF, o, 1);
      write_field_u16(L3_TAG("ARFCN"), 999, o, 0);
      write_field_u8(L3_TAG("NCC"), 0xAB, o, 1);
      render_flag(o, L3_FLAG("<E S>\n", "</E S>\n", "off", "on"), 1);
      render_flag(o, L3_FLAG("<E S>\n", "</E S>\n", "off", "on"), 2);
    } else {
      write_field_u8("RXLEV-ACCESS-MIN", 63, o, 0);
      render_value_block(o, "Cell-Id (x)", 2, kTexts);
      write_field_int("n", -40, o, 0);
      append_tag_text(o, "</A B>\n");
      append_tag_text(o, "<C+D>\n");
      write_field_u16("a/b", 0xFFFF, o, 1);
      write_field_u16("ARFCN", 999, o, 0);
      write_field_u8("NCC", 0xAB, o, 1);
      render_boolean_field(o, "E S", 1, "off", "on");
      render_boolean_field(o, "E S", 2, "off", "on");
    }
  };
  const std::string whole = run([&](OutputText& o) { both(o, false); });
  ASSERT_EQ(whole,
            "<RXLEV_sub_ACCESS_sub_MIN>63</RXLEV_sub_ACCESS_sub_MIN>\n<Cell_sub_Id__x_>\n(2)two to five"
            "</Cell_sub_Id__x_>\n<n>_sub_40</n>\n</A_B>\n<C_and_D>\n<a/b>0xffff</a/b>\n<ARFCN>999</ARFCN>\n"
            "<NCC>0xab</NCC>\n<E_S>\n(1)on</E_S>\n<E_S>\n(2)off</E_S>\n");
  for (size_t cap = 0; cap <= whole.size() + 2; ++cap) {
    for (bool ready : {false, true}) {
      std::vector<char> buf(cap + 64, 'z');
      buf[0] = '\0';
      OutputText out(buf.data(), cap);
      both(out, ready);
      out.finish();
      const size_t kept = cap == 0 ? 0 : std::min(cap - 1, whole.size());
      EXPECT_EQ(std::string(buf.data(), kept), whole.substr(0, kept)) << cap << ready;
      if (cap > 0) {
        EXPECT_EQ(buf[kept], '\0') << cap << ready;
      }
      for (size_t i = std::max<size_t>(cap, 1); i < buf.size(); ++i) ASSERT_EQ(buf[i], 'z') << cap << ready << " at " << i;
      EXPECT_EQ(out.length(), whole.size()) << cap << ready;
    }
  }
}

// A one-bit block built at compile time against its parts written at run time,
// for the values it holds whole and the ones it writes from parts.
struct FlagCase {
  const ReadyFlag& flag;
  const char *open, *close, *text0, *text1;
};

#define F(open, close, text0, text1) {L3_FLAG(open, close, text0, text1), open, close, text0, text1}
const FlagCase kFlags[] = {
    F("<ESIND>\n", "</ESIND>\n", "not implemented", "implemented "),
    F("<ES IND>", "</ES IND>", "a", "b"),  // no line feed after the tag
    F("<a/b-c+d (e), f>\n", "</a/b-c+d (e), f>\n", "", ""),
    F("<TP Reply Path  TP RP >\n", "</TP Reply Path  TP RP >\n", "0", "1"),
};
#undef F

TEST(CompileTimeTags, FlagBlocksMatchTheirRunTimeParts) {
  for (const FlagCase& c : kFlags) {
    for (uint32_t v : {0u, 1u, 2u, 9u, 10u, 255u, 257u}) {
      const std::string want = run([&](OutputText& o) {
        append_tag_text(o, CText(c.open));
        append_value_note(static_cast<uint8_t>(v), o, 0);
        o.append(v == 1 ? c.text1 : c.text0);
        append_tag_text(o, CText(c.close));
      });
      EXPECT_EQ(run([&](OutputText& o) { render_flag(o, c.flag, v); }), want) << c.open << v;
    }
  }
}

// Decimal and hexadecimal output at every digit-count boundary, against printf.
TEST(NumberFormatting, DigitBoundariesMatchPrintf) {
  std::vector<uint32_t> values = {0, 1, 9, 10, 11, 42, 99, 100, 101, 255, 999, 65535, 4294967295u};
  for (uint32_t p = 10; p <= 1000000000u; p *= 10) {
    values.insert(values.end(), {p - 1, p, p + 1, p + 9, p + 10});
    if (p > 429496729u) break;
  }
  char want[32];
  for (uint32_t v : values) {
    std::snprintf(want, sizeof want, "%u", v);
    EXPECT_EQ(run([v](OutputText& o) { append_udec(o, v); }), want) << v;
    std::snprintf(want, sizeof want, "%x", v);
    EXPECT_EQ(run([v](OutputText& o) { append_hex(o, v); }), want) << v;
    const auto s = static_cast<int32_t>(v);
    std::snprintf(want, sizeof want, "%d", s);
    EXPECT_EQ(run([s](OutputText& o) { append_dec(o, s); }), want) << s;
    // The field writers rewrite a minus sign.
    std::string field = want[0] == '-' ? "_sub_" + std::string(want + 1) : std::string(want);
    EXPECT_EQ(run([s](OutputText& o) { write_field_int(L3_TAG("n"), s, o, 0); }), "<n>" + field + "</n>\n") << s;
    EXPECT_EQ(run([s](OutputText& o) { render_value_block(o, L3_TAG("n"), static_cast<uint32_t>(s), {}, "t"); }),
              "<n>\n(" + std::string(want) + ")t</n>\n")
        << s;
  }
}

}  // namespace
