#include "sms/sms_address.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

namespace {

void decode_type_octet(RpAddress& a, uint8_t type) {
  a.type_of_number = (type >> 4) & 0x07;
  a.numbering_plan = type & 0x0F;
}

// count digits, low nibble first, from octet `at`; cut to what the record holds.
void store_digits(RpAddress& a, const BitBuffer& b, uint32_t at, uint32_t count) {
  if (count > RpAddress::kMaxDigits) count = RpAddress::kMaxDigits;
  for (uint32_t i = 0; i < count && i + 1 < std::size(a.digits); ++i) {
    uint8_t o = octet_at(b, at + i / 2);
    a.digits[i + 1] = (i % 2 == 0) ? (o & 0x0F) : (o >> 4);
  }
  a.digit_count = static_cast<uint8_t>(count);
}

constexpr ValueText kTypeOfNumberTexts[] = {
    {0, "unknown"},
    {1, "International Number"},
    {2, "National Number"},
};
static_assert(well_formed(kTypeOfNumberTexts));

constexpr ValueText kNumberingPlanTexts[] = {
    {0, "unknown"},
    {1, "ISND/telephone numbering plan (E.164/E.163)"},
};
static_assert(well_formed(kNumberingPlanTexts));

}  // namespace

void decode_rp_address(RpAddress& a, const BitBuffer& b) {
  uint32_t length = octet_at(b, 0);
  a.present = length != 0;
  if (length == 0) return;
  decode_type_octet(a, octet_at(b, 1));
  if (length < 2) return;  // type octet alone: no digits, and no end mark to look for
  uint32_t count = 2 * (length - 1);
  if ((octet_at(b, length) >> 4) == 0x0F) --count;  // end mark of an odd digit count
  store_digits(a, b, 2, count);
}

uint32_t decode_tp_address(RpAddress& a, const BitBuffer& b, uint32_t at) {
  uint32_t count = octet_at(b, at);
  a.present = 1;
  decode_type_octet(a, octet_at(b, at + 1));
  store_digits(a, b, at + 2, count);
  return at + 2 + (count + 1) / 2;
}

int render_address_fields(const RpAddress& a, OutputText& out) {
  render_value_block(out, L3_TAG("Type of Number"), a.type_of_number, kTypeOfNumberTexts, "Reserved for extension");
  render_value_block(out, L3_TAG("Number Plan Identification"), a.numbering_plan, kNumberingPlanTexts,
                     "Reserved for extension");
  open_tag_named(out, "Address Digits");
  for (uint32_t i = 1; i <= a.digit_count && i < std::size(a.digits); ++i) append_udec(out, a.digits[i]);
  close_tag_named(out, "Address Digits");
  return 1;
}

}  // namespace l3
