// The text document as JSON, in one pass over the rendered text.
#pragma once

#include <cstddef>

#include "core/output.h"

namespace l3 {

// Appends the JSON form of the document text[0..size) to out (not finished).
void text_to_json(const char* text, size_t size, OutputText& out);

}  // namespace l3
