// tharvel-decode: decodes layer-3 messages from hex lines or GSMTAP captures
// and prints their documents or a one-line summary of each.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "api/keys.h"
#include "tharvel.h"

namespace {

constexpr const char kUsage[] =
    "Usage: tharvel-decode [OPTION...] [FILE...]\n"
    "\n"
    "Decodes GSM and GPRS layer-3 messages (RR, MM, CC, GMM, SM, SMS) and prints\n"
    "the document of each one. Reads the named files, or standard input when no\n"
    "file (or -) is named.\n"
    "\n"
    "Input is either text or a capture, told apart by the file's first octets.\n"
    "Text: one message a line,\n"
    "  UL <hex>    a message from the mobile station to the network\n"
    "  DL <hex>    a message from the network to the mobile station\n"
    "The hex starts with the octet holding the protocol discriminator (no\n"
    "layer-2 header); blanks between the digits are allowed. '#' starts a\n"
    "comment; blank lines are skipped.\n"
    "Capture: a pcap or pcapng file with GSMTAP over UDP port 4729. The\n"
    "direction comes from the GSMTAP uplink flag; BCCH, CCCH, AGCH and PCH\n"
    "lose their L2 pseudo-length octet; SDCCH, SACCH and FACCH frames are read\n"
    "as LAPDm (SACCH without its L1 header) and segmented I-frames are joined.\n"
    "Other packets and GSMTAP types are skipped and counted on standard error.\n"
    "\n"
    "A line that is not a direction and whole octets of hex is reported on\n"
    "standard error with its file and line, as is a message that is too short\n"
    "or of a type that is not decoded; decoding goes on and the exit status is\n"
    "1 at the end. A file that cannot be read, or a capture cut short, is\n"
    "reported too (messages before the cut are decoded).\n"
    "\n"
    "Options:\n"
    "  -s, --summary       one line per message instead of its document:\n"
    "                      frame (or line), time, direction, channel, protocol,\n"
    "                      message name, result (decoded, open, not-decoded)\n"
    "  -f, --filter TEXT   only messages whose protocol is TEXT (MM, CC, RR,\n"
    "                      \"GPRS MM\", ...) or whose name contains TEXT, case\n"
    "                      ignored; may be given more than once\n"
    "  -x, --extract       after each message, what every value-extraction\n"
    "                      function returns for it (result and block); the\n"
    "                      functions get the flag of the line's direction\n"
    "                      (UL: 0, DL: 1, their inverted convention)\n"
    "  -h, --help          this text\n";

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

struct Options {
  bool summary = false;
  bool extract = false;
  std::vector<std::string> filters;  // lower case
};

struct Decoder {
  Options opt;
  std::vector<char> buffer = std::vector<char>(1 << 16);
  bool failed = false;

  bool wanted(const std::vector<uint8_t>& msg) const {
    if (opt.filters.empty()) return true;
    if (msg.size() < 2) return false;
    std::string proto = lower(l3::pd_name(msg[0]));
    const char* name = l3::message_name(l3::message_key(msg.data()));
    std::string lname = name != nullptr ? lower(name) : "";
    for (const std::string& f : opt.filters) {
      if (proto == f || (!lname.empty() && lname.find(f) != std::string::npos)) return true;
    }
    return false;
  }

  // Decodes into the buffer, growing it when the document did not fit.
  int decode_to_buffer(uint8_t direction, const std::vector<uint8_t>& msg) {
    size_t needed = 0;
    int rc = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
      buffer[0] = '\0';
      rc = tharvel_n(direction, static_cast<int32_t>(msg.size()), msg.data(), buffer.data(), buffer.size(), &needed);
      if (needed < buffer.size()) break;
      buffer.resize(needed + 1);
    }
    return rc;
  }

