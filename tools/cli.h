// The command-line decoder's pure parts: message metadata, filters, field
// lookup in documents and the line formats. No I/O here, so tests call them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tharvel_cli {

// One message to decode, with what its source knows about it.
struct Item {
  uint64_t index = 0;         // position in the input, for ordering
  uint64_t frame = 0;         // packet number in a capture, line number in text
  bool from_capture = false;  // frame, time, ARFCN and channel come from a capture
  int64_t time_sec = 0;
  int32_t time_nsec = 0;
  int arfcn = -1;             // -1 when unknown
  std::string channel = "-";  // "SDCCH", "SACCH/TCH/F", ... or "-"
  uint8_t direction = 0;      // 0 network to mobile, 1 mobile to network
  std::vector<uint8_t> octets;
};

enum class Status { decoded, truncated, trailing, not_decoded, too_short, failed, too_long };
constexpr int kStatusCount = 7;
const char* status_name(Status s);          // "decoded", "not-decoded", ...
bool parse_status(std::string_view name, Status& out);

// What decoding gave.
struct Decoded {
  Status status = Status::failed;
  std::string protocol;  // "RR", "MM", "CC", "GMM", "SM", "SMS" or the discriminator's name
  std::string name;      // message name, "" when not decoded
  std::string document;
};

// Filters: terms of one key are alternatives, different keys must all hold.
//   MM | proto=MM,GMM     protocol, exact (case ignored)
//   name=GLOB             message name, exact or glob (case ignored)
//   dir=ul|dl             direction
//   chan=GLOB             channel name (case ignored), "-" for text input
//   status=decoded,...    decode status
//   FIELD=VALUE           an element of the document with that value
// A bare word that is not a protocol is a name glob.
class Filter {
 public:
  // False with `error` set when a term cannot be understood.
  bool add(std::string_view term, std::string& error);
  bool empty() const { return terms_.empty(); }
  // Terms that need nothing but the octets and metadata.
  bool needs_document() const;
  bool matches(const Item& item, const Decoded& d) const;

 private:
  enum class Key { protocol, name, direction, channel, status, field };
  struct Term {
    Key key;
    std::string field;   // element name for Key::field
    std::string value;   // lower case for protocol; glob for name/channel
  };
  std::vector<Term> terms_;
};

// Values of every element named `tag` in a document, in order. An element's
// text is trimmed; "(n)text" values are given whole.
std::vector<std::string> find_fields(std::string_view document, std::string_view tag);
// True when `value` names the element text: whole, its number "(n)" or its text after "(n)";
// case and a leading "0x" ignored.
bool field_value_matches(std::string_view text, std::string_view value);

// "2024-03-05T10:11:12.123456Z"
std::string iso_time(int64_t sec, int32_t nsec);
// The capture comment heading a document.
std::string document_header(const Item& item);
// One --summary line (with its newline) and the header row.
std::string summary_line(const Item& item, const Decoded& d);
extern const char kSummaryHeader[];

// The column of a --fields name: metadata (frame, time, arfcn, channel,
// direction, protocol, name, status, length, hex) or document elements,
// several occurrences joined by `aggregator`.
std::string field_column(const Item& item, const Decoded& d, std::string_view field, std::string_view aggregator);

// JSON string literal of s (quotes included).
std::string json_string(std::string_view s);

// Name of a GSMTAP channel type ("BCCH", "SACCH/TCH/F", ...).
std::string gsmtap_channel_name(uint8_t channel);

}  // namespace tharvel_cli
