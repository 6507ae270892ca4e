#include <algorithm>
#include <optional>
#include <set>

#include "api/registry.h"
#include "report/report.h"
#include "rr/messages/measurement.h"
#include "rr/si/si_messages.h"

namespace l3::report {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

// Message types of the system information messages the table reads.
enum SiType : uint8_t {
  kSi13 = 0x00, kSi2bis = 0x02, kSi2ter = 0x03, kSi9 = 0x04, kSi5bis = 0x05, kSi5ter = 0x06, kSi2quater = 0x07,
  kSi1 = 0x19, kSi2 = 0x1A, kSi3 = 0x1B, kSi4 = 0x1C, kSi5 = 0x1D, kSi6 = 0x1E,
  kMeasurementReport = 0x15,
};

struct SiName {
  uint8_t type;
  const char* name;
};
constexpr SiName kSiNames[] = {
    {0x00, "13"},  {0x01, "14"},  {0x02, "2bis"}, {0x03, "2ter"}, {0x04, "9"},   {0x05, "5bis"},
    {0x06, "5ter"}, {0x07, "2quater"}, {0x18, "8"}, {0x19, "1"}, {0x1A, "2"}, {0x1B, "3"},
    {0x1C, "4"},   {0x1D, "5"},   {0x1E, "6"},    {0x1F, "7"},   {0x3D, "16"},  {0x3E, "17"},
    {0x40, "18"},  {0x41, "19"},  {0x42, "20"},   {0x44, "15"},
};

const char* si_name(uint8_t type) {
  for (const SiName& n : kSiNames) {
    if (n.type == type) return n.name;
  }
  return nullptr;
}

// Types listed in the order people read them: 1, 2, 2bis, 2ter, 2quater, 3 ...
constexpr const char* kSiOrder[] = {"1",  "2",  "2bis", "2ter", "2quater", "3",  "4",  "5",  "5bis", "5ter", "6",
                                    "7",  "8",  "9",    "13",   "14",      "15", "16", "17", "18",   "19",   "20",
                                    "MEASUREMENT REPORT"};

int si_rank(const std::string& name) {
  for (size_t i = 0; i < std::size(kSiOrder); ++i) {
    if (name == kSiOrder[i]) return static_cast<int>(i);
  }
  return static_cast<int>(std::size(kSiOrder));
}

// Types sent on the SACCH of a dedicated channel rather than on the BCCH.
bool dedicated_type(uint8_t type) { return type == kSi5 || type == kSi5bis || type == kSi5ter || type == kSi6; }

struct Band {
  uint16_t first;
  uint16_t last;
  uint8_t pcs;  // 2: either
  const char* name;
};
constexpr Band kBands[] = {
    {1, 124, 2, "GSM900"},       {0, 0, 2, "E-GSM900"},    {975, 1023, 2, "E-GSM900"}, {955, 974, 2, "R-GSM900"},
    {128, 251, 2, "GSM850"},     {259, 293, 2, "GSM450"},  {306, 340, 2, "GSM480"},    {512, 810, 1, "PCS1900"},
    {512, 885, 0, "DCS1800"},
};

const char* band_name(uint16_t arfcn, uint8_t pcs) {
  for (const Band& b : kBands) {
    if (arfcn >= b.first && arfcn <= b.last && (b.pcs == 2 || b.pcs == (pcs != 0))) return b.name;
  }
  return "unknown";
}

template <class A>
void add_range(std::set<uint16_t>& s, const A& a, uint32_t count) {
  const uint32_t n = std::min<uint32_t>(count, static_cast<uint32_t>(std::size(a.w) - 1));
  for (uint32_t k = 1; k <= n; ++k) {
    if (a.w[k] != 0) s.insert(a.f[k]);
  }
}

}  // namespace

