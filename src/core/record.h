// Message records and the walks every message parser shares.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <type_traits>

#include "core/bits.h"

namespace l3 {

// Head of every record: the unmasked key (PD << 8 | octet 1) and the caller's
// direction byte. GMM and SM records that do not keep the direction leave it 0.
struct MessageRecord {
  uint16_t key;
  uint8_t direction;
};

// An optional element's part: presence flag first, then the decoded fields.
template <class T>
struct Opt {
  uint8_t present;
  T value;
};

inline uint16_t record_key(const uint8_t* msg) {
  return static_cast<uint16_t>(((msg[0] & 0x0F) << 8) | msg[1]);
}

// What one decode learns beyond its record, for the entry point that reports
// a status: whether a take ran out of octets, how far the readers over the
// message got, and whether the caller gave the real direction. Set only for
// the duration of that entry point's decode; null otherwise.
struct DecodeProbe {
  const uint8_t* msg = nullptr;
  uint32_t furthest = 0;
  bool ran_out = false;
  bool real_direction = false;
};
// Initial-exec: readers look at it on every element, and the shared library's
// default model would call __tls_get_addr each time. One pointer fits the
// static TLS that glibc keeps for libraries loaded later.
inline thread_local DecodeProbe* decode_probe __attribute__((tls_model("initial-exec"))) = nullptr;

inline void note_ran_out() {
  if (decode_probe != nullptr) decode_probe->ran_out = true;
}
// True when the direction byte is the frame's real direction mapped to the
// parsers' convention (0 the mobile side), so that readings the contract
// ties to odd byte values can follow 3GPP.
inline bool real_direction() { return decode_probe != nullptr && decode_probe->real_direction; }

// Parse position over one message; starts past the PD and message type octets.
// Every take checks that the whole element is there before moving; a take
// that does not fit is noted as running out.
class MessageReader {
 public:
  MessageReader(const uint8_t* msg, uint16_t len, uint16_t start = 2) : msg_(msg), len_(len), pos_(start) {}
  MessageReader(const MessageReader&) = default;
  MessageReader& operator=(const MessageReader&) = default;
  ~MessageReader() {
    DecodeProbe* p = decode_probe;
    if (p != nullptr && p->msg == msg_ && pos_ > p->furthest) p->furthest = pos_;
  }

  uint32_t pos() const { return pos_; }
  uint32_t length() const { return len_; }
  uint32_t left() const { return pos_ < len_ ? len_ - pos_ : 0; }
  bool has(uint32_t n) const { return pos_ + n <= len_; }
  const uint8_t* here() const { return msg_ + pos_; }
  uint8_t peek(uint32_t i = 0) const { return msg_[pos_ + i]; }  // caller checked has(i + 1)
  const uint8_t* message() const { return msg_; }

  bool skip(uint32_t n) {
    if (!has(n)) return ran_out();
    pos_ += n;
    return true;
  }
  bool take_octet(uint8_t& v) {
    if (!has(1)) return ran_out();
    v = msg_[pos_++];
    return true;
  }
  // Fixed V element of n octets.
  bool take_v(uint32_t n, BitBuffer& bits) {
    if (!has(n)) return ran_out();
    bits_from_octets(msg_ + pos_, n, bits);
    pos_ += n;
    return true;
  }
  bool take_v(uint32_t n, const uint8_t*& octets) {
    if (!has(n)) return ran_out();
    octets = msg_ + pos_;
    pos_ += n;
    return true;
  }
  // LV element, length-led form: length octet then value, L in bits 0..7.
  bool take_lv_led(BitBuffer& bits) {
    if (!has(1) || !has(1u + msg_[pos_])) return ran_out();
    uint32_t n = 1u + msg_[pos_];
    bits_from_octets(msg_ + pos_, n, bits);
    pos_ += n;
    return true;
  }
  // LV element, value form: the value octets alone.
  bool take_lv_value(BitBuffer& bits) {
    if (!has(1) || !has(1u + msg_[pos_])) return ran_out();
    uint32_t n = msg_[pos_];
    bits_from_octets(msg_ + pos_ + 1, n, bits);
    pos_ += 1 + n;
    return true;
  }
  bool take_lv(const uint8_t*& value, uint32_t& n) {
    if (!has(1) || !has(1u + msg_[pos_])) return ran_out();
    n = msg_[pos_];
    value = msg_ + pos_ + 1;
    pos_ += 1 + n;
    return true;
  }

 private:
  static bool ran_out() {
    note_ran_out();
    return false;
  }
  const uint8_t* msg_;
  uint32_t len_;
  uint32_t pos_;
};

// How an optional element is laid out after its IEI.
enum class IeForm : uint8_t {
  half,      // type 1: IEI in the high nibble, value in the low nibble (matches iei..iei|0x0F)
  tag_only,  // type 2: the IEI octet alone
  tv,        // type 3: IEI then a fixed number of value octets
  tlv,       // type 4: IEI, length octet, value
  tlv_e,     // type 6: IEI, two length octets, value
};

// One optional element as met in the message. For tlv, value[-1] is the
// length octet; for half, iei_octet holds the whole octet.
struct IeView {
  uint8_t iei_octet;
  const uint8_t* value;
  uint32_t length;  // value octets (after the length octet for tlv)

