// Fuzz target of the model file reader: any bytes either load or fail with a report, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/stream/value_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tarnik::framework::stream::StreamFormatError;
  using tarnik::framework::stream::ValueReader;
  ValueReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    while (!reader.AtEnd()) reader.SkipValue();
  } catch (const StreamFormatError&) {
  }
  return 0;
}
