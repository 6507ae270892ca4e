// GMM and SM elements whose meaning depends on who sent the message, read
// through tharvel_decode's real direction (0 network to mobile, 1 mobile to
// network) in both directions, against the contract function's byte rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

std::string decode_real(const std::vector<uint8_t>& msg, uint8_t direction) {
  tharvel_options opt{sizeof(tharvel_options), direction, THARVEL_FORMAT_TEXT, 0, 0};
  std::vector<uint8_t> copy(msg);  // exact size: an overread shows under the sanitizers
  tharvel_result res{};
  res.size = sizeof res;
  tharvel_decode(copy.data(), copy.size(), &opt, nullptr, 0, &res);
  std::vector<char> buf(res.needed + 1);
  const int status = tharvel_decode(copy.data(), copy.size(), &opt, buf.data(), buf.size(), &res);
  EXPECT_TRUE(status == THARVEL_STATUS_DECODED || status == THARVEL_STATUS_TRAILING) << status;
  return buf.data();
}

struct DirectionCase {
  const char* name;
  const char* hex;
  const char* fragment;
  bool to_mobile;    // shown when the message travels network to mobile (real direction 0)
  bool from_mobile;  // shown when it travels mobile to network (real direction 1)
};

void PrintTo(const DirectionCase& c, std::ostream* os) { *os << c.name; }

constexpr const char* kForceToStandby = "<Force_To_Standby>(1)Force to standby indicated</Force_To_Standby>";
constexpr const char* kSpeech = "<Source_Statistics_Descriptor>\n(1)speech</Source_Statistics_Descriptor>";

// QoS value (24.008 10.5.6.5), length 0c: octets 3-13 23 92 1f 23 96 40 40
// 74 0b 40 40, then octet 14 = 01: spare 000, signalling indication 0,
// source statistics descriptor 0001 (speech, from the mobile; spare to it).
#define QOS_SPEECH "0c 23 92 1f 23 96 40 40 74 0b 40 40 01"

const DirectionCase kDirectionCases[] = {
    // DETACH REQUEST octet 3 = 11: bits 4-1 detach type 001 (re-attach
    // required); bits 8-5 0001 are force to standby from the network
    // (9.4.5.1, 10.5.5.7: 001 indicated) and a spare half octet from the
    // mobile (9.4.5.2).
    {"detach_request_force_to_standby", "08 05 | 11", kForceToStandby, true, false},
    // The same with the network's GMM cause 25 07 after it.
    {"detach_request_with_cause", "08 05 | 11 | 25 07", kForceToStandby, true, false},
    // DETACH ACCEPT to the mobile (9.4.6.2): octet 3 = 01, force to standby
    // in bits 4-1, spare half octet above; from the mobile (9.4.6.1) the
    // message ends at its type, so the octet is not an element.
    {"detach_accept_force_to_standby", "08 06 | 01", kForceToStandby, true, false},
    // ACTIVATE PDP CONTEXT REQUEST (mobile to network): NSAPI 5, LLC SAPI 3,
    // the QoS above, PDP address 01 21 (IETF IPv4, dynamic).
    {"activate_request_descriptor", "0a 41 | 05 | 03 | " QOS_SPEECH " | 02 01 21", kSpeech, false, true},
    // ACTIVATE PDP CONTEXT ACCEPT (network to mobile): LLC SAPI 3, the QoS,
    // radio priority 1. The descriptor is spare when it travels to the mobile.
    {"activate_accept_descriptor", "0a 42 | 03 | " QOS_SPEECH " | 01", kSpeech, false, true},
    // MODIFY PDP CONTEXT REQUEST from the network: radio priority 1, LLC SAPI
    // 3, the new QoS.
    {"modify_request_network_descriptor", "0a 48 | 01 | 03 | " QOS_SPEECH, kSpeech, false, true},
    // MODIFY PDP CONTEXT REQUEST from the mobile: the requested QoS in IEI 30.
    {"modify_request_ms_descriptor", "0a 4a | 30 " QOS_SPEECH, kSpeech, false, true},
};

class GmmSmDirection : public testing::TestWithParam<DirectionCase> {};

TEST_P(GmmSmDirection, FollowsTheRealDirection) {
  const DirectionCase& c = GetParam();
  const std::vector<uint8_t> msg = tharvel_test::octets(c.hex);
  const std::string to_mobile = decode_real(msg, 0);
  const std::string from_mobile = decode_real(msg, 1);
  EXPECT_EQ(to_mobile.find(c.fragment) != std::string::npos, c.to_mobile) << to_mobile;
  EXPECT_EQ(from_mobile.find(c.fragment) != std::string::npos, c.from_mobile) << from_mobile;
  EXPECT_TRUE(tharvel_test::closed(to_mobile) && tharvel_test::closed(from_mobile));
}

TEST_P(GmmSmDirection, SurvivesEveryTruncation) {
  tharvel_test::decode_every_prefix(0, tharvel_test::octets(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Elements, GmmSmDirection, testing::ValuesIn(kDirectionCases),
                         [](const testing::TestParamInfo<DirectionCase>& info) {
                           return std::string(info.param.name);
                         });

// The contract function keeps its byte rules: force to standby for any
// byte but 0, the descriptor whenever the QoS keeps no byte or byte 0.
TEST(GmmSmDirection, ContractKeepsItsByteRules) {
  struct Case {
    const char* hex;
    uint8_t direction;
    const char* fragment;
    bool shown;
  };
  const Case cases[] = {
      {"08 05 | 11", 0, kForceToStandby, false},
      {"08 05 | 11", 1, kForceToStandby, true},
      {"08 06 | 01", 0, kForceToStandby, false},
      {"08 06 | 01", 0x80, kForceToStandby, true},
      {"0a 42 | 03 | " QOS_SPEECH " | 01", 0, kSpeech, true},
      {"0a 42 | 03 | " QOS_SPEECH " | 01", 1, kSpeech, true},
      {"0a 41 | 05 | 03 | " QOS_SPEECH " | 02 01 21", 0, kSpeech, true},
      {"0a 41 | 05 | 03 | " QOS_SPEECH " | 02 01 21", 1, kSpeech, false},
  };
  for (const Case& c : cases) {
    const std::string doc = tharvel_test::decode_hex(c.direction, c.hex).text;
    EXPECT_EQ(doc.find(c.fragment) != std::string::npos, c.shown) << c.hex << " byte " << int{c.direction};
  }
}

}  // namespace
