#include "islh/xml_import.h"

#include <stdexcept>

#include "forest/codelists/cisel_kelva.h"
#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/lesni_celek.h"
#include "islh/import_database.h"
#include "islh/plan_transfer.h"
#include "islh/xml_loader.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::islh {

XmlImportResult ImportFromXml(plan::TLesniCelek& unit, const XmlImportTarget& target,
                              const std::string& file) {
  XmlImportResult result;
  if (!platform::FileExists(file)) {
    platform::ui().ShowMessage("Soubor \"" + file + "\" neexistuje!", platform::Severity::kFailure);
    result.status = XmlImportResult::Status::kMissingFile;
    return result;
  }
  plan::TLHC* lhc = unit.LHC();
  lhc->OddeleniMN()->UvolniPrvkyTridy(plan::TOddeleni::StaticClass());

  if (!target.plan) throw std::invalid_argument("Import z XML nemá databázi plánu");
  ImportDatabase db(*target.plan, target.phs_file);
  PlanTransfer transfer(db, {.no_colours = target.no_colours,
                             .national_park = target.national_park,
                             .log = [&unit](const std::string& text) { unit.Log(text); }});
  // The question comes before the transaction: nobody waits for the write lock meanwhile.
  bool empty_source = true;
  const int64_t rows = transfer.CompartmentRows();
  if (rows > 0 && !transfer.OnlyCompartmentZero()) {
    const platform::Button answer = platform::ui().AskYesNoQuit(
        kEmptySourceCaption, kEmptySourceQuestion,
        {"Data obsahují " + std::to_string(rows) + " různých oddělení.", db.directory()});
    if (answer == platform::Button::kQuit) {
      result.status = XmlImportResult::Status::kQuit;
      return result;
    }
    empty_source = answer == platform::Button::kYes;
  }

  db.Begin();
  if (empty_source) transfer.EmptySource();
  TLHC_XMLLoader loader;
  loader.SetUnit(&unit);
  loader.SetSink(&transfer);
  loader.SetFileName(file);
  loader.Execute();
  if (plan::TOddeleni* last = lhc->Oddeleni()) transfer.WriteCompartment(*last);

  plan::TCiselKelva* codes = unit.CiselKelva();
  try {
    codes->PojmenujKatastry(unit.Ciselnik()->Lists());
  } catch (const ImportDatabaseError&) {
    throw;
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(std::string("Názvy katastrů nelze vyhledat: ") + e.what(),
                               platform::Severity::kInformation);
  }
  transfer.WriteCodeLists(*codes);
  db.Commit();

  result.elements = loader.ReadCounts();
  result.rows = transfer.written();
  result.compartments = static_cast<long>(transfer.compartments());
  platform::ui().SetStatus("Načtení ze souboru \"" + platform::FileNameOf(file) + "\" provedeno.");
  return result;
}

}  // namespace tarnik::islh
