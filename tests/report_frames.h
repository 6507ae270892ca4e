// Captures built in code for the report tests: frames fed through the C
// interface, reports read back through it.
#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "tharvel.h"
#include "test_util.h"

namespace tharvel_test {

struct TestFrame {
  uint8_t direction;  // 0 network to mobile, 1 mobile to network
  uint16_t arfcn;
  int64_t time_sec;
  std::string hex;
  uint8_t channel = 1;  // GSMTAP channel type: BCCH
};

class TestReport {
 public:
  explicit TestReport(const std::vector<TestFrame>& frames) : report_(tharvel_report_new()) {
    uint64_t n = 0;
    for (const TestFrame& f : frames) {
      const std::vector<uint8_t> msg = octets(f.hex.c_str());
      EXPECT_EQ(tharvel_report_add_message(report_, ++n, f.time_sec, 0, f.arfcn, f.channel, f.direction, msg.data(),
                                           msg.size()),
                0);
    }
  }
  ~TestReport() { tharvel_report_free(report_); }
  TestReport(const TestReport&) = delete;
  TestReport& operator=(const TestReport&) = delete;

  // The whole text, read with the length the first call returns.
  std::string write(int kind, int format) const {
    const size_t n = tharvel_report_write(report_, kind, format, nullptr, 0);
    std::string text(n + 1, '\0');
    EXPECT_EQ(tharvel_report_write(report_, kind, format, text.data(), text.size()), n);
    text.resize(n);
    return text;
  }
  nlohmann::json json(int kind, const char* name) const {
    nlohmann::json doc = nlohmann::json::parse(write(kind, THARVEL_REPORT_FORMAT_JSON));
    return doc.at(name);
  }
  tharvel_report* get() const { return report_; }

 private:
  tharvel_report* report_;
};

// Rows of a CSV text, fields unquoted.
inline std::vector<std::vector<std::string>> parse_csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.push_back(field);
      field.clear();
    } else if (c == '\n') {
      row.push_back(field);
      field.clear();
      rows.push_back(row);
      row.clear();
    } else {
      field += c;
    }
  }
  return rows;
}


}  // namespace tharvel_test

namespace tharvel_test {

// Bit fields written most significant bit first, as the message layouts draw them.
class BitWriter {
 public:
  BitWriter& put(uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      if (used_ % 8 == 0) octets_.push_back(0);
      if ((value >> i) & 1) octets_.back() |= static_cast<uint8_t>(0x80 >> (used_ % 8));
      ++used_;
    }
    return *this;
  }
  // Hex of the octets, the last one completed with zero bits.
  std::string hex() const {
    static const char* const kDigits = "0123456789abcdef";
    std::string s;
    for (uint8_t o : octets_) {
      s += kDigits[o >> 4];
      s += kDigits[o & 15];
    }
    return s;
  }

 private:
  std::vector<uint8_t> octets_;
  int used_ = 0;
};

}  // namespace tharvel_test
