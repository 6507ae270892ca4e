#include "api/failure_dump.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace l3 {

namespace {

constexpr char kFileName[] = "tharvelDebug.txt";

// The directory for the dump, or nullptr when the dump is turned off.
const char* dump_directory() {
  const char* chosen = std::getenv("THARVEL_FAILURE_DUMP");
  if (chosen != nullptr && *chosen != '\0') {
    if (std::strcmp(chosen, "off") == 0 || std::strcmp(chosen, "0") == 0) return nullptr;
    return chosen;
  }
  // The temporary directory as the C++ library finds it, without pulling its
  // symbols into the shared library's exports.
  for (const char* var : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) {
    const char* dir = std::getenv(var);
    if (dir != nullptr && *dir != '\0') return dir;
  }
  return "/tmp";
}

// dir + "/" + kFileName into path; false when it does not fit.
bool build_path(const char* dir, char (&path)[4096]) {
  const size_t n = std::strlen(dir);
  const bool slash = n > 0 && dir[n - 1] == '/';
  if (n + 1 + sizeof kFileName > sizeof path) return false;
  std::memcpy(path, dir, n);
  size_t at = n;
  if (!slash) path[at++] = '/';
  std::memcpy(path + at, kFileName, sizeof kFileName);
  return true;
}

bool write_all(int fd, const char* p, size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, p, n);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    p += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

// The record in chunks from the stack; false when any write fell short.
bool write_record(int fd, const uint8_t* msg, size_t n) {
  static constexpr char kHex[] = "0123456789abcdef";
  char chunk[4096];
  static constexpr char kHead[] = "MessageContext:";
  std::memcpy(chunk, kHead, sizeof kHead - 1);
  size_t used = sizeof kHead - 1;
  for (size_t i = 0; i < n; ++i) {
    if (used + 3 > sizeof chunk) {
      if (!write_all(fd, chunk, used)) return false;
      used = 0;
    }
    chunk[used++] = kHex[msg[i] >> 4];
    chunk[used++] = kHex[msg[i] & 0xF];
    chunk[used++] = ' ';
  }
  if (used + 2 > sizeof chunk) {
    if (!write_all(fd, chunk, used)) return false;
    used = 0;
  }
  chunk[used++] = '\n';
  chunk[used++] = '\n';
  return write_all(fd, chunk, used);
}

// A file this process may write subscribers' messages to.
bool acceptable(int fd) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return false;
  if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1) return false;
  if ((st.st_mode & 077) != 0 && ::fchmod(fd, st.st_mode & 0700) != 0) return false;
  return true;
}

}  // namespace

int write_failure_dump(const uint8_t* msg, int32_t length) noexcept {
  const char* dir = dump_directory();
  char path[4096];
  if (dir == nullptr || !build_path(dir, path)) return 0;
  const size_t n = (msg == nullptr || length < 0) ? 0 : static_cast<size_t>(length);
  const uint64_t size = failure_dump_record_size(n);
  if (size > kFailureDumpLimit) return 0;

  // No link is followed, a FIFO or device never blocks the decode, and the
  // descriptor does not leak into a child.
  const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
  if (fd < 0) return 0;
  int written = 0;
  if (acceptable(fd)) {
    // The lock keeps records of concurrent failures apart and makes the size
    // check and the cut-back exact.
    int locked;
    do {
      locked = ::flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    struct stat st;
    if (locked == 0 && ::fstat(fd, &st) == 0 && static_cast<uint64_t>(st.st_size) + size <= kFailureDumpLimit) {
      if (write_record(fd, msg, n)) {
        written = 1;
      } else {
        // A full disk: no cut record stays behind.
        while (::ftruncate(fd, st.st_size) != 0 && errno == EINTR) {
        }
      }
    }
  }
  ::close(fd);  // also releases the lock
  return written;
}

}  // namespace l3