  BitBuffer value_bits() const { return bits_of(value, length); }
  BitBuffer length_led_bits() const { return bits_of(value - 1, length + 1); }
  uint8_t low_nibble() const { return iei_octet & 0x0F; }
};

template <class R>
struct OptionalIe {
  uint8_t iei;
  IeForm form;
  uint8_t size;  // value octets of a tv element
  void (*take)(R& r, const IeView& ie);
  // The message lets the element repeat and take() places each occurrence;
  // other rows handle their first occurrence only.
  bool repeats = false;
};

template <class R>
constexpr bool ieis_unique(std::span<const OptionalIe<R>> table) {
  auto lo = [](const OptionalIe<R>& e) { return e.form == IeForm::half ? (e.iei & 0xF0) : e.iei; };
  auto hi = [](const OptionalIe<R>& e) { return e.form == IeForm::half ? (e.iei | 0x0F) : e.iei; };
  for (size_t i = 0; i < table.size(); ++i) {
    for (size_t j = i + 1; j < table.size(); ++j) {
      if (lo(table[i]) <= hi(table[j]) && lo(table[j]) <= hi(table[i])) return false;
    }
  }
  return true;
}

template <class R>
const OptionalIe<R>* find_ie(std::span<const OptionalIe<R>> table, uint8_t octet) {
  for (const OptionalIe<R>& e : table) {
    if (e.form == IeForm::half ? ((octet & 0xF0) == (e.iei & 0xF0)) : (octet == e.iei)) return &e;
  }
  return nullptr;
}

// Reads one optional element at the reader's position by its row; false (and
// the reader unmoved) when it does not fit.
bool take_ie(MessageReader& in, IeForm form, uint8_t size, IeView& ie);

// Walk state over one message's optional part: which rows were met. An
// element that may not repeat is handled on its first occurrence only; later
// ones are stepped over (24.008 8.6.3).
template <class R>
class OptionalWalk {
 public:
  explicit OptionalWalk(std::span<const OptionalIe<R>> table) : table_(table) {}

  // One element at the reader's position: false (reader unmoved) when its IEI
  // has no row or it does not fit.
  bool step(R& r, MessageReader& in) {
    if (!in.has(1)) return false;
    const OptionalIe<R>* row = find_ie(table_, in.peek());
    if (row == nullptr) return false;
    IeView ie;
    if (!take_ie(in, row->form, row->size, ie)) return false;
    const size_t i = static_cast<size_t>(row - table_.data());
    if (row->repeats || i >= kTracked) {
      row->take(r, ie);
      return true;
    }
    const uint64_t bit = uint64_t{1} << (i % 64);
    uint64_t& word = met_[i / 64];
    if ((word & bit) == 0) row->take(r, ie);
    word |= bit;
    return true;
  }

 private:
  static constexpr size_t kTracked = 128;  // rows past this (none today) are handled every time
  std::span<const OptionalIe<R>> table_;
  uint64_t met_[kTracked / 64] = {};
};

// The optional part: IEI by IEI until the message ends, an IEI has no row, or
// an element does not fit.
template <class R>
void walk_optional(R& r, MessageReader& in, std::span<const OptionalIe<R>> table) {
  OptionalWalk<R> walk(table);
  while (walk.step(r, in)) {
  }
}

// Row actions for the common shapes.
template <class R, Opt<uint8_t> R::*M>
void set_flag(R& r, const IeView&) {
  (r.*M).present = 1;
  (r.*M).value = 1;
}

// Length-led take, the one helper of its role: an LV element whose decoder
// reads the length octet too. Mandatory part: take_length_led below (false,
// part untouched, when the element is not whole). Optional row:
// decode_length_led (marks the slot present, then decodes).
template <class T>
bool take_length_led(MessageReader& in, T& part, void (*decode)(T&, const BitBuffer&)) {
  BitBuffer bits;
  if (!in.take_lv_led(bits)) return false;
  decode(part, bits);
  return true;
}

template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
void decode_length_led(R& r, const IeView& ie) {
  (r.*M).present = 1;
  D((r.*M).value, ie.length_led_bits());
}

template <class R, class T, Opt<T> R::*M, void (*D)(T&, const BitBuffer&)>
void decode_value(R& r, const IeView& ie) {
  (r.*M).present = 1;
  D((r.*M).value, ie.value_bits());
}

// Half-octet value into an Opt<uint8_t>.
template <class R, Opt<uint8_t> R::*M>
void store_nibble(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.low_nibble();
}

// First value octet of a tv or tlv element into an Opt<uint8_t>.
template <class R, Opt<uint8_t> R::*M>
void store_octet(R& r, const IeView& ie) {
  (r.*M).present = 1;
  (r.*M).value = ie.length > 0 ? ie.value[0] : 0;
}

// Octet string of capacity N: stored as far as it fits, count in element 0,
// octets from index 1 on (records index octet arrays from 1).
template <size_t N>
struct OctetString {
  uint8_t count;
  uint8_t octets[N + 1];
};

template <size_t N>
void copy_octets(OctetString<N>& s, const uint8_t* p, uint32_t n) {
  static_assert(N < 256);
  if (n > N) n = N;
  s.count = static_cast<uint8_t>(n);
  for (uint32_t i = 0; i < n; ++i) s.octets[i + 1] = p[i];
}

template <class R, size_t N, Opt<OctetString<N>> R::*M>
void store_octets(R& r, const IeView& ie) {
  (r.*M).present = 1;
  copy_octets((r.*M).value, ie.value, ie.length);
}

}  // namespace l3
