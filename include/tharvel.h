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
 * No document is longer than this many bytes (NUL excluded). Documents are
 * bounded by the record capacities, not by the message length: a message
 * holds at most five frequency lists, each rendering at most about 27,000
 * bytes at its capacity of 1,024 entries; the longest documents known (a
 * HANDOVER COMMAND or ASSIGNMENT COMMAND with its lists at their longest)
 * are about 109,000 bytes.
 */
#define THARVEL_MAX_DOCUMENT 262144

/*
 * Decodes one layer-3 message and appends its document to `output`.
 *
 * direction: 0 = downlink (network to mobile station), any other value = uplink.
 * length:    number of octets in `message`.
 * message:   the message, from the octet holding the protocol discriminator on
 *            (no layer-2 header).
 * output:    NUL-terminated text; the document is appended to what it holds.
 *            The caller makes it large enough: THARVEL_MAX_DOCUMENT + 1 bytes
 *            past the earlier text. Hosts should prefer tharvel_n, which
 *            never writes past a stated capacity.
 *
 * Returns 1 for a decoded message. Returns 0 when the message is shorter than
 * 2 octets (output gains only "<L3Message>\n") or its protocol and type are
 * not decoded (output is cut to the empty string, earlier text included).
 * A message whose decoding failed inside returns 1 with the document left
 * open, and is appended to tharvelDebug.txt in the temporary directory
 * (THARVEL_FAILURE_DUMP names another directory, or "off"; a file of at most
 * 16 MiB, private to the process's user: see docs/SAFETY.md).
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
 * Earlier text is what output holds before its first NUL within capacity;
 * without a NUL there, its first capacity - 1 bytes. Capacity 0 means no byte
 * of output may be read or written: there is no earlier text, nothing is
 * written, and needed is the length of the document alone.
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
 *   - the QoS source statistics descriptor, shown for a message from the
 *     mobile only (it is spare towards the mobile);
 *   - every other direction-bound element is read through the direction
 *     byte tharvel uses for the mobile side (0), to which a real direction
 *     of 1 is mapped.
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

/*
 * Capture reader: the layer-3 messages of a pcap or pcapng capture (GSMTAP on
 * UDP port 4729) or of text lines "UL <hex>" / "DL <hex>" ('#' starts a
 * comment). The kind of input is told from its first octets as read, so pipes,
 * FIFOs and standard input work; a path is never opened twice.
 *
 * LAPDm I-frames are joined per logical link (direction, timeslot, sub-slot,
 * channel type, SAPI; never per ARFCN, so hopping channels join right), in
 * N(S) order: a retransmitted I-frame is dropped, a break in N(S) drops the
 * chain it cut (after a break, or on a link first seen mid-chain, a frame
 * starts a message only if it begins with a protocol and type the library
 * decodes), a chain past 251 octets is dropped. At most a bounded number
 * of links is followed at once, so memory stays bounded whatever the input.
 * CCCH fill blocks and LAPDm fill frames are skipped. A contention-resolution
 * echo (UA with information) is returned only when its SABM was not seen, with
 * THARVEL_FRAME_ECHO set and the direction of the SABM it echoes.
 *
 * A reader is used by one thread at a time; readers do not share state.
 */
typedef struct tharvel_capture tharvel_capture;

#define THARVEL_SOURCE_PCAP 0
#define THARVEL_SOURCE_PCAPNG 1
#define THARVEL_SOURCE_TEXT 2
#define THARVEL_SOURCE_LIVE 3

#define THARVEL_FRAME_ECHO 0x01 /* the information of a UA: the echo of a SABM that was not seen */

typedef struct tharvel_frame {
  uint32_t size;       /* the caller sets sizeof(tharvel_frame) */
  uint64_t frame;      /* packet number from 1 (text: line number) */
  int64_t time_sec;    /* capture time, seconds since the epoch (text: 0) */
  int32_t time_nsec;
  uint16_t arfcn;      /* of the last segment */
  uint8_t pcs_band;    /* 1: ARFCN of the PCS 1900 band */
  uint8_t timeslot;
  uint8_t sub_slot;
  uint8_t channel;     /* GSMTAP channel type, 0x80 for the SACCH (text: 0) */
  uint8_t sapi;
  uint8_t direction;   /* 0 network to mobile, 1 mobile to network */
  uint8_t has_signal;  /* 1 when signal_dbm holds the header's signal level (GSMTAP 2; 0 dBm means none) */
  int8_t signal_dbm;
  uint8_t source;      /* THARVEL_SOURCE_... */
  uint8_t flags;       /* THARVEL_FRAME_... */
  uint8_t gsmtap_type; /* 1 Um, 2 Abis (bare layer 3); 0 for text */
  uint8_t reserved[3];
  uint32_t gsm_frame_number; /* GSMTAP frame number of the last segment */
  const uint8_t* octets;     /* the message from its protocol discriminator; valid until the next call */
  size_t length;
} tharvel_frame;

