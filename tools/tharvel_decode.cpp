// tharvel-decode: decodes layer-3 messages from hex lines, GSMTAP captures or
// live GSMTAP over UDP, and prints their documents, summaries, JSON or fields.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli.h"
#include "tharvel.h"

namespace {

using tharvel_cli::Decoded;
using tharvel_cli::Item;
using tharvel_cli::Status;

constexpr const char kDescription[] =
    "Decodes GSM and GPRS layer-3 messages (RR, MM, CC, GMM, SM, SMS) and prints the document of each one.\n"
    "Reads the named files, or standard input when no file (or -) is named.";

constexpr const char kFooter[] = R"(Input forms (told apart by the first octets):
  text      one message a line: UL or DL (any case), then the octets in hex,
            blanks or colons allowed between them; '#' starts a comment.
              UL 05 08 71 ...      dl 05:18:01      DL 051801
  capture   pcap or pcapng with GSMTAP over UDP port 4729; SDCCH, SACCH and
            FACCH frames are read as LAPDm and segmented I-frames are joined.
  live      --listen: GSMTAP datagrams as they arrive.

Outputs:
  (default) the document, headed for captures by a comment line:
              <!-- frame 7, 2024-03-05T10:11:12.000123Z, ARFCN 17, SDCCH, uplink -->
  --summary 7  2024-03-05T10:11:12.000123Z  17  UL  SDCCH  MM  Location updating request  decoded
  --json    {"frame":7,"time":"2024-...Z","arfcn":17,"channel":"SDCCH","direction":"UL",...}
  --fields  -e frame -e name -e LAC -E header=y gives tab-separated columns.

Filters (-f TERM, repeatable): terms of one kind are alternatives, different
kinds must all hold:
  MM, proto=MM,GMM    protocol, exact: RR MM CC GMM SM SMS
  name=GLOB           message name, exact or glob ('Identity*'), case ignored
  dir=ul|dl           direction
  chan=GLOB           channel ('SDCCH*', 'SACCH/*')
  status=S,...        decoded truncated trailing not-decoded too-short failed too-long
  FIELD=VALUE         an element of the document, e.g. LAC=8001, Identity_Digits=0xC015A703
A bare word that is not a protocol is a name glob.

Exit status:
  0  every input was read, whatever its messages decoded to
  1  some lines or packets were bad, or data was dropped
  2  usage error, or an input that cannot be read (missing, a directory,
     neither a capture nor message text)

A final line on standard error counts packets, messages by status and what
was skipped; while a large input is read a progress line is shown when
standard error is a terminal.)";

enum class Format { document, summary, json, fields };

struct Options {
  Format format = Format::document;
  bool bare = false;
  bool header = false;  // --summary / --fields header row
  bool extract = false;
  std::vector<std::string> filter_terms;
  tharvel_cli::Filter filter;
  std::vector<std::string> fields;
  std::string separator = "\t";
  std::string aggregator = ",";
  std::string listen;
  unsigned jobs = 0;
  bool quiet = false;
  std::vector<int> reports;  // THARVEL_REPORT_..., written at the end instead of per-message output
  int report_format = THARVEL_REPORT_FORMAT_TEXT;
  std::vector<std::string> files;
};

// What one thread reuses from message to message, so decoding allocates
// nothing once the buffers have grown.
struct Scratch {
  std::vector<char> buffer = std::vector<char>(4096);
  Decoded decoded;
  std::string json_document;
};

// One call of the library's decode function, growing the buffer when the document did not fit.
int decode_into(const Item& item, uint8_t format, Scratch& s, std::string& out, tharvel_result& result) {
  tharvel_options options{sizeof(tharvel_options), item.direction, format, 0, 0};
  result = tharvel_result{};
  result.size = sizeof result;
  int status = tharvel_decode(item.octets.data(), item.octets.size(), &options, s.buffer.data(), s.buffer.size(),
                              &result);
  if (result.needed >= s.buffer.size()) {
    s.buffer.resize(result.needed + 1);
    status = tharvel_decode(item.octets.data(), item.octets.size(), &options, s.buffer.data(), s.buffer.size(),
                            &result);
  }
  out.assign(s.buffer.data(), std::min(result.needed, s.buffer.size() - 1));
  return status;
}

