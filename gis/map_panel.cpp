#include "gis/map_panel.h"

#include <iterator>
#include <vector>

#include "framework/class_register.h"
#include "framework/entity.h"
#include "framework/models/world.h"
#include "gis/map_hierarchy.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

TKelvaPanel::ScriptRunner& Runner() {
  static auto* runner = new TKelvaPanel::ScriptRunner();
  return *runner;
}

void DefineKelvaPanel(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaPanel> d(out);
  d.String("ScriptName", &TKelvaPanel::ScriptName, &TKelvaPanel::SetScriptName);
  d.String(
      "Layers", [](TKelvaPanel& p) { return p.Layers(); }, nullptr);
  d.Boolean("Initialized", &TKelvaPanel::Initialized, nullptr);
  d.Boolean("Busy", &TKelvaPanel::Busy, &TKelvaPanel::SetBusy);
}

void DefinePanel(std::vector<TPropInfo>& out) {
  TPropDefs<VAzedevoDevov> d(out);
  d.String("LHCDir", &VAzedevoDevov::LHCDir, &VAzedevoDevov::SetLHCDir);
  d.String("LHC", &VAzedevoDevov::LHC, &VAzedevoDevov::SetLHC);
  d.String("ODDELENI", &VAzedevoDevov::ODDELENI, &VAzedevoDevov::SetODDELENI);
  d.String("DILEC", &VAzedevoDevov::DILEC, &VAzedevoDevov::SetDILEC);
  d.String("POROST", &VAzedevoDevov::POROST, &VAzedevoDevov::SetPOROST);
  d.String("SKUPINA", &VAzedevoDevov::SKUPINA, &VAzedevoDevov::SetSKUPINA);
  d.Integer("TypPUPFL", &VAzedevoDevov::TypPUPFL, &VAzedevoDevov::SetTypPUPFL);
}

bool WorldExists() { return framework::CurrentWorld() != nullptr; }

}  // namespace

TARNIK_DEFINE_CLASS(TKelvaPanel, framework::TElement, DefineKelvaPanel)
TARNIK_DEFINE_CLASS(VAzedevoDevov, TKelvaPanel, DefinePanel)

void TKelvaPanel::SetScriptRunner(ScriptRunner runner) { Runner() = std::move(runner); }

void TKelvaPanel::RunScript(const std::string& path) {
  if (Runner()) Runner()(path);
}

void TKelvaPanel::SetScriptName(const std::string& path) {
  script_name_ = path;
  if (WorldExists()) RunScript(path);
}

std::string TKelvaPanel::Layers() const {
  std::string out;
  auto* layers = dynamic_cast<framework::TEntity*>(FindDataChild("LAYERS"));
  if (!layers) return out;
  for (TElement* layer : layers->Children()) {
    if (!out.empty()) out += ",";
    out += "\"" + layer->GetName() + "\"";
  }
  return out;
}

bool TKelvaPanel::Initialized() const { return WorldExists(); }

void TKelvaPanel::Init() {
  busy_ = true;
  framework::World();
  busy_ = false;
}

void TKelvaPanel::Done() { busy_ = true; }

VAzedevoDevov::VAzedevoDevov() = default;
VAzedevoDevov::~VAzedevoDevov() = default;

void VAzedevoDevov::Init() {
  TKelvaPanel::Init();
  for (const char* name : {"SysReg.Ksl", "Model.Ksl"}) {
    const std::string path = platform::ProgramFile(name);
    if (platform::FileExists(path)) {
      RunScript(path);
    } else {
      platform::ui().ShowMessage(kScriptMissing + path, platform::Severity::kPassedOver);
    }
  }
  if (!finder_) finder_ = std::make_unique<THeleSkupina>();
}

void VAzedevoDevov::Done() {
  finder_.reset();
  hierarchy_ = nullptr;
  TKelvaPanel::Done();
}

void VAzedevoDevov::ResetFinder() {
  if (finder_) finder_ = std::make_unique<THeleSkupina>();
}

void VAzedevoDevov::SetLHCDir(const std::string& v) {
  if (!WorldExists()) return;
  ResetFinder();
  lhc_dir_ = v;
}

