#include "gmm/gprs_timer.h"

#include "core/output.h"

namespace l3 {
namespace {

// Units 3 to 6 read as minutes; the trailing blank differs between the two blocks and hosts
// match on it.
constexpr ValueText kGprsTimerUnitTexts[] = {
    {0, "value is incremented in multiples of 2 seconds"}, {1, "value is incremented in multiples of 1 minute"},
    {2, "value is incremented in multiples of decihours"}, {3, 6, "value is incremented in multiples of 1 minute "},
    {7, "value indicates that the timer is deactivated"},
};
static_assert(well_formed(kGprsTimerUnitTexts));

constexpr ValueText kT3302UnitTexts[] = {
    {0, "value is incremented in multiples of 2 seconds"}, {1, "value is incremented in multiples of 1 minute"},
    {2, "value is incremented in multiples of decihours"}, {3, 6, "value is incremented in multiples of 1 minute"},
    {7, "value indicates that the timer is deactivated"},
};
static_assert(well_formed(kT3302UnitTexts));

void render_timer_body(uint8_t timer, OutputText& out, std::span<const ValueText> units) {
  int32_t unit = timer >> 5;
  append_plain(out, "<Unit>\n");
  append_value_note(unit, out, 0);
  // Three bits: every unit has a row.
  out.append(text_or(units, static_cast<uint32_t>(unit), ""));
  append_plain(out, "</Unit>\n");
  write_field_int(L3_TAG("Timer value"), timer & 0x1F, out, 0);
}

}  // namespace

int render_gprs_timer(uint8_t timer, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<GPRS Timer>"));
  render_timer_body(timer, out, kGprsTimerUnitTexts);
  append_tag_text(out, L3_TAG_TEXT("</GPRS Timer>"));
  return 1;
}

int render_t3302_value(uint8_t timer, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<T3302 Value>\n"));
  render_timer_body(timer, out, kT3302UnitTexts);
  append_tag_text(out, L3_TAG_TEXT("</T3302 Value>\n"));
  return 1;
}

}  // namespace l3