// The text document (filters and fields read it) and, for JSON output, the JSON one.
const Decoded& decode(const Item& item, bool json, Scratch& s) {
  Decoded& d = s.decoded;
  tharvel_result result;
  int status = decode_into(item, THARVEL_FORMAT_TEXT, s, d.document, result);
  d.status = status >= 0 && status < tharvel_cli::kStatusCount ? static_cast<Status>(status) : Status::failed;
  d.protocol = result.protocol != nullptr ? result.protocol : "";
  d.name = result.name != nullptr ? result.name : "";
  if (json) decode_into(item, THARVEL_FORMAT_JSON, s, s.json_document, result);
  return d;
}

// What the six value-extraction functions give for one message.
void extraction(const Item& item, std::string& out) {
  uint8_t flag = item.direction != 0 ? 0 : 1;
  int32_t n = static_cast<int32_t>(item.octets.size());
  const uint8_t* p = item.octets.data();
  char line[512];
  auto add = [&](int len) { out.append(line, static_cast<size_t>(std::max(0, std::min<int>(len, sizeof line - 1)))); };
  // A message too short for any function leaves the blocks as given: start them absent.
  constexpr int32_t kAbsent = THARVEL_ABSENT;
  tharvel_diagnose_block d{kAbsent, kAbsent};
  int r = GaintharvelDiagNoseData(flag, n, p, 0, &d);
  add(std::snprintf(line, sizeof line, "GaintharvelDiagNoseData %d: cause %d, second cause %d\n", r, d.cause,
                    d.second_cause));
  tharvel_attach_accept_block a{kAbsent};
  r = Gain_GSM_Attach_Accept_Win_Data(flag, n, p, 0, &a);
  add(std::snprintf(line, sizeof line, "Gain_GSM_Attach_Accept_Win_Data %d: allocated P-TMSI %d\n", r,
                    a.allocated_ptmsi));
  tharvel_cm_service_request_block c{kAbsent};
  r = Gain_GSM_CM_Service_Request_Win_Data(flag, n, p, 0, &c);
  add(std::snprintf(line, sizeof line, "Gain_GSM_CM_Service_Request_Win_Data %d: service type %d\n", r,
                    c.service_type));
  tharvel_pdp_request_block q{kAbsent};
  r = Gain_GSM_Activate_PDP_Context_Request_Win_Data(flag, n, p, 0, &q);
  add(std::snprintf(line, sizeof line, "Gain_GSM_Activate_PDP_Context_Request_Win_Data %d: NSAPI %d\n", r, q.nsapi));
  tharvel_pdp_accept_block e{kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, -1, kAbsent, kAbsent};
  r = Gain_GSM_Activate_PDP_Context_Accept_Win_Data(flag, n, p, 0, &e);
  add(std::snprintf(
      line, sizeof line,
      "Gain_GSM_Activate_PDP_Context_Accept_Win_Data %d: delay %d, reliability %d, peak %d, precedence %d, mean %d, "
      "IPv4 0x%08x, radio priority %d, LLC SAPI %d\n",
      r, e.delay_class, e.reliability_class, e.peak_throughput, e.precedence_class, e.mean_throughput,
      static_cast<uint32_t>(e.ipv4_address), e.radio_priority, e.llc_sapi));
  tharvel_cp_data_block s{kAbsent, kAbsent, kAbsent, kAbsent, 0, {}};
  r = Gain_CP_Data_Win_Data(flag, n, p, 0, &s);
  add(std::snprintf(line, sizeof line,
                    "Gain_CP_Data_Win_Data %d: header %d, reference %d, total %d, index %d, count %d, text \"%.*s\"\n",
                    r, s.user_data_header, s.concat_reference, s.concat_total, s.concat_index, s.char_count,
                    s.char_count > 0 && s.char_count < 256 ? s.char_count : 0, s.text));
}

