#include "framework/stream/klv_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnik::framework::stream {
namespace {

// Records every event as a line of text.
class LogSink : public KlvSink {
 public:
  std::vector<std::string> log;
  void ClassDefinition(const KlvClassDef& def) override {
    std::string line = "class " + def.name + " #" + std::to_string(def.number);
    for (const auto& [name, kind] : def.properties) line += " " + name + ":" + std::to_string(kind);
    log.push_back(line);
  }
  void BeginElement(int32_t position, int32_t class_number) override {
    log.push_back("begin " + std::to_string(position) + " c" + std::to_string(class_number));
  }
  void Property(int32_t position, int32_t index, const KlvValue& value) override {
    std::string text;
    if (auto* i = std::get_if<int32_t>(&value)) text = "i" + std::to_string(*i);
    if (auto* f = std::get_if<double>(&value)) text = "f" + std::to_string(*f);
    if (auto* s = std::get_if<std::string>(&value)) text = "s" + *s;
    if (auto* n = std::get_if<KlvInline>(&value)) text = "inline" + std::to_string(n->position);
    log.push_back("prop " + std::to_string(position) + " " + std::to_string(index) + " " + text);
  }
  void Children(int32_t position, const std::vector<int32_t>& children) override {
    std::string line = "children " + std::to_string(position);
    for (int32_t c : children) line += " " + std::to_string(c);
    log.push_back(line);
  }
};

ValueWriter Header() {
  ValueWriter w;
  w.WriteRaw("KLV0");
  w.WriteString("Tarnik");
  w.WriteString("2000.01 ");
  w.WriteString("No comment");
  w.WriteListBegin();
  return w;
}

void ClassDef(ValueWriter& w, const std::string& name, int number) {
  w.WriteInteger(-1);
  w.WriteString(name);
  w.WriteInteger(number);
  w.WriteListBegin();
  w.WriteString("Name");
  w.WriteInteger(5);
  w.WriteListEnd();
}

TEST(KlvParser, ReportsRecordsInOrder) {
  ValueWriter w = Header();
  ClassDef(w, "TOwnerEntity", 0);
  w.WriteInteger(0);  // element 0 of class 0
  w.WriteInteger(0);
  w.WriteListBegin();
  w.WriteInteger(0);
  w.WriteString("S");
  w.WriteListEnd();
  w.WriteInteger(0);  // no children
  w.WriteInteger(0);  // element 1 with an inline reference and a child
  w.WriteInteger(1);
  w.WriteListBegin();
  w.WriteInteger(3);
  w.WriteInteger(-2);
  w.WriteListBegin();
  w.WriteInteger(0);
  w.WriteInteger(2);
  w.WriteListBegin();
  w.WriteListEnd();
  w.WriteInteger(0);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteInteger(1);
  w.WriteListBegin();
  w.WriteInteger(0);
  w.WriteListEnd();
  w.WriteListEnd();

  LogSink sink;
  KlvParser parser(w.bytes(), &sink);
  parser.Parse();
  EXPECT_EQ(parser.header().program, "Tarnik");
  EXPECT_EQ(parser.header().version, "2000.01 ");
  EXPECT_EQ(parser.element_count(), 3);
  const std::vector<std::string> expected = {"class TOwnerEntity #0 Name:5",
                                             "begin 0 c0",
                                             "prop 0 0 sS",
                                             "children 0",
                                             "begin 1 c0",
                                             "begin 2 c0",
                                             "children 2",
                                             "prop 1 3 inline2",
                                             "children 1 0"};
  EXPECT_EQ(sink.log, expected);
}

TEST(KlvParser, StructuralFaultsStop) {
  LogSink sink;
  // Wrong signature.
  const std::string tpf = "TPF0";
  EXPECT_THROW(KlvParser(tpf, &sink).Parse(), StreamFormatError);
  // Truncated in the middle of an element record.
  ValueWriter w = Header();
  ClassDef(w, "TOwnerEntity", 0);
  w.WriteInteger(0);
  w.WriteInteger(0);
  w.WriteListBegin();
  const std::string truncated = w.bytes();
  EXPECT_THROW(KlvParser(truncated, &sink).Parse(), StreamFormatError);
  // A child flag other than 0 or 1.
  w.WriteListEnd();
  w.WriteInteger(7);
  const std::string bad_flag = w.bytes();
  EXPECT_THROW(KlvParser(bad_flag, &sink).Parse(), StreamFormatError);
  // Inline references nested deeper than the limit.
  ValueWriter deep = Header();
  for (int i = 0; i <= kMaxInlineDepth + 1; ++i) {
    deep.WriteInteger(0);
    deep.WriteInteger(0);
    deep.WriteListBegin();
    deep.WriteInteger(0);
    deep.WriteInteger(-2);
    deep.WriteListBegin();
  }
  const std::string deep_bytes = deep.bytes();
  EXPECT_THROW(KlvParser(deep_bytes, &sink).Parse(), StreamFormatError);
}

}  // namespace
}  // namespace tarnik::framework::stream
