#include "rr/elements/frequency_list.h"

#include <iterator>

#include "core/output.h"

namespace l3 {

namespace {

// The arrays of one range format.
struct RangeArrays {
  uint8_t* length;
  uint16_t* orig;  // nullptr for range 1024
  uint16_t* w;
  uint16_t* f;
  uint32_t capacity;  // usable entries (1-based)
  uint32_t range;     // R of the coding tree
  uint32_t base_width;
};

template <size_t N>
constexpr uint32_t last_index(const uint16_t (&)[N]) {
  return static_cast<uint32_t>(N - 1);
}

RangeArrays range_arrays(FrequencyList& l, FrequencyFormat format) {
  switch (format) {
    case FrequencyFormat::range1024:
      return {&l.r1024_length, nullptr, l.r1024.w, l.r1024.f, last_index(l.r1024.w), 1024, 10};
    case FrequencyFormat::range512:
      return {&l.r512_length, &l.r512_orig, l.r512.w, l.r512.f, last_index(l.r512.w), 512, 9};
    case FrequencyFormat::range256:
      return {&l.r256_length, &l.r256_orig, l.r256.w, l.r256.f, last_index(l.r256.w), 256, 8};
    case FrequencyFormat::range128:
      return {&l.r128_length, &l.r128_orig, l.r128.w, l.r128.f, last_index(l.r128.w), 128, 7};
    default:
      return {nullptr, nullptr, nullptr, nullptr, 0, 0, 0};
  }
}

// W(k) is one bit narrower each time k reaches a power of two.
uint32_t w_width(uint32_t base, uint32_t k) {
  uint32_t log2 = 0;
  while ((k >> (log2 + 1)) != 0) ++log2;
  return base > log2 ? base - log2 : 0;
}

// W(1)..W(fields) from bit position pos. A field that would end past `limit`
// ends the list: count is the number of fields read plus one, F values are
// cleared and false is returned (a fixed-length list is then not resolved).
bool read_w_fields(FrequencyList& l, const RangeArrays& a, const BitBuffer& b, uint32_t pos, uint32_t fields,
                   uint32_t limit) {
  if (fields > a.capacity) fields = a.capacity;
  for (uint32_t k = 1; k <= fields; ++k) {
    const uint32_t w = w_width(a.base_width, k);
    if (pos + w > limit) {
      l.count = k;
      a.w[k] = 0;
      for (uint32_t i = 1; i <= k; ++i) a.f[i] = 0;
      return false;
    }
    a.w[k] = w == 0 ? 0 : read_bits16(pos, w, b);
    pos += w;
  }
  l.count = fields;
  return true;
}

// A length-led or short list holds as many W fields as fit, and the first W
// of 0 ends the set: resolve what was read, keep no ARFCN from the first null
// W on.
void resolve_variable_length(FrequencyList& l, const RangeArrays& a) {
  resolve_range_arfcns(l);
  const uint32_t count = l.count < a.capacity ? l.count : a.capacity;
  bool ended = false;
  for (uint32_t k = 1; k <= count; ++k) {
    if (a.w[k] == 0) ended = true;
    if (ended) a.f[k] = 0;
  }
}

uint8_t combined_format_id(const BitBuffer& b, uint32_t p, int one_bit_format) {
  const uint8_t high = one_bit_format != 0 ? read_bits8(p, 1, b) : read_bits8(p, 2, b);
  return static_cast<uint8_t>(high << 3 | read_bits8(p + 4, 3, b));
}

// The buffer cut to `bits` (reads past it give 0).
BitBuffer limited(const BitBuffer& b, uint32_t bits) {
  BitBuffer v = b;
  if (v.count > bits) v.count = bits;
  return v;
}

}  // namespace

FrequencyFormat frequency_format(uint8_t format_id) {
  if (format_id <= 7) return FrequencyFormat::bitmap0;
  switch (format_id) {
    case 8:
    case 9:
    case 10:
    case 11:
    case 16:
    case 17:
    case 18:
    case 19:
      return FrequencyFormat::range1024;
    case 12:
    case 20:
      return FrequencyFormat::range512;
    case 13:
    case 21:
      return FrequencyFormat::range256;
    case 14:
    case 22:
      return FrequencyFormat::range128;
    case 15:
    case 23:
      return FrequencyFormat::variable_bitmap;
    default:
      return FrequencyFormat::none;
  }
}

void resolve_range_arfcns(FrequencyList& l) {
  const RangeArrays a = range_arrays(l, frequency_format(l.format_id));
  if (a.w == nullptr) return;
  const uint32_t count = l.count < a.capacity ? l.count : a.capacity;
  const uint32_t r = a.range;
  for (uint32_t k = 1; k <= count; ++k) {
    if (a.w[k] == 0) {
      a.f[k] = 0;
      continue;
    }
    uint32_t index = k;
    uint32_t j = 1;
    while (j * 2 <= k) j *= 2;
    uint32_t n = a.w[k];
    // Walk up the coding tree; adding 2R/J keeps the dividend positive. The
    // field widths keep N and every W below 2R/J, so the dividend is under
    // 4 x (2R/J - 1) and a few subtractions do the modulo.
    while (index > 1) {
      const uint32_t m = 2 * r / j - 1;
      uint32_t x;
      if (2 * index < 3 * j) {
        index -= j / 2;
        x = n + 2 * r / j + a.w[index] - r / j - 2;
      } else {
        index -= j;
        x = n + 2 * r / j + a.w[index] - 2;
      }
      while (x >= m) x -= m;
      n = x + 1;
      j /= 2;
    }
    // Range 1024 codes ARFCNs 1..1023 directly (ARFCN 0 is F0); the others
    // are offsets from ORIG-ARFCN.
    a.f[k] = static_cast<uint16_t>(a.orig == nullptr ? n : (*a.orig + n) % 1024);
  }
}

void decode_channel_list16(FrequencyList& l, const BitBuffer& buf, int one_bit_format) {
  const BitBuffer b = limited(buf, 128);
  l.format_id = combined_format_id(b, 0, one_bit_format);
  const FrequencyFormat format = frequency_format(l.format_id);
  switch (format) {
    case FrequencyFormat::bitmap0:
      l.bitmap0_length = 16;
      l.count = 124;
      for (uint32_t j = 0; j < 124; ++j) l.bitmap0[j + 1] = b.cell(4 + j);
      return;
    case FrequencyFormat::range1024: {
      const RangeArrays a = range_arrays(l, format);
      *a.length = 16;
      l.f0 = read_bits8(5, 1, b);
      if (!read_w_fields(l, a, b, 6, 16, 128)) return;
      break;
    }
    case FrequencyFormat::range512:
    case FrequencyFormat::range256:
    case FrequencyFormat::range128: {
      constexpr uint32_t kFields[] = {17, 21, 28};
      const RangeArrays a = range_arrays(l, format);
      *a.length = 16;
      *a.orig = read_bits16(7, 10, b);
      const auto fields = kFields[static_cast<int>(format) - static_cast<int>(FrequencyFormat::range512)];
      if (!read_w_fields(l, a, b, 17, fields, 128)) return;
      break;
    }
    case FrequencyFormat::variable_bitmap:
      l.vbm_length = 16;
      l.vbm_orig = read_bits16(7, 10, b);
      l.count = 111;
      for (uint32_t k = 1; k <= 111; ++k) l.vbm_bits[k] = b.cell(16 + k);
      break;
    case FrequencyFormat::none:
      break;
  }
  resolve_range_arfcns(l);
}

void decode_cell_channel_description(FrequencyList& l, const BitBuffer& b) { decode_channel_list16(l, b, 0); }

void decode_frequency_short_list_at(FrequencyList& l, const BitBuffer& buf, uint32_t pos, uint32_t bits) {
  const uint32_t end = pos + bits;
  const BitBuffer b = limited(buf, end);
  l.format_id = combined_format_id(b, pos, 0);
  const FrequencyFormat format = frequency_format(l.format_id);
  switch (l.format_id) {
    case 16:
    case 17:
    case 18:
    case 19: {
      // F0, then W(1)..W(7) (60 bits) in the 66 left (58 in the short form).
      const RangeArrays a = range_arrays(l, format);
      *a.length = static_cast<uint8_t>(bits / 8);
      l.f0 = read_bits8(pos + 5, 1, b);
      read_w_fields(l, a, b, pos + 6, 7, end);
      resolve_variable_length(l, a);
      return;
    }
    case 20:
    case 21:
    case 22: {
      constexpr uint32_t kFields[] = {7, 8, 9};
      const RangeArrays a = range_arrays(l, format);
      *a.length = static_cast<uint8_t>(bits / 8);
      *a.orig = read_bits16(pos + 7, 10, b);
      read_w_fields(l, a, b, pos + 17, kFields[l.format_id - 20], end);
      resolve_variable_length(l, a);
      return;
    }
    case 23: {
      const uint32_t n = bits - 17;
      l.vbm_length = static_cast<uint8_t>(bits / 8);
      l.vbm_orig = read_bits16(pos + 7, 10, b);
      for (uint32_t k = 1; k <= n; ++k) l.vbm_bits[k] = b.cell(pos + 16 + k) != 0 ? static_cast<uint16_t>(k) : 0;
      l.vbm_bits[n + 1] = 0;
      l.count = n + 1;
      break;
    }
    default:
      l.count = 0;
      // Identifiers 0..7 render as bitmap 0, which this list does not carry:
      // clear what a list decoded here before may have left in the storage.
      for (uint32_t i = 1; i < std::size(l.bitmap0); ++i) l.bitmap0[i] = 0;
      break;
  }
  resolve_range_arfcns(l);
}

void decode_frequency_short_list(FrequencyList& l, const BitBuffer& b) { decode_frequency_short_list_at(l, b, 0); }

void decode_frequency_list(FrequencyList& l, const BitBuffer& buf) {
  const uint32_t len = read_bits8(0, 8, buf);
  if (len == 0) {
    l.format_id = 0;
    l.bitmap0_length = 0;
    l.count = 0;
    for (uint32_t i = 1; i < std::size(l.bitmap0); ++i) l.bitmap0[i] = 0;
    return;
  }
  const uint32_t end = 8 * (len + 1);
  const BitBuffer b = limited(buf, end);
  // Format bits follow the length octet.
  l.format_id = combined_format_id(b, 8, 0);
  const FrequencyFormat format = frequency_format(l.format_id);
  switch (format) {
    case FrequencyFormat::bitmap0:
      l.bitmap0_length = static_cast<uint8_t>(len);
      for (uint32_t i = 1; i <= 124; ++i) l.bitmap0[i] = b.cell(11 + i);
      l.count = 0;
      break;
    case FrequencyFormat::range1024: {
      const RangeArrays a = range_arrays(l, format);
      *a.length = static_cast<uint8_t>(len);
      l.f0 = read_bits8(13, 1, b);
      read_w_fields(l, a, b, 14, a.capacity, end);
      resolve_variable_length(l, a);
      return;
    }
    case FrequencyFormat::range512:
    case FrequencyFormat::range256:
    case FrequencyFormat::range128: {
      const RangeArrays a = range_arrays(l, format);
      *a.length = static_cast<uint8_t>(len);
      *a.orig = read_bits16(15, 10, b);
      read_w_fields(l, a, b, 25, a.capacity, end);
      resolve_variable_length(l, a);
      return;
    }
    default: {
      // Variable bitmap, and the reserved identifiers read the same way.
      l.vbm_length = static_cast<uint8_t>(len);
      l.vbm_orig = read_bits16(15, 10, b);
      uint32_t n = 8 * len > 17 ? 8 * len - 17 : 0;
      if (n > last_index(l.vbm_bits)) n = last_index(l.vbm_bits);  // bits past 1024 repeat ARFCNs
      for (uint32_t k = 1; k <= n; ++k) l.vbm_bits[k] = b.cell(24 + k) != 0 ? static_cast<uint16_t>(k) : 0;
      l.count = n;
      break;
    }
  }
  resolve_range_arfcns(l);
}

void decode_neighbour_cell_description(NeighbourCellDescription& e, const BitBuffer& b) {
  e.present = 1;
  e.ext_ind = read_bits8(2, 1, b);
  e.ba_ind = read_bits8(3, 1, b);
  decode_channel_list16(e.list, b, 0);
}

void decode_neighbour_cell_description2(NeighbourCellDescription2& e, const BitBuffer& b) {
  e.present = 1;
  e.multiband_reporting = read_bits8(1, 2, b);
  e.ba_ind = read_bits8(3, 1, b);
  decode_channel_list16(e.list, b, 1);
}

void decode_extended_measurement_frequency_list(ExtendedMeasurementFrequencyList& e, const BitBuffer& b) {
  e.seq_code = read_bits8(3, 1, b);
  decode_channel_list16(e.list, b, 0);
}

namespace {

uint32_t bounded_count(uint32_t count, size_t capacity) {
  return count < capacity - 1 ? count : static_cast<uint32_t>(capacity - 1);
}

void render_nonzero(const TagText& name, const uint16_t* values, uint32_t count, OutputText& out) {
  for (uint32_t i = 1; i <= count; ++i) {
    if (values[i] != 0) write_field_u16(name, values[i], out, 0);
  }
}

struct RangeTags {
  CText open;
  CText close;
};

}  // namespace

int render_frequency_list_body(const FrequencyList& l, OutputText& out) {
  const FrequencyFormat format = frequency_format(l.format_id);
  switch (format) {
    case FrequencyFormat::bitmap0:
      out.append("<Bitmap0format>\n");
      write_field_u8(L3_TAG("Length_of_Frequency_List"), l.bitmap0_length, out, 0);
      for (int32_t i = 1; i <= 124; ++i) {
        if (l.bitmap0[i] != 0) write_field_int(L3_TAG("ARFCN"), 125 - i, out, 0);
      }
      out.append("</Bitmap0format>\n");
      break;
    case FrequencyFormat::range1024: {
      const uint32_t n = bounded_count(l.count, std::size(l.r1024.w));
      out.append("<Range1024format>\n");
      write_field_u8(L3_TAG("Length_of_Frequency_List"), l.r1024_length, out, 0);
      out.append("<F0>\n");
      append_value_text(l.f0 == 1 ? "ARFCN_0_is_a_member_of_the_set" : "ARFCN0is_not_a_member_of_the_set", out, l.f0,
                        1);
      out.append("</F0>\n");
      render_nonzero(L3_TAG("F"), l.r1024.f, n, out);
      render_nonzero(L3_TAG("W"), l.r1024.w, n, out);
      out.append("</Range1024format>\n");
      break;
    }
    case FrequencyFormat::range512:
    case FrequencyFormat::range256:
    case FrequencyFormat::range128: {
      constexpr RangeTags kTags[] = {{"<Range512format>", "</Range512format>"},
                                     {"<Range256format>", "</Range256format>"},
                                     {"<Range128format>", "</Range128format>"}};
      const RangeTags& tags = kTags[static_cast<int>(format) - static_cast<int>(FrequencyFormat::range512)];
      const RangeArrays a = range_arrays(const_cast<FrequencyList&>(l), format);
      const uint32_t n = bounded_count(l.count, a.capacity + 1);
      out.append(tags.open);
      write_field_u8(L3_TAG("Length_of_Frequency_List"), *a.length, out, 0);
      write_field_u16(L3_TAG("ORIG_ARFCN"), *a.orig, out, 0);
      render_nonzero(L3_TAG("F"), a.f, n, out);
      render_nonzero(L3_TAG("W"), a.w, n, out);
      out.append(tags.close);
      break;
    }
    case FrequencyFormat::variable_bitmap: {
      const uint32_t n = bounded_count(l.count, std::size(l.vbm_bits));
      out.append("<Variablebitmapformat>");
      write_field_u8(L3_TAG("Length_of_Frequency_List"), l.vbm_length, out, 0);
      write_field_u16(L3_TAG("ORIG_ARFCN"), l.vbm_orig, out, 0);
      for (uint32_t i = 1; i <= n; ++i) {
        if (l.vbm_bits[i] != 0) write_field_int(L3_TAG("RRFCN"), static_cast<int32_t>((l.vbm_orig + i) % 1024), out, 0);
      }
      out.append("</Variablebitmapformat>");
      break;
    }
    case FrequencyFormat::none:
      break;
  }
  return 1;
}

int render_cell_channel_description(const FrequencyList& l, OutputText& out) {
  out.append("<Cell_Channel_Description>\n");
  write_field_u8(L3_TAG("FORMAT_ID"), l.format_id, out, 0);
  render_frequency_list_body(l, out);
  out.append("</Cell_Channel_Description>\n");
  return 1;
}

int render_frequency_short_list(const FrequencyList& l, OutputText& out) {
  out.append("<Frequency_Short_List>\n");
  write_field_u8(L3_TAG("FORMAT_ID"), l.format_id, out, 0);
  render_frequency_list_body(l, out);
  out.append("</Frequency_Short_List>\n");
  return 1;
}

int render_frequency_list_after_time(const FrequencyList& l, OutputText& out) {
  append_tag_text(out, L3_TAG_TEXT("<Frequency_List_after_time>\n"));
  write_field_u8(L3_TAG("FORMAT_ID"), l.format_id, out, 0);
  render_frequency_list_body(l, out);
  append_tag_text(out, L3_TAG_TEXT("</Frequency_List_after_time>\n"));
  return 1;
}

int render_neighbour_cell_description(const NeighbourCellDescription& e, OutputText& out) {
  out.append("<Neighbour_Cell_Description>\n");
  out.append("<EXT_IND>\n");
  append_value_text(e.ext_ind == 1 ? "The information element carries only a part of the BA"
                                   : "The information element carries the complete BA",
                    out, e.ext_ind, 1);
  out.append("</EXT_IND>\n");
  write_field_u8(L3_TAG("BA_IND"), e.ba_ind, out, 0);
  render_cell_channel_description(e.list, out);
  out.append("</Neighbour_Cell_Description>\n");
  return 1;
}

namespace {

constexpr ValueText kMultibandReportingTexts[] = {
    {0, "Normal reporting of the six strongest cells"},
    {1, "The MS shall report the strongest cell"},
    {2, "The MS shall report the two strongest cells"},
    {3, "The MS shall report the three strongest cells"},
};
static_assert(well_formed(kMultibandReportingTexts));

}  // namespace

int render_multiband_reporting(uint8_t value, OutputText& out) {
  out.append("<Multiband_reporting>\n");
  append_value_text(text_or(kMultibandReportingTexts, value, ""), out, value, 1);
  out.append("</Multiband_reporting>\n");
  return 1;
}

int render_neighbour_cell_description2(const NeighbourCellDescription2& e, OutputText& out) {
  out.append("<Neighbour_Cell_Description2>\n");
  render_multiband_reporting(e.multiband_reporting, out);
  write_field_u8(L3_TAG("BA_IND"), e.ba_ind, out, 0);
  render_cell_channel_description(e.list, out);
  out.append("</Neighbour_Cell_Description2>\n");
  return 1;
}

int render_extended_measurement_frequency_list(const ExtendedMeasurementFrequencyList& e, OutputText& out) {
  out.append("<Extended_Measurement_Frequency_List>\n");
  write_field_u8(L3_TAG("SEQ_CODE"), e.seq_code, out, 0);
  render_cell_channel_description(e.list, out);
  out.append("</Extended_Measurement_Frequency_List>\n");
  return 1;
}

}  // namespace l3
