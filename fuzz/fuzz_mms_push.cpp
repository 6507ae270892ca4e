// The MMS push reader on arbitrary PDUs: the block is an exact 784-byte
// allocation and the PDU sits at the end of its own.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tharvel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t* pdu = size == 0 ? nullptr : static_cast<uint8_t*>(std::malloc(size));
  if (size > 0) std::memcpy(pdu, data, size);
  auto* block = static_cast<tharvel_mms_push_block*>(std::malloc(sizeof(tharvel_mms_push_block)));
  int r = Gain_MMS_Push_Win_Data(static_cast<int32_t>(size), pdu, block);
  if (r != 0 && r != 1) std::abort();
  if (block->location_length < 0 || block->location_length > 515 || block->location[515] != 0) std::abort();
  if (r == 1 && std::strlen(block->location) > static_cast<size_t>(block->location_length)) std::abort();
  std::free(block);
  std::free(pdu);
  return 0;
}
