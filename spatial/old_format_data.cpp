#include "spatial/old_format_data.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include <fmt/format.h>

#include "framework/stream/class_stream_data.h"
#include "spatial/coordinate.h"
#include "spatial/rect_entity.h"
#include "spatial/rectangle.h"

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::stream::ClassStreamData;
using framework::stream::StreamFormatError;
using framework::stream::ValueReader;
using framework::stream::ValueWriter;

[[noreturn]] void Damaged(const ValueReader& in, const char* what) {
  throw StreamFormatError(fmt::format("Chybná data {} na pozici {}", what, in.position()),
                          in.position());
}

double Finite(const ValueReader& in, double value) {
  if (!std::isfinite(value)) Damaged(in, "čísla");
  return value;
}

void WriteRawDouble(ValueWriter& out, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  out.WriteRaw(std::string_view(bytes, sizeof bytes));
}

double RawDouble(std::string_view bytes) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i)
    bits |= static_cast<uint64_t>(static_cast<uint8_t>(bytes[i])) << (8 * i);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void WriteCoordinate(TElement& element, ValueWriter& out) {
  out.WriteInteger(static_cast<TCoordinate&>(element).CS());
}

void ReadCoordinate(TElement& element, ValueReader& in) {
  const int32_t cs = in.ReadInteger();
  if (cs < 0 || cs > 255) Damaged(in, "souřadnicového systému");
  static_cast<TCoordinate&>(element).SetCS(static_cast<uint8_t>(cs));
}

void Write2DCoordinate(TElement& element, ValueWriter& out) {
  WriteCoordinate(element, out);
  auto& c = static_cast<TCoordinate&>(element);
  WriteRawDouble(out, c.X());
  WriteRawDouble(out, c.Y());
}

void Read2DCoordinate(TElement& element, ValueReader& in) {
  ReadCoordinate(element, in);
  const std::string_view bytes = in.ReadRaw(16);
  auto& c = static_cast<TCoordinate&>(element);
  c.SetX(Finite(in, RawDouble(bytes.substr(0, 8))));
  c.SetY(Finite(in, RawDouble(bytes.substr(8, 8))));
}

void Write3DCoordinate(TElement& element, ValueWriter& out) {
  Write2DCoordinate(element, out);
  out.WriteFloat(static_cast<TCoordinate&>(element).Z());
}

void Read3DCoordinate(TElement& element, ValueReader& in) {
  Read2DCoordinate(element, in);
  static_cast<TCoordinate&>(element).SetZ(Finite(in, in.ReadFloat()));
}

void WriteBounds(const Bounds& b, ValueWriter& out) {
  out.WriteFloat(b.min_x);
  out.WriteFloat(b.min_y);
  out.WriteFloat(b.max_x);
  out.WriteFloat(b.max_y);
}

Bounds ReadBounds(ValueReader& in) {
  Bounds b;
  b.min_x = Finite(in, in.ReadFloat());
  b.min_y = Finite(in, in.ReadFloat());
  b.max_x = Finite(in, in.ReadFloat());
  b.max_y = Finite(in, in.ReadFloat());
  return b;
}

}  // namespace

void RegisterOldFormatData() {
  using framework::stream::RegisterClassStreamData;
  RegisterClassStreamData(TCoordinate::StaticClass(),
                          ClassStreamData{&WriteCoordinate, &ReadCoordinate});
  RegisterClassStreamData(T2DCoordinate::StaticClass(),
                          ClassStreamData{&Write2DCoordinate, &Read2DCoordinate});
  RegisterClassStreamData(T3DCoordinate::StaticClass(),
                          ClassStreamData{&Write3DCoordinate, &Read3DCoordinate});
  RegisterClassStreamData(TRectangle::StaticClass(),
                          ClassStreamData{[](TElement& e, ValueWriter& out) {
                                            WriteBounds(static_cast<TRectangle&>(e).bounds(), out);
                                          },
                                          [](TElement& e, ValueReader& in) {
                                            static_cast<TRectangle&>(e).bounds() = ReadBounds(in);
                                          }});
  RegisterClassStreamData(TRectEntity::StaticClass(),
                          ClassStreamData{[](TElement& e, ValueWriter& out) {
                                            WriteBounds(static_cast<TRectEntity&>(e).bounds(), out);
                                          },
                                          [](TElement& e, ValueReader& in) {
                                            static_cast<TRectEntity&>(e).bounds() = ReadBounds(in);
                                          }});
}

}  // namespace tarnik::spatial
