#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_util.h"
#include "tharvel.h"

namespace {

using tharvel_test::octets;

static_assert(sizeof(tharvel_cp_data_block) == 276);
static_assert(sizeof(tharvel_pdp_accept_block) == 32);

constexpr int32_t kAbsent = THARVEL_ABSENT;

template <class Block, class Fn>
int call(Fn fn, uint8_t flag, const char* hex, Block& block) {
  std::vector<uint8_t> msg = octets(hex);
  std::memset(&block, 0x5A, sizeof block);
  return fn(flag, static_cast<int32_t>(msg.size()), msg.data(), 0, &block);
}

TEST(ExtractFrame, ShortOrNullTouchesNothing) {
  tharvel_cm_service_request_block b;
  std::memset(&b, 0x5A, sizeof b);
  const uint8_t msg[] = {0x05, 0x24};
  EXPECT_EQ(Gain_GSM_CM_Service_Request_Win_Data(0, 1, msg, 0, &b), 0);
  EXPECT_EQ(Gain_GSM_CM_Service_Request_Win_Data(0, -3, msg, 0, &b), 0);
  EXPECT_EQ(Gain_GSM_CM_Service_Request_Win_Data(0, 2, nullptr, 0, &b), 0);
  EXPECT_EQ(b.service_type, 0x5A5A5A5A);
  EXPECT_EQ(Gain_GSM_CM_Service_Request_Win_Data(0, 2, msg, 0, nullptr), 0);
  EXPECT_EQ(Gain_CP_Data_Win_Data(0, 2, msg, 0, nullptr), 0);
  EXPECT_EQ(Gain_MMS_Push_Win_Data(2, msg, nullptr), 0);
}

TEST(ExtractCmService, TypeOrAbsent) {
  tharvel_cm_service_request_block b;
  // Service type 4 (SMS), CKSN 1, classmark 2, TMSI.
  EXPECT_EQ(call(Gain_GSM_CM_Service_Request_Win_Data, 0, "05 24 | 14 | 03 57 58 a6 | 05 f4 01 02 03 04", b), 1);
  EXPECT_EQ(b.service_type, 4);
  // Send-sequence bit set: still a CM service request.
  EXPECT_EQ(call(Gain_GSM_CM_Service_Request_Win_Data, 0, "05 64 | 11 | 03 57 58 a6 | 05 f4 01 02 03 04", b), 1);
  EXPECT_EQ(b.service_type, 1);
  // A location updating request is another kind of message.
  EXPECT_EQ(call(Gain_GSM_CM_Service_Request_Win_Data, 0, "05 08 70 62 f2 20 00 01 33 08 29 26 00 00 00 00 00 10", b), 0);
  EXPECT_EQ(b.service_type, kAbsent);
  // Cut before the type octet: accepted, the record reads 0.
  EXPECT_EQ(call(Gain_GSM_CM_Service_Request_Win_Data, 0, "05 24", b), 1);
  EXPECT_EQ(b.service_type, 0);
}

TEST(ExtractAttachAccept, AllocatedPtmsiMarker) {
  tharvel_attach_accept_block b;
  const char* with = "08 02 | 01 | 49 | 44 | 22 f2 10 00 01 05 | 18 05 f4 01 02 03 04";
  const char* without = "08 02 | 01 | 49 | 44 | 22 f2 10 00 01 05";
  EXPECT_EQ(call(Gain_GSM_Attach_Accept_Win_Data, 1, with, b), 1);
  EXPECT_EQ(b.allocated_ptmsi, 0);
  EXPECT_EQ(call(Gain_GSM_Attach_Accept_Win_Data, 1, without, b), 1);
  EXPECT_EQ(b.allocated_ptmsi, kAbsent);
  EXPECT_EQ(call(Gain_GSM_Attach_Accept_Win_Data, 1, "08 03", b), 0);  // attach complete
  EXPECT_EQ(b.allocated_ptmsi, kAbsent);
}

TEST(ExtractPdp, RequestNsapi) {
  tharvel_pdp_request_block b;
  EXPECT_EQ(call(Gain_GSM_Activate_PDP_Context_Request_Win_Data, 0, "0a 41 | 05 | 03 | 03 23 92 1f | 02 01 21", b), 1);
  EXPECT_EQ(b.nsapi, 5);
  EXPECT_EQ(call(Gain_GSM_Activate_PDP_Context_Request_Win_Data, 0, "0a 42 05", b), 0);
  EXPECT_EQ(b.nsapi, kAbsent);
}

TEST(ExtractPdp, AcceptQosAndAddress) {
  tharvel_pdp_accept_block b;
  // LLC SAPI 3, QoS delay 4 reliability 3, peak 9 precedence 2, mean 31; radio priority 2; IPv4 10.1.2.3.
  ASSERT_EQ(call(Gain_GSM_Activate_PDP_Context_Accept_Win_Data, 1,
                 "0a 42 | 03 | 03 23 92 1f | 02 | 2b 06 01 21 0a 01 02 03", b),
            1);
  EXPECT_EQ(b.llc_sapi, 3);
  EXPECT_EQ(b.delay_class, 4);
  EXPECT_EQ(b.reliability_class, 3);
  EXPECT_EQ(b.peak_throughput, 9);
  EXPECT_EQ(b.precedence_class, 2);
  EXPECT_EQ(b.mean_throughput, 31);
  EXPECT_EQ(b.radio_priority, 2);
  EXPECT_EQ(b.ipv4_address, 0x0A010203);

  // IPv6: the address integer stays -1.
  ASSERT_EQ(call(Gain_GSM_Activate_PDP_Context_Accept_Win_Data, 1,
                 "0a 42 | 03 | 03 23 92 1f | 02 | 2b 12 01 57 20 01 0d b8 00 00 00 00 00 00 00 00 00 00 00 01", b),
            1);
  EXPECT_EQ(b.ipv4_address, -1);
  // No PDP address at all.
  ASSERT_EQ(call(Gain_GSM_Activate_PDP_Context_Accept_Win_Data, 1, "0a 42 | 03 | 03 23 92 1f | 02", b), 1);
  EXPECT_EQ(b.ipv4_address, -1);
  EXPECT_EQ(b.radio_priority, 2);
  // Another message: every integer at its marker.
  ASSERT_EQ(call(Gain_GSM_Activate_PDP_Context_Accept_Win_Data, 1, "0a 41 05", b), 0);
  EXPECT_EQ(b.ipv4_address, -1);
  EXPECT_EQ(b.delay_class, kAbsent);
  EXPECT_EQ(b.llc_sapi, kAbsent);
}

constexpr const char* kDeliverConcat8 =
    "09 01 | 2A | 01 | 07 | 07 91 44 77 58 10 06 50 | 00 | 1E | 44 | 0B 91 21 43 65 87 09 F1 | 00 | 00 |"
    " 12 21 60 01 25 43 00 | 0C | 05 00 03 2A 02 01 | 90 65 36 FB 0D";
constexpr const char* kDeliverPlain =
    "09 01 | 23 | 01 | 01 | 07 91 33 86 09 40 00 F0 | 00 | 17 | 04 | 0B 91 33 06 00 00 00 F0 | 00 | 00 |"
    " 71 01 91 11 72 75 80 | 04 | D4 F2 9C 0E";

TEST(ExtractCpData, ConcatenationAndText) {
  tharvel_cp_data_block b;
  // Flag 0 hands the parser 1, the side on which a DELIVER is read.
  ASSERT_EQ(call(Gain_CP_Data_Win_Data, 0, kDeliverConcat8, b), 1);
  EXPECT_EQ(b.user_data_header, 1);
  EXPECT_EQ(b.concat_reference, 42);
  EXPECT_EQ(b.concat_total, 2);
  EXPECT_EQ(b.concat_index, 1);
  EXPECT_EQ(b.char_count, 5);
  EXPECT_EQ(std::string(b.text), "Hello");
  for (size_t i = 5; i < sizeof b.text; ++i) ASSERT_EQ(b.text[i], 0);

  ASSERT_EQ(call(Gain_CP_Data_Win_Data, 0, kDeliverPlain, b), 1);
  EXPECT_EQ(b.user_data_header, 0);
  EXPECT_EQ(b.concat_reference, kAbsent);
  EXPECT_EQ(b.concat_total, 1);
  EXPECT_EQ(b.concat_index, 1);
  EXPECT_EQ(b.char_count, 4);
  EXPECT_EQ(std::string(b.text), "Test");
}

TEST(ExtractCpData, AckAndOtherKinds) {
  tharvel_cp_data_block b;
  EXPECT_EQ(call(Gain_CP_Data_Win_Data, 0, "09 04", b), 1);  // CP-ACK: another kind, result 1
  EXPECT_EQ(b.user_data_header, kAbsent);
  EXPECT_EQ(b.concat_index, kAbsent);
  EXPECT_EQ(b.char_count, 0);
  for (char c : b.text) ASSERT_EQ(c, 0);
  EXPECT_EQ(call(Gain_CP_Data_Win_Data, 0, "09 01 | 05", b), 0);  // no TPDU
  EXPECT_EQ(b.user_data_header, kAbsent);
}

}  // namespace

namespace {

TEST(ExtractDiagnose, DisconnectAndReleaseCauses) {
  tharvel_diagnose_block b;
  // Disconnect with the send-sequence bit set (type octet 0x65): accepted.
  ASSERT_EQ(call(GaintharvelDiagNoseData, 0, "03 65 | 02 e0 90", b), 1);
  EXPECT_EQ(b.cause, 16);
  EXPECT_EQ(b.second_cause, kAbsent);
  ASSERT_EQ(call(GaintharvelDiagNoseData, 1, "83 2d | 08 02 e0 90 | 08 02 e0 a2", b), 1);
  EXPECT_EQ(b.cause, 16);
  EXPECT_EQ(b.second_cause, 34);
  // Release without any cause: accepted, both absent.
  ASSERT_EQ(call(GaintharvelDiagNoseData, 1, "03 2d", b), 1);
  EXPECT_EQ(b.cause, kAbsent);
  EXPECT_EQ(b.second_cause, kAbsent);
  // Release complete is another message.
  EXPECT_EQ(call(GaintharvelDiagNoseData, 1, "03 2a | 08 02 e0 90", b), 0);
  EXPECT_EQ(b.cause, kAbsent);
}

}  // namespace
