// The TPDU carried in an RP-DATA: SMS-SUBMIT, SMS-DELIVER, SMS-STATUS-REPORT,
// with the user data header and the user text.
#pragma once

#include <cstdint>

#include "core/bits.h"
#include "core/output.h"
#include "sms/sms_records.h"

namespace l3 {

// b holds the RP user data length octet and the TPDU. Which TPDU is decoded
// depends on TP-MTI and the direction byte (0: mobile station to network).
// Returns the character count.
uint16_t decode_tpdu(TpduRecord& t, const BitBuffer& b, uint8_t direction);

// The report TPDU of an RP-ACK or RP-ERROR (b as for decode_tpdu): SMS-DELIVER-REPORT
// when the mobile station sent the RP message, SMS-SUBMIT-REPORT when the network did.
// An error report carries TP-FCS before the parameter indicator.
void decode_report_tpdu(TpduRecord& t, const BitBuffer& b, bool submit_report, bool error);

// Seven octets from octet `at`, each with its nibbles swapped; returns the
// octet position after them.
uint32_t decode_scts(uint8_t (&scts)[7], const BitBuffer& b, uint32_t at);

// Default-alphabet user data: `count` septets after the first `skip` septets
// (header and fill bits). octets must hold ceil((skip + count) * 7 / 8) + 1
// octets. Septet values are kept as they are.
uint16_t unpack_septets(const uint8_t* octets, uint32_t skip, uint32_t count, uint8_t* text);

// n octets of big-endian UCS2 as UTF-8 into text: at most
// TpduRecord::kUcs2TextBytes bytes (a character that does not fit whole is left
// out, with everything after it) and a NUL. A surrogate pair becomes one
// four-byte character, an unpaired surrogate U+FFFD. Returns the bytes written.
uint16_t ucs2_to_text(const uint8_t* octets, uint8_t* text, uint32_t n);

// Result 0 when the enclosing CP-DATA is to be left without its closing tag.
int render_tpdu(const TpduRecord& t, OutputText& out, uint8_t direction);

}  // namespace l3
