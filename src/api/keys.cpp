#include "api/keys.h"

#include "api/registry.h"

namespace l3 {
namespace {

// Typos are part of the output: hosts match on these names.
constexpr const char* kPdNames[16] = {"GCC",     "BCC",     "Reserced", "CC",  "GTTP",     "MM",       "RR",      "Reserced",
                                      "GPRS MM", "SMS",     "GPRS SM",  "NCRSS", "LCS",  "Reserced", "Reserced", "Reserved"};

}  // namespace

const char* message_name(uint16_t key) {
  const MessageRow* row = find_message(key);
  return row != nullptr ? row->name : nullptr;
}

const char* pd_name(uint8_t pd) { return kPdNames[pd & 0x0F]; }

}  // namespace l3
