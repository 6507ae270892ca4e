#include "api/json.h"

namespace l3 {

void text_to_json(const char* text, size_t size, OutputText& out) { out.append(text, size); }

}  // namespace l3