std::vector<uint16_t> arfcn_set(const FrequencyList& l) {
  std::set<uint16_t> s;
  switch (frequency_format(l.format_id)) {
    case FrequencyFormat::bitmap0:
      for (uint32_t i = 1; i <= 124; ++i) {
        if (l.bitmap0[i] != 0) s.insert(static_cast<uint16_t>(125 - i));
      }
      break;
    case FrequencyFormat::range1024:
      if (l.f0) s.insert(0);
      add_range(s, l.r1024, l.count);
      break;
    case FrequencyFormat::range512:
      s.insert(l.r512_orig);
      add_range(s, l.r512, l.count);
      break;
    case FrequencyFormat::range256:
      s.insert(l.r256_orig);
      add_range(s, l.r256, l.count);
      break;
    case FrequencyFormat::range128:
      s.insert(l.r128_orig);
      add_range(s, l.r128, l.count);
      break;
    case FrequencyFormat::variable_bitmap: {
      s.insert(l.vbm_orig);
      const uint32_t n = std::min<uint32_t>(l.count, static_cast<uint32_t>(std::size(l.vbm_bits) - 1));
      for (uint32_t i = 1; i <= n; ++i) {
        if (l.vbm_bits[i] != 0) s.insert(static_cast<uint16_t>((l.vbm_orig + i) % 1024));
      }
      break;
    }
    case FrequencyFormat::none:
      break;
  }
  return {s.begin(), s.end()};
}

// A BCCH channel sub list: increasing ARFCN, ARFCN 0 last (44.018 10.5.2.20).
std::vector<uint16_t> ba_sub_list(std::set<uint16_t> s) {
  std::vector<uint16_t> v;
  for (uint16_t a : s) {
    if (a != 0) v.push_back(a);
  }
  if (s.count(0)) v.push_back(0);
  return v;
}

struct SiSeen {
  uint64_t count = 0;
  int total = -1;  // instance count the messages announce; -1 for single-instance types
  std::set<uint8_t> instances;
};

struct Measured {
  std::optional<uint16_t> arfcn;
  uint8_t index;
  uint8_t bsic;
  uint64_t reports = 0;
  uint8_t last = 0, min = 63, max = 0;
};

struct CellTable::Cell {
  bool merged = false;
  bool has_cgi = false;
  int32_t mcc = 0, mnc = 0;
  uint8_t mnc_digits = 2;
  uint16_t lac = 0, ci = 0;
  std::optional<uint16_t> bcch_arfcn;
  std::optional<uint16_t> sacch_arfcn;
  uint8_t pcs = 0;
  Json params = Json::object();
  Json changes = Json::array();
  std::map<std::string, SiSeen> seen;
  std::map<uint8_t, Json> si2quater;  // instance -> its 3G and E-UTRAN neighbours
  std::map<std::pair<uint8_t, uint8_t>, Measured> measured;  // (index, BSIC)
  int64_t first_sec = 0, last_sec = 0;
  int32_t first_nsec = 0, last_nsec = 0;
  uint64_t first_frame = 0, last_frame = 0;
  uint64_t messages = 0;

  void touch(const Frame& f) {
    if (messages == 0 || std::pair(f.time_sec, f.time_nsec) < std::pair(first_sec, first_nsec)) {
      first_sec = f.time_sec, first_nsec = f.time_nsec, first_frame = f.frame;
    }
    if (messages == 0 || std::pair(f.time_sec, f.time_nsec) >= std::pair(last_sec, last_nsec)) {
      last_sec = f.time_sec, last_nsec = f.time_nsec, last_frame = f.frame;
    }
    ++messages;
  }

  // A value heard again: a different one goes to the change list, not over the old silently.
  void set(const Frame& f, const std::string& name, Json value) {
    auto it = params.find(name);
    if (it == params.end()) {
      params[name] = std::move(value);
      return;
    }
    if (*it == value) return;
    Json change = frame_ref(f);
    change["field"] = name;
    change["from"] = *it;
    change["to"] = value;
    changes.push_back(std::move(change));
    *it = std::move(value);
  }

  std::string key() const {
    char buf[64];
    if (has_cgi) {
      std::snprintf(buf, sizeof buf, "%03d-%0*d-%u-%u", mcc, mnc_digits, mnc, lac, ci);
    } else if (bcch_arfcn) {
      std::snprintf(buf, sizeof buf, "ARFCN %u", *bcch_arfcn);
    } else {
      std::snprintf(buf, sizeof buf, "SACCH ARFCN %u", sacch_arfcn.value_or(0));
    }
    return buf;
  }

