// Fuzz target of the attribute tables and their index: the input is a dBase table and its
// ".IND" file, each as a little-endian 32-bit length followed by that many bytes (a length
// beyond the input takes the rest; an index of length 0xFFFFFFFF is left out, so it is built).
// Numbers 0 to 20 and a few far ones are looked up, every field of each record found is read,
// one is written, and the lookups repeat after the index is deleted. Nothing may crash, leak or
// read outside the files. Seeds are tables written by testing/dbf_writer.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/quiet_ui.h"
#include "gis/dbf_header.h"
#include "gis/dbf_table.h"
#include "platform/fs.h"

namespace {

using namespace tarnik;

// A temporary directory removed when the process ends.
struct TempTree {
  explicit TempTree(std::string p) : path(std::move(p)) {}
  ~TempTree() { platform::RemoveTree(path); }
  std::string path;
};

const std::string& Directory() {
  static const TempTree base(platform::MakeTempDirectory("tarnik-fuzz-table"));
  static const std::string& dir = base.path;
  return dir;
}

std::string_view NextPart(std::string_view& input, bool* present) {
  *present = false;
  if (input.size() < 4) return {};
  const auto* p = reinterpret_cast<const unsigned char*>(input.data());
  const uint32_t length =
      uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  input.remove_prefix(4);
  *present = length != 0xFFFFFFFFu;
  const size_t take = *present ? std::min<size_t>(length, input.size()) : 0;
  const std::string_view part = input.substr(0, take);
  input.remove_prefix(take);
  return part;
}

void LookUp(gis::TKarmoDBFTable& table) {
  for (const int32_t n : {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,   10,    11,       12,
                          13, 14, 15, 16, 17, 18, 19, 20, -1, 255, 65536, 16777215, 2147483647}) {
    try {
      if (!table.LocateNumber(n)) continue;
      for (const char* name : {"CISLO", "POPIS", "PLOCHA", "P0001.POPIS", "X"}) {
        if (table.HasField(name)) table.FieldText(name);
      }
    } catch (const std::exception&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::InstallQuietUi();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  bool has_table = false, has_index = false;
  const std::string_view table_bytes = NextPart(input, &has_table);
  const std::string_view index_bytes = NextPart(input, &has_index);
  const std::string table_path = platform::JoinPath(Directory(), "P0001.DBF");
  const std::string index_path = platform::JoinPath(Directory(), "P0001.IND");
  platform::DeleteFile(index_path);
  platform::WriteFileBytes(table_path, table_bytes);
  if (has_index) platform::WriteFileBytes(index_path, index_bytes);
  {
    gis::TKarmoDBFTable table;
    if (table.OpenTable(table_path)) {
      LookUp(table);
      platform::DeleteFile(index_path);
      table.RebuildIndex();
      LookUp(table);
      table.SetReadOnly(false);
      if (table.OpenTable(table_path) && table.LocateNumber(1)) {
        try {
          table.SetFieldText("POPIS", "žluťoučký kůň");
          table.SetFieldText("PLOCHA", "12,5");
        } catch (const std::exception&) {
        }
      }
      table.Close();
    }
  }
  platform::DeleteFile(index_path);
  return 0;
}
