#include "core/record.h"

namespace l3 {

namespace {

bool take_ie_fits(MessageReader& in, IeForm form, uint8_t size, IeView& ie) {
  if (!in.has(1)) return false;
  const uint8_t* p = in.here();
  ie.iei_octet = p[0];
  switch (form) {
    case IeForm::half:
    case IeForm::tag_only:
      ie.value = p + 1;
      ie.length = 0;
      in.skip(1);
      return true;
    case IeForm::tv:
      if (!in.has(1u + size)) return false;
      ie.value = p + 1;
      ie.length = size;
      in.skip(1u + size);
      return true;
    case IeForm::tlv:
      if (!in.has(2) || !in.has(2u + p[1])) return false;
      ie.value = p + 2;
      ie.length = p[1];
      in.skip(2u + p[1]);
      return true;
    case IeForm::tlv_e: {
      if (!in.has(3)) return false;
      uint32_t n = (static_cast<uint32_t>(p[1]) << 8) | p[2];
      if (!in.has(3 + n)) return false;
      ie.value = p + 3;
      ie.length = n;
      in.skip(3 + n);
      return true;
    }
  }
  return false;
}

}  // namespace

bool take_ie(MessageReader& in, IeForm form, uint8_t size, IeView& ie) {
  if (take_ie_fits(in, form, size, ie)) return true;
  note_ran_out();
  return false;
}

}  // namespace l3
