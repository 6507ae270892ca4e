// Reports over a whole capture: the cells heard, the short messages and the
// outcome of every procedure, built from the parsers' records.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace l3::report {

using Json = nlohmann::ordered_json;

// One layer-3 message of a capture, as the report reads it.
struct Frame {
  uint64_t frame = 0;
  int64_t time_sec = 0;
  int32_t time_nsec = 0;
  uint16_t arfcn = 0;
  uint8_t pcs_band = 0;
  uint8_t channel = 0;    // GSMTAP channel type, 0x80 set on the SACCH
  uint8_t direction = 0;  // 0 network to mobile, 1 mobile to network
  const uint8_t* octets = nullptr;
  size_t length = 0;
};

// "2026-12-08T09:23:38.123Z"
std::string format_time(int64_t sec, int32_t nsec);
// The frame's reference in the lists of frames: number and time.
Json frame_ref(const Frame& f);

}  // namespace l3::report

namespace l3 {
struct FrequencyList;
}

namespace l3::report {

// The ARFCN set a frequency list codes, increasing.
std::vector<uint16_t> arfcn_set(const FrequencyList& l);
// A BCCH channel sub list as measurement reports index it: increasing ARFCN, ARFCN 0 last.
std::vector<uint16_t> ba_sub_list(std::set<uint16_t> s);

class CellTable;
class SmsList;
class OutcomeList;

class Report {
 public:
  Report();
  ~Report();
  void add(const Frame& f);
  // Rows of one report, in JSON form; the text and CSV forms are made from them.
  Json rows(int kind) const;
  std::string write(int kind, int format) const;

 private:
  std::unique_ptr<CellTable> cells_;
  std::unique_ptr<SmsList> sms_;
  std::unique_ptr<OutcomeList> outcomes_;
};

// The three layouts of a report's rows. columns: the fields the text table
// shows in aligned columns; every other field goes on its own line below the row.
std::string write_text(const Json& rows, const std::vector<std::string>& columns);
std::string write_csv(const Json& rows);
std::string write_json(const char* name, const Json& rows);

class CellTable {
 public:
  CellTable();
  ~CellTable();
  void add(const Frame& f);
  Json rows() const;
  static const std::vector<std::string>& columns();

  struct Cell;

 private:
  size_t cell_index(const Frame& f);
  Cell& cell_for(const Frame& f);
  Cell& identify(const Frame& f, int32_t mcc, int32_t mnc, uint8_t mnc_digits, uint16_t lac, uint16_t ci);
  void measurement(const Frame& f, const uint8_t* msg, size_t len);
  std::vector<std::unique_ptr<Cell>> cells_;
  std::map<uint16_t, size_t> current_;  // frame ARFCN -> cell heard there last
  std::map<uint16_t, size_t> dedicated_;  // SACCH ARFCN -> cell whose SI 5/6 came there
};

class SmsList {
 public:
  SmsList();
  ~SmsList();
  void add(const Frame& f);
  Json rows() const;
  static const std::vector<std::string>& columns();

  struct Part;

 private:
  std::vector<Part> parts_;
};

class OutcomeList {
 public:
  OutcomeList();
  ~OutcomeList();
  void add(const Frame& f);
  Json rows() const;
  static const std::vector<std::string>& columns();

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace l3::report
