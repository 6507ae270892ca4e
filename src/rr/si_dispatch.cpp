#include "rr/rr_dispatch.h"
#include "rr/si_messages.h"

namespace l3 {

namespace {

// One row per system information type: its parser, its renderer and the open
// tag the renderer writes.
struct SiType {
  uint8_t type;
  MessageRecord* (*parse)(const uint8_t* msg, uint16_t len, uint8_t dir);
  int (*render)(const MessageRecord& r, OutputText& out, const char* name);
  const char* name;
};

constexpr SiType kSiTypes[] = {
    {0x00, parse_si13, render_si13, "SYSTEM_INFORMATION_TYPE13"},
    {0x01, parse_si14, render_si14, "SYSTEM_INFORMATION_TYPE14"},
    {0x02, parse_si2bis, render_si2bis, "SYSTEM_INFORMATION_TYPE2bis"},
    {0x03, parse_si2ter, render_si2ter, "SYSTEM_INFORMATION_TYPE2ter"},
    {0x04, parse_si9, render_si9, "SYSTEM_INFORMATION_TYPE9"},
    {0x05, parse_si5bis, render_si5, "SYSTEM_INFORMATION_TYPE5bis"},
    {0x06, parse_si5ter, render_si5ter, "SYSTEM_INFORMATION_TYPE5ter"},
    {0x07, parse_si2quater, render_si2quater, "SYSTEM_INFORMATION_TYPE2quater"},
    {0x18, parse_si7, render_si7, "SYSTEM_INFORMATION_TYPE8"},
    {0x19, parse_si1, render_si1, "SYSTEM_INFORMATION_TYPE1"},
    {0x1A, parse_si2, render_si2, "SYSTEM_INFORMATION_TYPE2"},
    {0x1B, parse_si3, render_si3, "SYSTEM_INFORMATION_TYPE3"},
    {0x1C, parse_si4, render_si4, "SYSTEM_INFORMATION_TYPE4"},
    {0x1D, parse_si5, render_si5, "SYSTEM_INFORMATION_TYPE5"},
    {0x1E, parse_si6, render_si6, "SYSTEM_INFORMATION_TYPE6"},
    {0x1F, parse_si7, render_si7, "SYSTEM_INFORMATION_TYPE7"},
    {0x3D, parse_si16, render_si16, "SYSTEM_INFORMATION_TYPE16_or_17"},
    {0x3E, parse_si16, render_si16, "SYSTEM_INFORMATION_TYPE17"},
    {0x40, parse_si18, render_si18, "SYSTEM_INFORMATION_TYPE18"},
    {0x41, parse_si19, render_si19, "SYSTEM_INFORMATION_TYPE19"},
    {0x42, parse_si18, render_si18, "SYSTEM_INFORMATION_TYPE20"},
    {0x44, parse_si14, render_si14, "SYSTEM_INFORMATION_TYPE15"},
};

constexpr bool types_ascending() {
  for (size_t i = 1; i < std::size(kSiTypes); ++i) {
    if (kSiTypes[i].type <= kSiTypes[i - 1].type) return false;
  }
  return true;
}
static_assert(types_ascending());

const SiType* find_si_type(uint8_t type) {
  for (const SiType& row : kSiTypes) {
    if (row.type == type) return &row;
  }
  return nullptr;
}

}  // namespace

MessageRecord* parse_system_information(const uint8_t* msg, uint16_t length, uint8_t direction) {
  const SiType* row = find_si_type(msg[1]);
  return row != nullptr ? row->parse(msg, length, direction) : nullptr;
}

int render_system_information(const MessageRecord& r, OutputText& out, uint8_t) {
  const SiType* row = find_si_type(static_cast<uint8_t>(r.key & 0xFF));
  return row != nullptr ? row->render(r, out, row->name) : 0;
}

}  // namespace l3
