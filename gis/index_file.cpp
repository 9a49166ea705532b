#include "gis/index_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>

namespace tarnik::gis {

std::unique_ptr<IndexFile> IndexFile::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<IndexFile>(new IndexFile(fd, st.st_size));
}

IndexFile::~IndexFile() { ::close(fd_); }

std::optional<int32_t> IndexFile::Entry(int64_t n) const {
  if (n < 0 || n > (size_ - 4) / 4 || size_ < 4) return std::nullopt;
  unsigned char b[4];
  ssize_t got;
  do {
    got = ::pread(fd_, b, sizeof b, static_cast<off_t>(n * 4));
  } while (got < 0 && errno == EINTR);
  if (got != 4) return std::nullopt;
  const uint32_t v =
      uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
  return static_cast<int32_t>(v);
}

bool IndexBuilder::Put(int32_t n, int32_t record_number) {
  if (n < 0 || n > kMaxIndexedNumber) return false;
  if (static_cast<size_t>(n) >= entries_.size()) entries_.resize(static_cast<size_t>(n) + 1, -1);
  entries_[static_cast<size_t>(n)] = record_number;
  return true;
}

std::string IndexBuilder::Bytes() const {
  std::string out(entries_.size() * 4, '\0');
  if (entries_.empty()) return out;  // a table without a number the index can hold
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out.data(), entries_.data(), out.size());
  } else {
    for (size_t i = 0; i < entries_.size(); ++i) {
      const auto v = static_cast<uint32_t>(entries_[i]);
      for (size_t b = 0; b < 4; ++b) out[i * 4 + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
    }
  }
  return out;
}

}  // namespace tarnik::gis
