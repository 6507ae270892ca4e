#include "api/failure_dump.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace l3 {

int write_failure_dump(const uint8_t* msg, int32_t length) {
  // The temporary directory as the C++ library finds it, without pulling
  // its symbols into the shared library's exports.
  const char* dir = nullptr;
  for (const char* var : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
    dir = std::getenv(var);
    if (dir != nullptr && *dir != '\0') break;
    dir = nullptr;
  }
  std::string path = dir != nullptr ? dir : "/tmp";
  if (path.back() != '/') path += '/';
  path += "tharvelDebug.txt";

  size_t n = (msg == nullptr || length < 0) ? 0 : static_cast<size_t>(length);
  static constexpr char kHead[] = "MessageContext:";
  size_t size = sizeof kHead - 1 + 3 * n + 2;
  char* text = static_cast<char*>(std::malloc(size));
  if (text == nullptr) return 0;
  static constexpr char kHex[] = "0123456789abcdef";
  char* p = text;
  for (const char* h = kHead; *h != '\0'; ++h) *p++ = *h;
  for (size_t i = 0; i < n; ++i) {
    *p++ = kHex[msg[i] >> 4];
    *p++ = kHex[msg[i] & 0xF];
    *p++ = ' ';
  }
  *p++ = '\n';
  *p++ = '\n';

  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) {
    // O_APPEND with a single write keeps each record whole.
    size_t done = 0;
    while (done < size) {
      ssize_t w = ::write(fd, text + done, size - done);
      if (w <= 0) break;
      done += static_cast<size_t>(w);
    }
    ::close(fd);
  }
  std::free(text);
  return 0;
}

}  // namespace l3
