// The six value-extraction functions on one message each: the first octet
// picks the function and the direction flag. Blocks sit in exact-size heap
// allocations and the message at the end of its own, so any write past a
// block or read past the message is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tharvel.h"

namespace {

template <class Block, class Fn>
void run(Fn fn, uint8_t flag, const uint8_t* msg, int32_t n) {
  Block* block = static_cast<Block*>(std::malloc(sizeof(Block)));
  std::memset(block, 0x5A, sizeof(Block));
  int r = fn(flag, n, msg, 0, block);
  if (r != 0 && r != 1) std::abort();
  std::free(block);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  uint8_t which = data[0] % 6;
  uint8_t flag = (data[0] >> 3) & 1;
  size_t n = size - 1;
  // No spare octet after the message: a read one past its end is caught.
  uint8_t* msg = n == 0 ? nullptr : static_cast<uint8_t*>(std::malloc(n));
  if (n > 0) std::memcpy(msg, data + 1, n);
  int32_t len = static_cast<int32_t>(n);
  switch (which) {
    case 0:
      run<tharvel_diagnose_block>(GaintharvelDiagNoseData, flag, msg, len);
      break;
    case 1:
      run<tharvel_attach_accept_block>(Gain_GSM_Attach_Accept_Win_Data, flag, msg, len);
      break;
    case 2:
      run<tharvel_cm_service_request_block>(Gain_GSM_CM_Service_Request_Win_Data, flag, msg, len);
      break;
    case 3:
      run<tharvel_pdp_request_block>(Gain_GSM_Activate_PDP_Context_Request_Win_Data, flag, msg, len);
      break;
    case 4:
      run<tharvel_pdp_accept_block>(Gain_GSM_Activate_PDP_Context_Accept_Win_Data, flag, msg, len);
      break;
    default: {
      auto* block = static_cast<tharvel_cp_data_block*>(std::malloc(sizeof(tharvel_cp_data_block)));
      int r = Gain_CP_Data_Win_Data(flag, len, msg, 0, block);
      // The count never exceeds the text area, and the area stays terminated.
      if (r == 1 && (block->char_count < 0 || block->char_count > 255 || block->text[255] != 0)) std::abort();
      std::free(block);
    }
  }
  std::free(msg);
  return 0;
}