void json_line(const Item& item, const Decoded& d, const std::string& json_document, std::string& out) {
  out += "{\"frame\":" + std::to_string(item.frame);
  out += ",\"time\":";
  out += item.from_capture ? tharvel_cli::json_string(tharvel_cli::iso_time(item.time_sec, item.time_nsec)) : "null";
  out += ",\"arfcn\":" + (item.arfcn >= 0 ? std::to_string(item.arfcn) : std::string("null"));
  out += ",\"channel\":" + (item.from_capture ? tharvel_cli::json_string(item.channel) : std::string("null"));
  out += ",\"direction\":";
  out += item.direction ? "\"UL\"" : "\"DL\"";
  out += ",\"protocol\":" + tharvel_cli::json_string(d.protocol);
  out += ",\"name\":" + tharvel_cli::json_string(d.name);
  out += ",\"status\":" + tharvel_cli::json_string(tharvel_cli::status_name(d.status));
  out += ",\"hex\":" + tharvel_cli::json_string(tharvel_cli::field_column(item, d, "hex", ""));
  // The library's JSON tree; a document that is not one yet goes as a string.
  bool tree = !json_document.empty() && (json_document[0] == '{' || json_document[0] == '[');
  out += ",\"document\":";
  out += tree ? json_document : tharvel_cli::json_string(json_document);
  out += "}\n";
}

// A run of consecutive messages and what decoding them gave.
struct Batch {
  uint64_t sequence = 0;
  size_t size = 0;           // items in use; the rest keep their buffers for the next batch
  std::vector<Item> items;
  std::string out;           // the output of the whole batch, in order
  uint64_t printed = 0;
  uint64_t by_status[tharvel_cli::kStatusCount] = {};

  Item& next() {
    if (size == items.size()) items.emplace_back();
    return items[size++];
  }
};

// Decodes one message and appends its output; returns whether it was wanted.
bool render(const Options& opt, const Item& item, Scratch& s, Batch& b) {
  const Decoded& d = decode(item, opt.format == Format::json, s);
  ++b.by_status[static_cast<int>(d.status)];
  if (!opt.filter.matches(item, d) || !opt.reports.empty()) return false;
  std::string& out = b.out;
  switch (opt.format) {
    case Format::document:
      if (item.from_capture && !opt.bare) out += tharvel_cli::document_header(item);
      out += d.document;
      break;
    case Format::summary:
      out += tharvel_cli::summary_line(item, d);
      break;
    case Format::json:
      json_line(item, d, s.json_document, out);
      break;
    case Format::fields:
      for (size_t i = 0; i < opt.fields.size(); ++i) {
        if (i > 0) out += opt.separator;
        out += tharvel_cli::field_column(item, d, opt.fields[i], opt.aggregator);
      }
      out += '\n';
      break;
  }
  if (opt.extract) extraction(item, out);
  return true;
}

void render_batch(const Options& opt, Batch& b, Scratch& s) {
  b.out.clear();
  b.printed = 0;
  std::fill(std::begin(b.by_status), std::end(b.by_status), 0);
  for (size_t i = 0; i < b.size; ++i) b.printed += render(opt, b.items[i], s, b);
}

