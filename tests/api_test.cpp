#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "api/failure_dump.h"
#include "api/keys.h"
#include "test_util.h"
#include "tharvel.h"

namespace {

using tharvel_test::decode_hex;
using tharvel_test::decode_octets;

std::string read_file(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::filesystem::path dump_path() { return std::filesystem::temp_directory_path() / "tharvelDebug.txt"; }

// Tests that read the dump get a temporary directory of their own: ctest runs
// tests in parallel and other tests write dumps too.
class FailureDump : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* t = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() / (std::string("dump_") + t->name());
    std::filesystem::create_directories(dir_);
    const char* old = std::getenv("TMPDIR");
    had_old_ = old != nullptr;
    if (had_old_) old_ = old;
    setenv("TMPDIR", dir_.c_str(), 1);
  }
  void TearDown() override {
    if (had_old_) {
      setenv("TMPDIR", old_.c_str(), 1);
    } else {
      unsetenv("TMPDIR");
    }
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path dir_;
  bool had_old_ = false;
  std::string old_;
};

TEST(Frame, TooShortKeepsOnlyTheFirstLine) {
  for (int32_t len : {-5, 0, 1}) {
    char buf[64] = "prior|";
    const uint8_t msg[] = {0x05, 0x08};
    EXPECT_EQ(tharvel(0, len, msg, buf), 0);
    EXPECT_STREQ(buf, "prior|<L3Message>\n");
  }
}

TEST(Frame, HeadNamesDirectionAndProtocol) {
  struct Case {
    uint8_t dir;
    const char* hex;
    const char* head;
  };
  const Case cases[] = {
      {0, "0502", "<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>MM</channeltype>\n<message>\n"},
      {1, "1502", "<L3Message>\n<dir>UPLINK</dir>\n<channeltype>MM</channeltype>\n<message>\n"},
      {0x80, "0602", "<L3Message>\n<dir>UPLINK</dir>\n<channeltype>RR</channeltype>\n<message>\n"},
      {0, "0801", "<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>GPRS MM</channeltype>\n<message>\n"},
      {0, "0A41", "<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>GPRS SM</channeltype>\n<message>\n"},
      {0, "0904", "<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>SMS</channeltype>\n<message>\n"},
      {0, "8345", "<L3Message>\n<dir>DOWNLINK</dir>\n<channeltype>CC</channeltype>\n<message>\n"},
  };
  for (const Case& c : cases) {
    tharvel_test::Decoded d = decode_hex(c.dir, c.hex);
    EXPECT_EQ(d.result, 1) << c.hex;
    EXPECT_EQ(d.text.rfind(c.head, 0), 0u) << c.hex << "\n" << d.text;
  }
}

TEST(Frame, EarlierTextStaysInFront) {
  char buf[4096] = "earlier";
  const uint8_t msg[] = {0x05, 0x18, 0x01};
  EXPECT_EQ(tharvel(0, 3, msg, buf), 1);
  EXPECT_EQ(std::string(buf).rfind("earlier<L3Message>\n<dir>", 0), 0u);
}

TEST(Keys, PdNamesAsPrinted) {
  const char* expected[16] = {"GCC",     "BCC", "Reserced", "CC",    "GTTP", "MM",       "RR",       "Reserced",
                              "GPRS MM", "SMS", "GPRS SM",  "NCRSS", "LCS",  "Reserced", "Reserced", "Reserved"};
  for (uint8_t pd = 0; pd < 16; ++pd) EXPECT_STREQ(l3::pd_name(pd), expected[pd]);
}

TEST(Keys, MaskOnlyForCcAndMm) {
  const uint8_t cc[] = {0x83, 0xC5};
  EXPECT_EQ(l3::message_key(cc), 0x305);
  const uint8_t mm[] = {0x15, 0x48};
  EXPECT_EQ(l3::message_key(mm), 0x508);
  const uint8_t gmm[] = {0x08, 0x41};
  EXPECT_EQ(l3::message_key(gmm), 0x841);
  EXPECT_FALSE(l3::key_accepted(0x841));
}

// Every PD and type byte: a row's key decodes, a rejected key empties the
// buffer, earlier text included.
TEST(Keys, EveryTypeByteOfEveryPd) {
  for (int pd = 0; pd < 16; ++pd) {
    for (int type = 0; type < 256; ++type) {
      const uint8_t msg[] = {static_cast<uint8_t>(0x70 | pd), static_cast<uint8_t>(type)};
      uint16_t key = l3::message_key(msg);
      char buf[8192] = "earlier text";
      int r = tharvel(0, 2, msg, buf);
      if (l3::key_accepted(key)) {
        EXPECT_EQ(r, 1) << pd << "/" << type;
        EXPECT_NE(std::string(buf).find("<message>\n"), std::string::npos);
      } else {
        EXPECT_EQ(r, 0) << pd << "/" << type;
        EXPECT_STREQ(buf, "") << pd << "/" << type;
      }
    }
  }
}

TEST(Keys, NamesFromTheRows) {
  EXPECT_STREQ(l3::message_name(0x67F), "Channel request");
  EXPECT_STREQ(l3::message_name(0xA48), "Modify PDP context request (network to MS)");
}

TEST_F(FailureDump, RecordFormat) {
  std::filesystem::remove(dump_path());
  const uint8_t msg[] = {0x05, 0x08, 0xAB};
  l3::write_failure_dump(msg, 2);
  l3::write_failure_dump(msg, 3);
  EXPECT_EQ(read_file(dump_path()), "MessageContext:05 08 \n\nMessageContext:05 08 ab \n\n");
  std::filesystem::remove(dump_path());
}

// Whatever a family does, an accepted two-octet message returns 1 and either
// closes its document or leaves it open and adds one dump record.
TEST_F(FailureDump, AcceptedKeysCloseOrDump) {
  for (int key = 0; key < 0x1000; ++key) {
    if (!l3::key_accepted(static_cast<uint16_t>(key))) continue;
    std::filesystem::remove(dump_path());
    const uint8_t msg[] = {static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)};
    tharvel_test::Decoded d = decode_octets(1, {msg[0], msg[1]});
    EXPECT_EQ(d.result, 1);
    if (tharvel_test::closed(d.text)) continue;
    char expected[64];
    std::snprintf(expected, sizeof expected, "MessageContext:%.2x %.2x \n\n", msg[0], msg[1]);
    EXPECT_EQ(read_file(dump_path()), expected) << std::hex << key;
    EXPECT_EQ(d.text.find("</message>"), std::string::npos);
  }
  std::filesystem::remove(dump_path());
}

