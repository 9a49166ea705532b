// Bounded, buffered reading of block files. RecordFile reads a file of fixed-size records
// through a window of about 64 KiB: a record is copied from the window or the window is moved to
// it (ahead of it when reading forward, behind it when reading backward), so walks in either
// direction read the file in large pieces and a record is never read past the file's end.
// TextLineFile reads a text file line by line with at most kMaxTextLine bytes kept per line.
// Both own their file descriptor; failures of the system calls throw BlockFileError.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnik::gis {

class BlockFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class RecordFile {
 public:
  // The file opened for reading, or nullptr when it cannot be opened (or is no regular file).
  // `record_size` must be positive.
  static std::unique_ptr<RecordFile> Open(const std::string& path, int record_size);
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  const std::string& path() const { return path_; }
  int record_size() const { return record_size_; }
  // Whole records in the file when it was opened (a trailing partial record does not count).
  int64_t RecordCount() const { return count_; }
  bool Holds(int64_t n) const { return n >= 0 && n < count_; }
  // Copies record n (record_size bytes) into `out`. Throws BlockFileError for n outside
  // 0..RecordCount()-1 or when the file cannot be read there (it shrank meanwhile).
  void Read(int64_t n, uint8_t* out);

 private:
  RecordFile(int fd, std::string path, int record_size, int64_t count);
  void Fill(int64_t first);

  int fd_;
  std::string path_;
  int record_size_;
  int64_t count_;
  int64_t window_records_;
  std::vector<uint8_t> window_;
  int64_t window_first_ = 0;
  int64_t window_count_ = 0;
};

// The most bytes of one line a TextLineFile keeps; the rest of a longer line is skipped.
inline constexpr size_t kMaxTextLine = 4096;

class TextLineFile {
 public:
  static std::unique_ptr<TextLineFile> Open(const std::string& path);
  ~TextLineFile();
  TextLineFile(const TextLineFile&) = delete;
  TextLineFile& operator=(const TextLineFile&) = delete;

  // The next line without its end (CR LF, LF or CR), its bytes as they are; nullopt at the end
  // of the file.
  std::optional<std::string> NextLine();

 private:
  explicit TextLineFile(int fd) : fd_(fd) {}
  // The next byte, -1 at the end.
  int Next();
  int Peek();

  int fd_;
  std::vector<char> buffer_ = std::vector<char>(64 * 1024);
  size_t pos_ = 0;
  size_t end_ = 0;
  bool eof_ = false;
};

}  // namespace tarnik::gis
