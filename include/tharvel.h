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
 * Lengths above 65,535 (tharvel and tharvel_n): only the first 65,535 octets
 * are decoded, as if the message ended there; no length wraps. The failure
 * dump still records every octet.
 */

/* ---- Decode for new hosts: status, real direction, JSON ---------------- */

#define THARVEL_VERSION_MAJOR 0
#define THARVEL_VERSION_MINOR 2
#define THARVEL_VERSION_PATCH 0

/* "MAJOR.MINOR.PATCH" of the library actually loaded; static storage. */
THARVEL_API const char* tharvel_version(void);

typedef enum {
  THARVEL_STATUS_DECODED = 0,     /* decoded whole: every octet read */
  THARVEL_STATUS_TRUNCATED = 1,   /* the message ended inside a mandatory part or inside an element
                                     its length announced; what was there is decoded */
  THARVEL_STATUS_TRAILING = 2,    /* decoded, octets after the last decoded element left unread */
  THARVEL_STATUS_NOT_DECODED = 3, /* protocol and type not decoded (unknown or unsupported) */
  THARVEL_STATUS_TOO_SHORT = 4,   /* fewer than 2 octets (or a null message) */
  THARVEL_STATUS_FAILED = 5,      /* decoding failed inside: the document is left open */
  THARVEL_STATUS_TOO_LONG = 6,    /* only the first 65,535 octets were decoded */
  THARVEL_STATUS_INVALID = 7      /* bad arguments: null output with capacity > 0, bad sizes,
                                     unknown format or direction */
} tharvel_status;

#define THARVEL_FORMAT_TEXT 0 /* the document tharvel writes */
#define THARVEL_FORMAT_JSON 1 /* the same tree as JSON, see docs/JSON.md */

/*
 * Options; set size to sizeof(tharvel_options) (fields may be added at the
 * end later; a caller's smaller size leaves the later fields at their
 * defaults).
 *
 * direction: the frame's real direction, 0 network to mobile, 1 mobile to
 *   network. The <dir> line follows it, and every element whose reading
 *   depends on the direction is read by it:
 *   - SMS: RP message types, the TPDU layout (SMS-DELIVER to the mobile,
 *     SMS-SUBMIT and SMS-COMMAND from it) and their user data;
 *   - the ciphering key sequence number's value 7 ("No key is available"
 *     from the mobile only);
 *   - classmark 2 LCS VA and UCS2 bits, read in both directions;
 *   - the CC progress indicator and SETUP's priority (to the mobile), SETUP's
 *     supported codec list (from the mobile);
 *   - GMM force to standby (network's DETACH REQUEST, DETACH ACCEPT to the
 *     mobile; a spare half octet in the mobile's DETACH REQUEST);
 *   - the QoS source statistics descriptor (from the mobile);
 *   - SM elements that show direction-dependent texts.
 *   tharvel and tharvel_n keep their direction-byte rules.
 */
typedef struct tharvel_options {
  uint32_t size;        /* sizeof(tharvel_options) */
  uint8_t direction;    /* 0 network to mobile, 1 mobile to network */
  uint8_t format;       /* THARVEL_FORMAT_TEXT or THARVEL_FORMAT_JSON */
  uint8_t failure_dump; /* 1: a failure may append the message to the failure dump (default 0) */
  uint8_t reserved;     /* 0 */
} tharvel_options;

/* Result; set size to sizeof(tharvel_result) before the call. */
typedef struct tharvel_result {
  uint32_t size;        /* sizeof(tharvel_result) */
  int32_t status;       /* a tharvel_status */
  size_t needed;        /* the whole document's length, NUL excluded; cut exactly when needed >= capacity */
  uint16_t key;         /* PD << 8 | message type (type's send sequence bits cleared for CC and MM) */
  uint8_t pd;           /* protocol discriminator, low four bits of octet 0 */
  uint8_t reserved;
  const char* protocol; /* static: "RR", "MM", "CC", "GMM", "SM", "SMS", or the <channeltype> text */
  const char* name;     /* static message name, "" when the key is not decoded */
} tharvel_result;

/*
 * Decodes one message into output[0..capacity), from output[0] on (nothing
 * is appended), never writing past capacity, NUL-terminated when
 * capacity > 0. output may be null when capacity is 0 (to learn `needed`).
 * options == NULL: direction 0, text, no failure dump. result may be NULL.
 * Lengths above 65,535: the first 65,535 octets are decoded
 * (THARVEL_STATUS_TOO_LONG). Returns the status (also in result->status).
 * The text document equals tharvel's for the same octets and direction byte
 * (real direction 0 gives tharvel's byte 0 line "<dir>DOWNLINK</dir>") except
 * where the readings listed at tharvel_options depend on the direction.
 */
