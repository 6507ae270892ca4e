#include "capture/source.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace capture {

ByteSource::~ByteSource() {
  if (owned_ && fd_ >= 0) ::close(fd_);
}

void ByteSource::use_fd(int fd, bool owned) {
  fd_ = fd;
  owned_ = owned;
}

void ByteSource::use_memory(const uint8_t* data, size_t size) {
  data_ = data;
  size_ = size;
}

long ByteSource::read_raw(uint8_t* out, size_t n) {
  if (fd_ < 0) {
    size_t k = std::min(n, size_ - pos_);
    if (k > 0) std::memcpy(out, data_ + pos_, k);
    pos_ += k;
    return static_cast<long>(k);
  }
  for (;;) {
    ssize_t k = ::read(fd_, out, n);
    if (k >= 0 || errno != EINTR) return static_cast<long>(k);
  }
}

long ByteSource::peek(uint8_t* out, size_t n) {
  n = std::min(n, sizeof ahead_);
  while (ahead_len_ < n) {
    long k = read_raw(ahead_ + ahead_len_, n - ahead_len_);
    if (k < 0) return -1;
    if (k == 0) break;
    ahead_len_ += static_cast<size_t>(k);
  }
  size_t k = std::min(n, ahead_len_);
  std::memcpy(out, ahead_, k);
  return static_cast<long>(k);
}

long ByteSource::read(uint8_t* out, size_t n) {
  if (ahead_pos_ < ahead_len_) {
    size_t k = std::min(n, ahead_len_ - ahead_pos_);
    std::memcpy(out, ahead_ + ahead_pos_, k);
    ahead_pos_ += k;
    return static_cast<long>(k);
  }
  return read_raw(out, n);
}

FILE* ByteSource::stream() {
  cookie_io_functions_t io{};
  io.read = [](void* cookie, char* buf, size_t size) -> ssize_t {
    return static_cast<ByteSource*>(cookie)->read(reinterpret_cast<uint8_t*>(buf), size);
  };
  io.close = [](void*) { return 0; };  // the source closes its descriptor
  return fopencookie(this, "rb", io);
}

bool LineReader::fill() {
  if (end_) return false;
  if (pos_ > 0) {
    std::memmove(buffer_, buffer_ + pos_, len_ - pos_);
    len_ -= pos_;
    pos_ = 0;
  }
  long k = source_.read(buffer_ + len_, sizeof buffer_ - len_);
  if (k <= 0) {
    end_ = true;
    failed_ = k < 0;
    return false;
  }
  len_ += static_cast<size_t>(k);
  return true;
}

LineReader::Result LineReader::next(std::string& line) {
  line.clear();
  bool too_long = false;
  for (;;) {
    const uint8_t* start = buffer_ + pos_;
    const uint8_t* nl = static_cast<const uint8_t*>(std::memchr(start, '\n', len_ - pos_));
    size_t take = nl != nullptr ? static_cast<size_t>(nl - start) : len_ - pos_;
    if (!too_long) {
      if (line.size() + take > kMaxLine) {
        too_long = true;
        line.clear();
      } else {
        line.append(reinterpret_cast<const char*>(start), take);
      }
    }
    if (nl != nullptr) {
      pos_ += take + 1;
      return too_long ? Result::too_long : Result::line;
    }
    pos_ = len_;
    if (!fill()) {
      if (failed_) return Result::error;
      if (too_long) return Result::too_long;
      return line.empty() ? Result::end : Result::line;
    }
  }
}

}  // namespace capture
