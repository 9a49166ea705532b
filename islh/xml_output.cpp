#include "islh/xml_output.h"

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "platform/encoding.h"

namespace tarnik::islh {

TXmlOutput::~TXmlOutput() {
  if (!file_) return;
  try {
    Flush();
  } catch (...) {
  }
  std::fclose(file_);
}

void TXmlOutput::Open(const std::string& path) {
  if (file_) Close();
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) throw std::runtime_error("Nelze vytvořit soubor " + path);
  path_ = path;
  buffer_.clear();
  buffer_.reserve(kBufferSize);
  written_ = 0;
  failed_ = false;
}

namespace {
bool IsAscii(std::string_view text) {
  // Eight bytes at a time: any byte with its high bit set makes the text not ASCII.
  const char* p = text.data();
  size_t n = text.size();
  uint64_t high = 0;
  for (; n >= 8; p += 8, n -= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    high |= word;
  }
  for (; n > 0; ++p, --n) high |= static_cast<unsigned char>(*p);
  return (high & 0x8080808080808080ULL) == 0;
}
}  // namespace

void TXmlOutput::WriteText(std::string_view utf8) {
  if (!file_) throw std::runtime_error("Výstupní soubor není otevřen");
  if (IsAscii(utf8)) {
    buffer_.append(utf8);
  } else {
    buffer_ += platform::Utf8ToCp1250Xml(utf8);
  }
  if (buffer_.size() >= limit_) Flush();
}

void TXmlOutput::WriteAttribute(std::string_view name, std::string_view value) {
  if (!file_) throw std::runtime_error("Výstupní soubor není otevřen");
  if (IsAscii(name) && IsAscii(value)) {
    // The usual case: the bytes are copied as they are, into room made once.
    const size_t at = buffer_.size();
    buffer_.resize(at + name.size() + value.size() + 4);
    char* p = buffer_.data() + at;
    *p++ = ' ';
    std::memcpy(p, name.data(), name.size());
    p += name.size();
    *p++ = '=';
    *p++ = '"';
    std::memcpy(p, value.data(), value.size());
    p += value.size();
    *p = '"';
  } else {
    buffer_.push_back(' ');
    buffer_ += IsAscii(name) ? std::string(name) : platform::Utf8ToCp1250Xml(name);
    buffer_.append("=\"");
    buffer_ += IsAscii(value) ? std::string(value) : platform::Utf8ToCp1250Xml(value);
    buffer_.push_back('"');
  }
  if (buffer_.size() >= limit_) Flush();
}

void TXmlOutput::WriteLine(std::string_view utf8) {
  WriteText(utf8);
  buffer_ += "\r\n";
  if (buffer_.size() >= limit_) Flush();
}

void TXmlOutput::Flush() {
  if (!file_ || buffer_.empty()) return;
  size_t n = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  if (n != buffer_.size() || std::fflush(file_) != 0) {
    buffer_.erase(0, n);
    written_ += n;
    failed_ = true;
    throw std::runtime_error("Chyba zápisu do souboru " + path_);
  }
  written_ += n;
  buffer_.clear();
}

void TXmlOutput::Close() {
  if (!file_) return;
  Flush();
  std::FILE* f = file_;
  file_ = nullptr;
  // On the disk before anyone renames the file over an older one.
  const bool synced = ::fsync(::fileno(f)) == 0;
  if (std::fclose(f) != 0 || !synced) {
    failed_ = true;
    throw std::runtime_error("Chyba zápisu do souboru " + path_);
  }
}

}  // namespace tarnik::islh