  void decode(uint8_t direction, const std::vector<uint8_t>& msg, const std::string& where, const std::string& frame,
              const std::string& time, const std::string& channel) {
    if (!wanted(msg)) return;
    int rc = decode_to_buffer(direction, msg);
    if (opt.summary) {
      const char* name = msg.size() >= 2 ? l3::message_name(l3::message_key(msg.data())) : nullptr;
      const char* proto = msg.empty() ? "-" : l3::pd_name(msg[0]);
      size_t len = std::strlen(buffer.data());
      static const char kClose[] = "</L3Message>\n";
      bool closed = len >= sizeof kClose - 1 && std::strcmp(buffer.data() + len - (sizeof kClose - 1), kClose) == 0;
      const char* result = rc == 0 ? "not-decoded" : (closed ? "decoded" : "open");
      std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", frame.c_str(), time.c_str(), direction ? "UL" : "DL",
                  channel.c_str(), proto, name != nullptr ? name : "unknown", result);
    } else if (rc != 0) {
      std::fwrite(buffer.data(), 1, std::strlen(buffer.data()), stdout);
    }
    if (opt.extract) print_extraction(direction, msg);
    if (rc == 0) {
      std::fprintf(stderr, "%s: message not decoded (too short, or a protocol or type without a decoder)\n",
                   where.c_str());
      failed = true;
    }
  }

  // What the six value-extraction functions give for one message.
  static void print_extraction(uint8_t direction, const std::vector<uint8_t>& msg) {
    uint8_t flag = direction != 0 ? 0 : 1;
    int32_t n = static_cast<int32_t>(msg.size());
    const uint8_t* p = msg.data();
    // A message too short for any function leaves the blocks as given: start them absent.
    constexpr int32_t kAbsent = THARVEL_ABSENT;
    tharvel_diagnose_block d{kAbsent, kAbsent};
    int r = GaintharvelDiagNoseData(flag, n, p, 0, &d);
    std::printf("GaintharvelDiagNoseData %d: cause %d, second cause %d\n", r, d.cause, d.second_cause);
    tharvel_attach_accept_block a{kAbsent};
    r = Gain_GSM_Attach_Accept_Win_Data(flag, n, p, 0, &a);
    std::printf("Gain_GSM_Attach_Accept_Win_Data %d: allocated P-TMSI %d\n", r, a.allocated_ptmsi);
    tharvel_cm_service_request_block c{kAbsent};
    r = Gain_GSM_CM_Service_Request_Win_Data(flag, n, p, 0, &c);
    std::printf("Gain_GSM_CM_Service_Request_Win_Data %d: service type %d\n", r, c.service_type);
    tharvel_pdp_request_block q{kAbsent};
    r = Gain_GSM_Activate_PDP_Context_Request_Win_Data(flag, n, p, 0, &q);
    std::printf("Gain_GSM_Activate_PDP_Context_Request_Win_Data %d: NSAPI %d\n", r, q.nsapi);
    tharvel_pdp_accept_block e{kAbsent, kAbsent, kAbsent, kAbsent, kAbsent, -1, kAbsent, kAbsent};
    r = Gain_GSM_Activate_PDP_Context_Accept_Win_Data(flag, n, p, 0, &e);
    std::printf(
        "Gain_GSM_Activate_PDP_Context_Accept_Win_Data %d: delay %d, reliability %d, peak %d, precedence %d, mean %d, "
        "IPv4 0x%08x, radio priority %d, LLC SAPI %d\n",
        r, e.delay_class, e.reliability_class, e.peak_throughput, e.precedence_class, e.mean_throughput,
        static_cast<uint32_t>(e.ipv4_address), e.radio_priority, e.llc_sapi);
    tharvel_cp_data_block s{kAbsent, kAbsent, kAbsent, kAbsent, 0, {}};
    r = Gain_CP_Data_Win_Data(flag, n, p, 0, &s);
    std::printf("Gain_CP_Data_Win_Data %d: header %d, reference %d, total %d, index %d, count %d, text \"%.*s\"\n", r,
                s.user_data_header, s.concat_reference, s.concat_total, s.concat_index, s.char_count,
                s.char_count > 0 && s.char_count < 256 ? s.char_count : 0, s.text);
  }

  // Text or capture, told apart by the first octets read; "-" is standard input.
  void run_file(const std::string& f) {
    bool stdin_input = f == "-";
    std::string name = stdin_input ? "<stdin>" : f;
    char error[512] = "";
    tharvel_capture* cap = stdin_input ? tharvel_capture_open_fd(0, error, sizeof error)
                                       : tharvel_capture_open_path(f.c_str(), error, sizeof error);
    if (cap == nullptr) {
      std::fprintf(stderr, "tharvel-decode: %s: %s\n", name.c_str(), error);
      failed = true;
      return;
    }
    tharvel_frame m{};
    m.size = sizeof m;
    bool text = true;
    int rc;
    while ((rc = tharvel_capture_next(cap, &m)) != 0) {
      text = m.source == THARVEL_SOURCE_TEXT;
      if (rc < 0) {
        if (m.source == THARVEL_SOURCE_TEXT && m.frame > 0) {
          std::fprintf(stderr, "%s:%llu: %s\n", name.c_str(), static_cast<unsigned long long>(m.frame),
                       tharvel_capture_error(cap));
        } else {
          std::fprintf(stderr, "%s: %s\n", name.c_str(), tharvel_capture_error(cap));
        }
        failed = true;
        m.frame = 0;
        continue;
      }
      std::vector<uint8_t> msg(m.octets, m.octets + m.length);
      std::string number = std::to_string(m.frame);
      if (text) {
        decode(m.direction, msg, name + ":" + number, number, "-", "-");
      } else {
        char time[48];
        std::snprintf(time, sizeof time, "%lld.%06d", static_cast<long long>(m.time_sec), m.time_nsec / 1000);
        decode(m.direction, msg, name + ": frame " + number, number, time, tharvel_capture_channel_name(&m));
      }
    }
    struct tharvel_capture_counters c{};
    c.size = sizeof c;
    tharvel_capture_counters(cap, &c);
    tharvel_capture_close(cap);
    if (text) return;
    auto u = [](uint64_t v) { return static_cast<unsigned long long>(v); };
    std::fprintf(stderr,
                 "%s: %llu packets, %llu messages; skipped %llu non-GSMTAP packets, %llu GSMTAP packets of other "
                 "types or channels, %llu fill blocks, %llu LAPDm frames without a message, %llu ciphered, "
                 "%llu malformed, %llu duplicates, %llu N(S) gaps (%llu segments dropped), %llu too long, "
                 "%llu evicted, %llu released, %llu unfinished segment chains, %llu UA echoes\n",
                 name.c_str(), u(c.packets), u(c.messages), u(c.not_gsmtap), u(c.other_types), u(c.fill_blocks),
                 u(c.control_frames), u(c.ciphered), u(c.malformed), u(c.duplicates), u(c.gaps),
                 u(c.dropped_at_gap), u(c.too_long), u(c.evicted), u(c.released), u(c.unfinished), u(c.echoes));
  }
};

}  // namespace

int main(int argc, char** argv) {
  Decoder d;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg == "-s" || arg == "--summary") {
      d.opt.summary = true;
    } else if (arg == "-x" || arg == "--extract") {
      d.opt.extract = true;
    } else if (arg == "-f" || arg == "--filter") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "tharvel-decode: %s needs a text (see --help)\n", arg.c_str());
        return 2;
      }
      d.opt.filters.push_back(lower(argv[++i]));
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "tharvel-decode: unknown option %s (see --help)\n", arg.c_str());
      return 2;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) files.push_back("-");
  for (const std::string& f : files) d.run_file(f);
  std::fflush(stdout);
  return d.failed ? 1 : 0;
}