  // The BA list measurement reports index: SI 5/5bis then SI 5ter on a
  // dedicated channel, the SI 2 family when no SI 5 was heard.
  std::vector<uint16_t> ba_list() const {
    auto from = [&](const char* a, const char* b) {
      std::set<uint16_t> s;
      for (const char* n : {a, b}) {
        if (n != nullptr && params.contains(n)) {
          for (const Json& v : params[n]) s.insert(v.get<uint16_t>());
        }
      }
      return s;
    };
    const bool dedicated = params.contains("si5_neighbours") || params.contains("si5bis_neighbours");
    std::vector<uint16_t> list = ba_sub_list(dedicated ? from("si5_neighbours", "si5bis_neighbours")
                                                       : from("si2_neighbours", "si2bis_neighbours"));
    std::vector<uint16_t> second = ba_sub_list(dedicated ? from("si5ter_neighbours", nullptr)
                                                         : from("si2ter_neighbours", nullptr));
    list.insert(list.end(), second.begin(), second.end());
    return list;
  }
};

namespace {

using Cell = CellTable::Cell;

// MCC and MNC from the three PLMN octets of a location area identification,
// the third MNC digit included.
void read_plmn(const uint8_t* p, int32_t& mcc, int32_t& mnc, uint8_t& digits) {
  mcc = (p[0] & 0x0F) * 100 + (p[0] >> 4) * 10 + (p[1] & 0x0F);
  const int d3 = p[1] >> 4;
  mnc = (p[2] & 0x0F) * 10 + (p[2] >> 4);
  digits = 2;
  if (d3 != 0x0F) {
    mnc = mnc * 10 + d3;
    digits = 3;
  }
}

constexpr uint8_t kMaxRetrans[] = {1, 2, 4, 7};
constexpr uint8_t kTxInteger[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 20, 25, 32, 50};

void set_rach(Cell& c, const Frame& f, const RachControl& r) {
  c.set(f, "max_retrans", kMaxRetrans[r.max_retrans & 3]);
  c.set(f, "tx_integer", kTxInteger[r.tx_integer & 15]);
  c.set(f, "cell_barred", r.cell_bar_access != 0);
  c.set(f, "call_reestablishment", r.re == 0 ? "allowed" : "not allowed");
  // Entry k holds access class 15 - k; class 10 is the emergency call flag.
  Json barred = Json::array();
  for (int cls = 0; cls <= 15; ++cls) {
    if (cls != 10 && r.access_class[15 - cls] != 0) barred.push_back(cls);
  }
  c.set(f, "access_classes_barred", barred);
  c.set(f, "emergency_calls", r.access_class[5] == 0 ? "all" : "classes 11-15 only");
}

void set_selection(Cell& c, const Frame& f, const CellSelectionParameters& p) {
  c.set(f, "rxlev_access_min", p.rxlev_access_min);
  c.set(f, "ms_txpwr_max_cch", p.ms_txpwr_max_cch);
  c.set(f, "cell_reselect_hysteresis", p.cell_reselect_hysteresis);
  c.set(f, "acs", p.acs);
  c.set(f, "neci", p.neci);
}

void set_reselection(Cell& c, const Frame& f, const SelectionParameters& p) {
  c.set(f, "cbq", p.present ? Json(p.cbq) : Json());
  c.set(f, "cell_reselect_offset", p.present ? Json(p.cell_reselect_offset) : Json());
  c.set(f, "temporary_offset", p.present ? Json(p.temporary_offset) : Json());
  c.set(f, "penalty_time", p.present ? Json(p.penalty_time) : Json());
}

Json utran(const UtranDescription& d, bool fdd) {
  Json list = Json::array();
  const uint32_t n = std::min<uint32_t>(d.count, static_cast<uint32_t>(std::size(d.entries)));
  for (uint32_t i = 0; i < n; ++i) {
    const UtranNeighbours& e = d.entries[i];
    Json cells = Json::array();
    if (e.indic0) cells.push_back(0);
    for (uint32_t k = 1; k <= e.cell_count && k < std::size(e.cell); ++k) {
      if (e.w[k] != 0) cells.push_back(fdd ? (e.cell[k] & 0x1FF) : (e.cell[k] & 0x7F));
    }
    Json entry = Json::object();
    entry["uarfcn"] = e.arfcn;
    entry[fdd ? "scrambling_codes" : "cell_parameters"] = cells;
    list.push_back(entry);
  }
  return list;
}

Json eutran(const EutranParameters& p) {
  Json list = Json::array();
  const uint32_t n = std::min<uint32_t>(p.neighbour_count, static_cast<uint32_t>(std::size(p.neighbours)));
  for (uint32_t i = 0; i < n; ++i) {
    const EutranNeighbours& e = p.neighbours[i];
    const uint32_t m = std::min<uint32_t>(e.earfcn_count, static_cast<uint32_t>(std::size(e.earfcns)));
    for (uint32_t k = 0; k < m; ++k) {
      Json entry = Json::object();
      entry["earfcn"] = e.earfcns[k].earfcn;
      entry["priority"] = e.priority_present ? Json(e.priority) : Json();
      entry["thresh_high"] = e.thresh_high;
      entry["thresh_low"] = e.thresh_low_present ? Json(e.thresh_low) : Json();
      entry["qrxlevmin"] = e.qrxlevmin_present ? Json(e.qrxlevmin) : Json();
      list.push_back(entry);
    }
  }
  return list;
}

// The table gives each type its record; a row that changed its record reads
// nothing rather than the wrong one.
void read_si(Cell& c, const Frame& f, const ParsedMessage& rec, uint8_t type) {
  switch (type) {
    case kSi1: {
      const auto* p = rec.as<Si1>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, "cell_channels", arfcn_set(r.cell_channels));
      if (r.fields >= 2) set_rach(c, f, r.rach);
      break;
    }
    case kSi2: {
      const auto* p = rec.as<Si2>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, "si2_neighbours", arfcn_set(r.neighbours.list));
      if (r.fields >= 2) c.set(f, "ncc_permitted", r.ncc_permitted);
      if (r.fields >= 3) set_rach(c, f, r.rach);
      break;
    }
    case kSi2bis: {
      const auto* p = rec.as<Si2bis>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, "si2bis_neighbours", arfcn_set(r.neighbours.list));
      if (r.fields >= 2) set_rach(c, f, r.rach);
      break;
    }
    case kSi2ter: {
      const auto* p = rec.as<Si2ter>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, "si2ter_neighbours", arfcn_set(r.neighbours.list));
      if (r.rest.present && r.rest.fdd_present && r.rest.fdd_arfcn_present) c.set(f, "si2ter_utran_fdd_uarfcn", r.rest.fdd_arfcn);
      if (r.rest.present && r.rest.tdd_present && r.rest.tdd_arfcn_present) c.set(f, "si2ter_utran_tdd_uarfcn", r.rest.tdd_arfcn);
      break;
    }
    case kSi2quater: {
      const auto* p = rec.as<Si2quater>();
      if (p == nullptr) break;
      const auto& r = p->rest;
      if (!r.present) break;
      Json inst = Json::object();
      inst["utran_fdd"] = r.neighbours_3g.present ? utran(r.neighbours_3g.value.fdd, true) : Json::array();
      inst["utran_tdd"] = r.neighbours_3g.present ? utran(r.neighbours_3g.value.tdd, false) : Json::array();
      const bool eu = r.additions.priority.present && r.additions.priority.value.eutran.present;
      inst["eutran"] = eu ? eutran(r.additions.priority.value.eutran.value) : Json::array();
      auto it = c.si2quater.find(r.index);
      if (it != c.si2quater.end() && it->second != inst) {
        Json change = frame_ref(f);
        change["field"] = "si2quater instance " + std::to_string(r.index);
        change["from"] = it->second;
        change["to"] = inst;
        c.changes.push_back(std::move(change));
      }
      c.si2quater[r.index] = inst;
      break;
    }
    case kSi3: {
      const auto* p = rec.as<Si3>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 3) {
        c.set(f, "t3212", r.control_channel.t3212);
        c.set(f, "att", r.control_channel.att);
      }
      if (r.fields >= 5) set_selection(c, f, r.cell_selection);
      if (r.fields >= 6) set_rach(c, f, r.rach);
      if (r.rest_present) set_reselection(c, f, r.rest.selection);
      break;
    }
    case kSi4: {
      const auto* p = rec.as<Si4>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 2) set_selection(c, f, r.cell_selection);
      if (r.fields >= 3) set_rach(c, f, r.rach);
      if (r.rest_present) set_reselection(c, f, r.rest.selection);
      break;
    }
    case kSi5:
    case kSi5bis: {
      const auto* p = rec.as<Si5>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, type == kSi5 ? "si5_neighbours" : "si5bis_neighbours", arfcn_set(r.neighbours.list));
      break;
    }
    case kSi5ter: {
      const auto* p = rec.as<Si5ter>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) c.set(f, "si5ter_neighbours", arfcn_set(r.neighbours.list));
      break;
    }
    case kSi6: {
      const auto* p = rec.as<Si6>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 4) c.set(f, "ncc_permitted", r.ncc_permitted);
      break;
    }
    case kSi9: {
      const auto* p = rec.as<Si9>();
      if (p == nullptr) break;
      const auto& r = *p;
      if (r.fields >= 1) set_rach(c, f, r.rach);
      break;
    }
    case kSi13: {
      const auto* p = rec.as<Si13>();
      if (p == nullptr) break;
      const auto& r = p->rest;
      if (!r.present) break;
      c.set(f, "rac", r.rac);
      constexpr const char* kNmo[] = {"I", "II", "III", "reserved"};
      c.set(f, "nmo", kNmo[r.cell_options.nmo & 3]);
      break;
    }
    default:
      break;
  }
}

