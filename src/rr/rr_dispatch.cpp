#include "rr/rr_dispatch.h"

#include "core/dispatch.h"

namespace l3 {

namespace {

// Message types by group. Types in neither table are not decoded.
constexpr ValueText kSystemInformationTypes[] = {
    {0x00, 0x07, "SI 13, 14, 2bis, 2ter, 9, 5bis, 5ter, 2quater"},
    {0x18, 0x1F, "SI 8, 1, 2, 3, 4, 5, 6, 7"},
    {0x3D, 0x3E, "SI 16, 17"},
    {0x40, 0x42, "SI 18, 19, 20"},
    {0x44, "SI 15"},
};
static_assert(well_formed(kSystemInformationTypes));

constexpr ValueText kOtherRrTypes[] = {
    {0x08, 0x0A, "cell change order, VGCS uplink grant, partial release"},
    {0x0D, 0x17, "channel release .. channel mode modify acknowledge"},
    {0x20, 0x24, "notification NCH, paging requests, PDCH assignment command"},
    {0x26, 0x3C, "notification response .. RR initialisation request"},
    {0x3F, "immediate assignment"},
    {0x48, 0x49, "DTM assignment failure, DTM reject"},
    {0x4C, 0x4E, "DTM assignment command, DTM information, packet notification"},
    {0x7F, "channel request"},
};
static_assert(well_formed(kOtherRrTypes));

}  // namespace

bool is_system_information_type(uint8_t type) { return find_text(kSystemInformationTypes, type) != nullptr; }

bool is_rr_other_type(uint8_t type) { return find_text(kOtherRrTypes, type) != nullptr; }

MessageRecord* parse_rr_message(const uint8_t* msg, uint16_t length, uint8_t direction) {
  if (msg == nullptr || length < 2) return nullptr;
  if (is_system_information_type(msg[1])) return parse_system_information(msg, length, direction);
  if (is_rr_other_type(msg[1])) return parse_rr_other(msg, length, direction);
  return nullptr;
}

int render_rr_message(const MessageRecord& r, OutputText& out, uint8_t direction) {
  const auto type = static_cast<uint8_t>(r.key & 0xFF);
  if (is_system_information_type(type)) return render_system_information(r, out, direction);
  if (is_rr_other_type(type)) return render_rr_other(r, out, direction);
  return 0;
}

}  // namespace l3
