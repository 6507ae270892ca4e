#include "api/registry.h"

#include <algorithm>
#include <array>

#include "api/keys.h"
#include "cc/cc_table.h"
#include "gmm/gmm_table.h"
#include "mm/mm_table.h"
#include "rr/rr_table.h"
#include "sm/sm_table.h"
#include "sms/sms_table.h"

namespace l3 {

namespace {

template <size_t... N>
constexpr auto join_sorted(const MessageRow (&... tables)[N]) {
  std::array<MessageRow, (N + ...)> all{};
  size_t i = 0;
  ((std::copy(std::begin(tables), std::end(tables), all.begin() + static_cast<std::ptrdiff_t>(i)), i += N), ...);
  std::sort(all.begin(), all.end(), [](const MessageRow& a, const MessageRow& b) { return a.key < b.key; });
  return all;
}

constexpr auto kAll = join_sorted(kCcMessages, kMmMessages, kRrMessages, kGmmMessages, kSmMessages, kSmsMessages);

constexpr bool ascending_unique() {
  for (size_t i = 1; i < kAll.size(); ++i) {
    if (kAll[i].key <= kAll[i - 1].key) return false;
  }
  return true;
}
static_assert(ascending_unique(), "a key is in two rows");

constexpr bool records_fit() {
  for (const MessageRow& r : kAll) {
    if (r.record_size > kRecordStorage || r.record_align > alignof(std::max_align_t)) return false;
  }
  return true;
}
static_assert(records_fit(), "a record outgrows ParsedMessage's storage");

// Row number + 1 by key: one load finds a message.
constexpr auto kIndex = [] {
  std::array<uint8_t, 0x1000> index{};
  for (size_t i = 0; i < kAll.size(); ++i) index[kAll[i].key] = static_cast<uint8_t>(i + 1);
  return index;
}();
static_assert(kAll.size() < 255);

}  // namespace

const MessageRow* find_message(uint16_t key) {
  if (key >= kIndex.size()) return nullptr;
  const uint8_t i = kIndex[key];
  return i == 0 ? nullptr : &kAll[i - 1];
}

std::span<const MessageRow> all_messages() { return kAll; }

bool ParsedMessage::parse(const uint8_t* msg, uint16_t length, uint8_t direction) {
  row_ = find_message(message_key(msg));
  if (row_ == nullptr) return false;
  record_ = row_->parse(storage_, msg, length, direction);
  return true;
}

int ParsedMessage::render(OutputText& out, uint8_t direction) const {
  if (record_ == nullptr) return 0;
  return row_->render(*record_, out, direction);
}

}  // namespace l3
