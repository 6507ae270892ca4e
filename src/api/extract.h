// The frame shared by the value-extraction entry points.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "api/keys.h"
#include "api/registry.h"

namespace l3 {

struct ExtractionRules {
  std::initializer_list<uint16_t> keys;  // accepted keys, in message_key form
  int other_kind_result;                 // result for a message of another kind
  int no_record_result;                  // result when the parser gives no record
};

// Length and output checked, block set to its absent markers by `init`, key
// checked, message parsed with the inverted direction, fields copied by
// `copy` (whose result is returned) from the record, read by its type: each
// accepted key has the record type `copy` asks for. The record lives in the call's own storage.
template <class Init, class Copy>
int run_extraction(uint8_t direction_flag, int32_t length, const uint8_t* msg, const void* output,
                   const ExtractionRules& rules, Init init, Copy copy) noexcept {
  if (length < 2 || output == nullptr || msg == nullptr) return 0;
  init();
  uint16_t key = message_key(msg);
  bool accepted = false;
  for (uint16_t k : rules.keys) accepted = accepted || k == key;
  if (!accepted) return rules.other_kind_result;
  ParsedMessage parsed;
  try {
    parsed.parse(msg, static_cast<uint16_t>(length), direction_flag == 0 ? 1 : 0);
  } catch (...) {
    return rules.no_record_result;
  }
  if (!parsed) return rules.no_record_result;
  return copy(parsed);
}

}  // namespace l3