// Instance counting of the multi-instance types.
void count_instance(SiSeen& s, const ParsedMessage& rec, uint8_t type) {
  if (type == kSi2quater) {
    const auto* p = rec.as<Si2quater>();
    if (p == nullptr || !p->rest.present) return;
    const auto& r = p->rest;
    s.total = r.count + 1;
    s.instances.insert(r.index);
  } else if (type == kSi2ter) {
    const auto* p = rec.as<Si2ter>();
    if (p == nullptr || !p->rest.present) return;
    const auto& r = p->rest;
    s.total = r.count + 1;
    s.instances.insert(r.index);
  }
}

}  // namespace

CellTable::CellTable() = default;
CellTable::~CellTable() = default;

size_t CellTable::cell_index(const Frame& f) {
  std::map<uint16_t, size_t>& where = dedicated_type(f.octets[1]) || f.octets[1] == kMeasurementReport ? dedicated_ : current_;
  auto it = where.find(f.arfcn);
  if (it != where.end() && !cells_[it->second]->merged) return it->second;
  // A measurement report before any SI 5 or 6: the cell last heard on the BCCH of that ARFCN.
  if (f.octets[1] == kMeasurementReport) {
    auto bcch = current_.find(f.arfcn);
    if (bcch != current_.end()) return bcch->second;
  }
  cells_.push_back(std::make_unique<Cell>());
  cells_.back()->pcs = f.pcs_band;
  where[f.arfcn] = cells_.size() - 1;
  return cells_.size() - 1;
}

