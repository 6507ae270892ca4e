#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "api/json.h"

namespace {

std::string json_of(const std::string& doc) {
  std::vector<char> buf(doc.size() * 8 + 64);
  buf[0] = '\0';
  l3::OutputText out(buf.data(), buf.size());
  EXPECT_TRUE(l3::text_to_json(doc.data(), doc.size(), out));
  out.finish();
  return std::string(out.data(), out.stored());
}

// A byte that must be escaped, at every place before, inside and after the
// eight-byte blocks the escaper skips at once.
TEST(JsonText, EscapesAtEveryPlace) {
  struct Case {
    std::string byte;
    std::string escaped;
  };
  const Case cases[] = {
      {"\"", "\\\""},      {"\\", "\\\\"},      {"\x01", "\\u0001"},      {"\x1f", "\\u001f"},
      {"\x7f", "\\u007f"}, {"\xff", "\\u00ff"}, {"\xc3\xa9", "\xc3\xa9"},  // valid UTF-8 stays
      {"\xc3", "\\u00c3"},                                                 // a lead byte alone does not
  };
  for (const Case& c : cases) {
    for (size_t at = 0; at <= 20; ++at) {
      const std::string text = std::string(at, 'a') + c.byte + std::string(20 - at, 'b');
      const std::string want = "{\"x\":\"" + std::string(at, 'a') + c.escaped + std::string(20 - at, 'b') + "\"}";
      EXPECT_EQ(json_of("<x>" + text + "</x>\n"), want) << "byte " << static_cast<int>(c.byte[0]) << " at " << at;
    }
  }
}

// Same-named siblings become one array at the place of the first, nested
// elements keep their own groups, and the result always parses.
TEST(JsonText, SiblingsGroupInOrder) {
  struct Case {
    const char* doc;
    const char* json;
  };
  const Case cases[] = {
      {"<m>\n<a>1</a>\n<b>2</b>\n<a>3</a>\n</m>\n", R"({"m":{"a":[1,3],"b":2}})"},
      {"<m>\n<a>\n<c>1</c>\n<c>2</c>\n</a>\n<a>\n<c>3</c>\n</a>\n</m>\n", R"({"m":{"a":[{"c":[1,2]},{"c":3}]}})"},
      {"<m>\n<a>(1)on</a>\n<b>\n<a>x</a>\n</b>\n<a>(0)off</a>\n</m>\n",
       R"({"m":{"a":[{"value":1,"text":"on"},{"value":0,"text":"off"}],"b":{"a":"x"}}})"},
      {"<m>\n<a>1</a>\n<a>2</a>\n<a>3</a>\n", R"({"m":{"a":[1,2,3],"_open":true}})"},
  };
  for (const Case& c : cases) {
    const std::string j = json_of(c.doc);
    EXPECT_EQ(j, c.json) << c.doc;
    EXPECT_TRUE(nlohmann::json::accept(j)) << j;
  }
}

}  // namespace
