// The tagged value encoding of model files: one tag byte, then its payload, integers
// little-endian. ValueWriter appends to a byte string it owns; ValueReader reads from a byte
// view the caller keeps alive for the reader's lifetime. Every read checks the remaining length
// first and throws StreamFormatError (never reads past the end, never allocates more than the
// input holds).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarnik::framework::stream {

enum Tag : uint8_t {
  kTagEndOfList = 0,
  kTagList = 1,
  kTagInt8 = 2,
  kTagInt16 = 3,
  kTagInt32 = 4,
  kTagExtended = 5,
  kTagString = 6,
  kTagLongString = 12,
};

// A tag or length error: the file cannot be read on from this position.
class StreamFormatError : public std::runtime_error {
 public:
  StreamFormatError(const std::string& what, size_t position)
      : std::runtime_error(what), position_(position) {}
  size_t position() const { return position_; }

 private:
  size_t position_;
};

// 80-bit x87 extended precision <-> double, bit by bit (independent of the host's long double).
void DoubleToExtended(double value, uint8_t out[10]);
double ExtendedToDouble(const uint8_t in[10]);

class ValueWriter {
 public:
  void WriteRaw(std::string_view bytes) { out_.append(bytes); }
  void WriteListBegin() { out_.push_back(static_cast<char>(kTagList)); }
  void WriteListEnd() { out_.push_back(static_cast<char>(kTagEndOfList)); }
  // The smallest of the three integer forms.
  void WriteInteger(int32_t value);
  void WriteFloat(double value);
  // Bytes as they stand (the caller encodes the code page); tag 6 up to 255 bytes, else 12.
  void WriteString(std::string_view bytes);

  const std::string& bytes() const { return out_; }
  std::string& bytes() { return out_; }
  size_t size() const { return out_.size(); }

 private:
  std::string out_;
};

class ValueReader {
 public:
  explicit ValueReader(std::string_view bytes) : in_(bytes) {}
  ValueReader(std::string&&) = delete;  // the bytes must outlive the reader

  size_t position() const { return pos_; }
  size_t size() const { return in_.size(); }
  bool AtEnd() const { return pos_ >= in_.size(); }

  // `count` raw bytes (signatures).
  std::string_view ReadRaw(size_t count);
  // The next tag without consuming it; throws at the end of the input.
  Tag PeekTag() const;
  // True (and consumed) when the next tag is the end of a list.
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  // Accepts tags 2, 3 and 4.
  int32_t ReadInteger();
  // Accepts tag 5 and, in its place, an integer.
  double ReadFloat();
  // Accepts tags 6 and 12; answers the raw bytes.
  std::string ReadString();
  // Skips one value of any known tag (a nested list with everything in it); nesting is bounded.
  void SkipValue(int depth = 0);

 private:
  uint8_t ReadByte();
  [[noreturn]] void Fail(const std::string& what) const;
  void Need(size_t count) const;

  std::string_view in_;
  size_t pos_ = 0;
};

// Deepest list nesting SkipValue follows.
inline constexpr int kMaxSkipDepth = 64;

}  // namespace tarnik::framework::stream