CellTable::Cell& CellTable::cell_for(const Frame& f) { return *cells_[cell_index(f)]; }

CellTable::Cell& CellTable::identify(const Frame& f, int32_t mcc, int32_t mnc, uint8_t digits, uint16_t lac,
                                     uint16_t ci) {
  const size_t here_index = cell_index(f);
  Cell& here = *cells_[here_index];
  if (here.has_cgi && here.mcc == mcc && here.mnc == mnc && here.lac == lac && here.ci == ci) return here;
  size_t found = kNone;
  for (size_t i = 0; i < cells_.size(); ++i) {
    const Cell& c = *cells_[i];
    if (!c.merged && c.has_cgi && c.mcc == mcc && c.mnc == mnc && c.lac == lac && c.ci == ci) found = i;
  }
  std::map<uint16_t, size_t>& where = dedicated_type(f.octets[1]) ? dedicated_ : current_;
  if (found == kNone) {
    if (here.has_cgi) {
      // Another cell on this ARFCN from now on.
      cells_.push_back(std::make_unique<Cell>());
      found = cells_.size() - 1;
      cells_[found]->pcs = f.pcs_band;
    } else {
      found = here_index;
    }
    Cell& c = *cells_[found];
    c.has_cgi = true, c.mcc = mcc, c.mnc = mnc, c.mnc_digits = digits, c.lac = lac, c.ci = ci;
  } else if (!here.has_cgi && &here != cells_[found].get()) {
    // What was heard on the ARFCN before the identity belongs to the identified cell.
    Cell& to = *cells_[found];
    for (auto it = here.params.begin(); it != here.params.end(); ++it) to.set(f, it.key(), it.value());
    for (const Json& ch : here.changes) to.changes.push_back(ch);
    for (auto& [name, s] : here.seen) {
      SiSeen& t = to.seen[name];
      t.count += s.count;
      t.total = std::max(t.total, s.total);
      t.instances.insert(s.instances.begin(), s.instances.end());
    }
    for (auto& [i, v] : here.si2quater) to.si2quater[i] = v;
    for (auto& [k, m] : here.measured) to.measured[k] = m;
    if (!to.bcch_arfcn) to.bcch_arfcn = here.bcch_arfcn;
    if (!to.sacch_arfcn) to.sacch_arfcn = here.sacch_arfcn;
    const uint64_t n = here.messages;
    Frame first = f, last = f;
    first.time_sec = here.first_sec, first.time_nsec = here.first_nsec, first.frame = here.first_frame;
    last.time_sec = here.last_sec, last.time_nsec = here.last_nsec, last.frame = here.last_frame;
    const uint64_t had = to.messages;
    to.touch(first);
    to.touch(last);
    to.messages = had + n;
    here.merged = true;
  }
  where[f.arfcn] = found;
  return *cells_[found];
}

