#include "test_util.h"

#include <cstring>
#include <fstream>
#include <memory>

#include "hex_input.h"
#include "tharvel.h"

namespace tharvel_test {

std::vector<uint8_t> octets(const char* hex) {
  std::string digits;
  for (const char* p = hex; *p != '\0'; ++p) {
    if (*p != '|' && *p != ' ') digits.push_back(*p);
  }
  std::vector<uint8_t> out;
  if (!tharvel_tools::parse_hex(digits, out)) ADD_FAILURE() << "bad hex in test: " << hex;
  return out;
}

Decoded decode_octets(uint8_t direction, const std::vector<uint8_t>& msg) {
  // Exact-size copy: a read past the message is a heap overflow under ASan.
  std::unique_ptr<uint8_t[]> copy(new uint8_t[msg.size() + (msg.empty() ? 1 : 0)]);
  if (!msg.empty()) std::memcpy(copy.get(), msg.data(), msg.size());
  std::vector<char> buf(1 << 20, '\0');
  int r = tharvel(direction, static_cast<int32_t>(msg.size()), copy.get(), buf.data());
  return {r, std::string(buf.data())};
}

std::string body_of(const std::string& document) {
  static const std::string kOpen = "<message>\n";
  static const std::string kClose = "</message>\n</L3Message>\n";
  size_t start = document.find(kOpen);
  if (start == std::string::npos) return "";
  start += kOpen.size();
  size_t end = document.size();
  if (document.size() >= kClose.size() && document.compare(document.size() - kClose.size(), kClose.size(), kClose) == 0) {
    end -= kClose.size();
  }
  return document.substr(start, end - start);
}

std::string golden_name(const testing::TestParamInfo<Golden>& info) { return info.param.name; }

void decode_every_prefix(uint8_t direction, const std::vector<uint8_t>& msg) {
  for (size_t n = 0; n <= msg.size(); ++n) {
    std::vector<uint8_t> prefix(msg.begin(), msg.begin() + static_cast<std::ptrdiff_t>(n));
    Decoded d = decode_octets(direction, prefix);
    if (n >= 2 && d.result == 1) {
      EXPECT_TRUE(closed(d.text)) << "prefix of " << n << " octets left the document open";
    }
  }
}

const std::vector<CorpusMessage>& corpus() {
  static const std::vector<CorpusMessage> messages = [] {
    std::vector<CorpusMessage> all;
    std::ifstream in(THARVEL_CORPUS);
    std::string line;
    std::string error;
    tharvel_tools::MessageLine m;
    while (std::getline(in, line)) {
      if (tharvel_tools::parse_message_line(line, m, error) == tharvel_tools::LineKind::message) {
        all.push_back({m.direction, m.octets, line});
      }
    }
    return all;
  }();
  return messages;
}

std::vector<CorpusMessage> corpus_of_pd(uint8_t pd) {
  std::vector<CorpusMessage> out;
  for (const CorpusMessage& m : corpus()) {
    if ((m.octets[0] & 0x0F) == pd) out.push_back(m);
  }
  return out;
}

bool closed(const std::string& document) {
  static const std::string kClose = "</message>\n</L3Message>\n";
  return document.size() >= kClose.size() &&
         document.compare(document.size() - kClose.size(), kClose.size(), kClose) == 0;
}

}  // namespace tharvel_test
