#include "framework/stream/value_io.h"

#include <cmath>
#include <cstring>

#include <fmt/format.h>

namespace tarnik::framework::stream {

void DoubleToExtended(double value, uint8_t out[10]) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  uint64_t mantissa = 0;
  int ext_exponent = 0;
  if (exponent == 0x7FF) {  // infinity or NaN
    ext_exponent = 0x7FFF;
    mantissa = (uint64_t{1} << 63) | (fraction << 11);
    if (fraction != 0) mantissa |= uint64_t{1} << 62;  // quiet NaN
  } else if (exponent == 0) {
    if (fraction != 0) {  // subnormal double: normalise, extended has the range for it
      int shift = 0;
      while ((fraction & (uint64_t{1} << 52)) == 0) {
        fraction <<= 1;
        ++shift;
      }
      ext_exponent = 1 - 1023 - shift + 16383;
      mantissa = fraction << 11;
    }
  } else {
    ext_exponent = exponent - 1023 + 16383;
    mantissa = (uint64_t{1} << 63) | (fraction << 11);
  }
  for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  const uint16_t top = static_cast<uint16_t>(ext_exponent | (negative ? 0x8000 : 0));
  out[8] = static_cast<uint8_t>(top & 0xFF);
  out[9] = static_cast<uint8_t>(top >> 8);
}

double ExtendedToDouble(const uint8_t in[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(in[i]) << (8 * i);
  const uint16_t top = static_cast<uint16_t>(in[8] | (in[9] << 8));
  const bool negative = (top & 0x8000) != 0;
  const int exponent = top & 0x7FFF;
  double result;
  if (exponent == 0x7FFF) {
    result = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  } else if (mantissa == 0) {
    result = 0.0;
  } else {
    // mantissa * 2^(exponent - 16383 - 63); ldexp saturates to infinity or zero as needed.
    const int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    result = std::ldexp(static_cast<double>(mantissa), e);
  }
  return negative ? -result : result;
}

void ValueWriter::WriteInteger(int32_t value) {
  if (value >= -128 && value <= 127) {
    out_.push_back(static_cast<char>(kTagInt8));
    out_.push_back(static_cast<char>(static_cast<int8_t>(value)));
  } else if (value >= -32768 && value <= 32767) {
    const auto v = static_cast<uint16_t>(static_cast<int16_t>(value));
    out_.push_back(static_cast<char>(kTagInt16));
    out_.push_back(static_cast<char>(v & 0xFF));
    out_.push_back(static_cast<char>(v >> 8));
  } else {
    const auto v = static_cast<uint32_t>(value);
    out_.push_back(static_cast<char>(kTagInt32));
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  }
}

void ValueWriter::WriteFloat(double value) {
  uint8_t ext[10];
  DoubleToExtended(value, ext);
  out_.push_back(static_cast<char>(kTagExtended));
  out_.append(reinterpret_cast<const char*>(ext), sizeof ext);
}

void ValueWriter::WriteString(std::string_view bytes) {
  if (bytes.size() <= 255) {
    out_.push_back(static_cast<char>(kTagString));
    out_.push_back(static_cast<char>(bytes.size()));
  } else {
    const auto n = static_cast<uint32_t>(bytes.size());
    out_.push_back(static_cast<char>(kTagLongString));
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((n >> (8 * i)) & 0xFF));
  }
  out_.append(bytes);
}

void ValueReader::Fail(const std::string& what) const { throw StreamFormatError(what, pos_); }

void ValueReader::Need(size_t count) const {
  if (count > in_.size() - pos_) {
    throw StreamFormatError(fmt::format("Neočekávaný konec souboru na pozici {} (chybí {} bajtů)",
                                        pos_, count - (in_.size() - pos_)),
                            pos_);
  }
}

uint8_t ValueReader::ReadByte() {
  Need(1);
  return static_cast<uint8_t>(in_[pos_++]);
}

std::string_view ValueReader::ReadRaw(size_t count) {
  Need(count);
  std::string_view bytes = in_.substr(pos_, count);
  pos_ += count;
  return bytes;
}

Tag ValueReader::PeekTag() const {
  Need(1);
  return static_cast<Tag>(static_cast<uint8_t>(in_[pos_]));
}

bool ValueReader::EndOfList() {
  if (PeekTag() != kTagEndOfList) return false;
  ++pos_;
  return true;
}

void ValueReader::ReadListBegin() {
  const size_t at = pos_;
  if (ReadByte() != kTagList) {
    pos_ = at;
    Fail(fmt::format("Chybná značka na pozici {}: očekávám seznam", at));
  }
}

void ValueReader::ReadListEnd() {
  const size_t at = pos_;
  if (ReadByte() != kTagEndOfList) {
    pos_ = at;
    Fail(fmt::format("Chybná značka na pozici {}: očekávám konec seznamu", at));
  }
}

int32_t ValueReader::ReadInteger() {
  const size_t at = pos_;
  const uint8_t tag = ReadByte();
  switch (tag) {
    case kTagInt8:
      return static_cast<int8_t>(ReadByte());
    case kTagInt16: {
      std::string_view b = ReadRaw(2);
      return static_cast<int16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
    }
    case kTagInt32: {
      std::string_view b = ReadRaw(4);
      uint32_t v = 0;
      for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(b[i])) << (8 * i);
      return static_cast<int32_t>(v);
    }
    default:
      pos_ = at;
      Fail(fmt::format("Chybná značka {} na pozici {}: očekávám celé číslo", tag, at));
  }
}

double ValueReader::ReadFloat() {
  if (PeekTag() == kTagExtended) {
    ++pos_;
    std::string_view b = ReadRaw(10);
    return ExtendedToDouble(reinterpret_cast<const uint8_t*>(b.data()));
  }
  const Tag tag = PeekTag();
  if (tag == kTagInt8 || tag == kTagInt16 || tag == kTagInt32) return ReadInteger();
  Fail(fmt::format("Chybná značka {} na pozici {}: očekávám reálné číslo", static_cast<int>(tag),
                   pos_));
}

std::string ValueReader::ReadString() {
  const size_t at = pos_;
  const uint8_t tag = ReadByte();
  size_t length;
  if (tag == kTagString) {
    length = ReadByte();
  } else if (tag == kTagLongString) {
    std::string_view b = ReadRaw(4);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(b[i])) << (8 * i);
    length = v;
  } else {
    pos_ = at;
    Fail(fmt::format("Chybná značka {} na pozici {}: očekávám řetězec", tag, at));
  }
  return std::string(ReadRaw(length));  // ReadRaw checks the length against the input
}

void ValueReader::SkipValue(int depth) {
  switch (PeekTag()) {
    case kTagList:
      if (depth >= kMaxSkipDepth) Fail(fmt::format("Příliš hluboké vnoření na pozici {}", pos_));
      ++pos_;
      while (!EndOfList()) SkipValue(depth + 1);
      return;
    case kTagInt8:
    case kTagInt16:
    case kTagInt32:
      ReadInteger();
      return;
    case kTagExtended:
      ReadFloat();
      return;
    case kTagString:
    case kTagLongString:
      ReadString();
      return;
    default:
      Fail(fmt::format("Chybná značka {} na pozici {}", static_cast<int>(PeekTag()), pos_));
  }
}

}  // namespace tarnik::framework::stream
