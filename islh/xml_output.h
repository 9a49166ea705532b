// A buffered text file in Windows-1250 with CR LF line ends. Text is given as UTF-8; a character
// that Windows-1250 lacks is written as a numeric character reference. The buffer is bounded and
// flushed when full, on Flush and on Close, so memory does not grow with the document and a
// stopped export leaves the file complete up to the last flush. Write failures throw.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tarnik::islh {

class TXmlOutput {
 public:
  TXmlOutput() = default;
  ~TXmlOutput();
  TXmlOutput(const TXmlOutput&) = delete;
  TXmlOutput& operator=(const TXmlOutput&) = delete;

  // Creates or truncates the file; throws std::runtime_error with a Czech text on failure.
  void Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

  void WriteText(std::string_view utf8);
  void WriteLine(std::string_view utf8);
  // ` name="value"`: the same bytes as WriteText of that text, with one check of the buffer.
  void WriteAttribute(std::string_view name, std::string_view value);
  void Flush();
  // Flushes, syncs to the disk and closes; errors on the way throw.
  void Close();
  // Bytes written so far, buffered ones included.
  size_t Size() const { return written_ + buffer_.size(); }
  // Unbuffered, every piece goes to the file at once (for measurements); buffered by default.
  void SetBuffered(bool buffered) { limit_ = buffered ? kBufferSize : 0; }
  // True after a write to the file failed.
  bool Failed() const { return failed_; }

  static constexpr size_t kBufferSize = 64 * 1024;

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  std::string buffer_;
  size_t limit_ = kBufferSize;
  size_t written_ = 0;
  bool failed_ = false;
};

}  // namespace tarnik::islh
