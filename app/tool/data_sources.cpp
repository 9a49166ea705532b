#include "app/tool/data_sources.h"

#include <memory>

#include "data/engine/database.h"
#include "data/engine/table.h"
#include "framework/stream/stream_tools.h"
#include "platform/fs.h"

namespace tarnik::apptool {
namespace {

void DefineZdroje(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TZdroje> d(out);
  d.Integer(
      "LHC_KOD", [](TZdroje& z) { return z.lhc_kod; },
      [](TZdroje& z, int32_t v) { z.lhc_kod = v; });
  d.String(
      "LHC_NAZ", [](TZdroje& z) { return z.lhc_naz; },
      [](TZdroje& z, const std::string& v) { z.lhc_naz = v; });
  d.String(
      "ZDROJ_ADR", [](TZdroje& z) { return z.zdroj_adr; },
      [](TZdroje& z, const std::string& v) { z.zdroj_adr = v; });
  d.Float(
      "SDateTime", [](TZdroje& z) { return z.s_date_time; },
      [](TZdroje& z, double v) { z.s_date_time = v; }, "TDateTime");
}

framework::TOwnerEntity* NewList() {
  auto* list = new framework::TOwnerEntity();
  list->SetName("Zdroje");
  return list;
}

}  // namespace

TARNIK_DEFINE_CLASS(TZdroje, framework::TOwnerElement, DefineZdroje)

std::optional<TLhcIdentity> ReadLhcIdentity(const std::string& directory) {
  if (!platform::FindInDirectory(directory, engine::kDatabaseFileName)) return std::nullopt;
  try {
    engine::Database db = engine::Database::Open(directory, engine::OpenMode::kReadOnly);
    if (!db.TableExists("LHC")) return std::nullopt;
    engine::Table table(db, "LHC");
    table.First();
    if (table.Eof()) return std::nullopt;
    TLhcIdentity id;
    id.lhc_kod = static_cast<int32_t>(table.AsInteger("LHC_KOD"));
    id.lhc_naz = table.AsString("LHC_NAZ");
    return id;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

TDataSources::TDataSources(std::string file) : file_(std::move(file)), records_(NewList()) {}

TDataSources::~TDataSources() { delete records_; }

TZdroje* TDataSources::At(int index) const {
  return dynamic_cast<TZdroje*>(records_->GetElement(index));
}

void TDataSources::Load() {
  delete records_;
  records_ = NewList();
  if (!platform::FileExists(file_)) return;
  std::unique_ptr<framework::TElement> root;
  try {
    framework::TStreamLoader loader;
    loader.SetFileName(file_);
    loader.Execute();
    root.reset(loader.Output());
  } catch (const std::exception&) {
    return;  // a damaged list starts empty
  }
  auto* loaded = dynamic_cast<framework::TEntity*>(root.get());
  if (!loaded) return;
  std::vector<framework::TElementRef> children(loaded->Children().begin(),
                                               loaded->Children().end());
  for (framework::TElementRef& ref : children) {
    auto* record = ref.As<TZdroje>();
    if (record && Count() < kMaxDataSources) records_->AddElement(record);
  }
}

bool TDataSources::Save() {
  try {
    framework::TStreamSaver saver;
    saver.SetFileName(file_);
    saver.SetInput(records_);
    saver.Execute();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TZdroje* TDataSources::Choose(const std::string& directory, double now) {
  std::optional<TLhcIdentity> lhc = ReadLhcIdentity(directory);
  if (!lhc) return nullptr;
  TZdroje* record = nullptr;
  for (int i = 0; i < Count() && !record; ++i) {
    if (At(i) && At(i)->zdroj_adr == directory) record = At(i);
  }
  if (!record && Count() < kMaxDataSources) {
    record = new TZdroje();
    records_->AddElement(record);
  }
  if (!record) {
    for (int i = 0; i < Count(); ++i) {
      if (At(i) && (!record || At(i)->s_date_time < record->s_date_time)) record = At(i);
    }
  }
  if (!record) return nullptr;
  record->zdroj_adr = directory;
  record->lhc_kod = lhc->lhc_kod;
  record->lhc_naz = lhc->lhc_naz;
  record->s_date_time = now;
  Save();
  return record;
}

void TDataSources::Remove(TZdroje* record) {
  if (!record || records_->IndexOf(record) < 0) return;
  records_->FreeElement(record);
  Save();
}

}  // namespace tarnik::apptool
