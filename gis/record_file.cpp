#include "gis/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarnik::gis {
namespace {

constexpr int64_t kWindowBytes = 64 * 1024;

int OpenRegularFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::unique_ptr<RecordFile> RecordFile::Open(const std::string& path, int record_size) {
  if (record_size <= 0) return nullptr;
  const int fd = OpenRegularFile(path);
  if (fd < 0) return nullptr;
  struct stat st;
  ::fstat(fd, &st);
  const int64_t count = static_cast<int64_t>(st.st_size) / record_size;
  return std::unique_ptr<RecordFile>(new RecordFile(fd, path, record_size, count));
}

RecordFile::RecordFile(int fd, std::string path, int record_size, int64_t count)
    : fd_(fd),
      path_(std::move(path)),
      record_size_(record_size),
      count_(count),
      window_records_(std::max<int64_t>(1, kWindowBytes / record_size)) {}

RecordFile::~RecordFile() { ::close(fd_); }

void RecordFile::Fill(int64_t first) {
  const int64_t records = std::min(window_records_, count_ - first);
  const size_t bytes = static_cast<size_t>(records * record_size_);
  window_.resize(bytes);
  size_t done = 0;
  while (done < bytes) {
    const ssize_t got = ::pread(fd_, window_.data() + done, bytes - done,
                                static_cast<off_t>(first * record_size_ + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      window_count_ = 0;
      throw BlockFileError("Chyba čtení souboru " + path_);
    }
    done += static_cast<size_t>(got);
  }
  window_first_ = first;
  window_count_ = records;
}

void RecordFile::Read(int64_t n, uint8_t* out) {
  if (!Holds(n)) {
    throw BlockFileError("Záznam " + std::to_string(n) + " není v souboru " + path_);
  }
  if (n < window_first_ || n >= window_first_ + window_count_) {
    // Behind the window: the walk goes backward, so the new window ends at n.
    const bool backward = window_count_ > 0 && n < window_first_;
    Fill(backward ? std::max<int64_t>(0, n - window_records_ + 1) : n);
  }
  std::memcpy(out, window_.data() + (n - window_first_) * record_size_,
              static_cast<size_t>(record_size_));
}

std::unique_ptr<TextLineFile> TextLineFile::Open(const std::string& path) {
  const int fd = OpenRegularFile(path);
  if (fd < 0) return nullptr;
  return std::unique_ptr<TextLineFile>(new TextLineFile(fd));
}

TextLineFile::~TextLineFile() { ::close(fd_); }

int TextLineFile::Peek() {
  if (pos_ == end_) {
    if (eof_) return -1;
    ssize_t got;
    do {
      got = ::read(fd_, buffer_.data(), buffer_.size());
    } while (got < 0 && errno == EINTR);
    if (got < 0) throw BlockFileError("Chyba čtení textového souboru");
    if (got == 0) {
      eof_ = true;
      return -1;
    }
    pos_ = 0;
    end_ = static_cast<size_t>(got);
  }
  return static_cast<unsigned char>(buffer_[pos_]);
}

int TextLineFile::Next() {
  const int c = Peek();
  if (c >= 0) ++pos_;
  return c;
}

std::optional<std::string> TextLineFile::NextLine() {
  int c = Next();
  if (c < 0) return std::nullopt;
  std::string line;
  while (c >= 0 && c != '\n' && c != '\r') {
    if (line.size() < kMaxTextLine) line.push_back(static_cast<char>(c));
    c = Next();
  }
  if (c == '\r' && Peek() == '\n') Next();
  return line;
}

}  // namespace tarnik::gis
