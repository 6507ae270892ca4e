// Call control elements that only one direction carries, read by the frame's
// real direction through tharvel_decode.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_util.h"
#include "tharvel.h"

namespace {

constexpr uint8_t kToMobile = 0;
constexpr uint8_t kFromMobile = 1;

std::string decode_real(const std::vector<uint8_t>& msg, uint8_t direction) {
  tharvel_options opt{sizeof(tharvel_options), direction, THARVEL_FORMAT_TEXT, 0, 0};
  tharvel_result res{};
  res.size = sizeof res;
  std::vector<uint8_t> copy(msg);  // exact size: a read past the end shows under the sanitizers
  tharvel_decode(copy.data(), copy.size(), &opt, nullptr, 0, &res);
  std::vector<char> buf(res.needed + 1);
  EXPECT_EQ(tharvel_decode(copy.data(), copy.size(), &opt, buf.data(), buf.size(), &res), THARVEL_STATUS_DECODED);
  return std::string(buf.data());
}

// Progress indicator 1E 02 E1 88: octet 3 = 1 ext, 11 GSM coding, 0 spare,
// 0001 private network serving the local user; octet 4 = 1 ext, 0001000
// in-band information available.
constexpr const char* kProgress =
    "<Progress_Indicator>\n<coding_standard>\n(3)Standard defined for the GSM PLMNS</coding_standard>\n"
    "<location>\n(1)Private network serving the local user</location>\n"
    "<Progress_description>\n(8)In-band information or appropriate pattern now available</Progress_description>\n"
    "</Progress_Indicator>\n";
// Priority 82: IEI 1000, spare 0, level 010 = call priority level 3.
constexpr const char* kPriority = "<Priority_Granted>\n(2)call priority level 3</Priority_Granted>\n";
// Supported codec list 40 04 04 02 60 04: SysID 04 (UMTS), bitmap of two
// octets, 0x60 (UMTS AMR 2, UMTS AMR) and 0x04 (UMTS AMR-WB).
constexpr const char* kCodecs =
    "<SupportedCodecList>\n<System_Identification>\n<SysID>4</SysID>\n<Codec_Bitmap_List>\n"
    "<Bitmap>0x60 4</Bitmap>\n</Codec_Bitmap_List>\n</System_Identification>\n</SupportedCodecList>\n";

struct Case {
  const char* what;
  const char* hex;
  uint8_t direction;
  std::vector<const char*> shown;
  std::vector<const char*> hidden;
};

// Each vector in both directions: an element the other direction does not
// define is left out of the document.
const Case kCases[] = {
    {"alerting to mobile", "03 01 | 1E 02 E1 88", kToMobile, {kProgress}, {}},
    {"alerting from mobile", "03 01 | 1E 02 E1 88", kFromMobile, {}, {"Progress"}},
    {"call proceeding to mobile", "03 02 | 1E 02 E1 88 | 82", kToMobile, {kProgress, kPriority}, {}},
    {"call proceeding from mobile", "03 02 | 1E 02 E1 88 | 82", kFromMobile, {}, {"Progress"}},
    {"connect to mobile", "03 07 | 1E 02 E1 88", kToMobile, {kProgress}, {}},
    {"connect from mobile", "03 07 | 1E 02 E1 88", kFromMobile, {}, {"Progress"}},
    // Cause 02 E0 90: GSM coding, user location, 16 normal call clearing.
    {"disconnect to mobile", "03 25 | 02 E0 90 | 1E 02 E1 88", kToMobile, {"(16)Normal call clearing", kProgress}, {}},
    {"disconnect from mobile", "03 25 | 02 E0 90 | 1E 02 E1 88", kFromMobile, {"(16)Normal call clearing"}, {"Progress"}},
    {"setup to mobile", "03 05 | 1E 02 E1 88 | 82 | 40 04 04 02 60 04", kToMobile, {kProgress, kPriority},
     {"SupportedCodecList"}},
    {"setup from mobile", "03 05 | 1E 02 E1 88 | 82 | 40 04 04 02 60 04", kFromMobile, {kCodecs},
     {"Progress", "Priority"}},
};

TEST(CcDirection, ElementsOfOneDirection) {
  for (const Case& c : kCases) {
    const std::string doc = decode_real(tharvel_test::octets(c.hex), c.direction);
    for (const char* s : c.shown) EXPECT_NE(doc.find(s), std::string::npos) << c.what << " lacks " << s << "\n" << doc;
    for (const char* s : c.hidden) EXPECT_EQ(doc.find(s), std::string::npos) << c.what << " shows " << s << "\n" << doc;
  }
}

}  // namespace
