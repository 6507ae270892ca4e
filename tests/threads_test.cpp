#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

std::string decode_bounded(const tharvel_test::CorpusMessage& m, std::vector<char>& buf) {
  buf[0] = '\0';
  size_t needed = 0;
  tharvel_n(m.direction, static_cast<int32_t>(m.octets.size()), m.octets.data(), buf.data(), buf.size(), &needed);
  return std::string(buf.data());
}

// The whole corpus on several threads at once gives the single-threaded
// documents: no shared state between calls.
TEST(Threads, CorpusDecodesTheSameOnFourThreads) {
  const auto& corpus = tharvel_test::corpus();
  ASSERT_FALSE(corpus.empty());
  std::vector<std::string> expected;
  std::vector<char> buf(1 << 20);
  for (const auto& m : corpus) expected.push_back(decode_bounded(m, buf));

  constexpr int kThreads = 4;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      std::vector<char> local(1 << 20);
      for (int round = 0; round < 3; ++round) {
        // Each thread starts at a different place in the corpus.
        for (size_t i = 0; i < corpus.size(); ++i) {
          size_t k = (i + static_cast<size_t>(t) * corpus.size() / kThreads) % corpus.size();
          if (decode_bounded(corpus[k], local) != expected[k]) ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
