// Fuzz target of the standard exchange files: any bytes, split at the marker "\xffFST" into a
// PP.FST, a BZL.FST and a JP.FST and, after a second marker, a code-list file, go through the line
// decoder, the compartment index, the seek to every indexed compartment and both passes of the
// translator into a compartment, without crash, leak or endless loop.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/sources/exchange/fst_readers.h"
#include "data/sources/exchange/fst_translator.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/layers/layer_classes.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/unit_classes.h"
#include "framework/framework_classes.h"
#include "fuzz/quiet_ui.h"

namespace {

std::vector<std::string> Split(std::string_view bytes) {
  std::vector<std::string> parts;
  for (;;) {
    const size_t marker = bytes.find(
        "\xff"
        "FST");
    parts.emplace_back(bytes.substr(0, marker));
    if (marker == std::string_view::npos || parts.size() == 4) break;
    bytes.remove_prefix(marker + 4);
  }
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarnik::fuzzing::InstallQuietUi();
  static bool registered = [] {
    tarnik::framework::RegisterFrameworkClasses();
    tarnik::plan::RegisterForestClasses();
    tarnik::plan::RegisterHierarchyClasses();
    tarnik::plan::RegisterLayerClasses();
    tarnik::plan::RegisterUnitClasses();
    return true;
  }();
  (void)registered;
  using namespace tarnik::plan;
  const std::vector<std::string> parts =
      Split(std::string_view(reinterpret_cast<const char*>(data), size));
  static const char* const kNames[3] = {"PP.FST", "BZL.FST", "JP.FST"};
  TLesniCelek unit;
  for (size_t f = 0; f < parts.size() && f < 3; ++f) {
    TPrenasecZeStandarduData reader;
    reader.OpenBytes(parts[f], kNames[f]);
    // The index pass: every line is read once, up to ODD.
    std::vector<std::pair<int64_t, int32_t>> starts;
    reader.SetcistJenPoODD(true);
    int32_t last = -1;
    for (size_t guard = 0; !reader.Konec(); ++guard) {
      reader.NactiDalsiRadek();
      if (guard > size + 1) __builtin_trap();
      if (reader.Konec()) break;
      if (reader.CisloOddeleni() != last || starts.empty())
        starts.emplace_back(reader.SeekRadku(), reader.CisloNactenehoRadku() - 1);
      last = reader.CisloOddeleni();
    }
    reader.SetcistJenPoODD(false);
    TImportStandardPP_FST translator(unit);
    translator.JmenoTextFile = kNames[f];
    translator.Oddelovac = reader.OddelovacMeziNasobnymiHodnotami();
    translator.NevytvaretNoveOddeleni = true;
    for (const auto& [offset, before] : starts) {
      reader.NastavNaPozici(offset);
      reader.SetCisloNactenehoRadku(before);
      reader.NactiDalsiRadek();
      auto compartment = std::make_unique<TOddeleni>();
      translator.SetCompartment(compartment.get());
      const int32_t odd = reader.CisloOddeleni();
      for (size_t guard = 0; !reader.Konec() && reader.CisloOddeleni() == odd; ++guard) {
        if (guard > size + 1) __builtin_trap();
        translator.Nastavuj = true;
        translator.Execute(reader.decoder());
        translator.Nastavuj = false;
        translator.Execute(reader.decoder());
        reader.NactiDalsiRadek();
      }
      translator.SetCompartment(nullptr);
    }
  }
  if (parts.size() == 4) {
    TPrenasecZeStandarduCiselnik codes;
    codes.OpenBytes(parts[3], "Cis_051.FST");
    for (size_t guard = 0; !codes.Konec(); ++guard) {
      if (guard > size + 1) __builtin_trap();
      codes.NactiDalsiRadek();
    }
  }
  return 0;
}
