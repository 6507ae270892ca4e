// Every decoded message, found by key: the one table the decode paths share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/message_table.h"

namespace l3 {

// Row of a key in message_key form, nullptr for a key that is not decoded.
const MessageRow* find_message(uint16_t key);

// Every row, by ascending key.
std::span<const MessageRow> all_messages();

// Largest record of any row; every record fits storage of this size.
inline constexpr size_t kRecordStorage = 24576;

// One message parsed into storage it owns (no heap), or nothing when the key
// has no row. Holders read the record by its type; a wrong type reads nothing.
class ParsedMessage {
 public:
  ParsedMessage() = default;
  // msg holds at least two octets; length is cut to 16 bits by the caller.
  ParsedMessage(const uint8_t* msg, uint16_t length, uint8_t direction) { parse(msg, length, direction); }
  // Once per holder; false when no row decodes the key.
  bool parse(const uint8_t* msg, uint16_t length, uint8_t direction);
  ~ParsedMessage() = default;
  ParsedMessage(const ParsedMessage&) = delete;
  ParsedMessage& operator=(const ParsedMessage&) = delete;

  explicit operator bool() const { return record_ != nullptr; }
  const MessageRow* row() const { return row_; }
  const MessageRecord* record() const { return record_; }
  template <class R>
  const R* as() const {
    return row_ != nullptr && row_->record_type == &kRecordType<R> ? static_cast<const R*>(record_) : nullptr;
  }
  // The message's own tags; 1, or 0 when a block stopped early.
  int render(OutputText& out, uint8_t direction) const;

 private:
  const MessageRow* row_ = nullptr;
  MessageRecord* record_ = nullptr;
  alignas(std::max_align_t) unsigned char storage_[kRecordStorage];
};

}  // namespace l3
