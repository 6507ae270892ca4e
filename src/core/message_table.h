// One row per decoded message: its key, name, record type, parser, renderer
// and element layout, in the family's table. The row template checks at
// compile time that the parser fills and the renderer reads the same record
// type, so no renderer casts by hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <span>
#include <type_traits>

#include "core/output.h"
#include "core/record.h"

namespace l3 {

// Protocol discriminators that have a decoder.
enum Pd : uint8_t { kPdCc = 3, kPdMm = 5, kPdRr = 6, kPdGmm = 8, kPdSms = 9, kPdSm = 10 };

// Element layout of a message, for the structured fuzz target (tokens are
// described in fuzz/layouts.h): mandatory part, optional elements the parser
// takes, and how many rest octets follow the optional part.
struct MessageLayout {
  const char* mandatory;
  const char* optional;
  uint8_t tail;
};

// One address per record type: lets a holder of a record ask for it by type.
template <class R>
inline constexpr char kRecordType = 0;

struct MessageRow {
  uint16_t key = 0;  // PD << 8 | message type (CC and MM: low six bits of the type)
  CText name = nullptr;
  uint32_t record_size = 0;
  uint32_t record_align = 0;
  const void* record_type = nullptr;  // &kRecordType<R>
  // Builds the record in storage (record_size bytes, record_align aligned):
  // zeroed, key and direction set, then filled by the message's parser.
  MessageRecord* (*parse)(void* storage, const uint8_t* msg, uint16_t length, uint8_t direction) = nullptr;
  // 1, or 0 when a block of the message itself stopped early.
  int (*render)(const MessageRecord& r, OutputText& out, uint8_t direction) = nullptr;
  MessageLayout layout = {"", "", 0};
};

// Parser: fills a zeroed record whose key and direction are set.
template <class R>
using ParseFn = void (*)(R& r, const uint8_t* msg, uint16_t length, uint8_t direction);
// Renderer, with or without the caller's direction byte.
template <class R>
using RenderFn = int (*)(const R& r, OutputText& out);
template <class R>
using RenderDirFn = int (*)(const R& r, OutputText& out, uint8_t direction);

namespace table_detail {

template <class R, ParseFn<R> P>
MessageRecord* parse(void* storage, const uint8_t* msg, uint16_t length, uint8_t direction) {
  R* r = ::new (storage) R();
  r->key = record_key(msg);
  r->direction = direction;
  P(*r, msg, length, direction);
  return r;
}

template <class R, auto W>
int render(const MessageRecord& r, OutputText& out, uint8_t direction) {
  // The row's record type is the one its parser built: the table ties them.
  const R& rec = static_cast<const R&>(r);
  if constexpr (std::is_same_v<decltype(W), RenderDirFn<R>>) {
    return W(rec, out, direction);
  } else {
    return W(rec, out);
  }
}

}  // namespace table_detail

// A row: message<Record, parser, renderer>(key, name, layout). A parser or
// renderer for another record type does not compile.
template <class R, auto P, auto W>
constexpr MessageRow message(uint16_t key, const char* name, MessageLayout layout) {
  static_assert(std::is_base_of_v<MessageRecord, R>);
  static_assert(std::is_trivially_copyable_v<R> && std::is_trivially_destructible_v<R>);
  static_assert(std::is_same_v<decltype(P), ParseFn<R>>, "the parser must fill this row's record type");
  static_assert(std::is_same_v<decltype(W), RenderFn<R>> || std::is_same_v<decltype(W), RenderDirFn<R>>,
                "the renderer must read this row's record type");
  return {key, name, sizeof(R), alignof(R), &kRecordType<R>, &table_detail::parse<R, P>, &table_detail::render<R, W>, layout};
}

// For static_assert beside a family's table.
constexpr bool keys_unique(std::span<const MessageRow> rows) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (size_t j = i + 1; j < rows.size(); ++j) {
      if (rows[i].key == rows[j].key) return false;
    }
  }
  return true;
}

constexpr bool keys_of_pd(std::span<const MessageRow> rows, uint8_t pd) {
  for (const MessageRow& r : rows) {
    if ((r.key >> 8) != pd) return false;
  }
  return true;
}

}  // namespace l3