// Worker threads that decode batches while the reader goes on reading. At
// most `depth` batches are out at once; they come back in the order given.
class Pool {
 public:
  Pool(const Options& opt, unsigned workers) : opt_(opt), depth_(2 * workers + 2) {
    for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { work(); });
  }
  ~Pool() {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    work_ready_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  bool full() {
    std::lock_guard lock(mutex_);
    return out_ >= depth_;
  }
  void submit(std::unique_ptr<Batch> b) {
    {
      std::lock_guard lock(mutex_);
      b->sequence = submitted_++;
      ++out_;
      todo_.push_back(std::move(b));
    }
    work_ready_.notify_one();
  }
  // The oldest batch given, once decoded; null when none is out.
  std::unique_ptr<Batch> take() {
    std::unique_lock lock(mutex_);
    if (out_ == 0) return nullptr;
    done_ready_.wait(lock, [&] { return !done_.empty() && done_.front()->sequence == taken_; });
    std::unique_ptr<Batch> b = std::move(done_.front());
    done_.pop_front();
    ++taken_;
    --out_;
    return b;
  }

 private:
  void work() {
    Scratch scratch;
    for (;;) {
      std::unique_ptr<Batch> b;
      {
        std::unique_lock lock(mutex_);
        work_ready_.wait(lock, [&] { return closing_ || !todo_.empty(); });
        if (todo_.empty()) return;
        b = std::move(todo_.front());
        todo_.pop_front();
      }
      render_batch(opt_, *b, scratch);
      {
        std::lock_guard lock(mutex_);
        auto at = std::find_if(done_.begin(), done_.end(), [&](const auto& d) { return d->sequence > b->sequence; });
        done_.insert(at, std::move(b));
      }
      done_ready_.notify_all();
    }
  }

  const Options& opt_;
  const size_t depth_;
  std::mutex mutex_;
  std::condition_variable work_ready_;
  std::condition_variable done_ready_;
  std::deque<std::unique_ptr<Batch>> todo_;
  std::deque<std::unique_ptr<Batch>> done_;  // by sequence
  uint64_t submitted_ = 0;
  uint64_t taken_ = 0;
  size_t out_ = 0;
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

struct Counts {
  uint64_t packets = 0;
  uint64_t messages = 0;
  uint64_t printed = 0;
  uint64_t by_status[tharvel_cli::kStatusCount] = {};
  uint64_t bad_lines = 0;
  uint64_t not_gsmtap = 0;
  uint64_t other_types = 0;
  uint64_t fill_blocks = 0;
  uint64_t control_frames = 0;
  uint64_t ciphered = 0;
  uint64_t malformed = 0;
  uint64_t duplicates = 0;
  uint64_t gaps = 0;
  uint64_t dropped_at_gap = 0;
  uint64_t too_long = 0;
  uint64_t evicted = 0;
  uint64_t released = 0;
  uint64_t unfinished = 0;
  uint64_t echoes = 0;
};

std::atomic<bool> g_stop{false};
void on_signal(int) { g_stop = true; }

// Decodes items in batches, on worker threads with -j 2 or more, and writes
// each batch with one write, in input order. With -j 1 no thread is started.
class Runner {
 public:
  Runner(const Options& opt, unsigned jobs)
      : opt_(opt), progress_(isatty(STDERR_FILENO) != 0 && !opt.quiet), batch_(std::make_unique<Batch>()) {
    if (jobs > 1) pool_ = std::make_unique<Pool>(opt, jobs);
  }

  Counts counts;
  int exit_code = 0;
  tharvel_report* report = nullptr;  // fed every frame when a report is asked for

  void fail(int code) { exit_code = std::max(exit_code, code); }

  // The item to fill for the next message.
  Item& next() {
    Item& item = batch_->next();
    item.index = counts.messages++;
    return item;
  }
  void added() {
    if (batch_->size >= kBatch) flush();
  }

  // Hands on what is queued; with `wait`, writes everything before returning.
  void flush(bool wait = false) {
    if (batch_->size > 0) {
      if (pool_ == nullptr) {
        render_batch(opt_, *batch_, scratch_);
        write(*batch_);
      } else {
        pool_->submit(std::move(batch_));
        batch_ = spare();
        while (pool_->full()) recycle(pool_->take());
      }
      batch_->size = 0;
    }
    if (wait && pool_ != nullptr) {
      while (auto b = pool_->take()) recycle(std::move(b));
    }
  }

  void finish() {
    flush(true);
    pool_.reset();
    for (int kind : opt_.reports) {
      std::string text(tharvel_report_write(report, kind, opt_.report_format, nullptr, 0) + 1, '\0');
      text.resize(tharvel_report_write(report, kind, opt_.report_format, text.data(), text.size()));
      std::fwrite(text.data(), 1, text.size(), stdout);
    }
    if (report != nullptr) tharvel_report_free(report);
    report = nullptr;
    std::fflush(stdout);
    if (progress_ && shown_progress_) std::fputs("\r\033[K", stderr);
    if (opt_.quiet) return;
    std::string line = "tharvel-decode: ";
    if (counts.packets > 0) line += std::to_string(counts.packets) + " packets, ";
    line += std::to_string(counts.messages) + " messages";
    const char* sep = " (";
    for (int i = 0; i < tharvel_cli::kStatusCount; ++i) {
      if (counts.by_status[i] == 0) continue;
      line += sep + std::to_string(counts.by_status[i]) + " " + tharvel_cli::status_name(static_cast<Status>(i));
      sep = ", ";
    }
    if (*sep == ',') line += ")";
    line += ", " + std::to_string(counts.printed) + " printed";
    const std::pair<uint64_t, const char*> skipped[] = {
        {counts.bad_lines, "bad lines"},
        {counts.not_gsmtap, "non-GSMTAP packets"},
        {counts.other_types, "GSMTAP packets of other types or channels"},
        {counts.fill_blocks, "fill blocks"},
        {counts.control_frames, "LAPDm frames without a message"},
        {counts.ciphered, "ciphered or corrupted frames"},
        {counts.malformed, "malformed packets"},
        {counts.duplicates, "duplicates"},
        {counts.gaps, "N(S) gaps"},
        {counts.dropped_at_gap, "segments dropped at gaps"},
        {counts.too_long, "chains too long"},
        {counts.evicted, "chains evicted"},
        {counts.released, "chains released"},
        {counts.unfinished, "unfinished segment chains"},
    };
    sep = "; skipped ";
    for (const auto& [n, what] : skipped) {
      if (n == 0) continue;
      line += sep + std::to_string(n) + " " + what;
      sep = ", ";
    }
    if (counts.echoes > 0) line += "; " + std::to_string(counts.echoes) + " UA echoes";
    line += "\n";
    std::fputs(line.c_str(), stderr);
  }

 private:
  static constexpr size_t kBatch = 1024;

  void write(const Batch& b) {
    for (int i = 0; i < tharvel_cli::kStatusCount; ++i) counts.by_status[i] += b.by_status[i];
    counts.printed += b.printed;
    std::fwrite(b.out.data(), 1, b.out.size(), stdout);
    if (opt_.listen.size() > 0) std::fflush(stdout);
    written_ += b.size;
    if (progress_ && written_ >= kBatch) {
      std::fprintf(stderr, "\r%llu messages decoded", static_cast<unsigned long long>(written_));
      shown_progress_ = true;
    }
  }
  void recycle(std::unique_ptr<Batch> b) {
    write(*b);
    b->size = 0;
    spares_.push_back(std::move(b));
  }
  std::unique_ptr<Batch> spare() {
    if (spares_.empty()) return std::make_unique<Batch>();
    std::unique_ptr<Batch> b = std::move(spares_.back());
    spares_.pop_back();
    return b;
  }

  const Options& opt_;
  bool progress_;
  bool shown_progress_ = false;
  uint64_t written_ = 0;
  Scratch scratch_;
  std::unique_ptr<Batch> batch_;
  std::vector<std::unique_ptr<Batch>> spares_;
  std::unique_ptr<Pool> pool_;
};

void report(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "tharvel-decode: %s: %s\n", where.c_str(), what.c_str());
}

