#include <algorithm>
#include <ctime>
#include <string>

#include "report/report.h"

namespace l3::report {

std::string format_time(int64_t sec, int32_t nsec) {
  std::time_t t = static_cast<std::time_t>(sec);
  std::tm tm{};
  if (gmtime_r(&t, &tm) == nullptr) return std::to_string(sec);
  char buf[48];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
  char out[64];
  int ms = nsec >= 0 && nsec < 1000000000 ? nsec / 1000000 : 0;
  std::snprintf(out, sizeof out, "%s.%03dZ", buf, ms);
  return out;
}

Json frame_ref(const Frame& f) {
  Json j = Json::object();
  j["frame"] = f.frame;
  j["time"] = format_time(f.time_sec, f.time_nsec);
  return j;
}

namespace {

// One field as a single line of text: scalars as they are, a list of scalars
// blank-separated, anything else as compact JSON.
std::string flat(const Json& v) {
  if (v.is_null()) return "";
  if (v.is_string()) return v.get<std::string>();
  if (v.is_boolean()) return v.get<bool>() ? "yes" : "no";
  if (v.is_number()) return v.dump();
  if (v.is_array()) {
    const bool simple = std::all_of(v.begin(), v.end(), [](const Json& e) { return e.is_primitive(); });
    std::string s;
    for (const Json& e : v) {
      if (!s.empty()) s += simple ? " " : "; ";
      s += flat(e);
    }
    return s;
  }
  // An object as name=value pairs; a value that is not there reads "-".
  std::string s;
  for (auto it = v.begin(); it != v.end(); ++it) {
    if (!s.empty()) s += ' ';
    const std::string value = it.value().is_null() ? "-" : flat(it.value());
    s += it.key() + '=' + (it.value().is_primitive() ? value : "[" + value + "]");
  }
  return s;
}

bool empty_value(const Json& v) { return v.is_null() || ((v.is_array() || v.is_object()) && v.empty()); }

std::string csv_cell(const std::string& s) {
  if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
  std::string q = "\"";
  for (char c : s) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + '"';
}

// Display width of UTF-8 text: one column per code point.
size_t width(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::vector<std::string> all_keys(const Json& rows) {
  std::vector<std::string> keys;
  for (const Json& row : rows) {
    for (auto it = row.begin(); it != row.end(); ++it) {
      if (std::find(keys.begin(), keys.end(), it.key()) == keys.end()) keys.push_back(it.key());
    }
  }
  return keys;
}

}  // namespace

std::string write_text(const Json& rows, const std::vector<std::string>& columns) {
  std::vector<std::vector<std::string>> cells;
  std::vector<size_t> widths;
  for (const std::string& c : columns) widths.push_back(width(c));
  for (const Json& row : rows) {
    std::vector<std::string> line;
    for (size_t i = 0; i < columns.size(); ++i) {
      line.push_back(row.contains(columns[i]) ? flat(row[columns[i]]) : "");
      widths[i] = std::max(widths[i], width(line.back()));
    }
    cells.push_back(std::move(line));
  }
  auto put_line = [&](std::string& out, const std::vector<std::string>& line) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
      text += line[i];
      if (i + 1 < line.size()) text.append(widths[i] - width(line[i]) + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out += text + '\n';
  };
  std::string out;
  put_line(out, columns);
  size_t r = 0;
  for (const Json& row : rows) {
    put_line(out, cells[r++]);
    for (auto it = row.begin(); it != row.end(); ++it) {
      if (std::find(columns.begin(), columns.end(), it.key()) != columns.end() || empty_value(it.value())) continue;
      if (it.value().is_array() && !it.value().empty() && it.value()[0].is_object()) {
        out += "    " + it.key() + ":\n";
        for (const Json& e : it.value()) out += "      " + flat(e) + '\n';
      } else {
        out += "    " + it.key() + ": " + flat(it.value()) + '\n';
      }
    }
  }
  return out;
}

std::string write_csv(const Json& rows) {
  const std::vector<std::string> keys = all_keys(rows);
  std::string out;
  for (size_t i = 0; i < keys.size(); ++i) out += (i ? "," : "") + csv_cell(keys[i]);
  out += '\n';
  for (const Json& row : rows) {
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i) out += ',';
      if (row.contains(keys[i])) out += csv_cell(flat(row[keys[i]]));
    }
    out += '\n';
  }
  return out;
}

std::string write_json(const char* name, const Json& rows) {
  Json doc = Json::object();
  doc[name] = rows;
  // Invalid UTF-8 from a message is replaced, never a reason to fail.
  return doc.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

}  // namespace l3::report
