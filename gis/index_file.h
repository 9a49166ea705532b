// The side index of an attribute table: a flat array of little-endian signed 32-bit integers in
// which the entry at byte n * 4 holds the 1-based dBase record number of the record whose
// "CISLO" is n; entries no record fills hold -1 (bytes 0xFF); the file ends after the entry of
// the highest number. Entries are read one at a time (4 bytes at their offset), never the whole
// file. Numbers above kMaxIndexedNumber (an index of 64 MB) are not indexed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarnik::gis {

inline constexpr int32_t kMaxIndexedNumber = 16777215;

class IndexFile {
 public:
  // The file opened for reading; nullptr when it cannot be opened.
  static std::unique_ptr<IndexFile> Open(const std::string& path);
  ~IndexFile();
  IndexFile(const IndexFile&) = delete;
  IndexFile& operator=(const IndexFile&) = delete;

  // The entry of number n; nullopt for a negative n or one beyond the end of the file.
  std::optional<int32_t> Entry(int64_t n) const;

 private:
  IndexFile(int fd, int64_t size) : fd_(fd), size_(size) {}
  int fd_;
  int64_t size_;
};

// The entries of an index being built, grown to the highest number put (at most
// kMaxIndexedNumber + 1 entries).
class IndexBuilder {
 public:
  // False (nothing stored) for n outside 0..kMaxIndexedNumber.
  bool Put(int32_t n, int32_t record_number);
  // The file's bytes.
  std::string Bytes() const;

 private:
  std::vector<int32_t> entries_;
};

}  // namespace tarnik::gis
