// GSMTAP packets to layer-3 messages: the channel rules, CCCH fill blocks and
// LAPDm (a passive observer of both directions of each logical link).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

#include "capture/gsmtap.h"
#include "tharvel.h"

namespace capture {

constexpr size_t kMaxMessage = 251;  // longest layer-3 message LAPDm carries
constexpr size_t kMaxLinks = 4096;   // links followed at once; the least recently used goes first
constexpr size_t kMaxInfo = 20;      // N201 of the SDCCH and FACCH

struct LinkMessage {
  std::vector<uint8_t> octets;
  uint8_t direction = 0;
  uint8_t flags = 0;
  uint8_t sapi = 0;
};

class LinkLayer {
 public:
  explicit LinkLayer(struct tharvel_capture_counters& counters) : counters_(counters) {}

  // The GSMTAP packet's payload after its header. True when `out` holds a message.
  bool feed(const GsmtapHeader& h, const uint8_t* p, size_t n, LinkMessage& out);

  // Chains waiting for their last segment.
  size_t pending() const;
  size_t links() const { return links_.size(); }

 private:
  enum class Drop : uint8_t { none, gap, too_long };

  struct Direction {
    bool seen = false;    // last_* hold the last I-frame
    bool set_up = false;  // a SABM or UA was seen: the next I-frame starts a message
    uint8_t last_ns = 0;
    bool last_more = false;
    uint8_t last_length = 0;
    std::array<uint8_t, kMaxInfo> last_info{};
    Drop dropping = Drop::none;  // the rest of a dropped chain is skipped up to its last segment
    std::vector<uint8_t> chain;
  };

  struct Link {
    Direction dir[2];
    // The information of the last SABM or UA since the link carried anything else.
    bool setup = false;
    bool setup_from_sabm = false;
    uint8_t setup_dir = 0;
    uint8_t setup_length = 0;
    std::array<uint8_t, kMaxInfo> setup_info{};
    std::list<uint32_t>::iterator age;
  };

  bool feed_ccch(const uint8_t* p, size_t n, LinkMessage& out);
  bool feed_lapdm(const GsmtapHeader& h, const uint8_t* p, size_t n, bool sacch, LinkMessage& out);
  bool feed_i_frame(Link& link, uint8_t d, uint8_t ns, bool more, const uint8_t* info, size_t length,
                    LinkMessage& out);
  bool feed_setup(Link& link, uint8_t d, bool ua, const uint8_t* info, size_t length, LinkMessage& out);
  void reset(Link& link, bool set_up);
  Link& link_for(uint32_t key);

  struct tharvel_capture_counters& counters_;
  std::unordered_map<uint32_t, Link> links_;
  std::list<uint32_t> ages_;  // most recently used first
};

}  // namespace capture
