#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "test_util.h"
#include "tharvel.h"

namespace {

static_assert(sizeof(tharvel_mms_push_block) == 784);
static_assert(offsetof(tharvel_mms_push_block, location_length) == 264);
static_assert(offsetof(tharvel_mms_push_block, location) == 268);

struct PushCase {
  const char* name;
  const char* hex;
  int result;
  int32_t transaction_id;
  const char* location;
};

// Header: transaction id, PDU type, headers length, headers.
const PushCase kPushCases[] = {
    {"skips_fields_then_location", "2a 06 02 be ef | 8c 82 | 98 74 78 00 | 83 68 69 00", 1, 0x2A, "hi"},
    {"not_a_push", "2a 07 00 83 68 69 00", 0, 0x2A, ""},
    {"last_octet_is_location_code", "01 06 00 8c 82 83", 0, 1, ""},
    {"second_location_replaces_first", "01 06 00 83 6c 6f 6e 67 00 83 61 62 00", 1, 1, "ab"},
    {"location_to_end_without_nul", "01 06 00 83 61 62 63", 1, 1, "abc"},
    {"length_led_fields", "01 06 00 88 03 01 02 03 | 89 01 00 | 8e 02 aa bb | 83 7a 00", 1, 1, "z"},
    {"headers_run_past_end", "01 06 40 83 61 00", 0, 1, ""},
    {"length_octet_past_end", "01 06 00 88 ff 01", 0, 1, ""},
};

class MmsPush : public testing::TestWithParam<PushCase> {};

TEST_P(MmsPush, FindsLocation) {
  const PushCase& c = GetParam();
  std::vector<uint8_t> pdu = tharvel_test::octets(c.hex);
  tharvel_mms_push_block block;
  std::memset(&block, 0x55, sizeof block);
  EXPECT_EQ(Gain_MMS_Push_Win_Data(static_cast<int32_t>(pdu.size()), pdu.data(), &block), c.result);
  EXPECT_EQ(block.transaction_id, c.transaction_id);
  EXPECT_EQ(std::string(block.location), c.location);
  EXPECT_EQ(block.location_length, static_cast<int32_t>(std::strlen(c.location)));
  for (uint8_t u : block.unused) ASSERT_EQ(u, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, MmsPush, testing::ValuesIn(kPushCases),
                         [](const testing::TestParamInfo<PushCase>& i) { return std::string(i.param.name); });

TEST(MmsPushEdges, LongLocationIsCutInsideTheBlock) {
  std::vector<uint8_t> pdu = {0x01, 0x06, 0x00, 0x83};
  pdu.insert(pdu.end(), 700, 'x');
  pdu.push_back(0);
  pdu.insert(pdu.end(), {0x8c, 0x82});
  std::vector<uint8_t> block(784 + 16, 0xEE);
  EXPECT_EQ(Gain_MMS_Push_Win_Data(static_cast<int32_t>(pdu.size()), pdu.data(), block.data()), 1);
  const auto* b = reinterpret_cast<const tharvel_mms_push_block*>(block.data());
  EXPECT_EQ(b->location_length, 515);
  EXPECT_EQ(std::string(b->location), std::string(515, 'x'));
  for (size_t i = 784; i < block.size(); ++i) ASSERT_EQ(block[i], 0xEE);
}

TEST(MmsPushEdges, ShortOrNull) {
  tharvel_mms_push_block block;
  const uint8_t pdu[] = {0x01, 0x06};
  EXPECT_EQ(Gain_MMS_Push_Win_Data(2, pdu, &block), 0);
  EXPECT_EQ(block.transaction_id, 0);
  EXPECT_EQ(Gain_MMS_Push_Win_Data(5, pdu, nullptr), 0);
  EXPECT_EQ(Gain_MMS_Push_Win_Data(5, nullptr, &block), 0);
}

}  // namespace
