#include "capture/gsmtap.h"

#include <pcap/pcap.h>

#include <iterator>

namespace capture {

namespace {

uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

// IPv4 or IPv6 packet to its UDP payload on the GSMTAP port.
bool udp_gsmtap(const uint8_t* p, size_t n, const uint8_t*& payload, size_t& len) {
  if (n < 1) return false;
  const uint8_t* udp = nullptr;
  size_t udp_len = 0;
  if ((p[0] >> 4) == 4) {
    size_t ihl = static_cast<size_t>(p[0] & 0x0F) * 4;
    if (n < 20 || ihl < 20 || n < ihl || p[9] != 17) return false;
    if ((be16(p + 6) & 0x1FFF) != 0) return false;  // a later fragment
    size_t total = be16(p + 2);
    if (total < ihl || total > n) total = n;
    udp = p + ihl;
    udp_len = total - ihl;
  } else if ((p[0] >> 4) == 6) {
    if (n < 40 || p[6] != 17) return false;
    udp = p + 40;
    udp_len = n - 40;
  } else {
    return false;
  }
  if (udp_len < 8) return false;
  if (be16(udp) != kGsmtapPort && be16(udp + 2) != kGsmtapPort) return false;
  size_t ulen = be16(udp + 4);
  if (ulen < 8 || ulen > udp_len) ulen = udp_len;
  payload = udp + 8;
  len = ulen - 8;
  return true;
}

constexpr const char* kChannelNames[] = {nullptr, "BCCH",   "CCCH",   "RACH",  "AGCH",  "PCH",
                                         "SDCCH", "SDCCH4", "SDCCH8", "TCH/F", "TCH/H"};
constexpr const char* kAcchNames[] = {nullptr,        nullptr,         nullptr,         nullptr,
                                      nullptr,        nullptr,         "SACCH/SDCCH",   "SACCH/SDCCH4",
                                      "SACCH/SDCCH8", "SACCH/TCH/F",   "SACCH/TCH/H"};
static_assert(std::size(kChannelNames) == std::size(kAcchNames));

}  // namespace

bool parse_gsmtap_header(const uint8_t* p, size_t n, GsmtapHeader& h) {
  if (n < 16) return false;
  h.version = p[0];
  if (h.version != 2 && h.version != 1) return false;
  h.header_length = static_cast<size_t>(p[1]) * 4;
  if (h.header_length < 16 || h.header_length > n) return false;
  h.type = p[2];
  h.timeslot = p[3];
  uint16_t arfcn = be16(p + 4);
  h.pcs = (arfcn & 0x8000) != 0;
  h.uplink = (arfcn & 0x4000) != 0;
  h.arfcn = arfcn & 0x3FFF;
  h.signal_dbm = static_cast<int8_t>(p[6]);
  h.frame_number = static_cast<uint32_t>(p[8]) << 24 | static_cast<uint32_t>(p[9]) << 16 |
                   static_cast<uint32_t>(p[10]) << 8 | p[11];
  h.sub_type = p[12];
  h.sub_slot = p[14];
  return true;
}

const char* channel_name(uint8_t type, uint8_t sub_type) {
  if (type == kGsmtapAbis) return "L3";
  if (type != kGsmtapUm) return nullptr;
  uint8_t c = sub_type & 0x7F;
  if (c >= std::size(kChannelNames)) return nullptr;
  return (sub_type & kAcchFlag) ? kAcchNames[c] : kChannelNames[c];
}

bool find_gsmtap(int linktype, const uint8_t* p, size_t n, const uint8_t*& payload, size_t& payload_len) {
  switch (linktype) {
    case DLT_EN10MB: {
      if (n < 14) return false;
      size_t off = 12;
      uint16_t type = be16(p + off);
      while ((type == 0x8100 || type == 0x88A8) && n >= off + 6) {  // VLAN tags
        off += 4;
        type = be16(p + off);
      }
      off += 2;
      if (type != 0x0800 && type != 0x86DD) return false;
      return udp_gsmtap(p + off, n - off, payload, payload_len);
    }
    case DLT_LINUX_SLL:
      if (n < 16) return false;
      return udp_gsmtap(p + 16, n - 16, payload, payload_len);
    case DLT_LINUX_SLL2:
      if (n < 20) return false;
      return udp_gsmtap(p + 20, n - 20, payload, payload_len);
    case DLT_NULL:
    case DLT_LOOP:
      if (n < 4) return false;
      return udp_gsmtap(p + 4, n - 4, payload, payload_len);
    case DLT_RAW:
    case DLT_IPV4:
    case DLT_IPV6:
      return udp_gsmtap(p, n, payload, payload_len);
    case DLT_GSMTAP_UM:  // the GSMTAP header without UDP around it
    case DLT_GSMTAP_ABIS:
      payload = p;
      payload_len = n;
      return true;
    default:
      return false;
  }
}

}  // namespace capture
