// Short message text as UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace l3::report {

void append_utf8(std::string& out, char32_t cp);
// Septet values of the GSM default alphabet (escape sequences included).
std::string septets_to_utf8(const uint8_t* septets, size_t count);

}  // namespace l3::report
