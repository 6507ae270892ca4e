#include <gtest/gtest.h>

#include "report/gsm_alphabet.h"
#include "report_frames.h"

namespace tharvel_test {
namespace {

using nlohmann::json;

std::string hex2(size_t n) {
  static const char* const kDigits = "0123456789abcdef";
  return {kDigits[(n >> 4) & 15], kDigits[n & 15]};
}

// CP-DATA holding an RP-DATA: lengths computed from the parts' hex.
std::string cp_data(int rp_mti, int rp_mr, const std::string& rp_oa, const std::string& rp_da,
                    const std::string& tpdu) {
  const std::string rp = hex2(rp_mti) + hex2(rp_mr) + hex2(rp_oa.size() / 2) + rp_oa + hex2(rp_da.size() / 2) +
                         rp_da + hex2(tpdu.size() / 2) + tpdu;
  return "0901" + hex2(rp.size() / 2) + rp;
}

const std::string kSc = "913386094000f0";  // +33689004000
const std::string kScts = "71019111727580";  // 2017-10-19 11:27:57 +02:00

// SMS-DELIVER in UCS2, part `index` of 3 with 8-bit reference 0x2a.
std::string ucs2_part(int index, const std::string& ucs2) {
  const std::string ud = "0500032a03" + hex2(index) + ucs2;
  return cp_data(1, index, kSc, "", "440b913306000000f00008" + kScts + hex2(ud.size() / 2) + ud);
}

std::vector<TestFrame> messages() {
  return {
      // SUBMIT to 0600000000 with a status report requested (TP-SRR), TP-MR 0x84, "Test".
      {1, 20, 2000, cp_data(0, 2, "", kSc, "21840a816000000000000004d4f29c0e"), 0x06},
      // DELIVER from +33600000000, "Test".
      {0, 20, 2001, "090123010107913386094000f00017040b913306000000f000007101911172758004d4f29c0e", 0x06},
      // Parts 1 and 3 of a UCS2 message; part 2 never heard.
      {0, 20, 2002, ucs2_part(1, "004800e9"), 0x06},   // "Hé"
      {0, 20, 2004, ucs2_part(3, "006c006c006f"), 0x06},  // "llo"
      // STATUS-REPORT for TP-MR 0x84: TP-ST 0, received by the SME.
      {0, 20, 2005, cp_data(1, 7, kSc, "", "06840a81" "6000000000" + kScts + kScts + "00"), 0x06},
  };
}

TEST(ReportSms, MessagesWithTheirAddressesTimesAndText) {
  TestReport r(messages());
  const json rows = r.json(THARVEL_REPORT_SMS, "sms");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].at("type"), "SUBMIT");
  EXPECT_EQ(rows[0].at("direction"), "MO");
  EXPECT_EQ(rows[0].at("tp_da"), "0600000000");  // semi-octets: low nibble first
  EXPECT_EQ(rows[0].at("rp_da"), "+33689004000");
  EXPECT_EQ(rows[0].at("tp_mr"), 0x84);
  EXPECT_EQ(rows[0].at("text"), "Test");
  EXPECT_EQ(rows[1].at("type"), "DELIVER");
  EXPECT_EQ(rows[1].at("direction"), "MT");
  EXPECT_EQ(rows[1].at("tp_oa"), "+33600000000");
  EXPECT_EQ(rows[1].at("scts"), "2017-10-19T11:27:57+02:00");
  EXPECT_EQ(rows[1].at("text"), "Test");
  EXPECT_EQ(rows[1].at("time"), "1970-01-01T00:33:21.000Z");
}

TEST(ReportSms, ConcatenatedPartsJoinedWithTheMissingOneMarked) {
  TestReport r(messages());
  const json m = r.json(THARVEL_REPORT_SMS, "sms")[2];
  EXPECT_EQ(m.at("alphabet"), "UCS2");
  EXPECT_EQ(m.at("text"), "H\xc3\xa9[part 2/3 missing]llo");
  EXPECT_EQ(m.at("parts"), "2/3");
  EXPECT_EQ(m.at("missing_parts"), json({2}));
  EXPECT_EQ(m.at("frames"), json({3, 4}));
  EXPECT_EQ(m.at("concat_reference"), 0x2a);
}

TEST(ReportSms, StatusReportMatchedToItsSubmit) {
  TestReport r(messages());
  const json rows = r.json(THARVEL_REPORT_SMS, "sms");
  const json& report = rows[3];
  EXPECT_EQ(report.at("type"), "STATUS-REPORT");
  EXPECT_EQ(report.at("status"), 0);
  EXPECT_EQ(report.at("status_text"), "received by the SME");
  EXPECT_EQ(report.at("submit_frame"), 1);
  EXPECT_EQ(rows[0].at("status_report_requested"), true);
  ASSERT_EQ(rows[0].at("status_reports").size(), 1u);
  EXPECT_EQ(rows[0].at("status_reports")[0].at("frame"), 5);
  EXPECT_EQ(rows[0].at("status"), "received by the SME");
}

TEST(ReportSms, TextAndCsvForms) {
  TestReport r(messages());
  const std::string text = r.write(THARVEL_REPORT_SMS, THARVEL_REPORT_FORMAT_TEXT);
  EXPECT_EQ(text.rfind("time", 0), 0u);
  EXPECT_NE(text.find("H\xc3\xa9[part 2/3 missing]llo"), std::string::npos);
  const auto csv = parse_csv(r.write(THARVEL_REPORT_SMS, THARVEL_REPORT_FORMAT_CSV));
  ASSERT_EQ(csv.size(), 5u);
  const size_t text_col = std::find(csv[0].begin(), csv[0].end(), "text") - csv[0].begin();
  ASSERT_LT(text_col, csv[0].size());
  EXPECT_EQ(csv[2][text_col], "Test");
  EXPECT_EQ(csv[3][text_col], "H\xc3\xa9[part 2/3 missing]llo");
}

}  // namespace
}  // namespace tharvel_test

namespace tharvel_test {
namespace {

// Septet values of the default alphabet and its extension table, one row per
// region of the table (ends and escape sequences included).
struct SeptetCase {
  std::vector<uint8_t> septets;
  const char* utf8;
};

TEST(ReportSms, DefaultAlphabetToUtf8) {
  const SeptetCase kCases[] = {
      {{0x00, 0x01, 0x02, 0x03}, "@\xc2\xa3$\xc2\xa5"},
      {{0x10, 0x1c, 0x1d, 0x1e, 0x1f}, "\xce\x94\xc3\x86\xc3\xa6\xc3\x9f\xc3\x89"},
      {{0x20, 0x24, 0x40, 0x41, 0x5a, 0x5b, 0x5f}, " \xc2\xa4\xc2\xa1" "AZ\xc3\x84\xc2\xa7"},
      {{0x60, 0x61, 0x7a, 0x7b, 0x7f}, "\xc2\xbf" "az\xc3\xa4\xc3\xa0"},
      {{0x1b, 0x65, 0x1b, 0x28, 0x1b, 0x29, 0x1b, 0x3c, 0x1b, 0x3e}, "\xe2\x82\xac{}[]"},
      {{0x1b, 0x41}, " "},  // no extension character: a space
      {{0x1b}, "\xc2\xa0"},  // escape at the end stands alone
  };
  for (const SeptetCase& c : kCases) {
    EXPECT_EQ(l3::report::septets_to_utf8(c.septets.data(), c.septets.size()), c.utf8);
  }
}

}  // namespace
}  // namespace tharvel_test
