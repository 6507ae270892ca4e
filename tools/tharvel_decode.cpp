// tharvel-decode: decodes layer-3 messages given as hex lines and prints
// their documents.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "hex_input.h"
#include "tharvel.h"

namespace {

constexpr const char kUsage[] =
    "Usage: tharvel-decode [FILE...]\n"
    "\n"
    "Decodes GSM and GPRS layer-3 messages (RR, MM, CC, GMM, SM, SMS) and prints\n"
    "the document of each one. Reads the named files, or standard input when no\n"
    "file (or -) is named.\n"
    "\n"
    "Input: one message a line,\n"
    "  UL <hex>    a message from the mobile station to the network\n"
    "  DL <hex>    a message from the network to the mobile station\n"
    "The hex starts with the octet holding the protocol discriminator (no\n"
    "layer-2 header); blanks between the digits are allowed. '#' starts a\n"
    "comment; blank lines are skipped.\n"
    "\n"
    "A line that is not a direction and whole octets of hex is reported on\n"
    "standard error with its file and line; decoding goes on with the next\n"
    "line and the exit status is 1 at the end. A message that is too short or\n"
    "of a type that is not decoded is reported the same way.\n"
    "\n"
    "Options:\n"
    "  -h, --help  this text\n";

struct Decoder {
  std::vector<char> buffer = std::vector<char>(1 << 16);
  bool failed = false;

  void decode(const tharvel_tools::MessageLine& m, const std::string& where) {
    size_t needed = 0;
    buffer[0] = '\0';
    int rc = tharvel_n(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buffer.data(),
                       buffer.size(), &needed);
    if (needed >= buffer.size()) {
      buffer.resize(needed + 1);
      buffer[0] = '\0';
      rc = tharvel_n(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buffer.data(),
                     buffer.size(), &needed);
    }
    if (rc == 0) {
      std::fprintf(stderr, "%s: message not decoded (too short, or a protocol or type without a decoder)\n",
                   where.c_str());
      failed = true;
      return;
    }
    std::fwrite(buffer.data(), 1, std::strlen(buffer.data()), stdout);
  }

  void run(std::istream& in, const std::string& name) {
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
          decode(m, where);
          break;
      }
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "tharvel-decode: unknown option %s (see --help)\n", arg.c_str());
      return 2;
    }
    files.push_back(arg);
  }
  Decoder d;
  if (files.empty()) files.push_back("-");
  for (const std::string& f : files) {
    if (f == "-") {
      d.run(std::cin, "<stdin>");
      continue;
    }
    std::ifstream in(f);
    if (!in) {
      std::fprintf(stderr, "tharvel-decode: cannot open %s\n", f.c_str());
      d.failed = true;
      continue;
    }
    d.run(in, f);
  }
  std::fflush(stdout);
  return d.failed ? 1 : 0;
}
