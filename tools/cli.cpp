#include "cli.h"

#include <fnmatch.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>

namespace tharvel_cli {

namespace {

constexpr const char* kStatusNames[kStatusCount] = {"decoded",   "truncated", "trailing", "not-decoded",
                                                    "too-short", "failed",    "too-long"};

constexpr const char* kProtocols[] = {"rr", "mm", "cc", "gmm", "sm", "sms"};

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string> split_commas(std::string_view s) {
  std::vector<std::string> out;
  for (size_t start = 0;;) {
    size_t comma = s.find(',', start);
    out.emplace_back(trim(s.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return out;
}

bool glob_matches(const std::string& glob, const std::string& text) {
  return fnmatch(glob.c_str(), text.c_str(), FNM_CASEFOLD) == 0;
}

std::string_view strip_hex_prefix(std::string_view s) {
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.remove_prefix(2);
  return s;
}

bool same_text(std::string_view a, std::string_view b) {
  a = strip_hex_prefix(trim(a));
  b = strip_hex_prefix(trim(b));
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::tolower(x) == std::tolower(y);
         });
}

std::string time_text(const Item& item) { return item.from_capture ? iso_time(item.time_sec, item.time_nsec) : "-"; }

}  // namespace

const char* status_name(Status s) { return kStatusNames[static_cast<int>(s)]; }

bool parse_status(std::string_view name, Status& out) {
  std::string n = lower(name);
  for (int i = 0; i < kStatusCount; ++i) {
    if (n == kStatusNames[i]) {
      out = static_cast<Status>(i);
      return true;
    }
  }
  return false;
}

bool Filter::add(std::string_view term, std::string& error) {
  term = trim(term);
  size_t eq = term.find('=');
  std::string key = lower(trim(term.substr(0, eq)));
  if (eq == std::string_view::npos) {
    bool protocol = std::find(std::begin(kProtocols), std::end(kProtocols), key) != std::end(kProtocols);
    terms_.push_back({protocol ? Key::protocol : Key::name, "", protocol ? key : std::string(term)});
    return true;
  }
  std::string_view value = trim(term.substr(eq + 1));
  if (key.empty() || value.empty()) {
    error = "filter term '" + std::string(term) + "' needs a name and a value";
    return false;
  }
  for (const std::string& v : split_commas(value)) {
    if (key == "proto" || key == "protocol") {
      terms_.push_back({Key::protocol, "", lower(v)});
    } else if (key == "name") {
      terms_.push_back({Key::name, "", v});
    } else if (key == "dir" || key == "direction") {
      std::string d = lower(v);
      if (d != "ul" && d != "dl") {
        error = "direction '" + v + "' is neither ul nor dl";
        return false;
      }
      terms_.push_back({Key::direction, "", d});
    } else if (key == "chan" || key == "channel") {
      terms_.push_back({Key::channel, "", v});
    } else if (key == "status") {
      Status s;
      if (!parse_status(v, s)) {
        error = "unknown status '" + v + "'";
        return false;
      }
      terms_.push_back({Key::status, "", status_name(s)});
    } else {
      terms_.push_back({Key::field, std::string(trim(term.substr(0, eq))), v});
    }
  }
  return true;
}

bool Filter::needs_document() const {
  return std::any_of(terms_.begin(), terms_.end(), [](const Term& t) { return t.key == Key::field; });
}

bool Filter::matches(const Item& item, const Decoded& d) const {
  // Terms come grouped by kind (and field name) in the order given: each group needs one term that holds.
  std::string protocol = lower(d.protocol);
  std::vector<std::pair<std::string, bool>> groups;
  for (const Term& t : terms_) {
    std::string group = std::to_string(static_cast<int>(t.key)) + t.field;
    auto it = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == group; });
    if (it == groups.end()) it = groups.insert(groups.end(), {group, false});
    if (it->second) continue;
    bool ok = false;
    switch (t.key) {
      case Key::protocol:
        ok = protocol == t.value;
        break;
      case Key::name:
        ok = !d.name.empty() && glob_matches(t.value, d.name);
        break;
      case Key::direction:
        ok = (item.direction != 0) == (t.value == "ul");
        break;
      case Key::channel:
        ok = glob_matches(t.value, item.channel);
        break;
      case Key::status:
        ok = t.value == status_name(d.status);
        break;
      case Key::field:
        for (const std::string& text : find_fields(d.document, t.field)) ok = ok || field_value_matches(text, t.value);
        break;
    }
    it->second = ok;
  }
  return std::all_of(groups.begin(), groups.end(), [](const auto& g) { return g.second; });
}