/* A struct tag only: the function of the same name hides it, so write "struct tharvel_capture_counters". */
struct tharvel_capture_counters {
  uint32_t size;           /* the caller sets sizeof(struct tharvel_capture_counters) */
  uint32_t reserved;
  uint64_t packets;        /* packets read (text: lines, blank ones included; live: packets fed) */
  uint64_t messages;       /* messages returned */
  uint64_t not_gsmtap;     /* packets that are not UDP to or from port 4729 */
  uint64_t other_types;    /* GSMTAP types, channels and frame formats without layer 3 */
  uint64_t fill_blocks;    /* CCCH fill blocks and LAPDm fill frames */
  uint64_t control_frames; /* LAPDm frames without a message: RR, RNR, REJ, SABM, UA, DISC, DM */
  uint64_t ciphered;       /* frames whose LAPDm header does not hold: ciphered or corrupted */
  uint64_t malformed;      /* GSMTAP or LAPDm shorter than its header says; bad text lines */
  uint64_t duplicates;     /* retransmitted I-frames, repeated SABM and UA */
  uint64_t gaps;           /* breaks in N(S) */
  uint64_t dropped_at_gap; /* chains cut by a break in N(S), and the segments of their rest */
  uint64_t too_long;       /* chains dropped past 251 octets */
  uint64_t evicted;        /* chains dropped because too many links were followed at once */
  uint64_t released;       /* chains dropped when their link was released or set up again */
  uint64_t unfinished;     /* chains waiting for their last segment (at the end: never finished) */
  uint64_t echoes;         /* UA echoes returned because their SABM was not seen */
};

/*
 * Open a capture. On failure they return NULL and write a NUL-terminated
 * reason to error (at most error_capacity bytes; error may be NULL).
 * open_fd reads the descriptor from where it is and does not close it.
 * open_memory reads data in place: it must stay valid until close.
 * open_live returns a reader fed packet by packet by tharvel_capture_feed_gsmtap.
 */
THARVEL_API tharvel_capture* tharvel_capture_open_path(const char* path, char* error, size_t error_capacity);
THARVEL_API tharvel_capture* tharvel_capture_open_fd(int fd, char* error, size_t error_capacity);
THARVEL_API tharvel_capture* tharvel_capture_open_memory(const uint8_t* data, size_t size, char* error,
                                                         size_t error_capacity);
THARVEL_API tharvel_capture* tharvel_capture_open_live(void);

/*
 * One GSMTAP packet (the UDP payload, header included) for a live reader.
 * Returns 1 when it completed a message (take it with tharvel_capture_next),
 * 0 when not, -1 when the reader is not live, an argument is bad, or too many
 * messages wait (the packet was not taken: call tharvel_capture_next first).
 */
THARVEL_API int tharvel_capture_feed_gsmtap(tharvel_capture* capture, const uint8_t* udp_payload, size_t length,
                                            int64_t time_sec, int32_t time_nsec);

/*
 * The next message. Returns 1 with *frame filled, 0 at the end (live: none
 * waiting), -1 on an error: a bad text line (frame->frame holds its number;
 * reading goes on with the next line), a capture cut short (the next call
 * returns 0), or a bad argument. tharvel_capture_error says what went wrong.
 */
THARVEL_API int tharvel_capture_next(tharvel_capture* capture, tharvel_frame* frame);

/* The reason of the last -1 from tharvel_capture_next, "" when none; valid until the next call. */
THARVEL_API const char* tharvel_capture_error(const tharvel_capture* capture);

/* Copies the counters into *counters, as far as counters->size allows. */
THARVEL_API void tharvel_capture_counters(const tharvel_capture* capture, struct tharvel_capture_counters* counters);

/* Name of a frame's channel: "BCCH", "SACCH/SDCCH8", "L3" for Abis, "-" for text. Static. */
THARVEL_API const char* tharvel_capture_channel_name(const tharvel_frame* frame);

THARVEL_API void tharvel_capture_close(tharvel_capture* capture);

/*
 * Reports over a whole capture: the cells heard (system information and
 * measurement reports), the short messages exchanged and the outcome of every
 * procedure. Feed every frame of a capture in order, then write any report in
 * any format as often as wanted. A report is not shared between threads
 * without the caller's locking.
 */
typedef struct tharvel_report tharvel_report;

#define THARVEL_REPORT_CELLS 0
#define THARVEL_REPORT_SMS 1
#define THARVEL_REPORT_OUTCOMES 2

#define THARVEL_REPORT_FORMAT_TEXT 0 /* aligned table, lists on lines below each row */
#define THARVEL_REPORT_FORMAT_CSV 1  /* one row a line, lists blank-separated */
#define THARVEL_REPORT_FORMAT_JSON 2 /* {"cells": [...]}, {"sms": [...]} or {"outcomes": [...]} */

/* NULL when out of memory. */
THARVEL_API tharvel_report* tharvel_report_new(void);

/*
 * One frame of a capture, as tharvel_capture_next returns it (its octets are
 * read during the call and not kept). Returns 0, or -1 for a null report or
 * frame, or when memory ran out.
 */
