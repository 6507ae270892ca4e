#include "rr/rest_octets/si_rest_octets.h"

#include <iterator>

#include "core/output.h"
#include "rr/elements/value_elements.h"
#include "rr/rest_octets/fill_bits.h"
#include "rr/si/si_elements.h"

namespace l3 {

uint32_t decode_si1_rest_octets(Si1RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  // { L | H < NCH position : bit (5) > } < Band indicator : L | H >
  ro.nch_present = read_lh(c);
  if (ro.nch_present) ro.nch_position = static_cast<uint8_t>(c.bits(5));
  ro.band_indicator = read_lh(c);
  return c.pos;
}

namespace {

void decode_selection_parameters(SelectionParameters& p, BitCursor& c) {
  p.present = read_lh(c);
  if (!p.present) return;
  p.cbq = static_cast<uint8_t>(c.bits(1));
  p.cell_reselect_offset = static_cast<uint8_t>(c.bits(6));
  p.temporary_offset = static_cast<uint8_t>(c.bits(3));
  p.penalty_time = static_cast<uint8_t>(c.bits(5));
}

void decode_gprs_indicator(GprsIndicator& g, BitCursor& c) {
  g.present = read_lh(c);
  if (!g.present) return;
  g.ra_colour = static_cast<uint8_t>(c.bits(3));
  g.si13_position = static_cast<uint8_t>(c.bits(1));
}

}  // namespace

uint32_t decode_si3_rest_octets(Si3RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  decode_selection_parameters(ro.selection, c);
  ro.power_offset_present = read_lh(c);
  if (ro.power_offset_present) ro.power_offset = static_cast<uint8_t>(c.bits(2));
  ro.si2ter_indicator = read_lh(c);
  ro.early_classmark_sending = read_lh(c);
  ro.where_present = read_lh(c);
  if (ro.where_present) ro.where = static_cast<uint8_t>(c.bits(3));
  decode_gprs_indicator(ro.gprs, c);
  ro.early_classmark_restriction_3g = read_lh(c);
  ro.si2quater_present = read_lh(c);
  if (ro.si2quater_present) ro.si2quater_position = static_cast<uint8_t>(c.bits(1));
  ro.end = c.pos;
  return c.pos;
}

uint32_t decode_si4_rest_octets_o(Si4RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  decode_selection_parameters(ro.selection, c);
  ro.power_offset_present = read_lh(c);
  if (ro.power_offset_present) ro.power_offset = static_cast<uint8_t>(c.bits(2));
  decode_gprs_indicator(ro.gprs, c);
  return c.pos;
}

uint32_t decode_si4_rest_octets_s(Si4RestOctetsS& s, const BitBuffer& b, uint32_t pos) {
  BitCursor c(b, pos);
  s.present = 1;
  s.lsa_present = read_lh(c);
  if (s.lsa_present) {
    s.prio_thr = static_cast<uint8_t>(c.bits(3));
    s.lsa_offset = static_cast<uint8_t>(c.bits(3));
    s.mcc_mnc_present = c.bit();
    if (s.mcc_mnc_present) {
      s.mcc = static_cast<uint16_t>(c.bits(12));
      s.mnc = static_cast<uint16_t>(c.bits(12));
    }
  }
  s.cell_identity_present = read_lh(c);
  if (s.cell_identity_present) s.cell_identity = static_cast<uint16_t>(c.bits(16));
  // { L | H < LSA identity > { 1 < LSA identity > } ** 0 },
  // < LSA identity > ::= { 0 < LSA_ID : bit (24) > | 1 < ShortLSA_ID : bit (10) > }
  for (bool more = read_lh(c); more; more = c.bit()) {
    LsaIdEntry e{};
    e.is_short = c.bit();
    e.id = c.bits(e.is_short ? 10 : 24);
    if (s.lsa_count < std::size(s.lsa)) s.lsa[s.lsa_count++] = e;
  }
  return c.pos;
}

uint32_t decode_si4_rest_octets(Si4RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b, decode_si4_rest_octets_o(ro, b));
  // { L < Break indicator : L | H > | H < SI4 Rest Octets_S > }
  if (read_lh(c)) return decode_si4_rest_octets_s(ro.s, b, c.pos);
  ro.break_present = 1;
  ro.break_indicator = read_lh(c);
  return c.pos;
}

uint32_t decode_si7_rest_octets(Si4RestOctetsS& s, const BitBuffer& b) { return decode_si4_rest_octets_s(s, b, 0); }

