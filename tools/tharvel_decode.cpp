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
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
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

// One call of the library's decode function, growing the buffer when the document did not fit.
int decode_into(const Item& item, uint8_t format, std::string& out, tharvel_result& result) {
  tharvel_options options{sizeof(tharvel_options), item.direction, format, 0, 0};
  result = tharvel_result{};
  result.size = sizeof result;
  out.resize(4096);
  int status = tharvel_decode(item.octets.data(), item.octets.size(), &options, out.data(), out.size(), &result);
  if (result.needed >= out.size()) {
    out.resize(result.needed + 1);
    status = tharvel_decode(item.octets.data(), item.octets.size(), &options, out.data(), out.size(), &result);
  }
  out.resize(std::min(result.needed, out.size() - 1));
  return status;
}

// The text document (filters and fields read it) and, for JSON output, the JSON one.
Decoded decode(const Item& item, bool json, std::string* json_document) {
  Decoded d;
  tharvel_result result;
  int status = decode_into(item, THARVEL_FORMAT_TEXT, d.document, result);
  d.status = status >= 0 && status < tharvel_cli::kStatusCount ? static_cast<Status>(status) : Status::failed;
  d.protocol = result.protocol != nullptr ? result.protocol : "";
  d.name = result.name != nullptr ? result.name : "";
  if (json) decode_into(item, THARVEL_FORMAT_JSON, *json_document, result);
  return d;
}

// What the six value-extraction functions give for one message.
std::string extraction(const Item& item) {
  uint8_t flag = item.direction != 0 ? 0 : 1;
  int32_t n = static_cast<int32_t>(item.octets.size());
  const uint8_t* p = item.octets.data();
  std::string out;
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
  return out;
}

std::string json_line(const Item& item, const Decoded& d, const std::string& json_document) {
  std::string out = "{\"frame\":" + std::to_string(item.frame);
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
  out += ",\"document\":" + (tree ? json_document : tharvel_cli::json_string(json_document));
  return out + "}\n";
}

struct Rendered {
  bool wanted = false;
  Status status = Status::failed;
  std::string text;
};

Rendered render(const Options& opt, const Item& item) {
  Rendered r;
  std::string json_document;
  Decoded d = decode(item, opt.format == Format::json, &json_document);
  r.status = d.status;
  if (!opt.filter.matches(item, d)) return r;
  r.wanted = opt.reports.empty();
  if (!r.wanted) return r;
  switch (opt.format) {
    case Format::document:
      if (item.from_capture && !opt.bare) r.text = tharvel_cli::document_header(item);
      r.text += d.document;
      break;
    case Format::summary:
      r.text = tharvel_cli::summary_line(item, d);
      break;
    case Format::json:
      r.text = json_line(item, d, json_document);
      break;
    case Format::fields:
      for (size_t i = 0; i < opt.fields.size(); ++i) {
        if (i > 0) r.text += opt.separator;
        r.text += tharvel_cli::field_column(item, d, opt.fields[i], opt.aggregator);
      }
      r.text += '\n';
      break;
  }
  if (opt.extract) r.text += extraction(item);
  return r;
}

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

// Decodes items in batches on worker threads and writes them in input order.
class Runner {
 public:
  explicit Runner(const Options& opt) : opt_(opt), progress_(isatty(STDERR_FILENO) != 0 && !opt.quiet) {}

  Counts counts;
  int exit_code = 0;
  tharvel_report* report = nullptr;  // fed every frame when a report is asked for

  void fail(int code) { exit_code = std::max(exit_code, code); }

  void add(Item&& item) {
    item.index = counts.messages++;
    batch_.push_back(std::move(item));
    if (batch_.size() >= kBatch) flush();
  }

  // Decodes and writes what is queued.
  void flush(bool every = false) {
    if (batch_.empty()) return;
    std::vector<Rendered> out(batch_.size());
    unsigned workers = std::min<unsigned>(opt_.jobs, static_cast<unsigned>(batch_.size() / kPerWorker + 1));
    if (workers <= 1) {
      for (size_t i = 0; i < batch_.size(); ++i) out[i] = render(opt_, batch_[i]);
    } else {
      std::atomic<size_t> next{0};
      auto work = [&] {
        for (size_t i; (i = next.fetch_add(1)) < batch_.size();) out[i] = render(opt_, batch_[i]);
      };
      std::vector<std::thread> threads;
      for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
      work();
      for (std::thread& t : threads) t.join();
    }
    for (const Rendered& r : out) {
      ++counts.by_status[static_cast<int>(r.status)];
      if (!r.wanted) continue;
      ++counts.printed;
      std::fwrite(r.text.data(), 1, r.text.size(), stdout);
      if (every) std::fflush(stdout);
    }
    batch_.clear();
    if (progress_) std::fprintf(stderr, "\r%llu messages decoded", static_cast<unsigned long long>(counts.messages));
  }

  void finish() {
    flush();
    for (int kind : opt_.reports) {
      std::string text(tharvel_report_write(report, kind, opt_.report_format, nullptr, 0) + 1, '\0');
      text.resize(tharvel_report_write(report, kind, opt_.report_format, text.data(), text.size()));
      std::fwrite(text.data(), 1, text.size(), stdout);
    }
    if (report != nullptr) tharvel_report_free(report);
    report = nullptr;
    std::fflush(stdout);
    if (progress_ && counts.messages >= kBatch) std::fputs("\r\033[K", stderr);
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
  static constexpr size_t kBatch = 4096;
  static constexpr size_t kPerWorker = 64;
  const Options& opt_;
  bool progress_;
  std::vector<Item> batch_;
};

void report(const std::string& where, const std::string& what) {
  std::fprintf(stderr, "tharvel-decode: %s: %s\n", where.c_str(), what.c_str());
}

Item item_of(const tharvel_frame& f, const std::string& name) {
  Item item;
  item.frame = f.frame;
  item.from_capture = f.source != THARVEL_SOURCE_TEXT;
  item.direction = f.direction;
  item.octets.assign(f.octets, f.octets + f.length);
  if (item.from_capture) {
    item.time_sec = f.time_sec;
    item.time_nsec = f.time_nsec;
    item.arfcn = f.arfcn;
    item.channel = tharvel_capture_channel_name(&f);
    item.where = name + ": frame " + std::to_string(f.frame);
  } else {
    item.where = name + ":" + std::to_string(f.frame);
  }
  return item;
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
    run.add(item_of(f, name));
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
      run.add(item_of(f, opt.listen));
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
  Runner run(opt);
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
