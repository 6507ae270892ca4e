#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

using tharvel_test::octets;

struct Out {
  int status;
  std::string text;
  tharvel_result result;
};

Out decode(const std::vector<uint8_t>& msg, uint8_t direction, uint8_t format = THARVEL_FORMAT_TEXT) {
  tharvel_options opt{sizeof(tharvel_options), direction, format, 0, 0};
  tharvel_result res{};
  res.size = sizeof res;
  // Exact-size copy: a read past the message shows under the sanitizers.
  std::vector<uint8_t> copy(msg);
  int status = tharvel_decode(copy.empty() ? nullptr : copy.data(), copy.size(), &opt, nullptr, 0, &res);
  std::vector<char> buf(res.needed + 1);
  status = tharvel_decode(copy.empty() ? nullptr : copy.data(), copy.size(), &opt, buf.data(), buf.size(), &res);
  EXPECT_EQ(status, res.status);
  return {status, std::string(buf.data()), res};
}

TEST(DecodeStatus, Table) {
  struct Case {
    const char* hex;
    int status;
  };
  const Case cases[] = {
      {"", THARVEL_STATUS_TOO_SHORT},
      {"05", THARVEL_STATUS_TOO_SHORT},
      {"05ff", THARVEL_STATUS_NOT_DECODED},
      {"0f01", THARVEL_STATUS_NOT_DECODED},
      {"051801", THARVEL_STATUS_DECODED},  // identity request, IMSI
      {"05080200816800013008991007000000640200", THARVEL_STATUS_TRAILING},  // an unknown octet after the last element
      {"050802008168000130089910070000006402", THARVEL_STATUS_DECODED},
      {"0508020081680001300899100700000064", THARVEL_STATUS_TRUNCATED},  // identity cut by one octet
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decode(octets(c.hex), 1).status, c.status) << c.hex;
  }
}

TEST(DecodeStatus, EveryPrefixOfAMandatoryOnlyMessageIsTruncated) {
  const std::vector<uint8_t> msg = octets("050802008168000130089910070000006402");
  for (size_t n = 2; n < msg.size(); ++n) {
    std::vector<uint8_t> prefix(msg.begin(), msg.begin() + static_cast<std::ptrdiff_t>(n));
    Out o = decode(prefix, 1);
    EXPECT_EQ(o.status, THARVEL_STATUS_TRUNCATED) << n;
    EXPECT_TRUE(tharvel_test::closed(o.text));
  }
}

TEST(DecodeStatus, ResultNamesTheMessage) {
  Out o = decode(octets("051801"), 0);
  EXPECT_EQ(o.result.key, 0x518);
  EXPECT_EQ(o.result.pd, 5);
  EXPECT_STREQ(o.result.protocol, "MM");
  EXPECT_STREQ(o.result.name, "Identity request");
  o = decode(octets("05ff"), 0);
  EXPECT_STREQ(o.result.name, "");
}

// Lengths past 16 bits decode their first 65,535 octets in every entry point.
TEST(DecodeLength, NoWrapPast65535) {
  std::vector<uint8_t> msg = octets("050802008168000130089910070000006402");
  for (size_t len : {65535u, 65536u, 65537u, 131072u}) {
    std::vector<uint8_t> big(len, 0x2b);
    std::copy(msg.begin(), msg.end(), big.begin());
    std::vector<uint8_t> cut(big.begin(), big.begin() + 65535);
    Out whole = decode(big, 1);
    Out first = decode(cut, 1);
    EXPECT_EQ(whole.text, first.text) << len;
    EXPECT_EQ(whole.status, len > 65535 ? THARVEL_STATUS_TOO_LONG : THARVEL_STATUS_TRAILING) << len;
    std::vector<char> a(1 << 16), b(1 << 16);
    size_t na = 0, nb = 0;
    EXPECT_EQ(tharvel_n(1, static_cast<int32_t>(len), big.data(), a.data(), a.size(), &na), 1);
    EXPECT_EQ(tharvel_n(1, 65535, cut.data(), b.data(), b.size(), &nb), 1);
    EXPECT_EQ(na, nb);
    EXPECT_STREQ(a.data(), b.data());
  }
}

