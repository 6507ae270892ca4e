#include <algorithm>
#include <optional>

#include "cc/cc_records.h"
#include "api/registry.h"
#include "mm/mm_records.h"
#include "report/report.h"

namespace l3::report {

namespace {

struct CauseText {
  uint8_t value;
  const char* text;
};

constexpr CauseText kMmCauses[] = {
    {2, "IMSI unknown in HLR"}, {3, "Illegal MS"}, {4, "IMSI unknown in VLR"}, {5, "IMEI not accepted"},
    {6, "Illegal ME"}, {7, "GPRS services not allowed"}, {11, "PLMN not allowed"}, {12, "Location Area not allowed"},
    {13, "Roaming not allowed in this location area"}, {15, "No Suitable Cells In Location Area"},
    {17, "Network failure"}, {22, "Congestion"}, {32, "Service option not supported"},
    {33, "Requested service option not subscribed"}, {34, "Service option temporarily out of order"},
    {38, "Call cannot be identified"}, {95, "Semantically incorrect message"}, {96, "Invalid mandatory information"},
    {111, "Protocol error, unspecified"},
};

constexpr CauseText kCcCauses[] = {
    {1, "Unassigned number"}, {3, "No route to destination"}, {16, "Normal call clearing"}, {17, "User busy"},
    {18, "No user responding"}, {19, "User alerting, no answer"}, {21, "Call rejected"}, {22, "Number changed"},
    {27, "Destination out of order"}, {28, "Invalid number format"}, {31, "Normal, unspecified"},
    {34, "No circuit/channel available"}, {38, "Network out of order"}, {41, "Temporary failure"},
    {42, "Switching equipment congestion"}, {47, "Resource unavailable, unspecified"},
    {57, "Bearer capability not authorized"}, {58, "Bearer capability not presently available"},
    {63, "Service or option not available, unspecified"}, {65, "Bearer service not implemented"},
    {88, "Incompatible destination"}, {102, "Recovery on timer expiry"}, {111, "Protocol error, unspecified"},
    {127, "Interworking, unspecified"},
};

constexpr CauseText kRrCauses[] = {
    {0, "Normal event"}, {1, "Abnormal release, unspecified"}, {2, "Abnormal release, channel unacceptable"},
    {3, "Abnormal release, timer expired"}, {4, "Abnormal release, no activity on the radio path"},
    {5, "Preemptive release"}, {8, "Handover impossible, timing advance out of range"},
    {9, "Channel mode unacceptable"}, {10, "Frequency not implemented"}, {65, "Call already cleared"},
    {111, "Protocol error unspecified"},
};

template <size_t N>
const char* text_of(const CauseText (&table)[N], uint8_t v) {
  for (const CauseText& c : table) {
    if (c.value == v) return c.text;
  }
  return "unknown cause";
}

enum class Family { mm, cc, gmm, rr };

// One row per message that starts, ends or moves on a procedure. kind: 0
// starts, 1 ends with success, 2 ends with failure (cause in the message), 3
// ends with a release (cause in the message), 4 is an intermediate step.
struct Step {
  uint8_t pd;
  uint8_t type;
  const char* procedure;
  uint8_t kind;
  const char* result;
};

constexpr Step kSteps[] = {
    {kPdMm, 0x08, "location updating", 0, nullptr},
    {kPdMm, 0x02, "location updating", 1, "accepted"},
    {kPdMm, 0x04, "location updating", 2, "rejected"},
    {kPdMm, 0x24, "CM service", 0, nullptr},
    {kPdMm, 0x21, "CM service", 1, "accepted"},
    {kPdMm, 0x22, "CM service", 2, "rejected"},
    {kPdMm, 0x01, "IMSI detach", 1, "indicated"},
    {kPdCc, 0x05, "call", 0, nullptr},
    {kPdCc, 0x01, "call", 4, nullptr},  // ALERTING
    {kPdCc, 0x02, "call", 4, nullptr},  // CALL PROCEEDING
    {kPdCc, 0x07, "call", 4, nullptr},  // CONNECT
    {kPdCc, 0x0F, "call", 4, nullptr},  // CONNECT ACKNOWLEDGE
    {kPdCc, 0x25, "call", 3, "released"},  // DISCONNECT
    {kPdCc, 0x2D, "call", 3, "released"},  // RELEASE
    {kPdCc, 0x2A, "call", 3, "released"},  // RELEASE COMPLETE
    {kPdGmm, 0x01, "GPRS attach", 0, nullptr},
    {kPdGmm, 0x02, "GPRS attach", 1, "accepted"},
    {kPdGmm, 0x04, "GPRS attach", 2, "rejected"},
    {kPdGmm, 0x08, "routing area update", 0, nullptr},
    {kPdGmm, 0x09, "routing area update", 1, "accepted"},
    {kPdGmm, 0x0B, "routing area update", 2, "rejected"},
    {kPdSm, 0x41, "PDP context activation", 0, nullptr},
    {kPdSm, 0x42, "PDP context activation", 1, "accepted"},
    {kPdSm, 0x43, "PDP context activation", 2, "rejected"},
    {kPdRr, 0x27, "paging", 1, "answered"},
    {kPdRr, 0x2E, "assignment", 0, nullptr},
    {kPdRr, 0x29, "assignment", 1, "completed"},
    {kPdRr, 0x2F, "assignment", 2, "failed"},
    {kPdRr, 0x2B, "handover", 0, nullptr},
    {kPdRr, 0x2C, "handover", 1, "completed"},
    {kPdRr, 0x28, "handover", 2, "failed"},
};

const Step* find_step(uint8_t pd, uint8_t type) {
  for (const Step& s : kSteps) {
    if (s.pd == pd && s.type == type) return &s;
  }
  return nullptr;
}

}  // namespace

struct OutcomeList::State {
  struct Procedure {
    std::string name;
    std::string result;
    std::optional<uint8_t> cause;
    const char* cause_text = nullptr;
    bool connected = false;
    Json frames = Json::array();
    Frame start;
  };
  std::vector<Procedure> done;
  std::map<std::string, Procedure> open;
};

OutcomeList::OutcomeList() : state_(std::make_unique<State>()) {}
OutcomeList::~OutcomeList() = default;

void OutcomeList::add(const Frame& f) {
  const uint8_t pd = f.octets[0] & 0x0F;
  // MM and CC message types carry the send sequence number in bits 7 and 8.
  const uint8_t type = pd == kPdMm || pd == kPdCc ? (f.octets[1] & 0x3F) : f.octets[1];
  const Step* step = find_step(pd, type);
  if (step == nullptr) return;
  State& s = *state_;
  auto it = s.open.find(step->procedure);
  if (step->kind == 0 || it == s.open.end()) {
    if (step->kind == 0 && it != s.open.end()) {
      // Started again before an answer.
      it->second.result = "no answer";
      s.done.push_back(std::move(it->second));
      s.open.erase(it);
    }
    State::Procedure p;
    p.name = step->procedure;
    p.start = f;
    it = s.open.emplace(step->procedure, std::move(p)).first;
  }
  State::Procedure& p = it->second;
  Json ref = frame_ref(f);
  ref["message"] = f.octets[1];
  ref["direction"] = f.direction == 1 ? "MO" : "MT";
  p.frames.push_back(ref);
  if (step->kind == 0) return;
  if (step->kind == 4) {
    if (type == 0x07) p.connected = true;
    return;
  }
  const uint16_t len = static_cast<uint16_t>(std::min<size_t>(f.length, 0xFFFF));
  if (step->kind >= 2) {
    if (pd == kPdCc) {
      const ParsedMessage rec(f.octets, len, f.direction == 1 ? 1 : 0);
      const CauseInfo* cause = nullptr;
      if (const auto* d = rec.as<CcDisconnect>(); d != nullptr && type == 0x25) cause = &d->cause;
      if (const auto* r = rec.as<CcRelease>(); r != nullptr && type == 0x2D && r->cause1.present)
        cause = &r->cause1.value;
      if (const auto* r = rec.as<CcReleaseComplete>(); r != nullptr && type == 0x2A && r->cause.present)
        cause = &r->cause.value;
      if (cause != nullptr && cause->cause_value_present && !p.cause) {
        p.cause = cause->cause_value;
        p.cause_text = text_of(kCcCauses, cause->cause_value);
      }
    } else if (pd == kPdMm) {
      const ParsedMessage rec(f.octets, len, f.direction == 1 ? 1 : 0);
      if (const auto* c = rec.as<MmCause>(); c != nullptr && f.length >= 3) {
        p.cause = c->cause;
        p.cause_text = text_of(kMmCauses, *p.cause);
      }
    } else if (f.length >= 3) {
      // GMM and SM reject causes and the RR cause: the octet after the message type.
      p.cause = f.octets[2];
      p.cause_text = pd == kPdRr ? text_of(kRrCauses, *p.cause) : text_of(kMmCauses, *p.cause);
    }
    // A call's DISCONNECT and RELEASE belong to one clearing: the first cause stays.
    if (pd == kPdCc && type != 0x2A) return;
  }
  if (pd == kPdCc) {
    p.result = p.connected ? "connected, released" : "released before connect";
  } else {
    p.result = step->result;
  }
  s.done.push_back(std::move(p));
  s.open.erase(it);
}

const std::vector<std::string>& OutcomeList::columns() {
  static const std::vector<std::string> kColumns = {"time", "procedure", "result", "cause", "cause_text"};
  return kColumns;
}

Json OutcomeList::rows() const {
  std::vector<const State::Procedure*> all;
  for (const auto& p : state_->done) all.push_back(&p);
  for (const auto& [name, p] : state_->open) all.push_back(&p);
  std::stable_sort(all.begin(), all.end(),
                   [](const auto* a, const auto* b) { return a->start.frame < b->start.frame; });
  Json rows = Json::array();
  for (const auto* p : all) {
    Json row = Json::object();
    row["time"] = format_time(p->start.time_sec, p->start.time_nsec);
    row["procedure"] = p->name;
    row["result"] = p->result.empty() ? "unfinished" : p->result;
    row["cause"] = p->cause ? Json(*p->cause) : Json();
    row["cause_text"] = p->cause_text != nullptr ? Json(p->cause_text) : Json();
    row["frames"] = p->frames;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace l3::report