uint32_t decode_si6_rest_octets(Si6RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  ro.pch_nch_present = read_lh(c);
  if (ro.pch_nch_present) {
    ro.paging_restructuring = static_cast<uint8_t>(c.bits(1));
    ro.nln_sacch = static_cast<uint8_t>(c.bits(2));
    ro.call_priority_present = c.bit();
    if (ro.call_priority_present) ro.call_priority = static_cast<uint8_t>(c.bits(3));
    ro.nln_status = static_cast<uint8_t>(c.bits(1));
  }
  ro.vbs_vgcs_present = read_lh(c);
  if (ro.vbs_vgcs_present) {
    ro.inband_notifications = static_cast<uint8_t>(c.bits(1));
    ro.inband_pagings = static_cast<uint8_t>(c.bits(1));
  }
  ro.dtm_support = read_lh(c);
  if (ro.dtm_support) {
    ro.rac = static_cast<uint8_t>(c.bits(8));
    ro.max_lapdm = static_cast<uint8_t>(c.bits(3));
  }
  ro.band_indicator = read_lh(c);
  return c.pos;
}

uint32_t decode_si9_rest_octets(Si9RestOctets& ro, const BitBuffer& b) {
  BitCursor c(b);
  // { L | H < Scheduling info > { 1 < Scheduling info > } ** 0 }
  for (bool more = read_lh(c); more; more = c.bit()) {
    Si9SchedulingInfo e{};
    if (!c.bit()) {
      e.info_type_kind = 4;
      e.info_type = static_cast<uint8_t>(c.bits(4));
    } else if (!c.bit()) {
      e.info_type_kind = 5;
      e.info_type = static_cast<uint8_t>(c.bits(5));
    } else {
      e.info_type_kind = 6;
      e.info_type = static_cast<uint8_t>(c.bits(6));
    }
    // { 1 < length : bit (4) > < position : bit (length) > } ** 0
    while (c.bit()) {
      uint32_t length = c.bits(4);
      uint16_t position = length != 0 ? static_cast<uint16_t>(c.bits(length)) : 0;
      if (e.position_count < std::size(e.positions)) e.positions[e.position_count++] = position;
    }
    if (ro.count < std::size(ro.entries)) ro.entries[ro.count++] = e;
  }
  return c.pos;
}

int render_si1_rest_octets(const Si1RestOctets& ro, OutputText& out) {
  out.append("<SI_1_Rest_Octets>\n");
  if (ro.nch_present) {
    out.append("<NCH_Position>\n");
    write_field_s8(L3_TAG("NCH_Position"), ro.nch_position, out, 0);
    // The table runs through 1 block at first blocks 0..6, 2 at 0..5, and
    // on to 7 at 0; codes 28..31 are reserved and name no blocks.
    int first = ro.nch_position, starts = 7;
    while (starts > 0 && first >= starts) first -= starts--;
    if (starts > 0) {
      write_field_int(L3_TAG("No of blocks"), 8 - starts, out, 0);
      write_field_int(L3_TAG("Number of first block"), first, out, 0);
    }
    out.append("</NCH_Position>\n");
  }
  out.append("<Band_indicator>\n");
  append_value_text(ro.band_indicator == 1 ? "ARFCN indicates 1900 band" : "ARFCN indicates 1800 band", out,
                    ro.band_indicator, 1);
  out.append("</Band_indicator>\n");
  out.append("</SI_1_Rest_Octets>\n");
  return 1;
}

namespace {

void render_selection_parameters(const SelectionParameters& p, OutputText& out) {
  if (!p.present) return;
  out.append("<Optional_selection_parameters>\n");
  write_field_u8(L3_TAG("CBQ"), p.cbq, out, 0);
  render_cell_reselect_offset(p.cell_reselect_offset, out);
  render_temporary_offset(p.temporary_offset, out);
  render_penalty_time(p.penalty_time, out);
  out.append("</Optional_selection_parameters>\n");
}

void render_power_offset(uint8_t present, uint8_t v, OutputText& out) {
  if (!present) return;
  out.append("<Optional_Power_Offset>\n");
  append_tag_text(out, L3_TAG_TEXT("<Power_Offset>\n"));
  append_value_note(v, out, 0);
  append_dec(out, 2 * v);
  append_tag_text(out, L3_TAG_TEXT("dB power offset"));
  out.append("</Power_Offset>\n");
  out.append("</Optional_Power_Offset>\n");
}

void render_gprs_indicator(const GprsIndicator& g, OutputText& out) {
  if (!g.present) return;
  out.append("<GPRS_Indicator>\n");
  write_field_u8(L3_TAG("RA_COLOUR"), g.ra_colour, out, 0);
  render_flag(
      out,
      L3_FLAG("<SI13_POSITION>\n", "</SI13_POSITION>\n", "SYSTEM INFORMATION TYPE 13 message is sent on BCCH Norm",
              "SYSTEM INFORMATION TYPE 13 message is sent on BCCH Ext"),
      g.si13_position);
  out.append("</GPRS_Indicator>\n");
}

}  // namespace

