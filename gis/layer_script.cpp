#include "gis/layer_script.h"

#include <exception>

#include "framework/values/string_element.h"
#include "gis/path_search.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

constexpr const char* kPathName = "PATH";

void DefineLayerScript(std::vector<TPropInfo>& out) {
  using L = TLayerScript;
  TPropDefs<L> d(out);
  d.String("Description", &L::Description, &L::SetDescription);
  d.Boolean("GoIntoDirs", &L::GoIntoDirs, &L::SetGoIntoDirs).NotStored();
}

void DefineCreator(std::vector<TPropInfo>& out) {
  using C = TModelScriptCreator;
  TPropDefs<C> d(out);
  const auto none = [](C&) { return std::string(); };
  d.String("DataDirectory", &C::DataDirectory, &C::SetDataDirectory);
  d.String("NextLayer", none, &C::NextLayer).NotStored();
  d.String("NextLayerProperty", none, &C::NextLayerProperty).NotStored();
  d.Object("Layers", framework::TStringListElement::StaticClass(), nullptr, &C::SetLayers);
}

bool IsLayerType(const std::string& name) {
  const std::string upper = platform::UpperAscii(name);
  for (const char* type : {"LIN", "ARE", "PNT", "TXT", "LINSYM", "ELEMENT", "RAS"}) {
    if (upper == type) return true;
  }
  return false;
}

bool IsVectorType(const std::string& type) {
  for (const char* t : {"LIN", "PNT", "ARE", "TXT", "LINSYM"}) {
    if (type == t) return true;
  }
  return false;
}

// Splits at the first "=" into trimmed name and value; false without "=" or name.
bool SplitSetting(const std::string& text, std::string* name, std::string* value) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return false;
  *name = platform::Trim(text.substr(0, eq));
  *value = platform::Trim(text.substr(eq + 1));
  return !name->empty();
}

bool IsAbsolute(const std::string& directory_part) {
  return !directory_part.empty() &&
         (directory_part[0] == '/' || directory_part.find(':') != std::string::npos);
}

}  // namespace

TARNIK_DEFINE_CLASS(TModelScript, spatial::TRectEntity, nullptr)
TARNIK_DEFINE_CLASS(TLayerScript, spatial::TRectEntity, DefineLayerScript)
TARNIK_DEFINE_CLASS(TModelScriptCreator, framework::TTool, DefineCreator)

std::vector<TLayerScript*> TModelScript::Layers() const {
  std::vector<TLayerScript*> layers;
  for (TElement* child : Children()) {
    if (auto* layer = framework::ClassCast<TLayerScript>(child)) layers.push_back(layer);
  }
  return layers;
}

void TLayerScript::SetGoIntoDirs(bool v) {
  if (v == GoIntoDirs()) return;
  description_ = v ? "+" + description_ : description_.substr(1);
}

framework::TPropertyList* TLayerScript::Settings() const {
  return framework::ClassCast<framework::TPropertyList>(
      FindElementByClass(framework::TPropertyList::StaticClass()));
}

void TLayerScript::AddSetting(const std::string& name, const std::string& value) {
  framework::TPropertyList* settings = Settings();
  if (!settings) {
    settings = new framework::TPropertyList();
    AddElement(settings);
  }
  settings->AddElement(new framework::TStringElement(name, value));
}

std::vector<std::string> TLayerScript::Paths() const {
  std::vector<std::string> paths;
  for (TElement* child : Children()) {
    auto* path = framework::ClassCast<framework::TPathElement>(child);
    if (path && path->IsNameStored() && path->GetName() == kPathName) {
      paths.push_back(path->GetAsString());
    }
  }
  return paths;
}

void TLayerScript::ResolvePaths(const std::string& data_directory) {
  const std::string type = GetName();
  if (type == "ELEMENT") return;
  for (TElement* child : std::vector<TElement*>(Children())) {
    if (child->Is<framework::TPathElement>() && child->GetName() == kPathName) FreeElement(child);
  }
  if (description_.empty()) return;
  const EntryKind kind = IsVectorType(type) ? EntryKind::kDirectories : EntryKind::kFiles;
  const bool recursive = GoIntoDirs();
  const std::string description =
      platform::NormalizePath(recursive ? description_.substr(1) : description_);
  const std::string directory_part = platform::DirectoryOf(description);
  const std::string file_part = platform::FileNameOf(description);
  const std::string data = platform::ExcludeTrailingSlash(platform::NormalizePath(data_directory));
  const auto in_data = [&](const std::string& part) {
    if (part.empty()) return data;
    return IsAbsolute(part) ? part : platform::JoinPath(data, part);
  };
  std::vector<std::string> paths;
  if (recursive) {
    paths = FindEntries(in_data(directory_part), file_part, kind, true);
  } else if (IsAbsolute(directory_part)) {
    paths.push_back(description);
  } else if (file_part.find('*') == std::string::npos) {
    paths.push_back(platform::JoinPath(data, description));
  } else {
    paths = FindEntries(in_data(directory_part), file_part, kind, false);
  }
  for (const std::string& path : paths) AddElement(new framework::TPathElement(kPathName, path));
}

TModelScript* TModelScriptCreator::Script() const { return script_.As<TModelScript>(); }

void TModelScriptCreator::NextLayer(const std::string& text) {
  std::string name, value;
  if (!SplitSetting(text, &name, &value)) return;
  if (IsLayerType(name)) {
    TModelScript* script = Script();
    if (!script) {
      script = new TModelScript();
      script_ = script;
      AddElement(script);
    }
    auto* layer = new TLayerScript();
    layer->SetName(name);
    layer->SetDescription(value);
    script->AddElement(layer);
    last_layer_ = layer;
    return;
  }
  if (std::string("!+-<>@").find(name[0]) != std::string::npos) NextLayerProperty(text);
}

void TModelScriptCreator::NextLayerProperty(const std::string& text) {
  std::string name, value;
  auto* layer = last_layer_.As<TLayerScript>();
  if (!layer || !SplitSetting(text, &name, &value)) return;
  layer->AddSetting(name, value);
}

void TModelScriptCreator::SetLayers(TElement* layers) {
  auto* list = framework::ClassCast<framework::TStringListElement>(layers);
  if (!list) return;
  for (TElement* child : std::vector<TElement*>(list->Children())) {
    auto* entry = framework::ClassCast<framework::TTypeElement>(child);
    if (!entry) continue;
    const std::string name = entry->IsNameStored() ? entry->GetName() : std::string();
    NextLayer(name + "=" + entry->GetAsString());
  }
}

void TModelScriptCreator::Execute() {
  TTool::Execute();
  if (auto* list = framework::ClassCast<framework::TStringListElement>(Input())) SetLayers(list);
  TModelScript* script = Script();
  if (!script) return;
  const std::string data = platform::IncludeTrailingSlash(data_directory_);
  for (TLayerScript* layer : script->Layers()) {
    try {
      layer->ResolvePaths(data);
    } catch (const std::exception&) {
      // A layer whose paths cannot be found reads nothing.
    }
  }
  SetOutput(script);
}

}  // namespace tarnik::gis
