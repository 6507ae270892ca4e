#pragma once

#include <cstdint>

#include "core/output.h"

namespace l3 {

// The whole decode of one message into `out`: frame, key check, guarded
// parse and render. Result as tharvel's.
int decode_document(uint8_t direction, int32_t length, const uint8_t* msg, OutputText& out) noexcept;

}  // namespace l3
