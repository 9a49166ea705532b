// Fuzz target of the model file reader: any bytes either load or fail with a report, never crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/stream/klv_parser.h"

namespace {

class NullSink : public tarnik::framework::stream::KlvSink {
 public:
  void ClassDefinition(const tarnik::framework::stream::KlvClassDef&) override {}
  void BeginElement(int32_t, int32_t) override {}
  void Property(int32_t, int32_t, const tarnik::framework::stream::KlvValue&) override {}
  void Children(int32_t, const std::vector<int32_t>&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  NullSink sink;
  tarnik::framework::stream::KlvParser parser(
      std::string_view(reinterpret_cast<const char*>(data), size), &sink);
  try {
    parser.Parse();
  } catch (const tarnik::framework::stream::StreamFormatError&) {
  }
  return 0;
}
