#include <algorithm>
#include <optional>

#include "api/registry.h"
#include "report/gsm_alphabet.h"
#include "report/report.h"
#include "sms/sms_records.h"

namespace l3::report {

namespace {

constexpr uint8_t kCpData = 0x01;

enum class TpType { submit, deliver, status_report, other };

const char* type_name(TpType t) {
  switch (t) {
    case TpType::submit:
      return "SUBMIT";
    case TpType::deliver:
      return "DELIVER";
    case TpType::status_report:
      return "STATUS-REPORT";
    default:
      return "OTHER";
  }
}

// Address digits in dialling order; '+' for an international number.
std::string address(const RpAddress& a) {
  if (!a.present) return {};
  static const char kDigits[] = "0123456789*#abc";
  std::string s = a.type_of_number == 1 ? "+" : "";
  for (uint32_t i = 1; i <= a.digit_count && i <= RpAddress::kMaxDigits; ++i) {
    if (a.digits[i] < 15) s += kDigits[a.digits[i]];
  }
  return s;
}

// "2026-12-08T09:23:38+01:00" from the nibble-swapped SCTS octets.
std::string scts_text(const uint8_t (&t)[7]) {
  auto dec = [](uint8_t o) { return (o >> 4) * 10 + (o & 0x0F); };
  const int quarters = ((t[6] >> 4) & 0x07) * 10 + (t[6] & 0x0F);
  const bool west = (t[6] & 0x80) != 0;
  char buf[40];
  std::snprintf(buf, sizeof buf, "20%02d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", dec(t[0]) % 100, dec(t[1]) % 100,
                dec(t[2]) % 100, dec(t[3]) % 100, dec(t[4]) % 100, dec(t[5]) % 100, west ? '-' : '+',
                quarters / 4 % 100, quarters % 4 * 15);
  return buf;
}

struct StatusText {
  uint8_t first, last;
  const char* text;
};
constexpr StatusText kStatusTexts[] = {
    {0x00, 0x00, "received by the SME"},
    {0x01, 0x01, "forwarded, delivery not confirmed"},
    {0x02, 0x02, "replaced by the SC"},
    {0x03, 0x1F, "delivered"},
    {0x20, 0x20, "congestion, SC still trying"},
    {0x21, 0x21, "SME busy, SC still trying"},
    {0x22, 0x22, "no response from SME, SC still trying"},
    {0x23, 0x23, "service rejected, SC still trying"},
    {0x24, 0x3F, "temporary error, SC still trying"},
    {0x40, 0x40, "remote procedure error"},
    {0x41, 0x41, "incompatible destination"},
    {0x42, 0x42, "connection rejected by SME"},
    {0x43, 0x43, "not obtainable"},
    {0x44, 0x44, "quality of service not available"},
    {0x45, 0x45, "no interworking available"},
    {0x46, 0x46, "validity period expired"},
    {0x47, 0x47, "deleted by originating SME"},
    {0x48, 0x48, "deleted by SC administration"},
    {0x49, 0x49, "SM does not exist"},
    {0x4A, 0x5F, "permanent error"},
    {0x60, 0x7F, "temporary error, SC not trying any more"},
};

const char* status_text(uint8_t st) {
  for (const StatusText& s : kStatusTexts) {
    if (st >= s.first && st <= s.last) return s.text;
  }
  return "reserved";
}

// TP-ST of a status report: the record does not keep it, so it is read
// from the CP-DATA octets past TP-RA, TP-SCTS and TP-DT.
std::optional<uint8_t> status_octet(const uint8_t* m, size_t len) {
  size_t at = 5;  // past PD, type, CP length, RP-MTI, RP-MR
  for (int lv = 0; lv < 2; ++lv) {
    if (at >= len) return std::nullopt;
    at += 1 + m[at];  // RP-OA, RP-DA
  }
  at += 1;  // RP user data length
  if (at + 3 >= len) return std::nullopt;
  at += 2;                                   // first octet, TP-MR
  at += 2 + (static_cast<size_t>(m[at]) + 1) / 2;  // TP-RA: digits, TOA, digit octets
  at += 14;                                  // TP-SCTS, TP-DT
  if (at >= len) return std::nullopt;
  return m[at];
}

}  // namespace

struct SmsList::Part {
  Frame frame;  // octets not kept
  TpType type = TpType::other;
  uint8_t rp_mr = 0;
  std::string rp_oa, rp_da;
  std::optional<uint8_t> tp_mr;
  std::string tp_address;
  std::string scts;
  uint8_t alphabet = 0;
  std::string text;
  bool concatenated = false;
  uint16_t reference = 0, total = 1, index = 1;
  std::optional<uint8_t> status;
  bool srr = false;
};

SmsList::SmsList() = default;
SmsList::~SmsList() = default;

void SmsList::add(const Frame& f) {
  if ((f.octets[0] & 0x0F) != kPdSms || f.octets[1] != kCpData) return;
  // The record's TPDU type follows the parser's direction byte, 0 for a
  // message from the mobile.
  const uint8_t parse_direction = f.direction == 1 ? 0 : 1;
  const uint16_t len = static_cast<uint16_t>(std::min<size_t>(f.length, 0xFFFF));
  const ParsedMessage rec(f.octets, len, parse_direction);
  if (rec.as<CpDataRecord>() == nullptr) return;
  const auto& r = *rec.as<CpDataRecord>();
  // RP-DATA only: the other RP messages carry no TPDU.
  if (r.rp_message_type > 1 || !r.tpdu.present) return;
  const TpduRecord& t = r.tpdu;
  Part p;
  p.frame = f;
  p.frame.octets = nullptr;
  p.frame.length = 0;
  if (f.direction == 1 && t.mti == 1) p.type = TpType::submit;
  if (f.direction == 0 && t.mti == 0) p.type = TpType::deliver;
  if (f.direction == 0 && t.mti == 2) p.type = TpType::status_report;
  p.rp_mr = r.rp_message_reference;
  p.rp_oa = address(r.rp_originator);
  p.rp_da = address(r.rp_destination);
  if (t.mr.present) p.tp_mr = t.mr.value;
  p.tp_address = address(p.type == TpType::submit ? t.da : p.type == TpType::deliver ? t.oa : t.ra);
  if (t.scts_present) p.scts = scts_text(t.scts);
  p.srr = t.srr != 0;
  p.alphabet = t.alphabet;
  const uint32_t n = std::min<uint32_t>(t.char_count, TpduRecord::kTextBytes);
  if (t.alphabet == 0) {
    p.text = septets_to_utf8(t.text + 1, n);
  } else if (t.alphabet == 2) {
    p.text.assign(reinterpret_cast<const char*>(t.text + 1), n);  // already UTF-8
  } else {
    static const char* const kHex = "0123456789abcdef";
    for (uint32_t i = 1; i <= n; ++i) {
      p.text += kHex[t.text[i] >> 4];
      p.text += kHex[t.text[i] & 15];
    }
  }
  if (t.concat16.present) {
    p.concatenated = true;
    p.reference = t.concat16.value.reference, p.total = t.concat16.value.total, p.index = t.concat16.value.index;
  } else if (t.concat8.present) {
    p.concatenated = true;
    p.reference = t.concat8.value.reference, p.total = t.concat8.value.total, p.index = t.concat8.value.index;
  }
  if (p.type == TpType::status_report) p.status = status_octet(f.octets, f.length);
  parts_.push_back(std::move(p));
}

const std::vector<std::string>& SmsList::columns() {
  static const std::vector<std::string> kColumns = {"time", "direction", "type", "tp_oa", "tp_da", "tp_ra",
                                                    "scts", "parts", "status", "text"};
  return kColumns;
}

Json SmsList::rows() const {
  // Parts of one concatenated message: same direction, type, address, reference and total.
  std::vector<std::vector<size_t>> messages;
  for (size_t i = 0; i < parts_.size(); ++i) {
    const Part& p = parts_[i];
    bool joined = false;
    if (p.concatenated && p.type != TpType::status_report) {
      for (auto& m : messages) {
        const Part& q = parts_[m[0]];
        if (q.concatenated && q.frame.direction == p.frame.direction && q.type == p.type &&
            q.tp_address == p.tp_address && q.reference == p.reference && q.total == p.total &&
            std::none_of(m.begin(), m.end(), [&](size_t k) { return parts_[k].index == p.index; })) {
          m.push_back(i);
          joined = true;
          break;
        }
      }
    }
    if (!joined) messages.push_back({i});
  }

  // Status reports matched to the SUBMIT part of the same TP-MR (and
  // recipient, when both name one); the latest SUBMIT before the report wins.
  std::vector<size_t> report_of_submit(parts_.size(), SIZE_MAX), submit_of_report(parts_.size(), SIZE_MAX);
  for (size_t i = 0; i < parts_.size(); ++i) {
    const Part& s = parts_[i];
    if (s.type != TpType::status_report || !s.tp_mr) continue;
    for (size_t k = i; k-- > 0;) {
      const Part& m = parts_[k];
      if (m.type == TpType::submit && m.tp_mr == s.tp_mr && report_of_submit[k] == SIZE_MAX &&
          (m.tp_address.empty() || s.tp_address.empty() || m.tp_address == s.tp_address)) {
        report_of_submit[k] = i;
        submit_of_report[i] = k;
        break;
      }
    }
  }

  Json rows = Json::array();
  for (auto& m : messages) {
    std::stable_sort(m.begin(), m.end(), [&](size_t a, size_t b) { return parts_[a].index < parts_[b].index; });
    const Part& p = parts_[m[0]];
    Json row = Json::object();
    row["time"] = format_time(p.frame.time_sec, p.frame.time_nsec);
    row["direction"] = p.frame.direction == 1 ? "MO" : "MT";
    row["type"] = type_name(p.type);
    row["rp_mr"] = p.rp_mr;
    if (!p.rp_oa.empty()) row["rp_oa"] = p.rp_oa;
    if (!p.rp_da.empty()) row["rp_da"] = p.rp_da;
    const char* address_key = p.type == TpType::submit ? "tp_da" : p.type == TpType::deliver ? "tp_oa" : "tp_ra";
    row[address_key] = p.tp_address;
    if (p.tp_mr) {
      Json mrs = Json::array();
      for (size_t k : m) {
        if (parts_[k].tp_mr) mrs.push_back(*parts_[k].tp_mr);
      }
      row["tp_mr"] = mrs.size() == 1 ? mrs[0] : mrs;
    }
    if (!p.scts.empty()) row["scts"] = p.scts;
    if (p.type == TpType::status_report) {
      row["status"] = p.status ? Json(*p.status) : Json();
      row["status_text"] = p.status ? Json(status_text(*p.status)) : Json();
      const size_t s = submit_of_report[m[0]];
      row["submit_frame"] = s != SIZE_MAX ? Json(parts_[s].frame.frame) : Json();
    } else {
      constexpr const char* kAlphabets[] = {"GSM 7-bit", "8-bit", "UCS2", "reserved"};
      row["alphabet"] = kAlphabets[p.alphabet & 3];
      // Parts in order; a part not heard is marked where it belongs.
      std::string text;
      Json missing = Json::array();
      if (p.concatenated && p.total > 0) {
        size_t k = 0;
        for (uint32_t idx = 1; idx <= p.total; ++idx) {
          while (k < m.size() && parts_[m[k]].index < idx) ++k;
          if (k < m.size() && parts_[m[k]].index == idx) {
            text += parts_[m[k]].text;
          } else {
            text += "[part " + std::to_string(idx) + "/" + std::to_string(p.total) + " missing]";
            missing.push_back(idx);
          }
        }
        row["concat_reference"] = p.reference;
        row["parts"] = std::to_string(m.size()) + "/" + std::to_string(p.total);
        row["missing_parts"] = missing;
      } else {
        text = p.text;
        row["parts"] = "1/1";
      }
      row["text"] = text;
      if (p.type == TpType::submit) {
        row["status_report_requested"] = p.srr;
        Json reports = Json::array();
        for (size_t k : m) {
          const size_t s = report_of_submit[k];
          if (s == SIZE_MAX) continue;
          Json e = Json::object();
          e["frame"] = parts_[s].frame.frame;
          e["tp_mr"] = *parts_[k].tp_mr;
          e["status"] = parts_[s].status ? Json(*parts_[s].status) : Json();
          e["status_text"] = parts_[s].status ? Json(status_text(*parts_[s].status)) : Json();
          reports.push_back(e);
        }
        row["status_reports"] = reports;
        row["status"] = reports.empty() ? Json() : reports.back()["status_text"];
      }
    }
    Json frames = Json::array();
    for (size_t k : m) frames.push_back(parts_[k].frame.frame);
    row["frames"] = frames;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace l3::report
