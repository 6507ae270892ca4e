// tharvel_time FILE [ROUNDS] [--closed-to OUT]: decodes every message of a
// message file ROUNDS times and prints seconds, messages and document bytes,
// then the same for a memcpy of the documents (the floor). One line each, for
// scripts. --closed-to writes the message lines whose documents close (no
// failure path) to OUT and exits.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "hex_input.h"
#include "tharvel.h"

// CPU time rather than wall time: the machines this runs on are shared.
static double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tharvel_time FILE [ROUNDS] [--closed-to OUT]\n");
    return 2;
  }
  int rounds = 100;
  const char* closed_to = nullptr;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--closed-to") == 0 && i + 1 < argc) {
      closed_to = argv[++i];
    } else {
      rounds = std::atoi(argv[i]);
    }
  }
  // The failure path appends to a dump file in the temporary directory.
  char dump_dir[] = "/tmp/tharvel-time-XXXXXX";
  if (mkdtemp(dump_dir) != nullptr) setenv("TMPDIR", dump_dir, 1);

  std::ifstream in(argv[1]);
  std::string line, error;
  tharvel_tools::MessageLine m;
  std::vector<tharvel_tools::MessageLine> msgs;
  std::vector<std::string> lines;
  while (std::getline(in, line)) {
    if (tharvel_tools::parse_message_line(line, m, error) == tharvel_tools::LineKind::message) {
      msgs.push_back(m);
      lines.push_back(line);
    }
  }
  std::vector<char> buf(1 << 20);
  std::vector<std::string> docs;
  for (const auto& x : msgs) {
    buf[0] = '\0';
    tharvel(x.direction, static_cast<int32_t>(x.octets.size()), x.octets.data(), buf.data());
    docs.emplace_back(buf.data());
  }
  if (closed_to != nullptr) {
    std::ofstream out(closed_to);
    static const std::string kEnd = "</L3Message>\n";
    for (size_t i = 0; i < msgs.size(); ++i) {
      const std::string& d = docs[i];
      if (d.size() >= kEnd.size() && d.compare(d.size() - kEnd.size(), kEnd.size(), kEnd) == 0) out << lines[i] << '\n';
    }
  } else {
    size_t bytes = 0;
    double t0 = cpu_seconds();
    for (int r = 0; r < rounds; ++r) {
      for (const auto& x : msgs) {
        buf[0] = '\0';
        tharvel(x.direction, static_cast<int32_t>(x.octets.size()), x.octets.data(), buf.data());
        bytes += std::strlen(buf.data());
      }
    }
    double decode_s = cpu_seconds() - t0;
    size_t copied = 0;
    t0 = cpu_seconds();
    for (int r = 0; r < rounds; ++r) {
      for (const std::string& d : docs) {
        std::memcpy(buf.data(), d.data(), d.size() + 1);
        copied += d.size();
        asm volatile("" : : "r"(buf.data()) : "memory");
      }
    }
    double copy_s = cpu_seconds() - t0;
    std::printf("decode %.6f s %zu messages %zu bytes\n", decode_s, msgs.size() * rounds, bytes);
    std::printf("memcpy %.6f s %zu messages %zu bytes\n", copy_s, msgs.size() * rounds, copied);
  }
  std::error_code ec;
  std::filesystem::remove_all(dump_dir, ec);
  return 0;
}
