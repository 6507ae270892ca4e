// pcap and pcapng files carrying GSMTAP over UDP.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gsmtap.h"

namespace tharvel_tools {

struct CaptureMessage {
  uint64_t frame;  // packet number in the file, from 1
  double time;     // seconds since the epoch
  L3Message message;
};

struct CaptureStats {
  uint64_t packets = 0;
  uint64_t messages = 0;
  uint64_t not_gsmtap = 0;       // not UDP to or from port 4729
  uint64_t skipped_types = 0;    // GSMTAP types and channels without layer 3 we decode
  uint64_t skipped_frames = 0;   // LAPDm frames without a new message
  uint64_t malformed = 0;        // GSMTAP or LAPDm shorter than its header says
  uint64_t pending_segments = 0; // segments still waiting when the file ended
};

// True when the file starts like a pcap or pcapng file.
bool looks_like_capture(const std::string& path);

// Calls `on_message` for each whole layer-3 message. Returns false with `error`
// set when the file is not a capture or ends inside a packet; messages before
// that point have been delivered.
bool read_capture(const std::string& path, const std::function<void(const CaptureMessage&)>& on_message,
                  CaptureStats& stats, std::string& error);

// The UDP payload of a GSMTAP packet inside a link-layer frame, if any.
bool find_gsmtap(int linktype, const uint8_t* p, size_t n, const uint8_t*& payload, size_t& payload_len);

}  // namespace tharvel_tools
