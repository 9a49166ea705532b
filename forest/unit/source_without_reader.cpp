#include "forest/unit/source_without_reader.h"

#include "platform/ui.h"

namespace tarnik::plan {

bool SourceWithoutReader::ListCompartments(TLesniCelek&, CompartmentList&) {
  platform::ui().ShowMessage(kCannotListCompartments, platform::Severity::kFailure);
  return false;
}

bool SourceWithoutReader::ReadHeader(TLesniCelek&) {
  platform::ui().ShowMessage(kCannotListCompartments, platform::Severity::kFailure);
  return false;
}

}  // namespace tarnik::plan
