#include "data/sources/exchange/fst_source.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "data/sources/exchange/fst_code_lists.h"
#include "data/sources/exchange/fst_readers.h"
#include "data/sources/exchange/fst_translator.h"
#include "forest/codelists/cisel_kelva.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/source_without_reader.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

// A file at its end when the smallest compartment is chosen.
constexpr int32_t kAtEnd = 30000;

}  // namespace

// One data file with its reader and translator.
struct FstSource::File {
  std::string name;
  std::unique_ptr<TPrenasecZeStandarduData> reader;
  std::unique_ptr<TImportStandardPP_FST> translator;

  bool AtEnd() const { return reader->Konec(); }
  int32_t Compartment() const { return reader->CisloOddeleni(); }
  // The line through both passes.
  void Apply() {
    const FstLineDecoder& line = reader->decoder();
    translator->Nastavuj = true;
    translator->Execute(line);
    translator->Nastavuj = false;
    translator->Execute(line);
  }
};

FstSource::FstSource(std::string directory, uint8_t kind)
    : directory_(std::move(directory)), kind_(kind) {}

FstSource::~FstSource() = default;

bool FstSource::Open(TLesniCelek& unit) {
  if (opened_) return true;
  const std::string dir = platform::NormalizePath(directory_);
  if (!platform::DirectoryExists(dir)) {
    platform::ui().ShowMessage("Adresář ISHÚL \"" + directory_ + "\" neexistuje.",
                               platform::Severity::kFailure);
    return false;
  }
  auto open = [&](const char* name, const std::string& tag) {
    auto file = std::make_unique<File>();
    file->name = name;
    file->reader = std::make_unique<TPrenasecZeStandarduData>();
    const auto path = platform::FindInDirectory(dir, name);
    file->reader->Open(path ? *path : platform::JoinPath(dir, name));
    file->translator = std::make_unique<TImportStandardPP_FST>(unit);
    file->translator->Oddelovac = file->reader->OddelovacMeziNasobnymiHodnotami();
    file->translator->JmenoTextFile = name;
    file->translator->PUVOD_DAT_PP = tag;
    file->translator->NevytvaretNoveOddeleni = true;
    file->translator->OwnerOfOtherPlotsToStand = older_form();
    return file;
  };
  const std::string tag = older_form() ? "IS 97" : "IS 98";
  files_[0] = open("PP.FST", older_form() ? tag : std::string());
  files_[1] = open("BZL.FST", tag);
  files_[2] = open("JP.FST", tag);
  if (!files_[0]->reader->decoder().has_header()) {
    // Without a readable PP.FST there is no unit to read.
    for (auto& file : files_) file.reset();
    platform::ui().ShowMessage(kCannotListCompartments, platform::Severity::kFailure);
    return false;
  }
  if (!older_form()) {
    FillCodeLists(unit);
    lhc_ = open("LHC.FST", tag);
  }
  opened_ = true;
  BuildIndexes();
  return true;
}

void FstSource::FillCodeLists(TLesniCelek& unit) {
  const std::string dir = platform::NormalizePath(directory_);
  TCiselKelva* kelva = unit.CiselKelva();
  auto fill = [&](const char* name, TLesniMnozina* set) {
    if (!set || set->PocetPrvku() > 0) return;
    const auto path = platform::FindInDirectory(dir, name);
    NaplnSeznamZFST(path ? *path : platform::JoinPath(dir, name), *set);
  };
  fill("Cis_051.FST", kelva->CisHsMN());
  fill("Cis_052.FST", kelva->OrgUrMN(1));
  fill("Cis_053.FST", kelva->OrgUrMN(2));
  fill("Cis_054.FST", kelva->OLHMN());
  fill("Cis_055.FST", kelva->katastryMN());
  if (const auto maj = platform::FindInDirectory(dir, "Maj.FST")) {
    if (kelva->majetkyMN()->PocetPrvku() == 0) NaplnMajetkyZFST(*maj, *kelva->majetkyMN());
  }
}

void FstSource::BuildIndexes() {
  platform::ui().SetStatus("Načítám seznam oddělení v ISHUL");
  const long max = std::max<int32_t>(files_[0]->reader->PocetDatovychRadku(), 0);
  for (int f = 0; f < 3; ++f) {
    Index& index = indexes_[f];
    index.clear();
    TPrenasecZeStandarduData& reader = *files_[f]->reader;
    reader.SetcistJenPoODD(true);
    bool any = false;
    int32_t last = 0;
    long lines = 0;
    while (!reader.Konec()) {
      reader.NactiDalsiRadek();
      if (reader.Konec()) break;
      const int32_t odd = reader.CisloOddeleni();
      if (f == 0 && ++lines % 50 == 0) platform::ui().Progress(lines, max);
      if (any && odd == last) continue;
      any = true;
      last = odd;
      index.emplace(
          odd, Start{static_cast<uint64_t>(reader.SeekRadku()), reader.CisloNactenehoRadku() - 1});
    }
    reader.SetcistJenPoODD(false);
  }
  platform::ui().Progress(0, 0);
}