int render_si3_rest_octets(const Si3RestOctets& ro, OutputText& out) {
  out.append("<SI_3_Rest_Octets>\n");
  render_selection_parameters(ro.selection, out);
  render_power_offset(ro.power_offset_present, ro.power_offset, out);
  out.append("<System_Information_2ter_Indicator>\n");
  append_value_text(ro.si2ter_indicator == 1 ? "SYSTEM INFORMATION TYPE 2ter message is available"
                                             : "SYSTEM INFORMATION TYPE 2ter message is not available",
                    out, ro.si2ter_indicator, 1);
  out.append("</System_Information_2ter_Indicator>\n");
  out.append("<Early_Classmark_Sending_Control>\n");
  append_value_text(
      ro.early_classmark_sending == 1 ? "Early Classmark Sending is allowed" : "Early Classmark Sending is forbidden",
      out, ro.early_classmark_sending, 1);
  out.append("</Early_Classmark_Sending_Control>\n");
  if (ro.where_present) {
    out.append("<Scheduling_if_and_where>\n");
    if (ro.where != 0) {
      append_value_text("BCCH scheduling information is sent in SYSTEM INFORMATION TYPE 9 on the BCCH", out, ro.where,
                        1);
    } else {
      // Only the WHERE that is sent shows its value.
      out.append("<WHERE>\n");
      out.append("BCCH scheduling information is not sent in SYSTEM INFORMATION TYPE 9 on the BCCH");
      out.append("</WHERE>\n");
    }
    out.append("</Scheduling_if_and_where>\n");
  }
  render_gprs_indicator(ro.gprs, out);
  render_flag(
      out,
      L3_FLAG(
          "<Early_Classmark_Sending_Restriction for 3G>\n", "</Early_Classmark_Sending_Restriction for 3G>\n",
          "Neither UTRAN nor cdma2000 classmark change message shall be sent with the Early classmark sending",
          "The sending of UTRAN and CDMA2000 Classmark Sending messages is controlled by the Early Classmark Sending "
          "Control parameter"),
      ro.early_classmark_restriction_3g);
  if (ro.si2quater_present) {
    out.append("<SI2quater_Indicator>\n");
    render_flag(out,
                L3_FLAG("<SI2quater_POSITION>\n", "</SI2quater_POSITION>\n",
                        "SYSTEM INFORMATION TYPE 2 quater message is sent on BCCH Norm",
                        "SYSTEM INFORMATION TYPE 2 quater message is sent on BCCH Ext"),
                ro.si2quater_position);
    out.append("</SI2quater_Indicator>\n");
  }
  out.append("</SI_3_Rest_Octets>\n");
  return 1;
}

int render_si4_rest_octets_o(const Si4RestOctets& ro, OutputText& out) {
  out.append("<SI_4_Rest_Octets_O>\n");
  render_selection_parameters(ro.selection, out);
  render_power_offset(ro.power_offset_present, ro.power_offset, out);
  render_gprs_indicator(ro.gprs, out);
  out.append("</SI_4_Rest_Octets_O>\n");
  return 1;
}

int render_si4_rest_octets_s(const Si4RestOctetsS& s, OutputText& out) {
  out.append("<SI_4_Rest_Octets_S>\n");
  if (s.lsa_present) {
    out.append("<LSA_Parameters>\n");
    render_prio_thr(s.prio_thr, out);
    render_lsa_offset(s.lsa_offset, out);
    if (s.mcc_mnc_present) {
      write_field_u16(L3_TAG("MCC"), s.mcc, out, 0);
      write_field_u16(L3_TAG("MNC"), s.mnc, out, 0);
    }
    out.append("</LSA_Parameters>\n");
  }
  if (s.cell_identity_present) write_field_u16(L3_TAG("Cell_Identity"), s.cell_identity, out, 0);
  for (uint32_t i = 0; i < s.lsa_count && i < std::size(s.lsa); ++i) {
    if (s.lsa[i].is_short) {
      write_field_u16(L3_TAG("ShortLSA_ID"), s.lsa[i].id, out, 0);
    } else {
      write_field_int(L3_TAG("LSA_ID"), static_cast<int32_t>(s.lsa[i].id), out, 0);
    }
  }
  out.append("</SI_4_Rest_Octets_S>\n");
  return 1;
}

int render_si4_rest_octets(const Si4RestOctets& ro, OutputText& out) {
  out.append("<SI_4_Rest_Octets>\n");
  render_si4_rest_octets_o(ro, out);
  if (ro.break_present) {
    render_flag(out,
                L3_FLAG("<Break_indicator>\n", "</Break_indicator>\n",
                        "Additional parameters are not sent in SYSTEM INFORMATION TYPE 7 and 8",
                        "Additional parameters are sent in SYSTEM INFORMATION TYPE 7 and 8"),
                ro.break_indicator);
  }
  if (ro.s.present) render_si4_rest_octets_s(ro.s, out);
  out.append("</SI_4_Rest_Octets>\n");
  return 1;
}

