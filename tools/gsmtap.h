// GSMTAP over UDP (port 4729) to layer-3 messages: the channel rules, LAPDm
// framing and the reassembly of segmented I-frames.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tharvel_tools {

constexpr uint16_t kGsmtapPort = 4729;

enum GsmtapType : uint8_t { kGsmtapUm = 1, kGsmtapAbis = 2 };

// Um channel sub-types; kAcchFlag marks the slow associated channel.
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
  bool uplink = false;
  uint32_t frame_number = 0;
  uint8_t sub_type = 0;
  uint8_t sub_slot = 0;
  size_t header_length = 0;  // octets
};

enum class GsmtapStatus { ok, too_short, bad_version };

GsmtapStatus parse_gsmtap_header(const uint8_t* p, size_t n, GsmtapHeader& h);

// Name of a GSMTAP channel for summaries ("BCCH", "SACCH/SDCCH", ...).
std::string channel_name(const GsmtapHeader& h);

struct L3Message {
  uint8_t direction;  // the library's direction byte: 1 uplink, 0 downlink
  std::string channel;
  std::vector<uint8_t> octets;
};

// Turns GSMTAP payloads into whole layer-3 messages, keeping the segments of
// each LAPDm link until their last one arrives.
class GsmtapDecoder {
 public:
  enum class Outcome { message, pending, skipped_type, skipped_frame, malformed };

  // One GSMTAP packet (header included). On Outcome::message, `out` holds it.
  Outcome feed(const uint8_t* p, size_t n, L3Message& out);
  // Links whose last segment has not arrived.
  size_t pending() const { return partial_.size(); }

 private:
  Outcome feed_lapdm(const GsmtapHeader& h, const uint8_t* p, size_t n, L3Message& out);

  using LinkKey = std::tuple<bool, uint16_t, uint8_t, uint8_t, uint8_t, uint8_t>;  // dir, arfcn, ts, chan, sub, sapi
  std::map<LinkKey, std::vector<uint8_t>> partial_;
};

}  // namespace tharvel_tools
