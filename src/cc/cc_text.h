// Small writers shared by the call-control renderers.
#pragma once

#include <cstdint>

#include "core/output.h"

namespace l3 {

// <name>\n, a text without a number, </name>\n.
inline void text_block(OutputText& out, const char* name, const char* text) {
  open_tag_named(out, name);
  out.append(text);
  close_tag_named(out, name);
}

// A field named N holding a text: <N>text</N>\n (no line feed after the
// opening tag).
inline void text_field(OutputText& out, const char* name, const char* text) {
  out.push('<');
  append_tag_text(out, name);
  out.push('>');
  out.append(text);
  close_tag_named(out, name);
}

}  // namespace l3
