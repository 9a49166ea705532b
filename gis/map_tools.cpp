#include "gis/map_tools.h"

#include <exception>
#include <vector>

#include "framework/class_register.h"
#include "framework/condition/cond_creator.h"
#include "framework/condition/cond_operators.h"
#include "framework/models/world.h"
#include "framework/values/string_list.h"
#include "gis/layer_script.h"
#include "gis/map_hierarchy.h"
#include "gis/model_by_script.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "spatial/geometry.h"
#include "spatial/polyline_area.h"
#include "spatial/space_entity.h"

namespace tarnik::gis {
namespace {

using framework::ClassCast;
using framework::TElement;
using framework::TEntity;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineHeleBasic(std::vector<TPropInfo>& out) {
  TPropDefs<THeleBasic> d(out);
  d.String("Protocol", nullptr, &THeleBasic::SetProtocol);
  d.Object("Hierarchy", TElement::StaticClass(), &THeleBasic::Hierarchy, nullptr);
  d.Object("DataModel", TElement::StaticClass(), &THeleBasic::DataModel, nullptr);
}

void DefineHeleNacti(std::vector<TPropInfo>& out) {
  TPropDefs<THeleNacti> d(out);
  d.String("Directory", &THeleNacti::Directory, &THeleNacti::SetDirectory);
}

void DefineFindBlockLayer(std::vector<TPropInfo>& out) {
  TPropDefs<TFindBlockLayer> d(out);
  d.String("LayerName", &TFindBlockLayer::LayerName, &TFindBlockLayer::SetLayerName);
  d.String("LayerType", &TFindBlockLayer::LayerType, &TFindBlockLayer::SetLayerType);
}

void DefinePropsAndClass(std::vector<TPropInfo>& out) {
  TPropDefs<TPropsAndClass> d(out);
  d.String("PropName", &TPropsAndClass::PropName, &TPropsAndClass::SetPropName);
  d.String("ClassName", &TPropsAndClass::ClassName_, &TPropsAndClass::SetClassName_);
  d.String("SocketName", &TPropsAndClass::SocketName, &TPropsAndClass::SetSocketName);
  d.String("SocketClass", &TPropsAndClass::SocketClass, &TPropsAndClass::SetSocketClass);
}

void DefineHeleHier(std::vector<TPropInfo>& out) {
  TPropDefs<THeleHier> d(out);
  d.String(
      "LHC", [](THeleHier& t) { return t.lhc; },
      [](THeleHier& t, const std::string& v) { t.lhc = v; });
  d.String(
      "Odd", [](THeleHier& t) { return t.odd; },
      [](THeleHier& t, const std::string& v) { t.odd = v; });
  d.String(
      "Dil", [](THeleHier& t) { return t.dil; },
      [](THeleHier& t, const std::string& v) { t.dil = v; });
  d.String(
      "Por", [](THeleHier& t) { return t.por; },
      [](THeleHier& t, const std::string& v) { t.por = v; });
  d.String(
      "PSK", [](THeleHier& t) { return t.psk; },
      [](THeleHier& t, const std::string& v) { t.psk = v; });
}

void DefineHeleSkupina(std::vector<TPropInfo>& out) {
  TPropDefs<THeleSkupina> d(out);
  d.Float("X", &THeleSkupina::X, &THeleSkupina::SetX);
  d.Float("Y", &THeleSkupina::Y, &THeleSkupina::SetY);
  d.Boolean("Found", &THeleSkupina::Found, nullptr);
  d.String(
      "OutString", [](THeleSkupina& t) { return t.OutString(); }, nullptr);
  d.String(
      "LHC", [](THeleSkupina& t) { return t.Attribute("LHC"); }, nullptr);
  d.String(
      "ODD", [](THeleSkupina& t) { return t.Attribute("ODDELENI"); }, nullptr);
  d.String(
      "DIL", [](THeleSkupina& t) { return t.Attribute("DILEC"); }, nullptr);
  d.String(
      "POR", [](THeleSkupina& t) { return t.Attribute("POROST"); }, nullptr);
  d.String(
      "PSk", [](THeleSkupina& t) { return t.Attribute("SKUPINA"); }, nullptr);
  d.Object(
      "PSKObject", TElement::StaticClass(),
      [](THeleSkupina& t) -> TElement* { return t.PSKObject(); }, nullptr);
  d.Object(
      "KeptArea", TElement::StaticClass(),
      [](THeleSkupina& t) -> TElement* { return t.KeptArea(); }, nullptr);
}

void DefineCustomRecursor(std::vector<TPropInfo>& out) {
  TPropDefs<TCustomRecursor> d(out);
  d.String("BeforeCondition", &TCustomRecursor::BeforeCondition,
           &TCustomRecursor::SetBeforeCondition);
  d.String("AfterCondition", &TCustomRecursor::AfterCondition, &TCustomRecursor::SetAfterCondition);
  d.String("GoInsideCondition", &TCustomRecursor::GoInsideCondition,
           &TCustomRecursor::SetGoInsideCondition);
}

// A block: a spatial string read from a map block (it carries "BlockName" and "TYPE").
bool IsBlock(TElement* element) {
  auto* string = ClassCast<spatial::TSpaceEntity>(element);
  return string && ClassCast<TInterpretLayer>(element) == nullptr &&
         string->HasProperty("BlockName") && !string->GetPropertyText("BlockName").empty();
}

// The blocks of the input and of its interpretation layers, in order.
std::vector<TElement*> BlocksOf(TElement* input) {
  std::vector<TElement*> out;
  auto* entity = dynamic_cast<TEntity*>(input);
  if (!entity) return out;
  for (TElement* child : entity->Children()) {
    if (auto* layer = ClassCast<TInterpretLayer>(child)) {
      for (TElement* block : layer->Children())
        if (IsBlock(block)) out.push_back(block);
    } else if (IsBlock(child)) {
      out.push_back(child);
    }
  }
  return out;
}

void GrowOwners(TElement* node, std::vector<const TElement*>& seen) {
  for (const TElement* s : seen)
    if (s == node) return;
  seen.push_back(node);
  auto* rect = ClassCast<spatial::TRectEntity>(node);
  if (!rect) return;
  for (int i = 0; i < node->GetOwnersCount(); ++i) {
    TEntity* owner = node->GetOwner(i);
    if (auto* r = ClassCast<spatial::TRectEntity>(owner)) {
      spatial::ExtendByBounds(r->bounds(), rect->bounds());
      GrowOwners(owner, seen);
    }
  }
}

}  // namespace

TElement* FindWorldObject(const std::string& name) {
  framework::TWCSWorld* world = framework::CurrentWorld();
  if (!world) return nullptr;
  if (TEntity* model = dynamic_cast<TEntity*>(world->ObjectModel())) {
    if (TElement* found = model->FindElementByName(name)) return found;
  }
  return world->FindElementByName(name);
}

TElement* FindDataChild(const std::string& name) {
  auto* data = dynamic_cast<TEntity*>(FindWorldObject("DATA"));
  return data ? data->FindElementByName(name) : nullptr;
}

TARNIK_DEFINE_CLASS(THeleBasic, framework::TTool, DefineHeleBasic)
TARNIK_DEFINE_CLASS(THeleNacti, THeleBasic, DefineHeleNacti)
TARNIK_DEFINE_CLASS(TBlockLayersTool, framework::TTool, nullptr)
TARNIK_DEFINE_CLASS(TFindBlockLayer, framework::TTool, DefineFindBlockLayer)
TARNIK_DEFINE_CLASS(TPropsAndClass, framework::TElement, DefinePropsAndClass)
TARNIK_DEFINE_CLASS(TGroupper, framework::TTool, nullptr)
TARNIK_DEFINE_CLASS(THeleHier, THeleBasic, DefineHeleHier)
TARNIK_DEFINE_CLASS(THeleSkupina, framework::TRecursor, DefineHeleSkupina)
TARNIK_DEFINE_CLASS(TCustomRecursor, framework::TRecursor, DefineCustomRecursor)

void THeleBasic::SetProtocol(const std::string& text) {
  framework::TWCSWorld* world = framework::CurrentWorld();
  PostTextMessage(framework::kReportMessage, text, world ? world->MainTool() : nullptr);
}

void THeleNacti::Execute() {
  framework::TTool::Execute();
  SetBusy(true);
  struct NotBusy {
    THeleNacti& tool;
    ~NotBusy() { tool.SetBusy(false); }
  } not_busy{*this};
  framework::TClassContextScope map_context(framework::kMapContext);
  SetError(1);
  // The model script of the data directory.
  TElement* description = DataModel();
  if (!description) {
    SetProtocol(kModelDescriptionError);
    return;
  }
  auto script_creator = std::make_unique<TModelScriptCreator>();
  script_creator->SetDataDirectory(directory_);
  script_creator->SetInput(description);
  try {
    script_creator->Execute();
  } catch (const std::exception&) {
    SetProtocol(kModelDescriptionError);
    return;
  }
  TModelScript* script = script_creator->Script();
  if (!script) {
    SetProtocol(kModelDescriptionError);
    return;
  }
  AddElement(script_creator.release());
  // The blocks.
  SetError(2);
  model_ = std::make_unique<spatial::TRectEntity>();
  model_->SetName("MODEL");
  {
    auto reader = std::make_unique<TModelByScriptCreator>();
    reader->SetInput(script);
    reader->SetOutput(model_.get());
    reader->Execute();
  }
  // The layers.
  SetError(3);
  TElement* layers = FindDataChild("LAYERS");
  if (model_->GetCount() == 0 || !layers) return;
  {
    TBlockLayersTool sorter;
    sorter.SetInput(model_.get());
    sorter.SetOutput(layers);
    sorter.Execute();
  }
  // The areas of the layer "DET".
  SetError(4);
  areas_ = std::make_unique<spatial::TAreaString>();
  areas_->SetName("DETTEMP");
  {
    framework::TOwnerEntity found;
    TFindBlockLayer finder;
    finder.SetLayerName("DET");
    finder.SetLayerType("ARE");
    finder.SetInput(model_.get());
    finder.SetOutput(&found);
    finder.Execute();
    for (TElement* block : std::vector<TElement*>(found.Children())) {
      if (auto* b = dynamic_cast<TEntity*>(block)) {
        for (TElement* area : b->Children()) areas_->AddElement(area);
      }
    }
    found.Detach();
  }
  if (areas_->GetCount() == 0) return;
  // The hierarchy.
  SetError(5);
  auto* hierarchy = dynamic_cast<TEntity*>(Hierarchy());
  if (!ClassCast<spatial::TRectEntity>(hierarchy)) return;
  TGroupper groupper;
  AddForestCriteria(groupper);
  groupper.SetInput(areas_.get());
  groupper.SetOutput(hierarchy);
  groupper.Execute();
  SetError(0);
}

std::string BlockBaseName(TElement& block) {
  std::string path = platform::ExcludeTrailingSlash(block.GetPropertyText("BlockName"));
  std::string file = platform::FileNameOf(path);
  size_t dot = file.find('.');
  return dot == std::string::npos ? file : file.substr(0, dot);
}

std::string BlockLayerName(TElement& block) {
  return block.GetPropertyText("TYPE") + "_" + BlockBaseName(block);
}

void TBlockLayersTool::Execute() {
  framework::TTool::Execute();
  auto* output = ClassCast<spatial::TRectEntity>(Output());
  if (!output) return;
  for (TElement* block : BlocksOf(Input())) {
    const std::string name = BlockLayerName(*block);
    TElement* layer = output->FindElementByName(name);
    if (!layer) {
      auto* created = new spatial::TSpaceEntity();
      created->SetName(name);
      output->AddElement(created);
      layer = created;
    }
    auto* rect = ClassCast<spatial::TSpaceEntity>(layer);
    if (!rect) continue;  // a child of that name that is no layer
    rect->AddWithBounds(block);
    spatial::ExtendByBounds(output->bounds(), rect->bounds());
  }
}

void TFindBlockLayer::Execute() {
  framework::TTool::Execute();
  auto* output = dynamic_cast<TEntity*>(Output());
  if (!output) return;
  for (TElement* block : BlocksOf(Input())) {
    if (!layer_name_.empty() && !platform::SameTextCz(layer_name_, BlockBaseName(*block))) {
      continue;
    }
    if (!layer_type_.empty() && !platform::SameTextCz(layer_type_, block->GetPropertyText("TYPE")))
      continue;
    output->AddElement(block);
  }
}

void TGroupper::AddCriterion(const std::string& prop, const std::string& class_name,
                             const std::string& socket_name, const std::string& socket_class) {
  auto* entry = new TPropsAndClass();
  entry->SetPropName(prop);
  entry->SetClassName_(class_name);
  entry->SetSocketName(socket_name);
  entry->SetSocketClass(socket_class);
  AddElement(entry);
}

void AddForestCriteria(TGroupper& groupper) {
  groupper.AddCriterion("LHC", "TLHC");
  groupper.AddCriterion("ODDELENI", "TOddeleni");
  groupper.AddCriterion("DILEC", "TDilec");
  groupper.AddCriterion("POROST", "TPorost");
  groupper.AddCriterion("SKUPINA", "TPorostniSkupina", TGeometryElement::kGeometryName,
                        "TAreaString");
}

void TGroupper::Group(TElement* element, TEntity* root) { GroupInto(element, root, nullptr); }

TElement* TGroupper::FindChild(TEntity* node, const std::string& name, FoundChildren* found) {
  if (!found) return node->FindElementByName(name);
  // The key: the node's address and the name as asked (another spelling is searched anew).
  std::string key(reinterpret_cast<const char*>(&node), sizeof node);
  key += name;
  auto it = found->find(key);
  if (it != found->end()) {
    TElement* child = it->second.child.Get();
    if (it->second.node.Get() == node && child && child->HasOwner(node)) return child;
    found->erase(it);
  }
  TElement* child = node->FindElementByName(name);
  if (child) found->emplace(std::move(key), FoundChild{node, child});
  return child;
}

void TGroupper::GroupInto(TElement* element, TEntity* root, FoundChildren* found_children) {
  TEntity* node = root;
  for (TElement* child : Children()) {
    auto* entry = ClassCast<TPropsAndClass>(child);
    if (!entry) continue;
    std::string key = element->GetPropertyText(entry->PropName());
    if (key.empty()) key = "___";
    const bool socketed = !entry->SocketName().empty();
    TEntity* found = dynamic_cast<TEntity*>(FindChild(node, key, found_children));
    if (found && socketed) {
      found = dynamic_cast<TEntity*>(FindChild(found, entry->SocketName(), found_children));
    }
    if (found) {
      node = found;
      continue;
    }
    auto* created =
        dynamic_cast<TEntity*>(framework::CreateElementByClassName(entry->ClassName_()));
    if (!created) return;
    created->SetName(key);
    node->AddElement(created);
    node = created;
    if (socketed) {
      auto* socket =
          dynamic_cast<TEntity*>(framework::CreateElementByClassName(entry->SocketClass()));
      if (!socket) return;
      socket->SetName(entry->SocketName());
      created->AddElement(socket);
      node = socket;
    }
  }
  node->AddElement(element);
  if (auto* rect = ClassCast<spatial::TRectEntity>(node)) {
    rect->ExtendByElement(element);
    std::vector<const TElement*> seen;
    GrowOwners(node, seen);
  }
}

void TGroupper::Execute() {
  framework::TTool::Execute();
  auto* input = dynamic_cast<TEntity*>(Input());
  auto* root = dynamic_cast<TEntity*>(Output());
  if (!input || !root) return;
  const std::vector<TElement*> elements = input->Children();
  const int n = static_cast<int>(elements.size());
  BeginProgress(kGroupingPhase, 0, n - 1);
  int threshold = 0;
  FoundChildren found;
  for (int i = 0; i < n; ++i) {
    GroupInto(elements[static_cast<size_t>(i)], root, &found);
    if (i > threshold) {
      ReportProgress(i);
      threshold += (n - 1) / 20;
    }
    platform::ui().ProcessPendingEvents();
  }
  EndProgress();
}

void THeleHier::Execute() {
  framework::TTool::Execute();
  TElement* node = nullptr;
  TElement* at = Input();
  for (const std::string* name : {&lhc, &odd, &dil, &por, &psk}) {
    auto* entity = dynamic_cast<TEntity*>(at);
    TElement* next = entity ? entity->FindElementByName(*name) : nullptr;
    if (!next) break;
    node = at = next;
  }
  SetOutput(node);
}

TPorostniSkupina* THeleSkupina::PSKObject() const {
  return found_ ? found_group_.As<TPorostniSkupina>() : nullptr;
}

std::string THeleSkupina::Attribute(const char* name) {
  TElement* area = found_.Get();
  return area ? area->GetPropertyText(name) : std::string();
}

std::string THeleSkupina::OutString() {
  return Attribute("LHC") + " " + Attribute("ODDELENI") + Attribute("DILEC") + Attribute("POROST") +
         " " + Attribute("SKUPINA");
}

bool THeleSkupina::Contains(spatial::TAreaElement& area) {
  if (!spatial::Contains(area.bounds(), x_, y_, 0)) return false;
  if (auto* lines = ClassCast<spatial::TPolyLineAreaElement>(&area)) {
    std::unique_ptr<spatial::TAreaElement> plain(lines->ToAreaElement());
    return plain->ContainsPoint(x_, y_);
  }
  return area.ContainsPoint(x_, y_);
}

void THeleSkupina::Execute() {
  if (auto* kept = KeptArea(); kept && found_ && Contains(*kept)) return;
  found_ = nullptr;
  found_group_ = nullptr;
  group_ = nullptr;
  std::vector<const TElement*> path;
  Search(Input(), nullptr, path);
}

void THeleSkupina::Search(TElement* element, TElement* group, std::vector<const TElement*>& path) {
  if (!element || found_) return;
  if (auto* area = ClassCast<spatial::TAreaElement>(element)) {
    if (Contains(*area)) {
      found_ = area;
      found_group_ = group;
      kept_ = area;
    }
    return;
  }
  auto* entity = dynamic_cast<TEntity*>(element);
  if (!entity) return;
  for (const TElement* p : path)
    if (p == element) return;
  if (ClassCast<TPorostniSkupina>(element)) {
    // Below a stand group only its areas count.
    path.push_back(element);
    Search(entity->FindElementByName(TGeometryElement::kGeometryName), element, path);
    path.pop_back();
    return;
  }
  if (auto* rect = ClassCast<spatial::TRectEntity>(element);
      rect && rect->IsValid() && !spatial::Contains(rect->bounds(), x_, y_, 0)) {
    return;
  }
  path.push_back(element);
  for (TElement* child : std::vector<TElement*>(entity->Children())) {
    Search(child, group, path);
    if (found_) break;
  }
  path.pop_back();
}

TCustomRecursor::TCustomRecursor() = default;
TCustomRecursor::~TCustomRecursor() = default;

void TCustomRecursor::Execute() {
  auto compile = [](const std::string& text) -> std::unique_ptr<framework::TCondition> {
    if (text.empty()) return nullptr;
    return std::unique_ptr<framework::TCondition>(framework::CompileCondition(text));
  };
  before_c_ = compile(before_);
  after_c_ = compile(after_);
  inside_c_ = compile(inside_);
  framework::TRecursor::Execute();
}

namespace {

bool Holds(framework::TCondition* condition, TElement* element) {
  condition->SetContext(0, element);
  return condition->Evaluate();
}

}  // namespace

// A condition that holds leaves the decision to the walk itself: an element is processed then.
bool TCustomRecursor::QProcessBefore(TElement* element) {
  return before_c_ && Holds(before_c_.get(), element);
}

bool TCustomRecursor::QProcessAfter(TElement* element) {
  return after_c_ && Holds(after_c_.get(), element);
}

bool TCustomRecursor::QGoInside(TElement* element) {
  if (!inside_c_) return framework::TRecursor::QGoInside(element);
  return Holds(inside_c_.get(), element) && framework::TRecursor::QGoInside(element);
}

void RegisterMapToolClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  using framework::RegisterElementClass;
  RegisterElementClass<THeleBasic>();
  RegisterElementClass<THeleNacti>();
  RegisterElementClass<TBlockLayersTool>();
  RegisterElementClass<TFindBlockLayer>();
  RegisterElementClass<TPropsAndClass>();
  RegisterElementClass<TGroupper>();
  RegisterElementClass<THeleHier>();
  RegisterElementClass<THeleSkupina>();
  RegisterElementClass<TCustomRecursor>();
}

}  // namespace tarnik::gis
