// The structure of the current model file format ("KLV0"), read without knowing the classes:
// KlvParser walks the bytes and reports class definitions and element records to a KlvSink in
// file order. The parser owns nothing of the sink's; it checks every tag, length, count and the
// nesting of inline references, and throws StreamFormatError on the first structural fault
// (the caller stops there). Semantic checks (class numbers, property indexes, child numbers)
// belong to the sink, which knows what has been loaded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "framework/stream/value_io.h"

namespace tarnik::framework::stream {

inline constexpr char kKlvSignature[] = "KLV0";
inline constexpr char kTpfSignature[] = "TPF0";
inline constexpr char kProgramName[] = "Tarnik";
inline constexpr char kFormatVersion[] = "2000.01 ";
inline constexpr char kNoComment[] = "No comment";
// Deepest nesting of inline referenced elements.
inline constexpr int kMaxInlineDepth = 32;

struct KlvClassDef {
  std::string name;  // as stored (Windows-1250 bytes)
  int32_t number = 0;
  std::vector<std::pair<std::string, int32_t>> properties;  // name, kind code
};

// A property value as the file holds it. An integer may also be an element number (tkClass);
// Inline is the position of the last element of a nested record list.
struct KlvInline {
  int32_t position;  // -1 when the nested list held no element record
};
using KlvValue = std::variant<int32_t, double, std::string, KlvInline>;

class KlvSink {
 public:
  virtual ~KlvSink() = default;
  virtual void ClassDefinition(const KlvClassDef& def) = 0;
  // An element record begins; `position` is its place among all element records so far.
  virtual void BeginElement(int32_t position, int32_t class_number) = 0;
  virtual void ElementNumber(int32_t position, int32_t number) {}
  virtual void Property(int32_t position, int32_t index, const KlvValue& value) = 0;
  virtual void Children(int32_t position, const std::vector<int32_t>& children) = 0;
  virtual void EndElement(int32_t position) {}
  // Called after every top-level record with the stream position (for progress reports).
  virtual void AfterRecord(size_t position, size_t size) {}
};

struct KlvHeader {
  std::string program;
  std::string version;
  std::string comment;
};

class KlvParser {
 public:
  // `bytes` must outlive the parser.
  KlvParser(std::string_view bytes, KlvSink* sink) : reader_(bytes), sink_(sink) {}

  // Reads signature, header and body. Throws StreamFormatError on a structural fault.
  void Parse();

  const KlvHeader& header() const { return header_; }
  int32_t element_count() const { return elements_; }
  size_t position() const { return reader_.position(); }

 private:
  void ReadRecords(int depth);
  void ReadRecord(int depth);
  void ReadClassDefinition();
  void ReadElement(int32_t class_number, int depth);
  KlvValue ReadValue(int depth);

  ValueReader reader_;
  KlvSink* sink_;
  KlvHeader header_;
  int32_t elements_ = 0;
};

}  // namespace tarnik::framework::stream
