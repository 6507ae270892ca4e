// Frequency lists: the bitmap and range codings of ARFCN sets, decoded from
// the three containers into one record and rendered by one body renderer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/bits.h"
#include "core/output.h"

namespace l3 {

// W values and the ARFCNs they resolve to, 1-based.
template <size_t N>
struct RangeValues {
  uint16_t w[N];
  uint16_t f[N];
};

// One decoded list. Arrays are 1-based; only the format named by format_id is
// filled, so the formats share their storage (a record holding several lists
// stays small to zero-fill). Each decode writes every entry its render reads.
// A W or F value of 0 holds no frequency.
struct FrequencyList {
  uint32_t count;     // meaningful entries of the active format's arrays
  uint8_t format_id;  // (FORMAT-ID << 3) | the three format bits after it

  uint8_t bitmap0_length;
  uint8_t f0;  // range 1024: ARFCN 0 is a member
  uint8_t r1024_length;
  uint8_t r512_length;
  uint8_t r256_length;
  uint8_t r128_length;
  uint8_t vbm_length;
  uint16_t r512_orig;
  uint16_t r256_orig;
  uint16_t r128_orig;
  uint16_t vbm_orig;

  union {
    uint8_t bitmap0[125];  // entry i set: ARFCN 125 - i
    RangeValues<1025> r1024;
    RangeValues<513> r512;
    RangeValues<257> r256;
    RangeValues<129> r128;
    uint16_t vbm_bits[1025];  // entry k nonzero: ORIG + k (mod 1024)
  };
};
static_assert(std::is_trivially_copyable_v<FrequencyList>);

enum class FrequencyFormat : uint8_t { bitmap0, range1024, range512, range256, range128, variable_bitmap, none };

// The format of a combined identifier, two-bit (16..23) or one-bit (8..15)
// form.
FrequencyFormat frequency_format(uint8_t format_id);

struct NeighbourCellDescription {
  uint8_t present;
  uint8_t ext_ind;
  uint8_t ba_ind;
  FrequencyList list;
};

struct NeighbourCellDescription2 {
  uint8_t present;
  uint8_t multiband_reporting;
  uint8_t ba_ind;
  FrequencyList list;
};

struct ExtendedMeasurementFrequencyList {
  uint8_t seq_code;
  FrequencyList list;
};

// 16 octets, no length octet. one_bit_format: 1 for Neighbour Cell
// Description 2.
void decode_channel_list16(FrequencyList& list, const BitBuffer& b, int one_bit_format);
// The same with a two-bit FORMAT-ID, shaped for optional-element rows.
void decode_cell_channel_description(FrequencyList& list, const BitBuffer& b);
// 9 octets.
void decode_frequency_short_list(FrequencyList& list, const BitBuffer& b);
// The same starting at bit position pos (inside rest octets); 64 bits for
// the 8-octet form.
void decode_frequency_short_list_at(FrequencyList& list, const BitBuffer& b, uint32_t pos, uint32_t bits = 72);
// Length octet then value; the buffer starts at the length octet.
void decode_frequency_list(FrequencyList& list, const BitBuffer& b);
// W values to ARFCNs for the range formats.
void resolve_range_arfcns(FrequencyList& list);

void decode_neighbour_cell_description(NeighbourCellDescription& e, const BitBuffer& b);
void decode_neighbour_cell_description2(NeighbourCellDescription2& e, const BitBuffer& b);
void decode_extended_measurement_frequency_list(ExtendedMeasurementFrequencyList& e, const BitBuffer& b);

int render_frequency_list_body(const FrequencyList& list, OutputText& out);
int render_cell_channel_description(const FrequencyList& list, OutputText& out);
int render_frequency_short_list(const FrequencyList& list, OutputText& out);
int render_frequency_list_after_time(const FrequencyList& list, OutputText& out);
int render_neighbour_cell_description(const NeighbourCellDescription& e, OutputText& out);
int render_neighbour_cell_description2(const NeighbourCellDescription2& e, OutputText& out);
int render_multiband_reporting(uint8_t value, OutputText& out);
int render_extended_measurement_frequency_list(const ExtendedMeasurementFrequencyList& e, OutputText& out);

}  // namespace l3
