// The octets of a capture or text input, from a descriptor or from memory,
// read once: what was read to tell the kind of input is handed out again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace capture {

class ByteSource {
 public:
  ByteSource() = default;
  ByteSource(const ByteSource&) = delete;
  ByteSource& operator=(const ByteSource&) = delete;
  ~ByteSource();

  void use_fd(int fd, bool owned);
  void use_memory(const uint8_t* data, size_t size);

  // Up to n octets (n <= 8) read ahead and kept for read(). Returns how many; -1 on an error.
  long peek(uint8_t* out, size_t n);
  // Like read(2): 0 at the end, -1 on an error (errno set).
  long read(uint8_t* out, size_t n);
  // A stdio stream over the rest of the octets, for libpcap; the source must outlive it.
  FILE* stream();

 private:
  long read_raw(uint8_t* out, size_t n);

  int fd_ = -1;
  bool owned_ = false;
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t pos_ = 0;
  uint8_t ahead_[8] = {};
  size_t ahead_len_ = 0;
  size_t ahead_pos_ = 0;
};

// Reads lines of at most kMaxLine characters; a longer one is reported and skipped.
class LineReader {
 public:
  static constexpr size_t kMaxLine = 1 << 20;
  enum class Result { line, too_long, end, error };
  explicit LineReader(ByteSource& source) : source_(source) {}
  Result next(std::string& line);

 private:
  bool fill();
  ByteSource& source_;
  uint8_t buffer_[1 << 16];
  size_t len_ = 0;
  size_t pos_ = 0;
  bool end_ = false;
  bool failed_ = false;
};

}  // namespace capture
