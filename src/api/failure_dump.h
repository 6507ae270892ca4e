#pragma once

#include <cstdint>

namespace l3 {

// Appends "MessageContext:" and the octets as "%.2x " then an empty line to
// tharvelDebug.txt in the temporary directory, in one write so that records
// of concurrent failures never interleave. Does nothing if the file cannot
// be opened. Result 0, as callers ignore it.
int write_failure_dump(const uint8_t* msg, int32_t length);

}  // namespace l3
