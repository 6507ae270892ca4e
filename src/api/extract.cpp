// Value extraction for the hosts' summary windows: a few fields of one kind
// of message copied into a caller block of 32-bit integers.
#include "api/extract.h"

#include <algorithm>
#include <cstring>

#include "mm/mm_records.h"
#include "sms/sms_records.h"
#include "tharvel.h"

namespace {

using l3::ExtractionRules;
using l3::run_extraction;

constexpr int32_t kAbsent = THARVEL_ABSENT;

}  // namespace

extern "C" {

THARVEL_API int Gain_GSM_CM_Service_Request_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                                     int32_t, tharvel_cm_service_request_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0x524}, 0, 1},
      [&] { output->service_type = kAbsent; },
      [&](const l3::MessageRecord& r) {
        output->service_type = static_cast<const l3::CmServiceRequest&>(r).service_type;
        return 1;
      });
}

THARVEL_API int Gain_CP_Data_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message, int32_t,
                                      tharvel_cp_data_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0x901}, 1, 0},
      [&] {
        std::memset(output, 0, sizeof *output);
        output->user_data_header = output->concat_reference = output->concat_total = output->concat_index = kAbsent;
        output->char_count = 0;
      },
      [&](const l3::MessageRecord& r) {
        const l3::TpduRecord& t = static_cast<const l3::CpDataRecord&>(r).tpdu;
        if (!t.present) return 0;
        if (t.header_length != 0) {
          output->user_data_header = 1;
          if (t.concat16.present) {
            output->concat_reference = t.concat16.value.reference;
            output->concat_total = t.concat16.value.total;
            output->concat_index = t.concat16.value.index;
          } else if (t.concat8.present) {
            output->concat_reference = t.concat8.value.reference;
            output->concat_total = t.concat8.value.total;
            output->concat_index = t.concat8.value.index;
          } else {
            output->concat_reference = 0;
            output->concat_total = 1;
            output->concat_index = 1;
          }
        } else {
          output->user_data_header = 0;
          output->concat_reference = kAbsent;
          output->concat_total = 1;
          output->concat_index = 1;
        }
        if (t.char_count > 0) {
          // The area keeps a terminating zero after at most 255 characters.
          int32_t n = std::min<int32_t>(t.char_count, sizeof output->text - 1);
          output->char_count = n;
          std::memcpy(output->text, t.text + 1, static_cast<size_t>(n));
        }
        return 1;
      });
}

}  // extern "C"