// Fills an item in place, so its buffers are reused batch after batch.
void fill(Item& item, const tharvel_frame& f) {
  item.frame = f.frame;
  item.from_capture = f.source != THARVEL_SOURCE_TEXT;
  item.direction = f.direction;
  item.octets.assign(f.octets, f.octets + f.length);
  if (item.from_capture) {
    item.time_sec = f.time_sec;
    item.time_nsec = f.time_nsec;
    item.arfcn = f.arfcn;
    item.channel = tharvel_capture_channel_name(&f);
  } else {
    item.time_sec = 0;
    item.time_nsec = 0;
    item.arfcn = -1;
    item.channel = "-";
  }
}

void add_counters(Counts& counts, const struct tharvel_capture_counters& c, bool text) {
  if (!text) counts.packets += c.packets;
  counts.not_gsmtap += c.not_gsmtap;
  counts.other_types += c.other_types;
  counts.fill_blocks += c.fill_blocks;
  counts.control_frames += c.control_frames;
  counts.ciphered += c.ciphered;
  if (!text) counts.malformed += c.malformed;
  counts.duplicates += c.duplicates;
  counts.gaps += c.gaps;
  counts.dropped_at_gap += c.dropped_at_gap;
  counts.too_long += c.too_long;
  counts.evicted += c.evicted;
  counts.released += c.released;
  counts.unfinished += c.unfinished;
  counts.echoes += c.echoes;
}