TEST(Bounded, SameTextAsUnboundedAtEveryCapacity) {
  const std::vector<uint8_t> msg = tharvel_test::octets("05 18 01");
  std::string whole = decode_octets(0, msg).text;
  for (size_t cap = 0; cap <= whole.size() + 2; ++cap) {
    std::vector<char> buf(cap + 8, '#');
    if (cap > 0) buf[0] = '\0';
    size_t needed = 12345;
    int r = tharvel_n(0, static_cast<int32_t>(msg.size()), msg.data(), buf.data(), cap, &needed);
    EXPECT_EQ(r, 1);
    EXPECT_EQ(needed, whole.size());
    for (size_t i = cap; i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << "wrote past capacity " << cap;
    if (cap == 0) continue;
    size_t kept = std::min(cap - 1, whole.size());
    EXPECT_EQ(std::string(buf.data()), whole.substr(0, kept));
    EXPECT_EQ(needed >= cap, kept < whole.size());
  }
}

TEST(Bounded, BadArguments) {
  size_t needed = 99;
  EXPECT_EQ(tharvel_n(0, 2, nullptr, nullptr, 100, &needed), 0);
  EXPECT_EQ(needed, 0u);
  char buf[32] = "x";
  EXPECT_EQ(tharvel_n(0, 5, nullptr, buf, sizeof buf, nullptr), 0);
  EXPECT_STREQ(buf, "x<L3Message>\n");
  const uint8_t msg[] = {0x04, 0x01};
  EXPECT_EQ(tharvel_n(0, 2, msg, buf, sizeof buf, &needed), 0);  // GTTP: cut
  EXPECT_STREQ(buf, "");
  EXPECT_EQ(needed, 0u);
  EXPECT_EQ(tharvel(0, 2, msg, nullptr), 0);
}

}  // namespace