TEST(DecodeArguments, InvalidAndDefaults) {
  const uint8_t msg[] = {0x05, 0x18, 0x01};
  tharvel_result res{};
  res.size = sizeof res;
  EXPECT_EQ(tharvel_decode(msg, 3, nullptr, nullptr, 10, &res), THARVEL_STATUS_INVALID);
  tharvel_options bad{sizeof(tharvel_options), 2, 0, 0, 0};
  EXPECT_EQ(tharvel_decode(msg, 3, &bad, nullptr, 0, &res), THARVEL_STATUS_INVALID);
  bad = {sizeof(tharvel_options), 0, 9, 0, 0};
  EXPECT_EQ(tharvel_decode(msg, 3, &bad, nullptr, 0, &res), THARVEL_STATUS_INVALID);
  char buf[512];
  EXPECT_EQ(tharvel_decode(msg, 3, nullptr, buf, sizeof buf, nullptr), THARVEL_STATUS_DECODED);
  char ref[512] = "";
  tharvel(0, 3, msg, ref);
  EXPECT_STREQ(buf, ref) << "null options: direction 0, text";
}

TEST(DecodeCapacity, NeverPastCapacityInEitherFormat) {
  const std::vector<uint8_t> msg = octets("050802008168000130089910070000006402");
  for (uint8_t format : {THARVEL_FORMAT_TEXT, THARVEL_FORMAT_JSON}) {
    std::string whole = decode(msg, 1, format).text;
    tharvel_options opt{sizeof opt, 1, format, 0, 0};
    for (size_t cap = 0; cap <= whole.size() + 1; ++cap) {
      std::vector<char> buf(cap + 4, '#');
      tharvel_result res{};
      res.size = sizeof res;
      tharvel_decode(msg.data(), msg.size(), &opt, cap == 0 ? nullptr : buf.data(), cap, &res);
      EXPECT_EQ(res.needed, whole.size());
      for (size_t i = cap; i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << cap;
      if (cap > 0) {
        EXPECT_EQ(std::string(buf.data()), whole.substr(0, std::min(cap - 1, whole.size())));
      }
    }
  }
}

TEST(DecodeVersion, MacrosAndFunctionAgree) {
  char v[32];
  std::snprintf(v, sizeof v, "%d.%d.%d", THARVEL_VERSION_MAJOR, THARVEL_VERSION_MINOR, THARVEL_VERSION_PATCH);
  EXPECT_STREQ(tharvel_version(), v);
}

// A downlink SMS-DELIVER read by its real direction keeps sender and text;
// the contract's byte 0 reads it as the mobile's.
TEST(DecodeDirection, DownlinkSmsDeliverKeepsItsText) {
  const std::vector<uint8_t> msg =
      octets("090123010107913386094000f00017040b913306000000f000007101911172758004d4f29c0e");
  Out real = decode(msg, 0);
  EXPECT_NE(real.text.find("<dir>DOWNLINK</dir>"), std::string::npos);
  EXPECT_EQ(real.text.find("Reserved"), std::string::npos) << real.text;
  EXPECT_NE(real.text.find("3360000000"), std::string::npos) << real.text;
  EXPECT_NE(real.text.find("Test"), std::string::npos) << real.text;
  tharvel_test::Decoded contract = tharvel_test::decode_octets(0, msg);
  EXPECT_NE(contract.text.find("Reserved"), std::string::npos);
  Out up = decode(msg, 1);
  EXPECT_NE(up.text.find("<dir>UPLINK</dir>"), std::string::npos);
  EXPECT_EQ(up.text.substr(up.text.find("<message>")), contract.text.substr(contract.text.find("<message>")));
}

// Leaf texts of a text document: what sits between an opening tag and the
// next closing tag.
std::vector<std::string> leaf_texts(const std::string& doc) {
  std::vector<std::string> out;
  size_t i = 0;
  while ((i = doc.find('>', i)) != std::string::npos) {
    size_t end = doc.find('<', i + 1);
    if (end == std::string::npos) break;
    if (doc.compare(end, 2, "</") == 0 && doc[i - 1] != '/' && end > i + 1) {
      std::string t = doc.substr(i + 1, end - i - 1);
      if (!t.empty() && t.front() == '\n') t.erase(0, 1);
      if (t.find_first_not_of(" \n") != std::string::npos) out.push_back(t);
    }
    i = end;
  }
  return out;
}

void collect(const nlohmann::json& j, std::vector<std::string>& out) {
  if (j.is_object() && j.contains("value") && j.contains("text") && j.size() == 2) {
    out.push_back("(" + j["value"].dump() + ")" + j["text"].get<std::string>());
    return;
  }
  if (j.is_object() || j.is_array()) {
    for (const auto& e : j) collect(e, out);
  } else if (j.is_string()) {
    out.push_back(j.get<std::string>());
  } else if (j.is_number()) {
    out.push_back(j.dump());
  }
}

void check_json(const std::vector<uint8_t>& msg, uint8_t dir, bool check_texts) {
  Out text = decode(msg, dir, THARVEL_FORMAT_TEXT);
  Out json = decode(msg, dir, THARVEL_FORMAT_JSON);
  EXPECT_EQ(text.status, json.status);
  nlohmann::json j;
  try {
    j = nlohmann::json::parse(json.text);
  } catch (const std::exception& e) {
    ADD_FAILURE() << e.what() << "\n" << json.text;
    return;
  }
  if (!check_texts) return;
  std::vector<std::string> values;
  collect(j, values);
  std::string all;
  for (const std::string& v : values) all += v + "\x01";
  for (const std::string& t : leaf_texts(text.text)) {
    if (t.find_first_of("<>") != std::string::npos) continue;
    bool valid_utf8 = nlohmann::json(t).dump(-1, ' ', false, nlohmann::json::error_handler_t::ignore).size() > 0;
    if (!valid_utf8) continue;
    bool ascii = true;
    for (unsigned char c : t) ascii = ascii && c >= 0x20 && c < 0x7f;
    if (ascii) {
      EXPECT_NE(all.find(t), std::string::npos) << "lost: " << t;
    }
  }
}

TEST(DecodeJson, EveryCorpusDocumentParsesAndKeepsItsValues) {
  for (const tharvel_test::CorpusMessage& m : tharvel_test::corpus()) {
    SCOPED_TRACE(m.line);
    check_json(m.octets, m.direction, true);
  }
}

TEST(DecodeJson, MutatedMessagesParse) {
  std::mt19937 rng(19);
  for (const tharvel_test::CorpusMessage& m : tharvel_test::corpus()) {
    for (int k = 0; k < 8; ++k) {
      std::vector<uint8_t> msg = m.octets;
      // Keep the header octets; two-octet messages have nothing after them to flip.
      for (int f = 0; f < 3 && msg.size() > 2; ++f) msg[2 + rng() % (msg.size() - 2)] ^= 1u << (rng() % 8);
      msg.resize(2 + rng() % msg.size());
      check_json(msg, static_cast<uint8_t>(rng() & 1), false);
    }
  }
}

TEST(DecodeJson, OpenDocumentIsMarked) {
  nlohmann::json j = nlohmann::json::parse(decode(octets("05"), 1, THARVEL_FORMAT_JSON).text);
  EXPECT_EQ(j["L3Message"]["_open"], true);
  j = nlohmann::json::parse(decode(octets("051801"), 1, THARVEL_FORMAT_JSON).text);
  EXPECT_EQ(j["L3Message"]["dir"], "UPLINK");
  EXPECT_FALSE(j["L3Message"].contains("_open"));
  EXPECT_EQ(nlohmann::json::parse(decode(octets("05ff"), 1, THARVEL_FORMAT_JSON).text), nlohmann::json::object());
}

}  // namespace

namespace {

// Classmark 2 (24.008 10.5.1.6) in a CM SERVICE REQUEST: value octet 3 = a6 =
// 1 CM3, 0 spare, 1 LCS VA, 0 UCS2, 0 SoLSA, 1 CMSP, 1 A5/3, 0 A5/2. The real
// direction reads LCS VA and UCS2 both ways; the contract's byte does not.
TEST(DecodeDirection, Classmark2LcsVaAndUcs2InBothDirections) {
  const std::vector<uint8_t> msg = octets("0524 01 03 5758a6 05f412345678");
  for (uint8_t dir : {0, 1}) {
    std::string t = decode(msg, dir).text;
    EXPECT_NE(t.find("<LCS_VA_capability>\n(1)"), std::string::npos) << t;
    EXPECT_NE(t.find("<UCS2_treatment__reception>\n(0)"), std::string::npos) << t;
    EXPECT_EQ(tharvel_test::decode_octets(dir, msg).text.find("LCS_VA"), std::string::npos);
  }
}

}  // namespace