THARVEL_API int tharvel_report_add(tharvel_report* report, const tharvel_frame* frame);

/*
 * One message without a capture reader: frame number and time as the caller
 * counts them, arfcn with 0x8000 set for the PCS 1900 band, channel the GSMTAP
 * channel type, direction 0 network to mobile or 1 mobile to network, the
 * octets from the protocol discriminator on. Returns 0, or -1 for a null
 * report or message, or when memory ran out.
 */
THARVEL_API int tharvel_report_add_message(tharvel_report* report, uint64_t frame, int64_t time_sec,
                                           int32_t time_nsec, uint16_t arfcn, uint8_t channel, uint8_t direction,
                                           const uint8_t* octets, size_t length);

/*
 * Writes report `kind` in `format`: at most `capacity` bytes, NUL-terminated
 * when capacity > 0. Returns the whole text's length (NUL excluded): the text
 * was cut exactly when the result >= capacity. An unknown kind or format, or
 * a null report, gives the empty text.
 */
THARVEL_API size_t tharvel_report_write(const tharvel_report* report, int kind, int format, char* out,
                                        size_t capacity);

THARVEL_API void tharvel_report_free(tharvel_report* report);

/*
 * Batch decoding: many messages per call, for bindings where each call into
 * the library costs more than the decode. A batch owns its buffers; after
 * each call they hold that call's messages only, and the pointers from
 * tharvel_batch_text, _octets and _entries stay valid until the next call on
 * the batch. A batch is used by one thread at a time.
 */
typedef struct tharvel_batch tharvel_batch;

typedef struct tharvel_batch_entry {
  uint64_t frame;           /* capture: packet number; otherwise the message's index in the call */
  int64_t time_sec;         /* capture time (0 outside captures) */
  int32_t time_nsec;
  int32_t status;           /* tharvel_status of the decode */
  size_t text_offset;       /* the document in tharvel_batch_text, NUL-terminated there */
  size_t text_length;       /* NUL excluded */
  size_t octets_offset;     /* the message in tharvel_batch_octets */
  size_t octets_length;
  const char* protocol;     /* static, as tharvel_result.protocol */
  const char* name;         /* static, as tharvel_result.name */
  const char* channel_name; /* static, tharvel_capture_channel_name; "" outside captures */
  uint16_t key;
  uint16_t arfcn;
  uint8_t pd;
  uint8_t direction;        /* 0 network to mobile, 1 mobile to network */
  uint8_t timeslot;
  uint8_t sub_slot;
  uint8_t channel;
  uint8_t sapi;
  uint8_t pcs_band;
  uint8_t has_signal;
  int8_t signal_dbm;
  uint8_t source;           /* THARVEL_SOURCE_..., 0xff outside captures */
  uint8_t flags;
  uint8_t gsmtap_type;
} tharvel_batch_entry;

THARVEL_API tharvel_batch* tharvel_batch_new(void);
THARVEL_API void tharvel_batch_free(tharvel_batch* batch);
/* sizeof(tharvel_batch_entry), for bindings that read the entries as bytes. */
THARVEL_API size_t tharvel_batch_entry_size(void);

/*
 * Decodes count messages: message i is octets[starts[i]] up to
 * octets[starts[i + 1]] (starts holds count + 1 offsets), in direction
 * directions[i] (directions NULL: options->direction for all). options as for
 * tharvel_decode; its format applies to every document. Returns count, or -1
 * on a bad argument (null batch, null starts, null octets with messages,
 * offsets going backwards).
 */
THARVEL_API ptrdiff_t tharvel_batch_decode(tharvel_batch* batch, const uint8_t* octets, const size_t* starts,
                                           const uint8_t* directions, size_t count, const tharvel_options* options);

/*
 * Reads up to max_messages messages of a capture and decodes them, each in
 * its frame's direction (options->direction is not used). Returns the number
 * read, 0 at the end, -1 for an error of the capture: either before any
 * message of this call, or left from the previous call, which stopped at it.
 * tharvel_batch_error says what it was; reading may go on after a bad text
 * line.
 */
THARVEL_API ptrdiff_t tharvel_batch_read_capture(tharvel_batch* batch, tharvel_capture* capture,
                                                 size_t max_messages, const tharvel_options* options);
/* The reason of the last -1 (a copy of the capture's), "" when none. */
THARVEL_API const char* tharvel_batch_error(const tharvel_batch* batch);

/* The last call's documents, octets and entries; *size (if not null) gets their byte or entry count. */
THARVEL_API const char* tharvel_batch_text(const tharvel_batch* batch, size_t* size);
THARVEL_API const uint8_t* tharvel_batch_octets(const tharvel_batch* batch, size_t* size);
THARVEL_API const tharvel_batch_entry* tharvel_batch_entries(const tharvel_batch* batch, size_t* count);


#ifdef __cplusplus
}
#endif

#endif /* THARVEL_H */