// Frames whose data did not make a message: bad packets, chains lost.
bool dropped(const struct tharvel_capture_counters& c) {
  return c.malformed + c.ciphered + c.dropped_at_gap + c.too_long + c.evicted + c.unfinished > 0;
}

// Reads one input to its end. A text whose first message line is bad is not
// message text: one error, exit status 2.
void run_reader(Runner& run, tharvel_capture* cap, const std::string& name) {
  tharvel_frame f{};
  f.size = sizeof f;
  bool seen_message = false;
  bool text = true;
  for (int rc; (rc = tharvel_capture_next(cap, &f)) != 0;) {
    text = f.source == THARVEL_SOURCE_TEXT;
    if (rc < 0) {
      if (!text || f.frame == 0) {
        report(name, tharvel_capture_error(cap));
        run.fail(text ? 2 : 1);  // text: unreadable; capture: cut short
      } else if (!seen_message) {
        report(name, "neither a capture nor message text (line " + std::to_string(f.frame) + ": " +
                         tharvel_capture_error(cap) + ")");
        run.fail(2);
        return;
      } else {
        report(name + ":" + std::to_string(f.frame), tharvel_capture_error(cap));
        ++run.counts.bad_lines;
        run.fail(1);
      }
      f.frame = 0;
      continue;
    }
    seen_message = true;
    if (run.report != nullptr) tharvel_report_add(run.report, &f);
    fill(run.next(), f);
    run.added();
  }
  struct tharvel_capture_counters c{};
  c.size = sizeof c;
  tharvel_capture_counters(cap, &c);
  add_counters(run.counts, c, text);
  if (!text && dropped(c)) run.fail(1);
}

void run_file(Runner& run, const std::string& f) {
  bool standard_input = f == "-";
  std::string name = standard_input ? "<stdin>" : f;
  int fd = standard_input ? STDIN_FILENO : open(f.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (fd < 0 || fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    int err = fd < 0 ? errno : (S_ISDIR(st.st_mode) ? EISDIR : errno);
    if (fd >= 0 && !standard_input) close(fd);
    report(name, std::strerror(err));
    run.fail(2);
    return;
  }
  char error[512] = "";
  tharvel_capture* cap = tharvel_capture_open_fd(fd, error, sizeof error);
  if (cap == nullptr) {
    report(name, error);
    run.fail(2);
  } else {
    run_reader(run, cap, name);
    tharvel_capture_close(cap);
  }
  if (!standard_input) close(fd);
}

// [ADDR:]PORT into an IPv4 socket address.
bool parse_listen(const std::string& text, sockaddr_in& addr, std::string& error) {
  std::string host = "127.0.0.1";
  std::string port = text;
  size_t colon = text.rfind(':');
  if (colon != std::string::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
  }
  char* end = nullptr;
  long p = std::strtol(port.c_str(), &end, 10);
  if (port.empty() || *end != '\0' || p < 0 || p > 65535) {
    error = "'" + text + "' is not [ADDR:]PORT";
    return false;
  }
  addr = {};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(p));
  if (inet_pton(AF_INET, host.empty() ? "0.0.0.0" : host.c_str(), &addr.sin_addr) != 1) {
    error = "'" + host + "' is not an IPv4 address";
    return false;
  }
  return true;
}

