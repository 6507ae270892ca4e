#include <cstddef>
#include <cstring>
#include <new>

#include "report/report.h"
#include "tharvel.h"

namespace l3::report {

Report::Report()
    : cells_(std::make_unique<CellTable>()), sms_(std::make_unique<SmsList>()),
      outcomes_(std::make_unique<OutcomeList>()) {}
Report::~Report() = default;

void Report::add(const Frame& f) {
  if (f.octets == nullptr || f.length < 2) return;
  cells_->add(f);
  sms_->add(f);
  outcomes_->add(f);
}

Json Report::rows(int kind) const {
  switch (kind) {
    case THARVEL_REPORT_CELLS:
      return cells_->rows();
    case THARVEL_REPORT_SMS:
      return sms_->rows();
    case THARVEL_REPORT_OUTCOMES:
      return outcomes_->rows();
    default:
      return Json::array();
  }
}

std::string Report::write(int kind, int format) const {
  static const char* const kNames[] = {"cells", "sms", "outcomes"};
  if (kind < THARVEL_REPORT_CELLS || kind > THARVEL_REPORT_OUTCOMES) return {};
  const Json r = rows(kind);
  switch (format) {
    case THARVEL_REPORT_FORMAT_TEXT: {
      const std::vector<std::string>& columns = kind == THARVEL_REPORT_CELLS ? CellTable::columns()
                                                : kind == THARVEL_REPORT_SMS ? SmsList::columns()
                                                                             : OutcomeList::columns();
      return write_text(r, columns);
    }
    case THARVEL_REPORT_FORMAT_CSV:
      return write_csv(r);
    case THARVEL_REPORT_FORMAT_JSON:
      return write_json(kNames[kind], r);
    default:
      return {};
  }
}

}  // namespace l3::report

struct tharvel_report {
  l3::report::Report report;
};

THARVEL_API tharvel_report* tharvel_report_new(void) {
  try {
    return new tharvel_report();
  } catch (...) {
    return nullptr;
  }
}

THARVEL_API int tharvel_report_add(tharvel_report* report, const tharvel_frame* frame) {
  // A caller built against an older, shorter frame is refused rather than read past.
  if (report == nullptr || frame == nullptr || frame->size < offsetof(tharvel_frame, length) + sizeof(size_t) ||
      frame->octets == nullptr) {
    return -1;
  }
  l3::report::Frame f;
  f.frame = frame->frame;
  f.time_sec = frame->time_sec;
  f.time_nsec = frame->time_nsec;
  f.arfcn = frame->arfcn;
  f.pcs_band = frame->pcs_band;
  f.channel = frame->channel;
  f.direction = frame->direction != 0;
  f.octets = frame->octets;
  f.length = frame->length;
  try {
    report->report.add(f);
  } catch (...) {
    return -1;
  }
  return 0;
}

THARVEL_API int tharvel_report_add_message(tharvel_report* report, uint64_t frame, int64_t time_sec,
                                           int32_t time_nsec, uint16_t arfcn, uint8_t channel, uint8_t direction,
                                           const uint8_t* octets, size_t length) {
  if (report == nullptr || octets == nullptr) return -1;
  l3::report::Frame f;
  f.frame = frame;
  f.time_sec = time_sec;
  f.time_nsec = time_nsec;
  f.arfcn = static_cast<uint16_t>(arfcn & 0x3FFF);
  f.pcs_band = (arfcn & 0x8000) != 0;
  f.channel = channel;
  f.direction = direction != 0;
  f.octets = octets;
  f.length = length;
  try {
    report->report.add(f);
  } catch (...) {
    return -1;
  }
  return 0;
}

THARVEL_API size_t tharvel_report_write(const tharvel_report* report, int kind, int format, char* out,
                                        size_t capacity) {
  std::string text;
  if (report != nullptr) {
    try {
      text = report->report.write(kind, format);
    } catch (...) {
      text.clear();
    }
  }
  if (out != nullptr && capacity > 0) {
    const size_t n = std::min(text.size(), capacity - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
  }
  return text.size();
}

THARVEL_API void tharvel_report_free(tharvel_report* report) { delete report; }