bool FstSource::ListCompartments(TLesniCelek& unit, CompartmentList& out) {
  if (!Open(unit)) return false;
  for (const Index& index : indexes_) {
    for (const auto& [compartment, start] : index) out.Add(std::to_string(compartment));
  }
  // The first compartment is the list's first entry (the list is ordered by padded texts).
  first_ = 0;
  if (!out.empty())
    first_ = static_cast<int32_t>(std::strtol(out.items().front().c_str(), nullptr, 10));
  return true;
}

bool FstSource::ReadHeader(TLesniCelek& unit) {
  if (!Open(unit)) return false;
  if (lhc_) {
    TPrenasecZeStandarduData& reader = *lhc_->reader;
    if (reader.CisloNactenehoRadku() == 0) reader.NactiDalsiRadek();
    if (!reader.Konec() && reader.CisloNactenehoRadku() == 1) lhc_->Apply();
  }
  PositionAt(first_);
  return true;
}

void FstSource::PositionAt(int32_t compartment) {
  for (int f = 0; f < 3; ++f) {
    TPrenasecZeStandarduData& reader = *files_[f]->reader;
    const Index& index = indexes_[f];
    auto it = index.lower_bound(compartment);
    if (it == index.end()) {
      reader.NastavNaPozici(static_cast<int64_t>(reader.decoder().size()));
      reader.SetCisloNactenehoRadku(std::max(reader.PocetDatovychRadku(), 0));
      continue;
    }
    reader.NastavNaPozici(static_cast<int64_t>(it->second.offset));
    reader.SetCisloNactenehoRadku(it->second.lines_before);
    reader.NactiDalsiRadek();
  }
}

TOddeleni* FstSource::ReadCompartment(TLesniCelek& unit, bool show_progress) {
  if (!opened_) return nullptr;
  int32_t loaded = kAtEnd;
  bool any = false;
  for (const auto& file : files_) {
    if (file->AtEnd()) continue;
    loaded = any ? std::min(loaded, file->Compartment()) : file->Compartment();
    any = true;
  }
  if (!any) return nullptr;
  auto compartment = std::make_unique<TOddeleni>();
  compartment->SetName(std::to_string(loaded));
  compartment->SetPropertyInteger("ODD", loaded);
  if (show_progress)
    platform::ui().SetStatus("Načítám  z ISHUL98 oddělení " + std::to_string(loaded));
  const bool logging = static_cast<bool>(unit.LogLine());
  for (int f = 0; f < 3; ++f) {
    File& file = *files_[f];
    file.translator->SetCompartment(compartment.get());
    long lines = 0;
    while (!file.AtEnd() && file.Compartment() == loaded) {
      std::string items, what;
      if (logging) {
        const FstLineDecoder& d = file.reader->decoder();
        if (f == 0) {
          what = "PP ";
          items = d.Known(7) + "," + d.Known(8) + "," + d.Known(9) + "," + d.Known(22) + "," +
                  d.Known(37) + "," + d.Known(62);
          unit.Log("Z IS HÚL nastavuju PP \"" + items + "\"");
        } else if (f == 1) {
          items =
              d.Known(7) + "," + d.Known(8) + "," + d.Known(9) + ",Bezlesi \"" + d.Known(82) + "\"";
          unit.Log("Z IS HÚL nastavuju BZL\"" + items);
        } else {
          items =
              d.Known(7) + "," + d.Known(8) + "," + d.Known(9) + ",JINY \"" + d.Known(87) + "\"";
          unit.Log("Z IS HÚL nastavuju JINY POZ \"" + items);
        }
      }
      file.Apply();
      if (logging) {
        if (f == 0) unit.Log("Z IS HÚL načítám PP \"" + items + "\"");
        if (f == 1) unit.Log("Z IS HÚL načítám BZL\"" + items);
        if (f == 2) unit.Log("Z IS HÚL načítám JINY POZ \"" + items);
      }
      if (show_progress && f == 0 && ++lines % 10 == 0) platform::ui().Progress(lines, 1000);
      file.reader->NactiDalsiRadek();
    }
    file.translator->SetCompartment(nullptr);
  }
  if (show_progress) platform::ui().Progress(0, 0);
  compartment->NastavAktualniNaPrvni();
  return compartment.release();
}

bool FstSource::AtEnd() {
  if (!opened_) return true;
  return std::all_of(std::begin(files_), std::end(files_),
                     [](const std::unique_ptr<File>& file) { return file->AtEnd(); });
}

}  // namespace tarnik::plan
