#include "testing/part_files_writer.h"

#include <shapefil.h>

#include <stdexcept>

#include "platform/encoding.h"
#include "platform/fs.h"

namespace tarnik::testing {
namespace {

// The record layout as the plan's part files define it: position and width of D1 to D65.
constexpr std::pair<int, int> kFields[65] = {
    {1, 5},   {6, 1},   {7, 2},   {9, 2},   {11, 1},  {12, 2},  {14, 3},  {17, 1},  {18, 2},
    {20, 3},  {23, 2},  {25, 2},  {27, 1},  {28, 1},  {29, 5},  {34, 3},  {37, 4},  {41, 3},
    {44, 3},  {47, 5},  {52, 3},  {55, 2},  {57, 3},  {60, 3},  {63, 4},  {67, 2},  {69, 2},
    {71, 2},  {73, 1},  {74, 4},  {78, 3},  {81, 5},  {86, 2},  {88, 2},  {90, 2},  {92, 2},
    {94, 1},  {95, 2},  {97, 4},  {101, 5}, {106, 3}, {109, 4}, {113, 2}, {115, 4}, {119, 2},
    {121, 1}, {122, 4}, {126, 2}, {128, 1}, {129, 4}, {133, 2}, {135, 1}, {136, 4}, {140, 2},
    {142, 1}, {143, 4}, {147, 2}, {149, 2}, {151, 1}, {152, 2}, {154, 1}, {155, 1}, {156, 2},
    {158, 2}, {160, 1},
};

void Write(const std::string& path, const std::string& bytes) {
  if (!platform::WriteFileBytes(path, bytes)) throw std::runtime_error("cannot write " + path);
}

std::string Cp1250(std::string_view utf8) {
  std::string bytes;
  platform::Utf8ToCp1250(utf8, &bytes);
  return bytes;
}

}  // namespace

std::pair<int, int> PartFieldAt(int n) { return kFields[n - 1]; }

PartLine::PartLine() : bytes_(160, ' ') {}

PartLine& PartLine::Set(int n, std::string_view utf8) {
  const auto [position, width] = PartFieldAt(n);
  std::string value = Cp1250(utf8).substr(0, width);
  value.resize(width, ' ');
  bytes_.replace(position - 1, width, value);
  return *this;
}

std::string PartLine::Field(int n) const {
  const auto [position, width] = PartFieldAt(n);
  return bytes_.substr(position - 1, width);
}

std::string PartFileBytes(const std::vector<PartLine>& lines, bool closing_eof) {
  std::string bytes;
  for (const PartLine& line : lines) bytes += line.Bytes() + "\r\n";
  if (closing_eof) bytes += '\x1a';
  return bytes;
}

void WritePartFile(const std::string& path, const std::vector<PartLine>& lines, bool closing_eof) {
  Write(path, PartFileBytes(lines, closing_eof));
}

std::string DescriptionBytes(const std::vector<DescriptionStrings>& records) {
  std::string bytes;
  for (const DescriptionStrings& record : records) {
    for (const std::string& text : record) {
      std::string value = Cp1250(text).substr(0, 88);
      std::string slot(89, '\0');
      slot[0] = static_cast<char>(value.size());
      slot.replace(1, value.size(), value);
      bytes += slot;
    }
  }
  return bytes;
}

void WriteDescriptionFile(const std::string& path, const std::vector<DescriptionStrings>& records) {
  Write(path, DescriptionBytes(records));
}

void WritePartTable(const std::string& path, const std::vector<PartLine>& lines) {
  DBFHandle dbf = DBFCreate(path.c_str());
  if (!dbf) throw std::runtime_error("cannot create " + path);
  for (int n = 1; n <= 65; ++n)
    DBFAddField(dbf, ("D" + std::to_string(n)).c_str(), FTString, PartFieldAt(n).second, 0);
  for (size_t row = 0; row < lines.size(); ++row) {
    for (int n = 1; n <= 65; ++n)
      DBFWriteStringAttribute(dbf, static_cast<int>(row), n - 1, lines[row].Field(n).c_str());
  }
  DBFClose(dbf);
}

namespace {

// A species record of the sample: compartment, sub-compartment, owner (kind and code), group,
// area, age, species with share and volume.
struct SampleRecord {
  const char* odd;
  const char* dil;
  const char* owner_kind_and_code;  // D10
  const char* owner_high;           // D31
  const char* group;                // D16
  const char* area;                 // D17
  const char* age;                  // D18
  const char* species;              // D23
  const char* share;                // D24
  const char* volume;               // D32
};

PartLine SampleLine(const SampleRecord& s) {
  PartLine line;
  line.Set(1, "Sněžn").Set(2, "6").Set(3, "15").Set(4, "20").Set(5, "3");
  line.Set(6, "01").Set(7, s.odd).Set(8, s.dil).Set(9, "10").Set(10, s.owner_kind_and_code);
  line.Set(13, "2").Set(14, "0").Set(16, s.group).Set(17, s.area).Set(18, s.age);
  line.Set(19, "501").Set(59, "0").Set(20, "12010").Set(21, "6K1").Set(22, "10");
  line.Set(23, s.species).Set(24, s.share).Set(25, "0100").Set(26, "28").Set(27, "34");
  line.Set(28, "28").Set(30, "0420").Set(31, s.owner_high).Set(32, s.volume);
  line.Set(37, "1").Set(38, "1").Set(45, "B").Set(46, "2").Set(60, "03").Set(61, "C");
  line.Set(62, "1").Set(64, "02");
  return line;
}

}  // namespace

void WriteSamplePartFiles(const std::string& dir) {
  platform::ForceDirectories(dir);
  std::vector<PartLine> first = {
      SampleLine({"11", "a", "101", "0", "11", "0250", "115", "SM", "070", "00620"}),
      SampleLine({"11", "a", "101", "0", "11", "0250", "115", "BK", "030", "00210"}),
      SampleLine({"11", "a", "101", "0", "04", "0130", "035", "SM", "100", "00180"}),
      SampleLine({"11", "b", "101", "0", "08", "0310", "075", "SM", "060", "00900"}),
      SampleLine({"11", "b", "101", "0", "08", "0310", "075", "JD", "040", "00560"}),
      SampleLine({"12", "a", "101", "0", "09", "0200", "085", "SM", "100", "00640"}),
      SampleLine({"12", "a", "407", "2", "10", "0150", "095", "BO", "100", "00500"}),
      SampleLine({"12", "a", "101", "0", "06", "0080", "055", "MD", "100", "00190"}),
      SampleLine({"12", "b", "101", "0", "0", "0090", "000", "", "", ""}),
      SampleLine({"13", "a", "101", "0", "12", "0420", "120", "SM", "080", "01500"}),
  };
  // Thinning in the pole stand, regeneration felling in the old one, afforestation of the
  // clearing 12b with spruce and beech.
  first[2].Set(42, "0130").Set(43, "12").Set(44, "0022");
  first[0].Set(39, "0100").Set(40, "00248");
  first[8].Set(47, "0090").Set(48, "01").Set(49, "1").Set(50, "0060");
  first[8].Set(51, "50").Set(52, "1").Set(53, "0030");
  first[3].Set(33, "21").Set(34, "02");
  WritePartFile(platform::JoinPath(dir, "615203.01V"), first);
  WriteDescriptionFile(
      platform::JoinPath(dir, "61520301.tlh"),
      {{"11a", "smrková kmenovina", "", "", "bez poškození", "obnova clonnou sečí", "", "smrk, buk",
        ""},
       {"11b", "smrk s jedlí", "", "", "loupání zvěří", "výchova", "", "smrk, jedle", ""},
       {"12a", "dvojí vlastník", "", "", "", "", "", "", ""},
       {"12b", "holina", "", "", "", "zalesnit", "", "", ""},
       {"13a", "smrková tyčovina", "", "", "", "", "", "", ""}});
  WritePartFile(platform::JoinPath(dir, "615203.02V"),
                {SampleLine({"13", "a", "101", "0", "12", "0420", "120", "BK", "020", "00380"}),
                 SampleLine({"13", "b", "101", "0", "03", "0210", "025", "SM", "100", "00090"})});
}

}  // namespace tarnik::testing
