// tharvel_n's needed counts the earlier text at every capacity; capacity 0
// reads and writes no byte of the buffer.
#include <cstring>
#include <string>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

TEST(NeededLength, CountsEarlierTextAtEveryCapacity) {
  const std::vector<uint8_t> msg = tharvel_test::octets("05 18 01");
  const std::string doc = tharvel_test::decode_octets(0, msg).text;
  struct Case {
    const char* what;
    const char* earlier;  // buffer contents before the call, NUL-terminated
  };
  const Case cases[] = {{"empty", ""}, {"short", "prior|"}, {"long", "a much longer earlier text, kept before|"}};
  for (const Case& c : cases) {
    const size_t before = std::strlen(c.earlier);
    for (size_t cap = 0; cap <= before + doc.size() + 2; ++cap) {
      std::vector<char> buf(cap + 4, '#');
      if (cap > 0) std::memcpy(buf.data(), c.earlier, std::min(cap, before + 1));
      if (cap > 0 && cap <= before) buf[cap - 1] = '\0';  // a NUL within capacity, so no text is cut
      const size_t kept_before = cap == 0 ? 0 : std::min(before, cap - 1);
      size_t needed = 0;
      ASSERT_EQ(tharvel_n(0, 3, msg.data(), buf.data(), cap, &needed), 1);
      EXPECT_EQ(needed, kept_before + doc.size()) << c.what << " capacity " << cap;
      EXPECT_EQ(needed >= cap, kept_before + doc.size() >= cap);
      for (size_t i = cap; i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << c.what << " wrote past " << cap;
      if (cap > 0) {
        const std::string whole = std::string(c.earlier, kept_before) + doc;
        EXPECT_EQ(std::string(buf.data()), whole.substr(0, cap - 1)) << c.what << " capacity " << cap;
      }
    }
  }
}

// Capacity 0 is a buffer with no readable byte: it is never touched, even
// when the pointer points at text.
TEST(NeededLength, CapacityZeroTouchesNothing) {
  const std::vector<uint8_t> msg = tharvel_test::octets("05 18 01");
  const std::string doc = tharvel_test::decode_octets(0, msg).text;
  char buf[8] = "prior|";
  size_t needed = 0;
  EXPECT_EQ(tharvel_n(0, 3, msg.data(), buf, 0, &needed), 1);
  EXPECT_EQ(needed, doc.size());
  EXPECT_STREQ(buf, "prior|");
  // A buffer with no NUL within its capacity keeps capacity - 1 bytes as its earlier text.
  char full[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(tharvel_n(0, 3, msg.data(), full, sizeof full, &needed), 1);
  EXPECT_EQ(needed, 3 + doc.size());
  EXPECT_EQ(std::string(full, 3), "abc");
  EXPECT_EQ(full[3], '\0');
}

}  // namespace
