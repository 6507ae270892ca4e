#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli.h"
#include "hex_input.h"

namespace {

using tharvel_cli::Decoded;
using tharvel_cli::Filter;
using tharvel_cli::Item;
using tharvel_cli::Status;

constexpr const char kLuDocument[] =
    "<L3Message>\n<message>\n<Location_updating_type>\n<LUT>\n(1)Periodic updating</LUT>\n</Location_updating_type>\n"
    "<Location_area_identification>\n<MCC>262</MCC>\n<MNC>2</MNC>\n<LAC>8001</LAC>\n"
    "</Location_area_identification>\n<Identity_Digits>\n0xC015A703</Identity_Digits>\n<MCC>001</MCC>\n"
    "</message>\n</L3Message>\n";

struct FilterCase {
  std::vector<const char*> terms;
  bool uplink;
  const char* channel;
  const char* protocol;
  const char* name;
  Status status;
  bool matches;
};

TEST(CliFilter, TermsOfOneKindAreAlternativesKindsAllHold) {
  const FilterCase cases[] = {
      {{}, false, "-", "MM", "Identity request", Status::decoded, true},
      // Protocols are exact: MM is not GMM, and the name "Immediate assignment" holds no "MM" match.
      {{"MM"}, false, "-", "MM", "Identity request", Status::decoded, true},
      {{"mm"}, false, "-", "GMM", "Attach request", Status::decoded, false},
      {{"MM"}, false, "CCCH", "RR", "Immediate assignment", Status::decoded, false},
      {{"proto=MM,GMM"}, false, "-", "GMM", "Attach request", Status::decoded, true},
      {{"MM", "GMM"}, true, "-", "GMM", "Attach request", Status::decoded, true},
      {{"MM", "dir=ul"}, false, "-", "MM", "Identity request", Status::decoded, false},
      {{"MM", "dir=dl"}, false, "-", "MM", "Identity request", Status::decoded, true},
      {{"dir=UL", "dir=dl"}, false, "-", "RR", "Paging request type 1", Status::decoded, true},
      // Names: exact or glob, case ignored; a bare word that is no protocol is a name.
      {{"name=identity request"}, false, "-", "MM", "Identity request", Status::decoded, true},
      {{"name=Identity"}, false, "-", "MM", "Identity request", Status::decoded, false},
      {{"Identity*"}, false, "-", "MM", "Identity request", Status::decoded, true},
      {{"name=*request*"}, false, "-", "MM", "Identity request", Status::decoded, true},
      {{"name=*"}, false, "-", "MM", "", Status::not_decoded, false},
      {{"chan=SDCCH*"}, true, "SDCCH8", "MM", "Identity response", Status::decoded, true},
      {{"chan=SDCCH*"}, true, "SACCH/SDCCH8", "MM", "Identity response", Status::decoded, false},
      {{"chan=sacch/*"}, true, "SACCH/TCH/F", "RR", "Measurement report", Status::decoded, true},
      {{"status=not-decoded,too-short"}, false, "-", "MM", "", Status::too_short, true},
      {{"status=decoded"}, false, "-", "MM", "", Status::truncated, false},
      // Field values: the element's text, its number or its text after the number; hex prefix and case ignored.
      {{"LAC=8001"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"LAC=8002"}, true, "-", "MM", "Location updating request", Status::decoded, false},
      {{"LAC=8002,8001"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"MCC=001"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"LUT=1"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"LUT=periodic updating"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"Identity_Digits=c015a703"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      // An element holding elements has no value of its own.
      {{"Location_area_identification=262"}, true, "-", "MM", "Location updating request", Status::decoded, false},
      {{"LAC=8001", "MCC=262", "dir=ul", "MM"}, true, "-", "MM", "Location updating request", Status::decoded, true},
      {{"LAC=8001", "MCC=263"}, true, "-", "MM", "Location updating request", Status::decoded, false},
  };
  for (const FilterCase& c : cases) {
    Filter f;
    std::string error;
    std::string label;
    for (const char* t : c.terms) {
      ASSERT_TRUE(f.add(t, error)) << t << ": " << error;
      label += std::string(t) + " ";
    }
    Item item;
    item.direction = c.uplink ? 1 : 0;
    item.channel = c.channel;
    Decoded d;
    d.protocol = c.protocol;
    d.name = c.name;
    d.status = c.status;
    d.document = kLuDocument;
    EXPECT_EQ(f.matches(item, d), c.matches) << label << "on " << c.name;
  }
}

TEST(CliFilter, BadTermsAreRefused) {
  for (const char* term : {"dir=up", "status=fine", "=8001", "LAC=", "proto="}) {
    Filter f;
    std::string error;
    EXPECT_FALSE(f.add(term, error)) << term;
    EXPECT_FALSE(error.empty()) << term;
  }
}

TEST(CliFields, ValuesColumnsAndMetadata) {
  EXPECT_EQ(tharvel_cli::find_fields(kLuDocument, "MCC"), (std::vector<std::string>{"262", "001"}));
  EXPECT_EQ(tharvel_cli::find_fields(kLuDocument, "LUT"), (std::vector<std::string>{"(1)Periodic updating"}));
  EXPECT_TRUE(tharvel_cli::find_fields(kLuDocument, "LA").empty());  // no prefix matches
  EXPECT_TRUE(tharvel_cli::find_fields("<LAC>12", "LAC").empty());    // unclosed

  Item item;
  item.frame = 7;
  item.from_capture = true;
  item.time_sec = 1709633472;
  item.time_nsec = 123456789;
  item.arfcn = 17;
  item.channel = "SDCCH8";
  item.direction = 1;
  item.octets = {0x05, 0x08, 0xA0};
  Decoded d;
  d.protocol = "MM";
  d.name = "Location updating request";
  d.status = Status::decoded;
  d.document = kLuDocument;
  struct Column {
    const char* field;
    const char* value;
  };
  const Column columns[] = {
      {"frame", "7"},         {"time", "2024-03-05T10:11:12.123456Z"},
      {"arfcn", "17"},        {"channel", "SDCCH8"},
      {"direction", "UL"},    {"protocol", "MM"},
      {"name", "Location updating request"},
      {"status", "decoded"},  {"length", "3"},
      {"hex", "0508a0"},      {"MCC", "262;001"},
      {"LUT", "(1)Periodic updating"},
      {"absent", ""},
  };
  for (const Column& c : columns) EXPECT_EQ(tharvel_cli::field_column(item, d, c.field, ";"), c.value) << c.field;
  EXPECT_EQ(tharvel_cli::summary_line(item, d),
            "7\t2024-03-05T10:11:12.123456Z\t17\tUL\tSDCCH8\tMM\tLocation updating request\tdecoded\n");
  EXPECT_EQ(tharvel_cli::document_header(item), "<!-- frame 7, 2024-03-05T10:11:12.123456Z, ARFCN 17, SDCCH8, uplink -->\n");
  Item text;
  text.frame = 3;
  EXPECT_EQ(tharvel_cli::summary_line(text, Decoded{Status::not_decoded, "", "", ""}),
            "3\t-\t-\tDL\t-\t-\tunknown\tnot-decoded\n");
}

TEST(CliFields, IsoTimes) {
  EXPECT_EQ(tharvel_cli::iso_time(0, 0), "1970-01-01T00:00:00.000000Z");
  EXPECT_EQ(tharvel_cli::iso_time(951825600, 999999999), "2000-02-29T12:00:00.999999Z");
  EXPECT_EQ(tharvel_cli::iso_time(4102444799, 1000), "2099-12-31T23:59:59.000001Z");
}

TEST(CliFields, ChannelNames) {
  const std::pair<uint8_t, const char*> names[] = {{1, "BCCH"},        {2, "CCCH"},          {8, "SDCCH8"},
                                                   {0x88, "SACCH/SDCCH8"}, {0x89, "SACCH/TCH/F"}, {0x3F, "GSMTAP 63"}};
  for (const auto& [channel, name] : names) EXPECT_EQ(tharvel_cli::gsmtap_channel_name(channel), name);
}

TEST(CliJson, StringsSurviveARealParser) {
  for (std::string s : {std::string("plain"), std::string("a \"quote\" and \\ back"), std::string("tab\tnew\nline"),
                        std::string("\x01\x1f control"), std::string("caf\xc3\xa9")}) {
    nlohmann::json j = nlohmann::json::parse(tharvel_cli::json_string(s));
    EXPECT_EQ(j.get<std::string>(), s);
  }
}

struct LineCase {
  const char* line;
  bool message;
  uint8_t direction;
  std::vector<uint8_t> octets;
};

TEST(CliInput, DirectionsInAnyCaseAndColonsOrBlanksBetweenOctets) {
  const LineCase cases[] = {
      {"dl 051801", true, 0, {0x05, 0x18, 0x01}},
      {"DL 05:18:01", true, 0, {0x05, 0x18, 0x01}},
      {"  ul 05 18:01  # note: a colon", true, 1, {0x05, 0x18, 0x01}},
      {"Ul\t0518", true, 1, {0x05, 0x18}},
      {"uL 0a:FF", true, 1, {0x0A, 0xFF}},
      {"dlx 0518", false, 0, {}},
      {"up 0518", false, 0, {}},
      {"dl 05:1", false, 0, {}},
      {"dl", false, 0, {}},
  };
  for (const LineCase& c : cases) {
    tharvel_tools::MessageLine m;
    std::string error;
    auto kind = tharvel_tools::parse_message_line(c.line, m, error);
    EXPECT_EQ(kind == tharvel_tools::LineKind::message, c.message) << c.line;
    if (!c.message) continue;
    EXPECT_EQ(m.direction, c.direction) << c.line;
    EXPECT_EQ(m.octets, c.octets) << c.line;
  }
}

}  // namespace
