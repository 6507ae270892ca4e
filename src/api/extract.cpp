// Value extraction for the hosts' summary windows: a few fields of one kind
// of message copied into a caller block of 32-bit integers.
#include "api/extract.h"

#include <algorithm>
#include <cstring>

#include "cc/cc_records.h"
#include "gmm/gmm_records.h"
#include "mm/mm_records.h"
#include "sm/sm_records.h"
#include "sms/sms_records.h"
#include "tharvel.h"

namespace {

using l3::ExtractionRules;
using l3::run_extraction;

constexpr int32_t kAbsent = THARVEL_ABSENT;

}  // namespace

extern "C" {

THARVEL_API int GaintharvelDiagNoseData(uint8_t direction_flag, int32_t length, const uint8_t* message, int32_t,
                                        tharvel_diagnose_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0x325, 0x32D}, 0, 1},
      [&] { output->cause = output->second_cause = kAbsent; },
      [&](const l3::ParsedMessage& p) {
        if ((p.record()->key & 0x3F) == 0x25) {
          const l3::CauseInfo& c = p.as<l3::CcDisconnect>()->cause;
          if (c.cause_value_present) output->cause = c.cause_value;
          return 1;
        }
        const auto& rel = *p.as<l3::CcRelease>();
        if (rel.cause1.present) output->cause = rel.cause1.value.cause_value_present ? rel.cause1.value.cause_value : 0;
        if (rel.cause2.present) {
          output->second_cause = rel.cause2.value.cause_value_present ? rel.cause2.value.cause_value : 0;
        }
        return 1;
      });
}

THARVEL_API int Gain_GSM_Attach_Accept_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                                int32_t, tharvel_attach_accept_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0x802}, 0, 1},
      [&] { output->allocated_ptmsi = kAbsent; },
      [&](const l3::ParsedMessage& p) {
        if (p.as<l3::GmmAttachAccept>()->allocated_ptmsi.present) output->allocated_ptmsi = 0;
        return 1;
      });
}

THARVEL_API int Gain_GSM_Activate_PDP_Context_Request_Win_Data(uint8_t direction_flag, int32_t length,
                                                               const uint8_t* message, int32_t,
                                                               tharvel_pdp_request_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0xA41}, 0, 1}, [&] { output->nsapi = kAbsent; },
      [&](const l3::ParsedMessage& p) {
        output->nsapi = p.as<l3::ActivatePdpContextRequest>()->requested_nsapi;
        return 1;
      });
}

THARVEL_API int Gain_GSM_Activate_PDP_Context_Accept_Win_Data(uint8_t direction_flag, int32_t length,
                                                              const uint8_t* message, int32_t,
                                                              tharvel_pdp_accept_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0xA42}, 0, 1},
      [&] {
        output->delay_class = output->reliability_class = output->peak_throughput = output->precedence_class =
            output->mean_throughput = output->radio_priority = output->llc_sapi = kAbsent;
        output->ipv4_address = -1;
      },
      [&](const l3::ParsedMessage& p) {
        const auto& a = *p.as<l3::ActivatePdpContextAccept>();
        output->llc_sapi = a.negotiated_llc_sapi;
        output->radio_priority = a.radio_priority;
        output->delay_class = a.negotiated_qos.delay_class;
        output->reliability_class = a.negotiated_qos.reliability_class;
        output->peak_throughput = a.negotiated_qos.peak_throughput;
        output->precedence_class = a.negotiated_qos.precedence_class;
        output->mean_throughput = a.negotiated_qos.mean_throughput;
        if (a.pdp_address.present && a.pdp_address.value.address_length == 4) {
          const uint8_t* o = a.pdp_address.value.address;
          output->ipv4_address = static_cast<int32_t>(static_cast<uint32_t>(o[1]) << 24 | o[2] << 16 | o[3] << 8 | o[4]);
        }
        return 1;
      });
}

THARVEL_API int Gain_GSM_CM_Service_Request_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                                     int32_t, tharvel_cm_service_request_block* output) {
  return run_extraction(
      direction_flag, length, message, output, ExtractionRules{{0x524}, 0, 1},
      [&] { output->service_type = kAbsent; },
      [&](const l3::ParsedMessage& p) {
        output->service_type = p.as<l3::CmServiceRequest>()->service_type;
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
      [&](const l3::ParsedMessage& p) {
        const l3::TpduRecord& t = p.as<l3::CpDataRecord>()->tpdu;
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