THARVEL_API int tharvel_decode(const uint8_t* message, size_t length, const tharvel_options* options, char* output,
                               size_t capacity, tharvel_result* result);

/*
 * Value extraction for summary windows. Each function accepts one kind of
 * message, decodes it and copies a few fields into the caller's block of
 * 32-bit integers; no text is written.
 *
 * direction_flag: 0 or not 0, the OPPOSITE of tharvel's direction byte: 0
 *                 means the message went from the mobile station to the
 *                 network (the parser is handed 1), not 0 the other way.
 * length, message: as for tharvel.
 * reserved:       not used.
 * output:         the function's block, below. Values the message did not
 *                 supply read THARVEL_ABSENT (-9999).
 *
 * Common results: 0 with the block untouched when length < 2 or output (or
 * message) is null; 0 with the block at its absent markers for a message of
 * another kind (Gain_CP_Data_Win_Data: 1); 1 once the message was accepted
 * (Gain_CP_Data_Win_Data: 1 only when its TPDU was there).
 */
#define THARVEL_ABSENT (-9999)

/* CC DISCONNECT (cause) or CC RELEASE (first and second cause); the message
 * type's send-sequence bits are ignored. A RELEASE cause element without a
 * cause value gives 0. */
typedef struct tharvel_diagnose_block {
  int32_t cause;
  int32_t second_cause;
} tharvel_diagnose_block;
THARVEL_API int GaintharvelDiagNoseData(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                        int32_t reserved, tharvel_diagnose_block* output);

/* GMM ATTACH ACCEPT: 0 when an allocated P-TMSI is present, else THARVEL_ABSENT. */
typedef struct tharvel_attach_accept_block {
  int32_t allocated_ptmsi;
} tharvel_attach_accept_block;
THARVEL_API int Gain_GSM_Attach_Accept_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                                int32_t reserved, tharvel_attach_accept_block* output);

/* MM CM SERVICE REQUEST: the CM service type. */
typedef struct tharvel_cm_service_request_block {
  int32_t service_type;
} tharvel_cm_service_request_block;
THARVEL_API int Gain_GSM_CM_Service_Request_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                                     int32_t reserved, tharvel_cm_service_request_block* output);

/* SM ACTIVATE PDP CONTEXT REQUEST: the requested NSAPI. */
typedef struct tharvel_pdp_request_block {
  int32_t nsapi;
} tharvel_pdp_request_block;
THARVEL_API int Gain_GSM_Activate_PDP_Context_Request_Win_Data(uint8_t direction_flag, int32_t length,
                                                               const uint8_t* message, int32_t reserved,
                                                               tharvel_pdp_request_block* output);

/* SM ACTIVATE PDP CONTEXT ACCEPT: negotiated QoS classes, the IPv4 address
 * (first octet most significant; -1 when the PDP address is absent or not 4
 * octets long), radio priority and LLC SAPI. */
typedef struct tharvel_pdp_accept_block {
  int32_t delay_class;
  int32_t reliability_class;
  int32_t peak_throughput;
  int32_t precedence_class;
  int32_t mean_throughput;
  int32_t ipv4_address;
  int32_t radio_priority;
  int32_t llc_sapi;
} tharvel_pdp_accept_block;
THARVEL_API int Gain_GSM_Activate_PDP_Context_Accept_Win_Data(uint8_t direction_flag, int32_t length,
                                                              const uint8_t* message, int32_t reserved,
                                                              tharvel_pdp_accept_block* output);

/* SMS CP-DATA: the TPDU's concatenation and text. The block is zero-filled,
 * then the first four integers are THARVEL_ABSENT and the count 0. With a
 * user data header: flag 1 and reference, total, index from its 16-bit or
 * 8-bit concatenation element (0, 1, 1 without one); without: flag 0,
 * reference THARVEL_ABSENT, total 1, index 1. text holds char_count bytes
 * (at most 255: default alphabet as decoded, 8-bit data as is, UCS2 as
 * UTF-8) and then zeros. */
typedef struct tharvel_cp_data_block {
  int32_t user_data_header;
  int32_t concat_reference;
  int32_t concat_total;
  int32_t concat_index;
  int32_t char_count;
  char text[256];
} tharvel_cp_data_block;
THARVEL_API int Gain_CP_Data_Win_Data(uint8_t direction_flag, int32_t length, const uint8_t* message,
                                      int32_t reserved, tharvel_cp_data_block* output);

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
