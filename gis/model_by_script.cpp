#include "gis/model_by_script.h"

#include <memory>

#include "framework/class_register.h"
#include "framework/values/string_element.h"
#include "gis/block_reader.h"
#include "gis/layer_script.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineInterpretLayer(std::vector<TPropInfo>& out) {
  using L = TInterpretLayer;
  TPropDefs<L> d(out);
  d.String("Path", &L::Path, &L::SetPath);
  d.String("LayerType", &L::LayerType, &L::SetLayerType);
}

void DefineCreator(std::vector<TPropInfo>& out) {
  using C = TModelByScriptCreator;
  TPropDefs<C> d(out);
  d.Float("MinX", &C::MinX, &C::SetMinX);
  d.Float("MinY", &C::MinY, &C::SetMinY);
  d.Float("MaxX", &C::MaxX, &C::SetMaxX);
  d.Float("MaxY", &C::MaxY, &C::SetMaxY);
  const auto zero = [](C&) { return 0.0; };
  d.Float("DeltaX", zero, &C::SetDeltaX).NotStored();
  d.Float("DeltaY", zero, &C::SetDeltaY).NotStored();
  d.Float("Width", zero, &C::SetWidth).NotStored();
  d.Float("Height", zero, &C::SetHeight).NotStored();
  d.Float("CenterX", &C::CenterX, nullptr);
  d.Float("CenterY", &C::CenterY, nullptr);
  d.Boolean("CutLayer", &C::CutLayer, &C::SetCutLayer);
}

void AddTo(TElement* output, TElement* element) {
  if (auto* rect = framework::ClassCast<spatial::TRectEntity>(output)) {
    rect->AddWithBounds(element);
  } else if (auto* entity = dynamic_cast<framework::TEntity*>(output)) {
    entity->AddElement(element);
  }
}

std::string WithoutAt(const std::string& name) {
  return !name.empty() && name[0] == '@' ? name.substr(1) : name;
}

}  // namespace

TARNIK_DEFINE_CLASS(TInterpretLayer, spatial::TSpaceEntity, DefineInterpretLayer)
TARNIK_DEFINE_CLASS(TModelByScriptCreator, framework::TTool, DefineCreator)

void TModelByScriptCreator::SetDeltaX(double v) {
  window_.min_x += v;
  window_.max_x += v;
}

void TModelByScriptCreator::SetDeltaY(double v) {
  window_.min_y += v;
  window_.max_y += v;
}

bool TModelByScriptCreator::WindowActive() const {
  return window_.min_x != 0 && window_.min_y != 0 && window_.max_x != 0 && window_.max_y != 0;
}

void TModelByScriptCreator::Execute() {
  TTool::Execute();
  auto* script = framework::ClassCast<TModelScript>(Input());
  if (!script) return;
  auto* output = framework::ClassCast<spatial::TRectEntity>(Output());
  if (!output) output = new spatial::TRectEntity();
  for (TLayerScript* layer : script->Layers()) {
    const framework::TPropertyList* settings = layer->Settings();
    if (layer->GetName() == "ELEMENT") {
      TElement* element = framework::CreateElementByClassName(layer->Description());
      if (!element) continue;
      if (settings) {
        for (TElement* child : settings->Children()) {
          auto* entry = framework::ClassCast<framework::TStringElement>(child);
          if (entry && entry->IsNameStored()) {
            element->TElement::SetPropertyText(WithoutAt(entry->GetName()), entry->GetAsString());
          }
        }
      }
      AddTo(output, element);
      continue;
    }
    const std::vector<std::string> paths = layer->Paths();
    if (paths.empty()) continue;
    auto* interpretation = new TInterpretLayer();
    for (const std::string& path : paths) {
      if (spatial::TSpaceEntity* read = ReadLayerPath(layer->GetName(), path, settings)) {
        interpretation->AddWithBounds(read);
      }
    }
    interpretation->SetName(platform::FileNameOf(platform::NormalizePath(layer->Description())));
    interpretation->SetPath(layer->Description());
    interpretation->SetLayerType(layer->GetName());
    output->AddWithBounds(interpretation);
  }
  SetOutput(output);
}

spatial::TSpaceEntity* TModelByScriptCreator::ReadLayerPath(
    const std::string& type, const std::string& path,
    const framework::TStringListElement* settings) {
  if (!platform::DirectoryExists(path)) return nullptr;
  if (platform::UpperAscii(platform::ExtensionOf(platform::ExcludeTrailingSlash(path))) != ".BLK") {
    return nullptr;
  }
  return ReadBlock(type, platform::ResolvePath(platform::ExcludeTrailingSlash(path)), settings);
}

spatial::TSpaceEntity* TModelByScriptCreator::ReadBlock(
    const std::string& type, const std::string& block_directory,
    const framework::TStringListElement* settings) {
  std::unique_ptr<spatial::TRectEntity> window;
  if (WindowActive()) {
    window = std::make_unique<spatial::TRectEntity>();
    window->bounds() = window_;
    if (!BlockInWindow(block_directory, *window)) return nullptr;
  }
  auto reader = std::make_unique<TKarmoLBlokReader>();
  reader->Create(block_directory);
  reader->SetFilter(FilterFromSettings(type, settings));
  reader->ApplySettings(settings);
  reader->SetOnNewObject(on_new_object_);
  if (window && cut_layer_) reader->SetClip(window.release());
  spatial::TSpaceEntity* string = nullptr;
  if (type == "LIN") {
    string = reader->ReadLines();
  } else if (type == "PNT") {
    string = reader->ReadPoints();
  } else if (type == "ARE") {
    string = reader->ReadAreas();
  } else if (type == "TXT") {
    string = reader->ReadTexts();
  } else if (type == "LINSYM") {
    string = reader->ReadLineSymbols();
  }
  reader.reset();
  if (string && settings) {
    for (TElement* child : settings->Children()) {
      auto* entry = framework::ClassCast<framework::TStringElement>(child);
      if (entry && entry->IsNameStored()) {
        string->SetPropertyText(WithoutAt(entry->GetName()), entry->GetAsString());
      }
    }
  }
  return string;
}

}  // namespace tarnik::gis
