/*
 * libtharvel: GSM and GPRS layer-3 signalling messages (RR, MM, CC, GMM, SM,
 * SMS) decoded into an XML-like text document.
 *
 * Every function is reentrant: no state is kept between calls, and calls on
 * different threads with different buffers do not interact. A malformed
 * message never makes a call fail; decoding stops at the first element that
 * does not fit.
 */
#ifndef THARVEL_H
#define THARVEL_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define THARVEL_API __declspec(dllexport)
#else
#define THARVEL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * Decodes one layer-3 message and appends its document to `output`.
 *
 * direction: 0 = downlink (network to mobile station), any other value = uplink.
 * length:    number of octets in `message`.
 * message:   the message, from the octet holding the protocol discriminator on
 *            (no layer-2 header).
 * output:    NUL-terminated text; the document is appended to what it holds.
 *            The caller makes it large enough (64 KiB holds any document).
 *
 * Returns 1 for a decoded message. Returns 0 when the message is shorter than
 * 2 octets (output gains only "<L3Message>\n") or its protocol and type are
 * not decoded (output is cut to the empty string, earlier text included).
 * A message whose decoding failed inside returns 1 with the document left
 * open, and is appended to tharvelDebug.txt in the temporary directory.
 */
THARVEL_API int tharvel(uint8_t direction, int32_t length, const uint8_t* message, char* output);

/*
 * As tharvel, for a buffer of known size: writes exactly the text tharvel
 * would write as far as `capacity` bytes allow (the NUL included), never a
 * byte past them, and always NUL-terminates when capacity > 0. A null
 * message is taken as a message of length 0.
 *
 * needed: if not null, receives the length the whole text would have
 *         (earlier text included, NUL excluded). The document was cut
 *         exactly when *needed >= capacity.
 *
 * Returns what tharvel returns, or 0 when output is null.
 */
THARVEL_API int tharvel_n(uint8_t direction, int32_t length, const uint8_t* message, char* output, size_t capacity,
                          size_t* needed);

/*
 * MMS notification push: the content location of a WAP push PDU (as carried
 * in an SMS) that holds an MMS notification.
 *
 * length: PDU octets. pdu: octet 0 transaction id, octet 1 PDU type (6 =
 *         push), octet 2 headers length, headers, then the MMS header fields.
 * output: a 784-byte block, zero-filled on entry (see tharvel_mms_push_block):
 *         offset 0 the transaction id (int32), offset 264 the location length
 *         (int32), offset 268 the location characters, NUL-terminated. A
 *         location longer than 515 characters is cut to 515.
 * Returns 1 when a content location was found, else 0.
 */
THARVEL_API int Gain_MMS_Push_Win_Data(int32_t length, const uint8_t* pdu, void* output);

typedef struct tharvel_mms_push_block {
  int32_t transaction_id;
  uint8_t unused[260];
  int32_t location_length;
  char location[516];
} tharvel_mms_push_block;

#ifdef __cplusplus
}
#endif

#endif /* THARVEL_H */
