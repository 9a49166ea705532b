// Fuzz target of the model file loaders: any bytes either load or fail with a report, never
// crash, leak or allocate beyond the input. A loaded tree is saved and loaded again, so the
// writer meets every shape the reader can build.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/framework_classes.h"
#include "framework/stream/stream_tools.h"
#include "framework/tools/tool_classes.h"
#include "fuzz/quiet_ui.h"
#include "spatial/spatial_classes.h"

namespace {

using tarnik::framework::EBadStream;
using tarnik::framework::TElement;

std::unique_ptr<TElement> LoadCurrent(std::string_view bytes) {
  tarnik::framework::TKelvaLoader loader;
  try {
    loader.LoadBytes(bytes, "fuzz.klv");
  } catch (const EBadStream&) {
    return nullptr;
  }
  return std::unique_ptr<TElement>(loader.Output());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarnik::fuzzing::InstallQuietUi();
  tarnik::framework::RegisterFrameworkClasses();
  tarnik::framework::RegisterToolClasses();
  tarnik::spatial::RegisterSpatialClasses();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.substr(0, 4) == "TPF0") {
    tarnik::framework::TLoader loader;
    loader.LoadBytes(bytes);
    delete loader.Output();
    return 0;
  }
  std::unique_ptr<TElement> root = LoadCurrent(bytes);
  if (!root) return 0;
  tarnik::framework::TKelvaSaver saver;
  saver.SetInput(root.get());
  saver.Execute();
  const std::string saved = saver.Bytes();
  std::unique_ptr<TElement> again = LoadCurrent(saved);
  if (!again) __builtin_trap();  // what the writer writes, the reader must read
  return 0;
}
