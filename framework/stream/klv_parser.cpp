#include "framework/stream/klv_parser.h"

#include <limits>

#include <fmt/format.h>

namespace tarnik::framework::stream {

void KlvParser::Parse() {
  if (reader_.ReadRaw(4) != kKlvSignature) {
    throw StreamFormatError("Soubor nezačíná podpisem KLV0", 0);
  }
  header_.program = reader_.ReadString();
  header_.version = reader_.ReadString();
  header_.comment = reader_.ReadString();
  reader_.ReadListBegin();
  ReadRecords(0);
}

void KlvParser::ReadRecords(int depth) {
  while (!reader_.EndOfList()) {
    ReadRecord(depth);
    if (depth == 0) sink_->AfterRecord(reader_.position(), reader_.size());
  }
}

void KlvParser::ReadRecord(int depth) {
  const int32_t first = reader_.ReadInteger();
  if (first == -1) {
    ReadClassDefinition();
  } else {
    ReadElement(first, depth);
  }
}

void KlvParser::ReadClassDefinition() {
  KlvClassDef def;
  def.name = reader_.ReadString();
  def.number = reader_.ReadInteger();
  reader_.ReadListBegin();
  while (!reader_.EndOfList()) {
    std::string name = reader_.ReadString();
    const int32_t kind = reader_.ReadInteger();
    def.properties.emplace_back(std::move(name), kind);
  }
  sink_->ClassDefinition(def);
}

void KlvParser::ReadElement(int32_t class_number, int depth) {
  if (elements_ == std::numeric_limits<int32_t>::max()) {
    throw StreamFormatError("Příliš mnoho elementů", reader_.position());
  }
  const int32_t position = elements_++;
  sink_->BeginElement(position, class_number);
  sink_->ElementNumber(position, reader_.ReadInteger());
  reader_.ReadListBegin();
  while (!reader_.EndOfList()) {
    const int32_t index = reader_.ReadInteger();
    KlvValue value = ReadValue(depth);
    sink_->Property(position, index, value);
  }
  const size_t flag_at = reader_.position();
  const int32_t has_children = reader_.ReadInteger();
  std::vector<int32_t> children;
  if (has_children == 1) {
    reader_.ReadListBegin();
    while (!reader_.EndOfList()) children.push_back(reader_.ReadInteger());
  } else if (has_children != 0) {
    throw StreamFormatError(
        fmt::format("Chybný příznak potomků {} na pozici {}", has_children, flag_at), flag_at);
  }
  sink_->Children(position, children);
  sink_->EndElement(position);
}

KlvValue KlvParser::ReadValue(int depth) {
  switch (reader_.PeekTag()) {
    case kTagExtended:
      return reader_.ReadFloat();
    case kTagString:
    case kTagLongString:
      return reader_.ReadString();
    default:
      break;
  }
  const int32_t number = reader_.ReadInteger();
  // -2 followed by a list: the records of an element that is referenced but not in the tree.
  if (number == -2 && !reader_.AtEnd() && reader_.PeekTag() == kTagList) {
    if (depth >= kMaxInlineDepth) {
      throw StreamFormatError(
          fmt::format("Příliš hluboké vnoření odkazů na pozici {}", reader_.position()),
          reader_.position());
    }
    reader_.ReadListBegin();
    const int32_t before = elements_;
    ReadRecords(depth + 1);
    return KlvInline{elements_ > before ? elements_ - 1 : -1};
  }
  return number;
}

}  // namespace tarnik::framework::stream
