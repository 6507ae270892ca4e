// Records of the short message service: CP-DATA with its RP header and the
// TPDU inside, CP-ACK and CP-ERROR.
//
// Fields the CP-DATA value extraction reads (all in CpDataRecord::tpdu):
//   tpdu.present                        the TPDU is there (RP user data length not 0)
//   tpdu.header_length                  TP-UDHL; 0 when there is no user data header
//   tpdu.concat16.present, .value       16-bit reference concatenation: reference, total, index
//   tpdu.concat8.present, .value        8-bit reference concatenation: reference, total, index
//   tpdu.char_count                     bytes of text, 0 to kTextBytes
//   tpdu.text[1..char_count]            the text; text[0] is unused, text[char_count + 1] is NUL
#pragma once

#include <cstdint>
#include <type_traits>

#include "core/record.h"

namespace l3 {

// An RP or TP address. Digits are nibble values in dialling order, digits[1..digit_count].
struct RpAddress {
  static constexpr uint8_t kMaxDigits = 39;
  uint8_t present;
  uint8_t type_of_number;
  uint8_t numbering_plan;
  uint8_t digit_count;  // digits stored: longer addresses are cut to kMaxDigits
  uint8_t digits[kMaxDigits + 1];
};

struct ApplicationPort {
  uint16_t destination;
  uint16_t originator;
};

struct Concatenation8 {
  uint8_t reference;
  uint8_t total;
  uint8_t index;
};

struct Concatenation16 {
  uint16_t reference;
  uint16_t total;
  uint16_t index;
};

struct TpduRecord {
  static constexpr uint16_t kTextBytes = 255;
  static constexpr uint16_t kUcs2TextBytes = 160;  // converted UCS2 text never exceeds this
  uint8_t present;
  uint8_t length;  // RP user data length octet
  uint8_t mti;
  uint8_t udhi;
  uint8_t header_length;
  Opt<ApplicationPort> app_port;  // header element 0x05
  Opt<Concatenation16> concat16;  // header element 0x08
  Opt<Concatenation8> concat8;    // header element 0x00
  uint8_t reply_path;
  uint8_t validity_period_present;
  uint8_t vpf;
  uint8_t srr;  // SMS-SUBMIT
  uint8_t sri;  // SMS-DELIVER
  uint8_t mms;  // SMS-DELIVER, SMS-STATUS-REPORT
  uint8_t rd;   // SMS-SUBMIT
  uint8_t status_report_bit8;
  Opt<uint8_t> mr;
  RpAddress oa;
  RpAddress da;
  RpAddress ra;
  uint8_t pid;
  uint8_t coding_group;
  uint8_t compressed;
  uint8_t class_present;
  uint8_t message_class;
  uint8_t alphabet;
  uint8_t scts_present;
  uint8_t scts[7];  // each octet with its nibbles swapped: reads as two decimal digits in order
  uint16_t char_count;
  uint8_t text[kTextBytes + 2];
  // SMS-DELIVER-REPORT and SMS-SUBMIT-REPORT (in RP-ACK and RP-ERROR).
  uint8_t report;            // 0: not a report; 1 deliver report; 2 submit report
  Opt<uint8_t> fcs;          // TP-FCS, in RP-ERROR only
  uint8_t parameter_indicator;
  uint8_t parameters_read;   // the indicator's PID, DCS and UDL bits whose octet is in the TPDU
};

struct CpDataRecord : MessageRecord {
  uint8_t cp_user_data_length;
  uint8_t rp_message_type;
  uint8_t rp_message_reference;
  RpAddress rp_originator;
  RpAddress rp_destination;
  TpduRecord tpdu;
  Opt<uint8_t> rp_cause;  // RP-ERROR
  uint8_t rp_diagnostic_present;
  uint8_t rp_diagnostic;
};

struct CpAckRecord : MessageRecord {};

struct CpErrorRecord : MessageRecord {
  Opt<uint8_t> cp_cause;
};

static_assert(std::is_trivially_copyable_v<CpDataRecord>);
static_assert(std::is_trivially_copyable_v<CpAckRecord>);
static_assert(std::is_trivially_copyable_v<CpErrorRecord>);

}  // namespace l3