void VAzedevoDevov::SetLHC(const std::string& v) {
  if (WorldExists()) lhc_ = v;
}

void VAzedevoDevov::SetODDELENI(const std::string& v) {
  if (!WorldExists() || v == oddeleni_) return;
  oddeleni_ = v;
  dilec_.clear();
  porost_.clear();
  skupina_.clear();
}

void VAzedevoDevov::SetDILEC(const std::string& v) {
  if (!WorldExists() || v == dilec_) return;
  dilec_ = v;
  porost_.clear();
  skupina_.clear();
}

void VAzedevoDevov::SetPOROST(const std::string& v) {
  if (!WorldExists() || v == porost_) return;
  porost_ = v;
  skupina_.clear();
}

void VAzedevoDevov::SetSKUPINA(const std::string& v) {
  if (WorldExists()) skupina_ = v;
}

void VAzedevoDevov::AttachHierarchy() {
  if (!FindWorldObject("DATA")) {
    platform::ui().ShowMessage("Není nalezen objekt DATA", platform::Severity::kPassedOver);
    return;
  }
  hierarchy_ = FindDataChild("HIERARCHY");
}

void VAzedevoDevov::ReadForest() {
  if (lhc_dir_.empty()) return;
  reader_ = std::make_unique<THeleNacti>();
  reader_->SetDirectory(lhc_dir_);
  reader_->Execute();
}

TElement* VAzedevoDevov::FindHierarchyObject() {
  if (!hierarchy_) return nullptr;
  TElement* root = hierarchy_.Get();
  auto count_of = [](TElement* element) {
    auto* entity = dynamic_cast<framework::TEntity*>(element);
    return entity ? entity->GetCount() : -1;
  };
  const std::string* names[] = {&lhc_, &oddeleni_, &dilec_, &porost_, &skupina_};
  TElement* node = nullptr;
  TElement* at = root;
  size_t level = 0;
  TElement* lhc = memo_.lhc.Get();
  TElement* compartment = memo_.compartment.Get();
  if (memo_.hierarchy.Get() == root && lhc && compartment && memo_.lhc_name == lhc_ &&
      memo_.compartment_name == oddeleni_ && count_of(root) == memo_.hierarchy_count &&
      count_of(lhc) == memo_.lhc_count && lhc->HasOwner(dynamic_cast<framework::TEntity*>(root)) &&
      compartment->HasOwner(dynamic_cast<framework::TEntity*>(lhc)) &&
      platform::SameTextCz(lhc->GetName(), lhc_) &&
      platform::SameTextCz(compartment->GetName(), oddeleni_)) {
    node = at = compartment;
    level = 2;
  }
  for (; level < std::size(names); ++level) {
    auto* entity = dynamic_cast<framework::TEntity*>(at);
    TElement* next = entity ? entity->FindElementByName(*names[level]) : nullptr;
    if (!next) break;
    if (level == 1) {
      memo_.hierarchy = root;
      memo_.lhc = at;
      memo_.compartment = next;
      memo_.lhc_name = lhc_;
      memo_.compartment_name = oddeleni_;
      memo_.hierarchy_count = count_of(root);
      memo_.lhc_count = count_of(at);
    }
    node = at = next;
  }
  return node;
}

void VAzedevoDevov::RemoveBlanksFromHierarchy() {
  if (!FindWorldObject("DATA")) {
    platform::ui().ShowMessage("Není nalezen objekt DATA", platform::Severity::kPassedOver);
    return;
  }
  TElement* hierarchy = FindDataChild("HIERARCHY");
  if (!hierarchy) {
    platform::ui().ShowMessage("Není nalezen objekt HIERARCHY", platform::Severity::kPassedOver);
    return;
  }
  RemoveBlanksBelow(hierarchy);
}

void RegisterMapPanelClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterMapHierarchyClasses();
  RegisterMapToolClasses();
  framework::RegisterElementClass<TKelvaPanel>();
  framework::RegisterElementClass<VAzedevoDevov>();
}

}  // namespace tarnik::gis