int render_si6_rest_octets(const Si6RestOctets& ro, OutputText& out) {
  out.append("<SI_6_Rest_Octets>\n");
  if (ro.pch_nch_present) {
    out.append("<PCH_and_NCH_info>\n");
    render_flag(out,
                L3_FLAG("<Paging_channel_restructuring>\n", "</Paging_channel_restructuring>\n",
                        "paging channel is not restructured", "paging channel is restructured"),
                ro.paging_restructuring);
    write_field_u8(L3_TAG("NLN_SACCH"), ro.nln_sacch, out, 0);
    if (ro.call_priority_present) render_call_priority(ro.call_priority, out);
    write_field_u8(L3_TAG("NLN_status"), ro.nln_status, out, 0);
    out.append("</PCH_and_NCH_info>\n");
  }
  if (ro.vbs_vgcs_present) {
    out.append("<VBS_VGCS_options>\n");
    render_flag(
        out,
        L3_FLAG("<inband notifications>\n", "</inband notifications>\n",
                "The mobile shall not be notified on incoming high priority VBS/VGCS calls through NOTIFICATION/FACCH",
                "The mobile shall be notified on incoming high priority VBS/VGCS calls through NOTIFICATION/FACCH"),
        ro.inband_notifications);
    render_flag(
        out,
        L3_FLAG(
            "<inband pagings>\n", "</inband pagings>\n",
            "The mobile shall not be notified on incoming high priority point-to-point calls through "
            "NOTIFICATION/FACCH",
            "The mobile shall be notified on incoming high priority point-to-point calls through NOTIFICATION/FACCH"),
        ro.inband_pagings);
    out.append("</VBS_VGCS_options>\n");
  }
  render_flag(out,
              L3_FLAG("<DTM_support>\n", "</DTM_support>\n", "DTM is not supported in the serving cell",
                      "DTM is supported in the serving cell"),
              ro.dtm_support);
  if (ro.dtm_support) {
    write_field_u8(L3_TAG("RAC"), ro.rac, out, 0);
    out.append("<MAX_LAPDm>\n");
    append_value_note(ro.max_lapdm, out, 0);
    out.append("Any message segmented in up to");
    append_dec(out, ro.max_lapdm + 5);
    out.append("LAPDm frames");
    out.append("</MAX_LAPDm>\n");
  }
  render_flag(out, L3_FLAG("<Band_indicator>\n", "</Band_indicator>\n", "band1800", "band1900"), ro.band_indicator);
  out.append("</SI_6_Rest_Octets>\n");
  return 1;
}

namespace {
constexpr ValueText kInfoType5Texts[] = {
    {0, "System Information type 1"},    {1, "System Information type 2"},   {2, "System Information type 2bis"},
    {3, "System Information type 2ter"}, {4, "System Information type 3"},   {5, "System Information type 4"},
    {6, "System Information type 7"},    {7, "System Information type 8"},   {8, "System Information type 9"},
    {9, "System Information type 13"},   {11, "System Information type 16"}, {12, "System Information type 17"},
    {13, "System Information type 18"},  {14, "System Information type 19"}, {15, "System Information type 20"},
};
static_assert(well_formed(kInfoType5Texts));
}  // namespace

int render_si9_rest_octets(const Si9RestOctets& ro, OutputText& out) {
  out.append("<SI_9_Rest_Octets>\n");
  for (uint32_t i = 0; i < ro.count && i < std::size(ro.entries); ++i) {
    const Si9SchedulingInfo& e = ro.entries[i];
    out.append("<Scheduling_info>\n");
    if (e.info_type_kind != 0) {
      out.append("<Info_type>\n");
      if (e.info_type_kind == 4) {
        out.append("<Info_type4>\n");
        append_value_text("reserved", out, e.info_type, 1);
        out.append("</Info_type4>\n");
      } else if (e.info_type_kind == 5) {
        out.append("<Info_type_5>\n");
        append_value_text(text_or(kInfoType5Texts, e.info_type, "reserved for future"), out, e.info_type, 1);
        out.append("</Info_type_5>\n");
      } else {
        out.append("<Info_type6>\n");
        append_value_text("reserved", out, e.info_type, 1);
        out.append("</Info_type6>\n");
      }
      out.append("</Info_type>\n");
    }
    if (e.position_count != 0) {
      out.append("<Position>\n");
      for (uint32_t k = 0; k < e.position_count && k < std::size(e.positions); ++k) {
        write_field_s8(L3_TAG("Positions"), e.positions[k], out, 0);
      }
      out.append("</Position>\n");
    }
    out.append("</Scheduling_info>\n");
  }
  out.append("</SI_9_Rest_Octets>\n");
  return 1;
}

}  // namespace l3
