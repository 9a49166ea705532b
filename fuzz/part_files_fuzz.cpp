// Fuzz target of the old plan part files: any bytes, read as a text part (and, after the marker
// "\xffTLH", as its description file), go through the record decoder, the unit header and the
// compartment reader to the end of the records without crash, leak or endless loop.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "data/sources/part_files/part_reader.h"
#include "data/sources/part_files/part_translator.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/layer_classes.h"
#include "framework/framework_classes.h"
#include "fuzz/quiet_ui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarnik::fuzzing::InstallQuietUi();
  static bool registered = [] {
    tarnik::framework::RegisterFrameworkClasses();
    tarnik::plan::RegisterForestClasses();
    tarnik::plan::RegisterHierarchyClasses();
    tarnik::plan::RegisterLayerClasses();
    return true;
  }();
  (void)registered;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const size_t marker = bytes.find("\xffTLH");
  std::optional<std::string> description;
  if (marker != std::string_view::npos) description = std::string(bytes.substr(marker + 4));
  tarnik::plan::TUnivStareLHP reader;
  reader.OpenBytes(bytes.substr(0, marker), description);
  tarnik::plan::TLHC lhc;
  tarnik::plan::NactiLHC_LHP(lhc, reader);
  // Every compartment consumes at least one record.
  for (size_t guard = 0; !reader.Eof(); ++guard) {
    const int64_t before = reader.Moves();
    std::unique_ptr<tarnik::plan::TOddeleni> odd(tarnik::plan::NactiOddeleni_LHP(reader, {}));
    if (!odd || (reader.Moves() == before && !reader.Eof())) __builtin_trap();
    if (guard > size) __builtin_trap();
  }
  return 0;
}
