#include "capture/link_layer.h"

#include <algorithm>

#include "api/keys.h"

namespace capture {

namespace {

constexpr uint8_t kFill = 0x2B;

// U-frame control fields with the P/F bit cleared.
constexpr uint8_t kSabm = 0x2F;
constexpr uint8_t kDm = 0x0F;
constexpr uint8_t kUi = 0x03;
constexpr uint8_t kDisc = 0x43;
constexpr uint8_t kUa = 0x63;

bool all_fill(const uint8_t* p, size_t n) {
  return std::all_of(p, p + n, [](uint8_t b) { return b == kFill; });
}

// A protocol discriminator and message type the library decodes.
bool starts_message(const uint8_t* info, size_t length) {
  return length >= 2 && l3::key_accepted(l3::message_key(info));
}

}  // namespace

bool LinkLayer::feed(const GsmtapHeader& h, const uint8_t* p, size_t n, LinkMessage& out) {
  out.flags = 0;
  out.sapi = 0;
  out.direction = h.uplink ? 1 : 0;
  if (h.type == kGsmtapAbis) {
    if (n < 2) {
      ++counters_.malformed;
      return false;
    }
    out.octets.assign(p, p + n);
    return true;
  }
  if (h.type != kGsmtapUm) {
    ++counters_.other_types;
    return false;
  }
  bool sacch = (h.sub_type & kAcchFlag) != 0;
  switch (h.sub_type & 0x7F) {
    case kChanBcch:
    case kChanCcch:
    case kChanAgch:
    case kChanPch:
      if (sacch) break;
      return feed_ccch(p, n, out);
    case kChanSdcch:
    case kChanSdcch4:
    case kChanSdcch8:
    case kChanTchF:
    case kChanTchH:
      if (sacch) {
        if (n < 2) {
          ++counters_.malformed;
          return false;
        }
        return feed_lapdm(h, p + 2, n - 2, true, out);  // the SACCH L1 header goes
      }
      return feed_lapdm(h, p, n, false, out);
    default:
      break;
  }
  ++counters_.other_types;
  return false;
}

// A block without LAPDm header: the L2 pseudo-length octet, the message, its
// rest octets. A fill block is a pseudo-length with nothing but fill after it;
// SI 13, 2ter and 2quater have pseudo-length 0 too, but content.
bool LinkLayer::feed_ccch(const uint8_t* p, size_t n, LinkMessage& out) {
  if (n >= 2 && all_fill(p + 1, n - 1)) {
    ++counters_.fill_blocks;
    return false;
  }
  if (n < 3) {
    ++counters_.malformed;
    return false;
  }
  out.octets.assign(p + 1, p + n);
  return true;
}

bool LinkLayer::feed_lapdm(const GsmtapHeader& h, const uint8_t* p, size_t n, bool sacch, LinkMessage& out) {
  if (n < 3) {
    ++counters_.malformed;
    return false;
  }
  uint8_t address = p[0];
  uint8_t control = p[1];
  uint8_t length_octet = p[2];
  if ((address & 0x01) == 0) {
    // EA 0: on the SACCH a short L2 header (RR short PD), elsewhere no LAPDm at all.
    if (sacch) {
      ++counters_.other_types;
    } else {
      ++counters_.ciphered;
    }
    return false;
  }
  uint8_t sapi = (address >> 2) & 0x07;
  size_t length = length_octet >> 2;
  bool more = (length_octet & 0x02) != 0;
  size_t n201 = sacch ? 18 : 20;
  // Spare bit, LPD other than 0, SAPIs other than 0 and 3, EL 0 or a length past N201.
  if ((address & 0xE0) != 0 || (sapi != 0 && sapi != 3) || (length_octet & 0x01) == 0 || length > n201) {
    ++counters_.ciphered;
    return false;
  }
  if (length > n - 3) {
    ++counters_.malformed;
    return false;
  }
  const uint8_t* info = p + 3;
  uint8_t d = h.uplink ? 1 : 0;
  uint32_t key = static_cast<uint32_t>(h.timeslot) << 24 | static_cast<uint32_t>(h.sub_slot) << 16 |
                 static_cast<uint32_t>(h.sub_type) << 8 | sapi;
  out.sapi = sapi;

  if ((control & 0x01) == 0) {  // I-frame
    if (length == 0) {
      ++counters_.ciphered;
      return false;
    }
    Link& link = link_for(key);
    link.setup = false;
    return feed_i_frame(link, d, (control >> 1) & 0x07, more, info, length, out);
  }
  if ((control & 0x03) == 0x01) {  // RR, RNR, REJ
    if (((control >> 2) & 0x03) == 0x03) {
      ++counters_.ciphered;
      return false;
    }
    link_for(key).setup = false;
    ++counters_.control_frames;
    return false;
  }
  switch (control & 0xEF) {
    case kUi:
      if (length == 0) {
        ++counters_.fill_blocks;
        return false;
      }
      out.octets.assign(info, info + length);
      return true;
    case kSabm:
    case kUa: {
      Link& link = link_for(key);
      reset(link, true);
      return feed_setup(link, d, (control & 0xEF) == kUa, info, length, out);
    }
    case kDisc:
    case kDm: {
      Link& link = link_for(key);
      reset(link, false);
      link.setup = false;
      ++counters_.control_frames;
      return false;
    }
    default:
      ++counters_.ciphered;
      return false;
  }
}

// SABM with information carries the first message of a connection; the UA
// echoes it for contention resolution. The echo is reported only when the
// SABM was not seen, in the direction of the SABM.
bool LinkLayer::feed_setup(Link& link, uint8_t d, bool ua, const uint8_t* info, size_t length, LinkMessage& out) {
  if (length == 0) {
    ++counters_.control_frames;
    return false;
  }
  uint8_t from = ua ? static_cast<uint8_t>(d ^ 1) : d;
  bool same = link.setup && link.setup_dir == from && link.setup_length == length &&
              std::equal(info, info + length, link.setup_info.begin());
  if (same) {
    // The echo of a SABM seen is an ordinary UA; anything else is a repetition.
    if (ua && link.setup_from_sabm) {
      ++counters_.control_frames;
    } else {
      ++counters_.duplicates;
    }
    link.setup_from_sabm = link.setup_from_sabm || !ua;
    return false;
  }
  link.setup = true;
  link.setup_dir = from;
  link.setup_length = static_cast<uint8_t>(length);
  link.setup_from_sabm = !ua;
  std::copy(info, info + length, link.setup_info.begin());
  out.octets.assign(info, info + length);
  out.direction = from;
  if (ua) {
    out.flags = THARVEL_FRAME_ECHO;
    ++counters_.echoes;
  }
  return true;
}

bool LinkLayer::feed_i_frame(Link& link, uint8_t d, uint8_t ns, bool more, const uint8_t* info, size_t length,
                             LinkMessage& out) {
  Direction& s = link.dir[d];
  if (s.seen && ns == s.last_ns && more == s.last_more && length == s.last_length &&
      std::equal(info, info + length, s.last_info.begin())) {
    ++counters_.duplicates;  // a retransmission (window size 1: only ever the last I-frame)
    return false;
  }
  // After a break in N(S), or on a link first seen in the middle, the frames
  // missed may have begun the chain this one continues: it starts a message
  // only if it reads as the start of one.
  bool unsure = !s.seen && !s.set_up;
  if (s.seen && ns != ((s.last_ns + 1) & 0x07)) {
    ++counters_.gaps;
    if (!s.chain.empty()) {
      ++counters_.dropped_at_gap;
      s.chain.clear();
    }
    unsure = true;
  }
  if (unsure) s.dropping = starts_message(info, length) ? Drop::none : Drop::gap;
  s.seen = true;
  s.last_ns = ns;
  s.last_more = more;
  s.last_length = static_cast<uint8_t>(length);
  std::copy(info, info + length, s.last_info.begin());
  if (s.dropping != Drop::none) {
    ++(s.dropping == Drop::gap ? counters_.dropped_at_gap : counters_.too_long);
    if (!more) s.dropping = Drop::none;
    return false;
  }
  if (s.chain.size() + length > kMaxMessage) {
    ++counters_.too_long;
    s.chain.clear();
    s.chain.shrink_to_fit();
    if (more) s.dropping = Drop::too_long;
    return false;
  }
  s.chain.insert(s.chain.end(), info, info + length);
  if (more) return false;
  // Copied, not swapped: the chain keeps a buffer no larger than a message.
  out.octets.assign(s.chain.begin(), s.chain.end());
  s.chain.clear();
  return true;
}

// SABM and UA set the state variables of both directions to 0; DISC and DM end the link.
void LinkLayer::reset(Link& link, bool set_up) {
  for (Direction& s : link.dir) {
    if (!s.chain.empty()) ++counters_.released;
    s.chain.clear();
    s.seen = false;
    s.set_up = set_up;
    s.dropping = Drop::none;
  }
}

LinkLayer::Link& LinkLayer::link_for(uint32_t key) {
  auto it = links_.find(key);
  if (it != links_.end()) {
    ages_.splice(ages_.begin(), ages_, it->second.age);
    return it->second;
  }
  if (links_.size() >= kMaxLinks) {
    auto oldest = links_.find(ages_.back());
    for (const Direction& s : oldest->second.dir) {
      if (!s.chain.empty()) ++counters_.evicted;
    }
    links_.erase(oldest);
    ages_.pop_back();
  }
  ages_.push_front(key);
  Link& link = links_[key];
  link.age = ages_.begin();
  return link;
}

size_t LinkLayer::pending() const {
  size_t n = 0;
  for (const auto& [key, link] : links_) {
    for (const Direction& s : link.dir) n += s.chain.empty() ? 0 : 1;
  }
  return n;
}

}  // namespace capture