void CellTable::measurement(const Frame& f, const uint8_t* msg, size_t len) {
  const ParsedMessage rec(msg, static_cast<uint16_t>(std::min<size_t>(len, 0xFFFF)), 1);
  const auto* report = rec.as<MeasurementReport>();
  if (report == nullptr) return;
  Cell& c = cell_for(f);
  c.touch(f);
  c.seen["MEASUREMENT REPORT"].count++;
  const MeasurementResults& m = report->results;
  if (m.no_ncell_m == 7) return;  // no neighbour information
  const std::vector<uint16_t> ba = c.ba_list();
  for (uint32_t i = 0; i < m.no_ncell_m && i < 6; ++i) {
    Measured& e = c.measured[{m.bcch_freq_ncell[i], m.bsic_ncell[i]}];
    e.index = m.bcch_freq_ncell[i];
    e.bsic = m.bsic_ncell[i];
    if (e.index < ba.size()) e.arfcn = ba[e.index];
    ++e.reports;
    e.last = m.rxlev_ncell[i];
    e.min = std::min(e.min, e.last);
    e.max = std::max(e.max, e.last);
  }
}

void CellTable::add(const Frame& f) {
  if (f.octets == nullptr || f.length < 2 || (f.octets[0] & 0x0F) != kPdRr) return;
  const uint8_t type = f.octets[1];
  if (type == kMeasurementReport && f.direction == 1) return measurement(f, f.octets, f.length);
  const char* name = si_name(type);
  if (name == nullptr) return;
  const uint16_t len = static_cast<uint16_t>(std::min<size_t>(f.length, 0xFFFF));
  const ParsedMessage parsed(f.octets, len, 0);
  if (!parsed) return;
  Cell* c = nullptr;
  // SI 3 and SI 6: cell identity then LAI; SI 4: LAI.
  if ((type == kSi3 || type == kSi6) && f.length >= 9) {
    int32_t mcc, mnc;
    uint8_t digits;
    read_plmn(f.octets + 4, mcc, mnc, digits);
    c = &identify(f, mcc, mnc, digits, static_cast<uint16_t>(f.octets[7] << 8 | f.octets[8]),
                  static_cast<uint16_t>(f.octets[2] << 8 | f.octets[3]));
  } else {
    c = &cell_for(f);
  }
  if (dedicated_type(type)) {
    c->sacch_arfcn = f.arfcn;
  } else {
    if (c->bcch_arfcn && *c->bcch_arfcn != f.arfcn) c->set(f, "bcch_arfcn", f.arfcn);
    c->bcch_arfcn = f.arfcn;
    c->pcs = f.pcs_band;
  }
  c->touch(f);
  SiSeen& s = c->seen[name];
  ++s.count;
  count_instance(s, parsed, type);
  read_si(*c, f, parsed, type);
}

