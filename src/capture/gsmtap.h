// GSMTAP (UDP port 4729) headers and channel types.
#pragma once

#include <cstddef>
#include <cstdint>

namespace capture {

constexpr uint16_t kGsmtapPort = 4729;

enum GsmtapType : uint8_t { kGsmtapUm = 1, kGsmtapAbis = 2 };

// Um channel types; kAcchFlag marks the slow associated channel.
enum GsmtapChannel : uint8_t {
  kChanBcch = 1,
  kChanCcch = 2,
  kChanRach = 3,
  kChanAgch = 4,
  kChanPch = 5,
  kChanSdcch = 6,
  kChanSdcch4 = 7,
  kChanSdcch8 = 8,
  kChanTchF = 9,
  kChanTchH = 10,
};
constexpr uint8_t kAcchFlag = 0x80;

struct GsmtapHeader {
  uint8_t version = 0;
  uint8_t type = 0;
  uint8_t timeslot = 0;
  uint16_t arfcn = 0;
  bool pcs = false;
  bool uplink = false;
  int8_t signal_dbm = 0;
  uint32_t frame_number = 0;
  uint8_t sub_type = 0;
  uint8_t sub_slot = 0;
  size_t header_length = 0;  // octets
};

// False when the packet is shorter than a header or than the length it gives,
// or of a version we do not know.
bool parse_gsmtap_header(const uint8_t* p, size_t n, GsmtapHeader& h);

// "BCCH", "SACCH/SDCCH8", ...; "L3" for Abis; nullptr for channels without a name.
const char* channel_name(uint8_t type, uint8_t sub_type);

// The UDP payload of a GSMTAP packet inside a link-layer frame, if any.
bool find_gsmtap(int linktype, const uint8_t* p, size_t n, const uint8_t*& payload, size_t& payload_len);

}  // namespace capture
