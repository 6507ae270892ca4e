// tharvel-time FILE [ROUNDS]: decodes every message of a message file ROUNDS
// times and prints seconds, messages and document bytes, then the same for a
// memcpy of the documents (the floor). One line each, for scripts.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "hex_input.h"
#include "tharvel.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: tharvel_time FILE [ROUNDS]\n");
    return 2;
  }
  int rounds = argc > 2 ? std::atoi(argv[2]) : 100;
  std::ifstream in(argv[1]);
  std::string line, error;
  tharvel_tools::MessageLine m;
  std::vector<tharvel_tools::MessageLine> msgs;
  while (std::getline(in, line)) {
    if (tharvel_tools::parse_message_line(line, m, error) == tharvel_tools::LineKind::message) msgs.push_back(m);
  }
  std::vector<char> buf(1 << 20);
  std::vector<std::string> docs;
  for (const auto& x : msgs) {
    buf[0] = '\0';
    tharvel(x.direction, static_cast<int32_t>(x.octets.size()), x.octets.data(), buf.data());
    docs.emplace_back(buf.data());
  }
  using clock = std::chrono::steady_clock;
  size_t bytes = 0;
  auto t0 = clock::now();
  for (int r = 0; r < rounds; ++r) {
    for (const auto& x : msgs) {
      buf[0] = '\0';
      tharvel(x.direction, static_cast<int32_t>(x.octets.size()), x.octets.data(), buf.data());
      bytes += std::strlen(buf.data());
    }
  }
  double decode_s = std::chrono::duration<double>(clock::now() - t0).count();
  size_t copied = 0;
  t0 = clock::now();
  for (int r = 0; r < rounds; ++r) {
    for (const std::string& d : docs) {
      std::memcpy(buf.data(), d.data(), d.size() + 1);
      copied += d.size();
      asm volatile("" : : "r"(buf.data()) : "memory");
    }
  }
  double copy_s = std::chrono::duration<double>(clock::now() - t0).count();
  std::printf("decode %.6f s %zu messages %zu bytes\n", decode_s, msgs.size() * rounds, bytes);
  std::printf("memcpy %.6f s %zu messages %zu bytes\n", copy_s, msgs.size() * rounds, copied);
  return 0;
}
