#include "gis/dbf_header.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/text.h"

namespace tarnik::gis {
namespace {

constexpr size_t kFileHeader = 32;
constexpr size_t kFieldDescriptor = 32;
constexpr unsigned char kTerminator = 0x0D;

uint32_t U32(std::string_view b, size_t at) {
  return uint32_t{static_cast<unsigned char>(b[at])} |
         uint32_t{static_cast<unsigned char>(b[at + 1])} << 8 |
         uint32_t{static_cast<unsigned char>(b[at + 2])} << 16 |
         uint32_t{static_cast<unsigned char>(b[at + 3])} << 24;
}

int U16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::optional<DbfLayout> Refuse(std::string* problem, std::string text) {
  if (problem) *problem = std::move(text);
  return std::nullopt;
}

}  // namespace

int DbfLayout::FieldIndex(std::string_view name) const {
  const std::string upper = platform::UpperAscii(name);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (platform::UpperAscii(fields[i].name) == upper) return static_cast<int>(i);
  }
  return -1;
}

std::optional<DbfLayout> DecodeDbfHeader(std::string_view header, int64_t file_size,
                                         std::string* problem) {
  if (header.size() < kFileHeader) return Refuse(problem, "hlavička je kratší než 32 bajtů");
  DbfLayout layout;
  layout.record_count = U32(header, 4);
  layout.header_length = U16(header, 8);
  layout.record_length = U16(header, 10);
  layout.language_driver = static_cast<uint8_t>(header[29]);
  const size_t header_length = static_cast<size_t>(layout.header_length);
  if (header_length < kFileHeader + 1) return Refuse(problem, "chybná délka hlavičky");
  if (header.size() < header_length) return Refuse(problem, "hlavička je delší než soubor");
  if (layout.record_length < 1) return Refuse(problem, "chybná délka záznamu");
  int offset = 1;
  size_t at = kFileHeader;
  for (;;) {
    if (at >= header_length) return Refuse(problem, "hlavička nemá ukončení popisu polí");
    if (static_cast<unsigned char>(header[at]) == kTerminator) break;
    if (at + kFieldDescriptor > header_length) {
      return Refuse(problem, "popis pole přesahuje hlavičku");
    }
    const std::string_view d = header.substr(at, kFieldDescriptor);
    DbfField field;
    field.name = platform::TrimRight(d.substr(0, d.substr(0, 11).find('\0')));
    field.type = d[11];
    field.width = static_cast<unsigned char>(d[16]);
    field.decimals =
        (field.type == 'N' || field.type == 'F') ? static_cast<unsigned char>(d[17]) : 0;
    field.offset = offset;
    if (field.name.empty()) return Refuse(problem, "pole bez jména");
    if (field.width < 1) return Refuse(problem, "pole " + field.name + " nemá šířku");
    offset += field.width;
    if (offset > layout.record_length) {
      return Refuse(problem, "pole " + field.name + " přesahuje délku záznamu");
    }
    layout.fields.push_back(std::move(field));
    at += kFieldDescriptor;
  }
  const int64_t needed =
      static_cast<int64_t>(header_length) + layout.record_count * layout.record_length;
  if (file_size < needed) {
    return Refuse(problem, "soubor je kratší, než udává hlavička (" +
                               std::to_string(layout.record_count) + " záznamů)");
  }
  return layout;
}

std::optional<DbfLayout> ReadDbfLayout(const std::string& path, std::string* problem) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Refuse(problem, "soubor nelze otevřít");
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Refuse(problem, "soubor nelze otevřít");
  }
  // The header length is a 16-bit number: at most 65535 bytes are read.
  std::string header(std::min<int64_t>(st.st_size, 65535), '\0');
  size_t done = 0;
  while (done < header.size()) {
    const ssize_t got =
        ::pread(fd, header.data() + done, header.size() - done, static_cast<off_t>(done));
    if (got <= 0) break;
    done += static_cast<size_t>(got);
  }
  ::close(fd);
  header.resize(done);
  return DecodeDbfHeader(header, st.st_size, problem);
}

}  // namespace tarnik::gis