const std::vector<std::string>& CellTable::columns() {
  static const std::vector<std::string> kColumns = {"cell", "arfcn", "band", "mcc", "mnc", "lac", "ci", "rac",
                                                    "nmo", "first", "last", "messages", "si_types"};
  return kColumns;
}

Json CellTable::rows() const {
  Json rows = Json::array();
  for (const auto& p : cells_) {
    const Cell& c = *p;
    if (c.merged) continue;
    Json row = Json::object();
    row["cell"] = c.key();
    const std::optional<uint16_t> arfcn = c.bcch_arfcn ? c.bcch_arfcn : c.sacch_arfcn;
    row["arfcn"] = arfcn ? Json(*arfcn) : Json();
    row["band"] = arfcn ? Json(band_name(*arfcn, c.pcs)) : Json();
    auto id = [&](auto v) { return c.has_cgi ? Json(v) : Json(); };
    row["mcc"] = id(c.mcc);
    char mnc[8];
    std::snprintf(mnc, sizeof mnc, "%0*d", c.mnc_digits, c.mnc);
    row["mnc"] = id(std::string(mnc));
    row["lac"] = id(c.lac);
    row["ci"] = id(c.ci);
    row["rac"] = c.params.value("rac", Json());
    row["nmo"] = c.params.value("nmo", Json());
    row["first"] = format_time(c.first_sec, c.first_nsec);
    row["last"] = format_time(c.last_sec, c.last_nsec);
    row["messages"] = c.messages;
    Json types = Json::array();
    bool complete = true;
    std::vector<std::pair<std::string, SiSeen>> seen(c.seen.begin(), c.seen.end());
    std::stable_sort(seen.begin(), seen.end(),
                     [](const auto& a, const auto& b) { return si_rank(a.first) < si_rank(b.first); });
    for (const auto& [name, s] : seen) {
      std::string t = name + " x" + std::to_string(s.count);
      if (s.total > 0) {
        const bool whole = static_cast<int>(s.instances.size()) >= s.total;
        t += " (" + std::to_string(s.instances.size()) + "/" + std::to_string(s.total) + " instances" +
             (whole ? ")" : ", incomplete)");
        complete = complete && whole;
      }
      types.push_back(t);
    }
    row["si_types"] = types;
    row["si_complete"] = complete;
    for (auto it = c.params.begin(); it != c.params.end(); ++it) {
      if (it.key() != "rac" && it.key() != "nmo" && it.key() != "bcch_arfcn") row[it.key()] = it.value();
    }
    Json fdd = Json::array(), tdd = Json::array(), eu = Json::array();
    for (const auto& [i, inst] : c.si2quater) {
      for (const Json& e : inst["utran_fdd"]) fdd.push_back(e);
      for (const Json& e : inst["utran_tdd"]) tdd.push_back(e);
      for (const Json& e : inst["eutran"]) eu.push_back(e);
    }
    row["utran_fdd_neighbours"] = fdd;
    row["utran_tdd_neighbours"] = tdd;
    row["eutran_neighbours"] = eu;
    Json measured = Json::array();
    for (const auto& [k, m] : c.measured) {
      Json e = Json::object();
      e["arfcn"] = m.arfcn ? Json(*m.arfcn) : Json();
      e["ba_index"] = m.index;
      e["bsic"] = m.bsic;
      e["reports"] = m.reports;
      e["rxlev_last"] = m.last;
      e["rxlev_min"] = m.min;
      e["rxlev_max"] = m.max;
      measured.push_back(e);
    }
    row["measured_neighbours"] = measured;
    row["changes"] = c.changes;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace l3::report
