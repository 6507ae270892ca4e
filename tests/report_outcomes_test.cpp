#include <gtest/gtest.h>

#include "report_frames.h"

namespace tharvel_test {
namespace {

using nlohmann::json;

std::vector<TestFrame> procedures() {
  return {
      // LOCATION UPDATING REQUEST (normal updating, LAI 262-02-318, TMSI), then REJECT cause 13.
      {1, 20, 3000, "050800" "62f220013e" "33" "05f4deadbeef", 0x06},
      {0, 20, 3001, "05040d", 0x06},
      // CM SERVICE REQUEST, then ACCEPT.
      {1, 20, 3002, "052411" "035f7000" "05f4deadbeef", 0x06},
      {0, 20, 3003, "0521", 0x06},
      // SETUP, CALL PROCEEDING, DISCONNECT cause 17 (user busy), RELEASE, RELEASE COMPLETE.
      {1, 20, 3004, "0305" "0401a0", 0x06},
      {0, 20, 3005, "8302", 0x06},  // send sequence bit set: still CALL PROCEEDING
      {0, 20, 3006, "032502e091", 0x06},
      {1, 20, 3007, "032d", 0x06},
      {0, 20, 3008, "032a", 0x06},
  };
}

struct Expected {
  const char* procedure;
  const char* result;
  json cause;
  json cause_text;
  size_t frames;
};

TEST(ReportOutcomes, ProceduresWithResultsAndCauses) {
  TestReport r(procedures());
  const json rows = r.json(THARVEL_REPORT_OUTCOMES, "outcomes");
  const Expected kExpected[] = {
      {"location updating", "rejected", 13, "Roaming not allowed in this location area", 2},
      {"CM service", "accepted", nullptr, nullptr, 2},
      {"call", "released before connect", 17, "User busy", 5},
  };
  ASSERT_EQ(rows.size(), std::size(kExpected));
  for (size_t i = 0; i < rows.size(); ++i) {
    const Expected& e = kExpected[i];
    EXPECT_EQ(rows[i].at("procedure"), e.procedure) << i;
    EXPECT_EQ(rows[i].at("result"), e.result) << i;
    EXPECT_EQ(rows[i].at("cause"), e.cause) << i;
    EXPECT_EQ(rows[i].at("cause_text"), e.cause_text) << i;
    EXPECT_EQ(rows[i].at("frames").size(), e.frames) << i;
  }
  EXPECT_EQ(rows[0].at("frames")[1], json::parse(R"({"frame":2,"time":"1970-01-01T00:50:01.000Z","message":4,"direction":"MT"})"));
}

TEST(ReportOutcomes, UnansweredProcedureStaysUnfinished) {
  TestReport r({{1, 20, 10, "050800" "62f220013e" "33" "05f4deadbeef", 0x06}});
  const json rows = r.json(THARVEL_REPORT_OUTCOMES, "outcomes");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("result"), "unfinished");
}

TEST(ReportOutcomes, TextAndCsvForms) {
  TestReport r(procedures());
  const std::string text = r.write(THARVEL_REPORT_OUTCOMES, THARVEL_REPORT_FORMAT_TEXT);
  EXPECT_EQ(text.rfind("time", 0), 0u);
  EXPECT_NE(text.find("rejected"), std::string::npos);
  EXPECT_NE(text.find("User busy"), std::string::npos);
  const auto csv = parse_csv(r.write(THARVEL_REPORT_OUTCOMES, THARVEL_REPORT_FORMAT_CSV));
  ASSERT_EQ(csv.size(), 4u);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"time", "procedure", "result", "cause", "cause_text", "frames"}));
  EXPECT_EQ(csv[1][3], "13");
  EXPECT_EQ(csv[3][4], "User busy");
}

// Frames from the capture reader reach the reports: text lines read from memory.
TEST(ReportOutcomes, FramesFromTheCaptureReader) {
  const std::string lines = "UL 050800 62f220013e 33 05f4deadbeef\nDL 05040d\n";
  char error[128] = "";
  tharvel_capture* c = tharvel_capture_open_memory(reinterpret_cast<const uint8_t*>(lines.data()), lines.size(),
                                                   error, sizeof error);
  ASSERT_NE(c, nullptr) << error;
  TestReport r({});
  tharvel_frame f{};
  f.size = sizeof f;
  while (tharvel_capture_next(c, &f) == 1) EXPECT_EQ(tharvel_report_add(r.get(), &f), 0);
  tharvel_capture_close(c);
  const json rows = r.json(THARVEL_REPORT_OUTCOMES, "outcomes");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("result"), "rejected");
  tharvel_frame short_frame = f;
  short_frame.size = 8;
  EXPECT_EQ(tharvel_report_add(r.get(), &short_frame), -1);
}

TEST(ReportApi, WriteHonoursCapacityAndBadArguments) {
  TestReport r(procedures());
  const size_t n = tharvel_report_write(r.get(), THARVEL_REPORT_OUTCOMES, THARVEL_REPORT_FORMAT_JSON, nullptr, 0);
  ASSERT_GT(n, 10u);
  std::string small(10, 'x');
  EXPECT_EQ(tharvel_report_write(r.get(), THARVEL_REPORT_OUTCOMES, THARVEL_REPORT_FORMAT_JSON, small.data(), 5), n);
  EXPECT_EQ(small.substr(0, 6), std::string("{\n  \"", 4) + '\0' + "x");
  char one = 'x';
  EXPECT_EQ(tharvel_report_write(nullptr, 0, 0, &one, 1), 0u);
  EXPECT_EQ(one, '\0');
  EXPECT_EQ(tharvel_report_write(r.get(), 7, 0, nullptr, 0), 0u);
  EXPECT_EQ(tharvel_report_write(r.get(), 0, 9, nullptr, 0), 0u);
  EXPECT_EQ(tharvel_report_add(nullptr, nullptr), -1);
  EXPECT_EQ(tharvel_report_add_message(r.get(), 1, 0, 0, 0, 0, 0, nullptr, 0), -1);
}

}  // namespace
}  // namespace tharvel_test
