#include <gtest/gtest.h>

#include <set>

#include "report/report.h"
#include "report_frames.h"
#include "rr/elements/frequency_list.h"

namespace tharvel_test {
namespace {

using nlohmann::json;

constexpr uint8_t kSacch = 0x86;  // GSMTAP SDCCH/8 with the SACCH flag

// Neighbour cell description in bit map 0 format: format bits 00, EXT-IND,
// BA-IND, then one bit per ARFCN from 124 down to 1.
std::string bitmap0(std::set<int> arfcns) {
  BitWriter w;
  w.put(0, 2).put(0, 1).put(0, 1);
  for (int a = 124; a >= 1; --a) w.put(arfcns.count(a), 1);
  return w.hex();
}

struct Ncell {
  uint8_t rxlev, index, bsic;
};

// MEASUREMENT REPORT: the measurement results element, field by field.
std::string measurement_report(uint8_t rxlev_full, std::vector<Ncell> cells) {
  BitWriter w;
  w.put(0x06, 8).put(0x15, 8);
  w.put(0, 1).put(0, 1).put(rxlev_full, 6);        // BA-USED, DTX-USED, RXLEV-FULL
  w.put(0, 1).put(0, 1).put(rxlev_full, 6);        // 3G-BA-USED, MEAS-VALID (0: valid), RXLEV-SUB
  w.put(0, 1).put(0, 3).put(0, 3);                 // spare, RXQUAL-FULL, RXQUAL-SUB
  w.put(static_cast<uint32_t>(cells.size()), 3);  // NO-NCELL-M
  for (size_t i = 0; i < 6; ++i) {
    const Ncell c = i < cells.size() ? cells[i] : Ncell{0, 0, 0};
    w.put(c.rxlev, 6).put(c.index, 5).put(c.bsic, 6);
  }
  return w.hex();
}

// SI 2quater with two UTRAN FDD neighbours (UARFCN 10564 and 10612, scrambling
// code 319 each), as instance `index` of `count` instances.
std::string si2quater(int index, int count) {
  BitWriter w;
  w.put(0x06, 8).put(0x07, 8);
  w.put(0, 1).put(1, 1).put(0, 1);          // BA_IND, 3G_BA_IND, MP_CHANGE_MARK
  w.put(index, 4).put(count - 1, 4);        // SI2quater_INDEX, SI2quater_COUNT
  w.put(0, 5);                              // no measurement, RTD, BSIC, priority, GPRS groups
  return w.hex() + "2552880a7f52e80a7e0b2b2b2b2b2b2b2b2b";
}

// Cell A: 262-02, LAC 318, CI 11225 on ARFCN 20; cell B: 310-410, LAC 4660,
// CI 257 on ARFCN 40.
const std::string kSi3A = "061b2bd962f220013ec8070a156009b90000e81f461b";
const std::string kSi3B = "061b0101130014" "1234" "c8070a156009b90000e81f461b";
const std::string kSi3BRxlev12 = "061b0101130014" "1234" "c8070a15600cb90000e81f461b";
const std::string kSi13A = "0600c0005847eb4a9243406284eb2b2b2b2b2b2b2b2b";
const std::string kSi6A = "061e2bd962f220013e95787b2b2b2b2b2b2b";

std::vector<TestFrame> two_cells() {
  return {
      {0, 20, 1000, kSi3A},
      {0, 20, 1001, "061a" + bitmap0({1, 5, 17, 40}) + "78b90000"},
      {0, 20, 1002, si2quater(0, 3)},
      {0, 20, 1003, si2quater(2, 3)},
      {0, 20, 1004, kSi13A},
      {0, 40, 1005, kSi3B},
      {0, 40, 1006, "061a" + bitmap0({20, 60}) + "78b90000"},
      // A dedicated channel on ARFCN 20: SI 5 and 5ter before SI 6 names the cell.
      {0, 20, 1007, "061d" + bitmap0({1, 5, 17, 40}), kSacch},
      {0, 20, 1008, "0606" + bitmap0({70}), kSacch},
      {0, 20, 1009, kSi6A, kSacch},
      {1, 20, 1010, measurement_report(40, {{30, 3, 21}, {20, 4, 9}, {10, 9, 1}}), kSacch},
      // Cell B again with RXLEV_ACCESS_MIN 12 instead of 9.
      {0, 40, 1011, kSi3BRxlev12},
  };
}

const json& row_of(const json& rows, const std::string& cell) {
  for (const json& r : rows) {
    if (r.at("cell") == cell) return r;
  }
  static const json kNone;
  ADD_FAILURE() << "no row " << cell;
  return kNone;
}

TEST(ReportCells, TwoCellsKeyedByCgiWithTheirNeighbourLists) {
  TestReport r(two_cells());
  const json rows = r.json(THARVEL_REPORT_CELLS, "cells");
  ASSERT_EQ(rows.size(), 2u);
  const json& a = row_of(rows, "262-02-318-11225");
  EXPECT_EQ(a.at("arfcn"), 20);
  EXPECT_EQ(a.at("band"), "GSM900");
  EXPECT_EQ(a.at("mcc"), 262);
  EXPECT_EQ(a.at("mnc"), "02");
  EXPECT_EQ(a.at("lac"), 318);
  EXPECT_EQ(a.at("ci"), 11225);
  EXPECT_EQ(a.at("rac"), 1);  // SI 13 of the same capture
  EXPECT_EQ(a.at("nmo"), "II");
  EXPECT_EQ(a.at("si2_neighbours"), json({1, 5, 17, 40}));
  EXPECT_EQ(a.at("si5_neighbours"), json({1, 5, 17, 40}));
  EXPECT_EQ(a.at("si5ter_neighbours"), json({70}));
  EXPECT_EQ(a.at("messages"), 9);  // SI 3, 2, 2quater twice, 13, 5, 5ter, 6, measurement report
  EXPECT_EQ(a.at("first"), "1970-01-01T00:16:40.000Z");
  EXPECT_EQ(a.at("last"), "1970-01-01T00:16:50.000Z");
  EXPECT_EQ(a.at("utran_fdd_neighbours").size(), 4u);  // two per instance
  EXPECT_EQ(a.at("utran_fdd_neighbours")[0], json::parse(R"({"uarfcn":10564,"scrambling_codes":[319]})"));
  EXPECT_EQ(a.at("max_retrans"), 4);
  EXPECT_EQ(a.at("tx_integer"), 32);
  EXPECT_EQ(a.at("cell_barred"), false);
  EXPECT_EQ(a.at("rxlev_access_min"), 9);
  EXPECT_EQ(a.at("cell_reselect_offset"), 40);
  EXPECT_EQ(a.at("penalty_time"), 31);

  const json& b = row_of(rows, "310-410-4660-257");
  EXPECT_EQ(b.at("mnc"), "410");  // three digits kept
  EXPECT_EQ(b.at("arfcn"), 40);
  EXPECT_EQ(b.at("si2_neighbours"), json({20, 60}));
  EXPECT_EQ(b.at("messages"), 3);
  EXPECT_EQ(b.at("si_types"), json({"2 x1", "3 x2"}));
}

TEST(ReportCells, ChangedParameterIsListedNotOverwritten) {
  TestReport r(two_cells());
  const json b = row_of(r.json(THARVEL_REPORT_CELLS, "cells"), "310-410-4660-257");
  EXPECT_EQ(b.at("rxlev_access_min"), 12);
  ASSERT_EQ(b.at("changes").size(), 1u);
  EXPECT_EQ(b.at("changes")[0],
            json::parse(R"({"frame":12,"time":"1970-01-01T00:16:51.000Z","field":"rxlev_access_min","from":9,"to":12})"));
  const json a = row_of(r.json(THARVEL_REPORT_CELLS, "cells"), "262-02-318-11225");
  EXPECT_TRUE(a.at("changes").empty());
}

TEST(ReportCells, MissingSi2quaterInstanceMarksTheListIncomplete) {
  TestReport missing(two_cells());
  const json a = row_of(missing.json(THARVEL_REPORT_CELLS, "cells"), "262-02-318-11225");
  EXPECT_EQ(a.at("si_types"), json({"2 x1", "2quater x2 (2/3 instances, incomplete)", "3 x1", "5 x1", "5ter x1",
                                    "6 x1", "13 x1", "MEASUREMENT REPORT x1"}));
  EXPECT_EQ(a.at("si_complete"), false);

  std::vector<TestFrame> frames = two_cells();
  frames.push_back({0, 20, 1012, si2quater(1, 3)});
  TestReport whole(frames);
  const json w = row_of(whole.json(THARVEL_REPORT_CELLS, "cells"), "262-02-318-11225");
  EXPECT_EQ(w.at("si_types")[1], "2quater x3 (3/3 instances)");
  EXPECT_EQ(w.at("si_complete"), true);
}

TEST(ReportCells, MeasuredNeighboursResolvedThroughTheBaList) {
  TestReport r(two_cells());
  const json a = row_of(r.json(THARVEL_REPORT_CELLS, "cells"), "262-02-318-11225");
  // BA list: SI 5 set increasing (1 5 17 40), then the SI 5ter sub list (70).
  const json expected = json::parse(R"([
    {"arfcn":40,"ba_index":3,"bsic":21,"reports":1,"rxlev_last":30,"rxlev_min":30,"rxlev_max":30},
    {"arfcn":70,"ba_index":4,"bsic":9,"reports":1,"rxlev_last":20,"rxlev_min":20,"rxlev_max":20},
    {"arfcn":null,"ba_index":9,"bsic":1,"reports":1,"rxlev_last":10,"rxlev_min":10,"rxlev_max":10}])");
  EXPECT_EQ(a.at("measured_neighbours"), expected);
}

TEST(ReportCells, BaSubListPutsArfcnZeroLast) {
  EXPECT_EQ(l3::report::ba_sub_list({0, 124, 3}), (std::vector<uint16_t>{3, 124, 0}));
  EXPECT_EQ(l3::report::ba_sub_list({}), (std::vector<uint16_t>{}));
}

// ARFCN sets of each list format, checked against tshark's lists.
struct ListCase {
  const char* name;
  const char* si2;
  std::vector<int> arfcns;
};

TEST(ReportCells, ArfcnSetsOfEveryListFormat) {
  const ListCase kCases[] = {
      {"range1024 with F0", "061a8464000000000000000000000000000078b90000", {0, 100}},
      {"range512", "061a8900014000000000000000000000000078b90000", {512, 517}},
      {"range256", "061a9b3200c69087e0000000000000000000ffb90000", {612, 613, 684, 685, 762, 810}},
      {"variable bitmap", "061a8f6d181080000000000000000000000078b90000", {730, 733, 734, 741, 746}},
  };
  for (const ListCase& c : kCases) {
    TestReport r({{0, 1, 0, c.si2}});
    const json rows = r.json(THARVEL_REPORT_CELLS, "cells");
    ASSERT_EQ(rows.size(), 1u) << c.name;
    EXPECT_EQ(rows[0].at("si2_neighbours"), json(c.arfcns)) << c.name;
  }
  TestReport bitmap({{0, 1, 0, "060370000000000004155010000000000aa82b2b2b2b"}});
  EXPECT_EQ(bitmap.json(THARVEL_REPORT_CELLS, "cells")[0].at("si2ter_neighbours"),
            json({4, 6, 8, 10, 12, 53, 61, 63, 65, 67, 69, 75}));
}

TEST(ReportCells, TextAndCsvCarryTheSameRows) {
  TestReport r(two_cells());
  const std::string text = r.write(THARVEL_REPORT_CELLS, THARVEL_REPORT_FORMAT_TEXT);
  // Header, then each cell's row, aligned on the header's columns.
  const size_t header_end = text.find('\n');
  const std::string header = text.substr(0, header_end);
  EXPECT_EQ(header.rfind("cell", 0), 0u);
  const size_t arfcn_col = header.find("arfcn");
  const size_t row_a = text.find("262-02-318-11225");
  ASSERT_NE(row_a, std::string::npos);
  EXPECT_EQ(text.substr(row_a + arfcn_col, 2), "20");
  EXPECT_NE(text.find("    si2_neighbours: 1 5 17 40\n"), std::string::npos);
  EXPECT_NE(text.find("field=rxlev_access_min from=9 to=12"), std::string::npos);

  const auto csv = parse_csv(r.write(THARVEL_REPORT_CELLS, THARVEL_REPORT_FORMAT_CSV));
  ASSERT_EQ(csv.size(), 3u);
  const auto col = [&](const char* name) {
    return static_cast<size_t>(std::find(csv[0].begin(), csv[0].end(), name) - csv[0].begin());
  };
  ASSERT_LT(col("si5_neighbours"), csv[0].size());
  for (size_t i = 1; i < csv.size(); ++i) EXPECT_EQ(csv[i].size(), csv[0].size());
  EXPECT_EQ(csv[1][col("cell")], "262-02-318-11225");
  EXPECT_EQ(csv[1][col("si5_neighbours")], "1 5 17 40");
  EXPECT_EQ(csv[2][col("mnc")], "410");
  EXPECT_EQ(csv[2][col("changes")], "frame=12 time=1970-01-01T00:16:51.000Z field=rxlev_access_min from=9 to=12");
}

TEST(ReportCells, UnidentifiedCellIsKeyedByArfcn) {
  TestReport r({{0, 600, 5, "061a" + bitmap0({20}) + "78b90000", 1}});
  const json rows = r.json(THARVEL_REPORT_CELLS, "cells");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("cell"), "ARFCN 600");
  EXPECT_EQ(rows[0].at("band"), "DCS1800");
  EXPECT_TRUE(rows[0].at("mcc").is_null());
}

}  // namespace
}  // namespace tharvel_test