int run_listen(Runner& run, const Options& opt) {
  sockaddr_in addr{};
  std::string error;
  if (!parse_listen(opt.listen, addr, error)) {
    report("--listen", error);
    return 2;
  }
  int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (sock < 0 || bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    report(opt.listen, std::strerror(errno));
    if (sock >= 0) close(sock);
    return 2;
  }
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  if (!opt.quiet) {
    std::fprintf(stderr, "tharvel-decode: listening on %s:%u\n", inet_ntoa(addr.sin_addr), ntohs(addr.sin_port));
  }
  tharvel_capture* cap = tharvel_capture_open_live();
  tharvel_frame f{};
  f.size = sizeof f;
  std::vector<uint8_t> packet(65536);
  while (!g_stop) {
    pollfd pfd{sock, POLLIN, 0};
    if (poll(&pfd, 1, 200) <= 0) continue;
    ssize_t n = recv(sock, packet.data(), packet.size(), 0);
    if (n < 0) continue;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tharvel_capture_feed_gsmtap(cap, packet.data(), static_cast<size_t>(n), now.tv_sec,
                                static_cast<int32_t>(now.tv_nsec));
    while (tharvel_capture_next(cap, &f) == 1) {
      if (run.report != nullptr) tharvel_report_add(run.report, &f);
      fill(run.next(), f);
      run.flush(true);
    }
  }
  close(sock);
  struct tharvel_capture_counters c{};
  c.size = sizeof c;
  tharvel_capture_counters(cap, &c);
  add_counters(run.counts, c, false);
  tharvel_capture_close(cap);
  return 0;
}

