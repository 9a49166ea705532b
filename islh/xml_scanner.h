// The byte scanner of the ISLH import: turns the bytes of a document into its tags, one at a time,
// with the attribute values decoded (the five predefined entities and numeric character
// references replaced, Windows-1250 or, when the XML declaration names it, UTF-8 converted to
// the program's UTF-8). Character data, comments, processing instructions, declarations (with
// an internal subset) and CDATA sections are read past. Lines end at CR LF, CR or LF.
//
// The scanner reads from memory or from a file block by block, so its memory does not grow with
// the document; a name, a value or a tag longer than the bounds below is cut off and reported.
// Malformed attributes are reported through the callback with the line (the tag is still
// answered with the attributes that were read); nothing throws except a file that cannot be
// read. The scanner borrows the file and the callback, which must outlive it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace tarnik::islh {

struct XmlAttribute {
  std::string name;   // UTF-8
  std::string value;  // UTF-8, references decoded
};

struct XmlTag {
  enum class Kind { kStart, kEnd };
  Kind kind = Kind::kStart;
  std::string name;  // UTF-8
  std::vector<XmlAttribute> attributes;
  bool empty = false;  // a start tag closed by "/>" (or one that could not be finished)
  size_t line = 0;     // the line of its "<", counted from 1
};

class XmlScanner {
 public:
  // Called for every problem met, with its Czech text and severity.
  using Report = std::function<void(const std::string& text, platform::Severity severity)>;

  // Bounds: longer names and values are cut, further attributes of a tag are dropped.
  static constexpr size_t kMaxNameBytes = 256;
  static constexpr size_t kMaxValueBytes = 1 << 20;
  static constexpr size_t kMaxAttributes = 1024;
  static constexpr size_t kBlockSize = 64 * 1024;

  // Over bytes in memory (the view must outlive the scanner).
  XmlScanner(std::string_view bytes, Report report);
  // Over an open file, read from its current position; `size` is its length for the progress.
  XmlScanner(std::FILE* file, uint64_t size, Report report);

  // The next tag; false at the end of the input. Throws std::runtime_error when the file cannot
  // be read.
  bool Next(XmlTag& tag);

  size_t line() const { return line_; }
  // Bytes read so far and the input's size.
  uint64_t position() const { return consumed_ + pos_; }
  uint64_t size() const { return size_; }
  // True once the XML declaration named UTF-8 (or the input began with its byte order mark).
  bool utf8() const { return utf8_; }

  // Called with the position whenever it passes another multiple of `step` bytes.
  void SetProgress(uint64_t step, std::function<void(uint64_t)> progress);

 private:
  // -1 at the end of the input.
  int Peek() {
    if (pos_ < end_) return static_cast<unsigned char>(data_[pos_]);
    return Refill() ? static_cast<unsigned char>(data_[pos_]) : -1;
  }
  // Takes the next byte (the caller has peeked it), counting lines and progress.
  void Take();
  bool Refill();
  // Whether the input continues with `text` (not taken).
  bool LooksAt(std::string_view text);
  void SkipBlanks();
  // Reads past the end of a comment, a CDATA section, a processing instruction or a declaration
  // (after their opening characters were taken).
  void SkipUntil(std::string_view terminator);
  void SkipDeclaration();
  void ReadProcessingInstruction();
  // A name: bytes up to a blank or one of = > / < ' ". Cut at kMaxNameBytes.
  std::string ReadName();
  void ReadStartTag(XmlTag& tag);
  void ReadEndTag(XmlTag& tag);
  // After "=": the quoted value into `raw`; false (after the report) when it is missing or
  // unterminated. `tag_ends` is set when the tag cannot go on.
  bool ReadValue(const std::string& name, std::string& raw, bool& tag_ends);
  // Raw bytes of the document's encoding to UTF-8 with the references decoded.
  std::string Decode(std::string_view raw) const;
  std::string ToUtf8(std::string_view raw) const;
  void Problem(const std::string& text,
               platform::Severity severity = platform::Severity::kPassedOver);

  std::FILE* file_ = nullptr;
  std::string block_;  // the file's current block
  const char* data_ = nullptr;
  size_t pos_ = 0, end_ = 0;
  uint64_t consumed_ = 0;  // bytes before data_
  uint64_t size_ = 0;
  bool at_start_ = true;
  size_t line_ = 1;
  bool after_cr_ = false;
  bool utf8_ = false;
  Report report_;
  uint64_t progress_step_ = 0, next_progress_ = 0;
  std::function<void(uint64_t)> progress_;
};

}  // namespace tarnik::islh
