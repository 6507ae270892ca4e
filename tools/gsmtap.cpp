#include "gsmtap.h"

namespace tharvel_tools {

GsmtapStatus parse_gsmtap_header(const uint8_t* p, size_t n, GsmtapHeader& h) {
  if (n < 16) return GsmtapStatus::too_short;
  h.version = p[0];
  if (h.version != 2 && h.version != 1) return GsmtapStatus::bad_version;
  h.header_length = static_cast<size_t>(p[1]) * 4;
  if (h.header_length < 16 || h.header_length > n) return GsmtapStatus::too_short;
  h.type = p[2];
  h.timeslot = p[3];
  uint16_t arfcn = static_cast<uint16_t>(p[4] << 8 | p[5]);
  h.uplink = (arfcn & 0x4000) != 0;
  h.arfcn = arfcn & 0x3FFF;
  h.frame_number = static_cast<uint32_t>(p[8]) << 24 | static_cast<uint32_t>(p[9]) << 16 | p[10] << 8 | p[11];
  h.sub_type = p[12];
  h.sub_slot = p[14];
  return GsmtapStatus::ok;
}

std::string channel_name(const GsmtapHeader& h) {
  if (h.type == kGsmtapAbis) return "L3";
  static const char* const kNames[] = {"?",      "BCCH",   "CCCH",   "RACH",  "AGCH",  "PCH",
                                       "SDCCH",  "SDCCH4", "SDCCH8", "TCH/F", "TCH/H"};
  uint8_t c = h.sub_type & 0x7F;
  std::string name = c < std::size(kNames) ? kNames[c] : "chan" + std::to_string(c);
  return (h.sub_type & kAcchFlag) ? "SACCH/" + name : name;
}

GsmtapDecoder::Outcome GsmtapDecoder::feed(const uint8_t* p, size_t n, L3Message& out) {
  GsmtapHeader h;
  if (parse_gsmtap_header(p, n, h) != GsmtapStatus::ok) return Outcome::malformed;
  const uint8_t* payload = p + h.header_length;
  size_t len = n - h.header_length;
  out.direction = h.uplink ? 1 : 0;
  out.channel = channel_name(h);
  if (h.type == kGsmtapAbis) {
    if (len < 2) return Outcome::malformed;
    out.octets.assign(payload, payload + len);
    return Outcome::message;
  }
  if (h.type != kGsmtapUm) return Outcome::skipped_type;
  switch (h.sub_type & 0x7F) {
    case kChanBcch:
    case kChanCcch:
    case kChanAgch:
    case kChanPch:
      if (h.sub_type & kAcchFlag) break;
      // The L2 pseudo-length octet goes; rest octets after it stay part of the message.
      if (len < 3) return Outcome::malformed;
      out.octets.assign(payload + 1, payload + len);
      return Outcome::message;
    case kChanSdcch:
    case kChanSdcch4:
    case kChanSdcch8:
    case kChanTchF:
    case kChanTchH:
      if (h.sub_type & kAcchFlag) {
        if (len < 2) return Outcome::malformed;
        return feed_lapdm(h, payload + 2, len - 2, out);  // SACCH L1 header
      }
      return feed_lapdm(h, payload, len, out);
    default:
      break;
  }
  return Outcome::skipped_type;
}

GsmtapDecoder::Outcome GsmtapDecoder::feed_lapdm(const GsmtapHeader& h, const uint8_t* p, size_t n, L3Message& out) {
  if (n < 3) return Outcome::malformed;
  uint8_t address = p[0];
  uint8_t control = p[1];
  uint8_t length_octet = p[2];
  uint8_t sapi = (address >> 2) & 0x07;
  size_t info_len = length_octet >> 2;
  bool more = (length_octet & 0x02) != 0;
  if (info_len > n - 3) return Outcome::malformed;
  const uint8_t* info = p + 3;

  bool i_frame = (control & 0x01) == 0;
  uint8_t u_type = control & 0xEF;  // P/F bit cleared
  bool ui = !i_frame && u_type == 0x03;
  bool sabm = !i_frame && u_type == 0x2F;
  // Supervisory frames, UA (the network's echo of SABM's info), DM and DISC carry no new message.
  if (!i_frame && !ui && !sabm) return Outcome::skipped_frame;
  if (info_len == 0) return Outcome::skipped_frame;

  LinkKey key{h.uplink, h.arfcn, h.timeslot, h.sub_type, h.sub_slot, sapi};
  if (i_frame && (more || partial_.count(key) != 0)) {
    std::vector<uint8_t>& buf = partial_[key];
    buf.insert(buf.end(), info, info + info_len);
    if (more) return Outcome::pending;
    out.octets = std::move(buf);
    partial_.erase(key);
  } else {
    out.octets.assign(info, info + info_len);
  }
  if (out.octets.size() < 2) return Outcome::malformed;
  return Outcome::message;
}

}  // namespace tharvel_tools