// Parses the command line; returns -1 to go on, else the exit status.
int parse_command_line(int argc, char** argv, Options& opt) {
  CLI::App app{kDescription, "tharvel-decode"};
  app.footer(kFooter);
  const char* version = tharvel_version();
  app.set_version_flag("-V,--version", std::string("tharvel-decode ") + version);
  bool summary = false;
  bool json = false;
  app.add_flag("-s,--summary", summary, "one tab-separated line per message");
  app.add_flag("-J,--json", json, "one JSON object per message (JSON Lines)");
  app.add_option("-e,--field", opt.fields, "print FIELD as a column (repeatable): frame, time, arfcn, channel, "
                                           "direction, protocol, name, status, length, hex or a document element")
      ->allow_extra_args(false);
  std::vector<std::string> field_lists;
  app.add_option("--fields", field_lists, "comma-separated FIELDs, as -e")->allow_extra_args(false);
  std::vector<std::string> field_options;
  app.add_option("-E", field_options, "fields and summary formatting: header=y|n, separator=/t|/s|C, aggregator=C")
      ->allow_extra_args(false);
  app.add_flag("-H,--header", opt.header, "a header row before --summary or --fields lines");
  app.add_flag("-b,--bare", opt.bare, "documents without the capture comment line");
  app.add_option("-f,--filter", opt.filter_terms, "only messages matching TERM (repeatable, see below)")
      ->allow_extra_args(false);
  app.add_flag("-x,--extract", opt.extract, "after each message, what every value-extraction function returns for it");
  app.add_option("-l,--listen", opt.listen, "receive GSMTAP over UDP on [ADDR:]PORT (ADDR default 127.0.0.1)")
      ->expected(0, 1)
      ->default_str("127.0.0.1:4729");
  app.add_option("-j,--jobs", opt.jobs, "worker threads (default: the number of cores)");
  app.add_flag("-q,--quiet", opt.quiet, "no counts or progress on standard error");
  bool cells = false;
  bool sms = false;
  bool outcomes = false;
  app.add_flag("--cells", cells, "at the end, the table of cells seen, instead of per-message output");
  app.add_flag("--sms", sms, "at the end, the short messages seen, parts joined");
  app.add_flag("--outcomes", outcomes, "at the end, the outcome of each procedure seen");
  std::string report_format = "text";
  app.add_option("--report-format", report_format, "text, csv or json for --cells, --sms and --outcomes")
      ->check(CLI::IsMember({"text", "csv", "json"}));
  app.add_option("files", opt.files, "inputs; - or none for standard input");
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  if (cells) opt.reports.push_back(THARVEL_REPORT_CELLS);
  if (sms) opt.reports.push_back(THARVEL_REPORT_SMS);
  if (outcomes) opt.reports.push_back(THARVEL_REPORT_OUTCOMES);
  opt.report_format = report_format == "csv"    ? THARVEL_REPORT_FORMAT_CSV
                      : report_format == "json" ? THARVEL_REPORT_FORMAT_JSON
                                                : THARVEL_REPORT_FORMAT_TEXT;
  int formats = 0;
  if (summary) opt.format = Format::summary, ++formats;
  if (json) opt.format = Format::json, ++formats;
  for (const std::string& list : field_lists) {
    for (size_t start = 0;;) {
      size_t comma = list.find(',', start);
      if (comma > start) opt.fields.push_back(list.substr(start, comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  if (!opt.fields.empty()) opt.format = Format::fields, ++formats;
  auto usage = [](const std::string& what) {
    std::fprintf(stderr, "tharvel-decode: %s (see --help)\n", what.c_str());
    return 2;
  };
  if (formats > 1) return usage("--summary, --json and --fields exclude one another");
  for (const std::string& e : field_options) {
    size_t eq = e.find('=');
    std::string key = e.substr(0, eq);
    std::string value = eq == std::string::npos ? "" : e.substr(eq + 1);
    if (key == "header" && (value == "y" || value == "n")) {
      opt.header = value == "y";
    } else if (key == "separator" && !value.empty()) {
      opt.separator = value == "/t" ? "\t" : value == "/s" ? " " : value;
    } else if (key == "aggregator" && !value.empty()) {
      opt.aggregator = value == "/s" ? " " : value;
    } else {
      return usage("-E " + e + ": expected header=y|n, separator=S or aggregator=S");
    }
  }
  for (const std::string& term : opt.filter_terms) {
    std::string error;
    if (!opt.filter.add(term, error)) return usage("--filter " + term + ": " + error);
  }
  if (app.count("--listen") > 0) {
    if (opt.listen.empty()) opt.listen = "127.0.0.1:4729";
    if (!opt.files.empty()) return usage("--listen reads no files");
  }
  if (app.count("--jobs") == 0 || opt.jobs == 0) opt.jobs = std::max(1u, std::thread::hardware_concurrency());
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  int code = parse_command_line(argc, argv, opt);
  if (code >= 0) return code;
  // Live input is written message by message: no workers.
  Runner run(opt, opt.listen.empty() ? opt.jobs : 1);
  if (!opt.reports.empty()) run.report = tharvel_report_new();
  if (opt.header && opt.format == Format::summary) std::fputs(tharvel_cli::kSummaryHeader, stdout);
  if (opt.header && opt.format == Format::fields) {
    for (size_t i = 0; i < opt.fields.size(); ++i) {
      if (i > 0) std::fputs(opt.separator.c_str(), stdout);
      std::fputs(opt.fields[i].c_str(), stdout);
    }
    std::fputc('\n', stdout);
  }
  if (!opt.listen.empty()) {
    std::fflush(stdout);
    code = run_listen(run, opt);
    run.finish();
    return code;
  }
  if (opt.files.empty()) opt.files.push_back("-");
  for (const std::string& f : opt.files) run_file(run, f);
  run.finish();
  return run.exit_code;
}
