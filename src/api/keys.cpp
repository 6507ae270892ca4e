#include "api/keys.h"

#include "api/registry.h"

namespace l3 {

const char* message_name(uint16_t key) {
  const MessageRow* row = find_message(key);
  return row != nullptr ? row->name : nullptr;
}

}  // namespace l3
