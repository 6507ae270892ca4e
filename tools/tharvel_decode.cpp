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
#include "capture.h"
#include "hex_input.h"
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

  void run_text(std::istream& in, const std::string& name) {
    std::string line;
    std::string error;
    tharvel_tools::MessageLine m;
    for (size_t number = 1; std::getline(in, line); ++number) {
      std::string where = name + ":" + std::to_string(number);
      switch (tharvel_tools::parse_message_line(line, m, error)) {
        case tharvel_tools::LineKind::blank:
          break;
        case tharvel_tools::LineKind::error:
          std::fprintf(stderr, "%s: %s\n", where.c_str(), error.c_str());
          failed = true;
          break;
        case tharvel_tools::LineKind::message:
          decode(m.direction, m.octets, where, std::to_string(number), "-", "-");
          break;
      }
    }
  }

  void run_capture(const std::string& path) {
    tharvel_tools::CaptureStats stats;
    std::string error;
    bool whole = tharvel_tools::read_capture(
        path,
        [&](const tharvel_tools::CaptureMessage& m) {
          char time[32];
          std::snprintf(time, sizeof time, "%.6f", m.time);
          decode(m.message.direction, m.message.octets, path + ": frame " + std::to_string(m.frame),
                 std::to_string(m.frame), time, m.message.channel);
        },
        stats, error);
    std::fprintf(stderr,
                 "%s: %llu packets, %llu messages; skipped %llu non-GSMTAP packets, %llu GSMTAP packets of other "
                 "types or channels, %llu LAPDm frames without a message, %llu malformed, %llu unfinished segment "
                 "chains\n",
                 path.c_str(), static_cast<unsigned long long>(stats.packets),
                 static_cast<unsigned long long>(stats.messages), static_cast<unsigned long long>(stats.not_gsmtap),
                 static_cast<unsigned long long>(stats.skipped_types),
                 static_cast<unsigned long long>(stats.skipped_frames),
                 static_cast<unsigned long long>(stats.malformed),
                 static_cast<unsigned long long>(stats.pending_segments));
    if (!whole) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
      failed = true;
    }
  }

  void run_file(const std::string& f) {
    if (f == "-") {
      run_text(std::cin, "<stdin>");
      return;
    }
    std::ifstream in(f, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "tharvel-decode: cannot open %s\n", f.c_str());
      failed = true;
      return;
    }
    if (tharvel_tools::looks_like_capture(f)) {
      in.close();
      run_capture(f);
    } else {
      run_text(in, f);
    }
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