std::vector<std::string> find_fields(std::string_view document, std::string_view tag) {
  std::vector<std::string> out;
  if (tag.empty()) return out;
  std::string open = "<" + std::string(tag) + ">";
  std::string close = "</" + std::string(tag) + ">";
  for (size_t at = document.find(open); at != std::string_view::npos; at = document.find(open, at + 1)) {
    size_t start = at + open.size();
    size_t end = document.find(close, start);
    if (end == std::string_view::npos) break;
    std::string_view text = document.substr(start, end - start);
    // Elements holding elements are not values.
    if (text.find('<') != std::string_view::npos) continue;
    out.emplace_back(trim(text));
  }
  return out;
}

bool field_value_matches(std::string_view text, std::string_view value) {
  text = trim(text);
  if (same_text(text, value)) return true;
  if (text.size() > 2 && text[0] == '(') {
    size_t close = text.find(')');
    if (close != std::string_view::npos) {
      return same_text(text.substr(1, close - 1), value) || same_text(text.substr(close + 1), value);
    }
  }
  return false;
}

std::string iso_time(int64_t sec, int32_t nsec) {
  std::time_t t = static_cast<std::time_t>(sec);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d.%06dZ", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(nsec / 1000));
  return buf;
}

std::string document_header(const Item& item) {
  std::string arfcn = item.arfcn >= 0 ? std::to_string(item.arfcn) : "-";
  return "<!-- frame " + std::to_string(item.frame) + ", " + time_text(item) + ", ARFCN " + arfcn + ", " +
         item.channel + ", " + (item.direction ? "uplink" : "downlink") + " -->\n";
}

const char kSummaryHeader[] = "frame\ttime\tarfcn\tdirection\tchannel\tprotocol\tname\tstatus\n";

std::string summary_line(const Item& item, const Decoded& d) {
  std::string arfcn = item.arfcn >= 0 ? std::to_string(item.arfcn) : "-";
  return std::to_string(item.frame) + "\t" + time_text(item) + "\t" + arfcn + "\t" + (item.direction ? "UL" : "DL") +
         "\t" + item.channel + "\t" + (d.protocol.empty() ? "-" : d.protocol) + "\t" +
         (d.name.empty() ? "unknown" : d.name) + "\t" + status_name(d.status) + "\n";
}

std::string field_column(const Item& item, const Decoded& d, std::string_view field, std::string_view aggregator) {
  if (field == "frame") return std::to_string(item.frame);
  if (field == "time") return time_text(item);
  if (field == "arfcn") return item.arfcn >= 0 ? std::to_string(item.arfcn) : "-";
  if (field == "channel") return item.channel;
  if (field == "direction") return item.direction ? "UL" : "DL";
  if (field == "protocol") return d.protocol;
  if (field == "name") return d.name;
  if (field == "status") return status_name(d.status);
  if (field == "length") return std::to_string(item.octets.size());
  if (field == "hex") {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (uint8_t o : item.octets) {
      hex += kDigits[o >> 4];
      hex += kDigits[o & 15];
    }
    return hex;
  }
  std::string out;
  for (const std::string& v : find_fields(d.document, field)) {
    if (!out.empty()) out += aggregator;
    // Keep a column on one line.
    for (char c : v) out += (c == '\n' || c == '\t') ? ' ' : c;
  }
  return out;
}

std::string json_string(std::string_view s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string gsmtap_channel_name(uint8_t channel) {
  static constexpr const char* kNames[] = {"-",      "BCCH",   "CCCH",   "RACH",  "AGCH",  "PCH",
                                           "SDCCH",  "SDCCH4", "SDCCH8", "TCH/F", "TCH/H"};
  uint8_t base = channel & 0x7F;
  std::string name = base < std::size(kNames) ? kNames[base] : "GSMTAP " + std::to_string(base);
  return (channel & 0x80) ? "SACCH/" + name : name;
}

}  // namespace tharvel_cli
