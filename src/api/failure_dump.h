#pragma once

#include <cstddef>
#include <cstdint>

namespace l3 {

// The dump file never grows past this many bytes: a record that would pass
// it is dropped whole.
inline constexpr uint64_t kFailureDumpLimit = uint64_t{16} << 20;

// Bytes of the record for a message of n octets.
constexpr uint64_t failure_dump_record_size(uint64_t n) { return 15 + 3 * n + 2; }

// Appends "MessageContext:" and the octets as "%.2x " then an empty line to
// tharvelDebug.txt. The file lives in the directory named by
// THARVEL_FAILURE_DUMP ("off" or "0": no dump), else in the temporary
// directory. Only a regular file of the process's user with one link is
// written, created with mode 0600; group and other permissions of an existing
// one are removed. Each record is written whole, under an exclusive lock, or
// not at all (a short write is cut back off). Nothing on this path allocates.
// Returns 1 when the record was written, else 0; the decode ignores it.
int write_failure_dump(const uint8_t* msg, int32_t length) noexcept;

}  // namespace l3
