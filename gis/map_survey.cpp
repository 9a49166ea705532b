#include "gis/map_survey.h"

#include <memory>

#include "gis/code_pages.h"
#include "gis/dbf_header.h"
#include "gis/karmo_props.h"
#include "gis/layer_script.h"
#include "gis/model_by_script.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "spatial/area_element.h"

namespace tarnik::gis {
namespace {

bool IsBlockPath(const std::string& path) {
  return platform::UpperAscii(platform::ExtensionOf(path)) == ".BLK" &&
         platform::DirectoryExists(path);
}

std::string BlockLayerName(const std::string& type, const std::string& block) {
  const std::string file = platform::FileNameOf(block);
  return type + "_" + file.substr(0, file.find('.'));
}

void CountObjects(const spatial::TSpaceEntity& string, LayerSurvey& layer) {
  for (framework::TElement* child : string.Children()) {
    auto* element = framework::ClassCast<spatial::TSpaceEntity>(child);
    if (!element) continue;
    ++layer.objects;
    auto* props = framework::ClassCast<TKarmoProps>(element->Properties());
    ++layer.by_kind[props ? props->Druh() : 0];
    if (auto* area = framework::ClassCast<spatial::TAreaElement>(element); area && area->Holes()) {
      layer.holes += area->Holes()->GetCount();
    }
  }
}

TableSurvey SurveyTable(const std::string& path) {
  TableSurvey table;
  table.path = path;
  if (const auto layout = ReadDbfLayout(path, &table.problem)) {
    table.records = layout->record_count;
    table.code_page = CodePageName(CodePageOfLanguageDriver(layout->language_driver));
    for (const DbfField& f : layout->fields) {
      table.fields.push_back(DecodeText(f.name, CodePageOfLanguageDriver(layout->language_driver)));
    }
  }
  return table;
}

}  // namespace

MapSurvey SurveyMap(const std::string& directory) {
  MapSurvey survey;
  const std::string dir = platform::ExcludeTrailingSlash(platform::NormalizePath(directory));
  const bool one_block = IsBlockPath(dir);
  auto creator = std::make_unique<TModelScriptCreator>();
  for (const char* type : kSurveyTypes) {
    creator->NextLayer(std::string(type) + "=" + (one_block ? dir : std::string("+*.BLK")));
  }
  creator->SetDataDirectory(one_block ? platform::DirectoryOf(dir) : dir);
  creator->Execute();
  TModelScript* script = creator->Script();
  if (!script || script->Layers().empty()) return survey;
  for (const std::string& path : script->Layers().front()->Paths()) {
    if (IsBlockPath(path)) survey.blocks.push_back(path);
  }

  auto output = std::make_unique<spatial::TRectEntity>();
  auto reader = std::make_unique<TModelByScriptCreator>();
  reader->SetInput(script);
  reader->SetOutput(output.get());
  reader->Execute();
  for (framework::TElement* child : output->Children()) {
    auto* layer = framework::ClassCast<TInterpretLayer>(child);
    if (!layer) continue;
    for (framework::TElement* read : layer->Children()) {
      auto* string = framework::ClassCast<spatial::TSpaceEntity>(read);
      if (!string) continue;
      LayerSurvey entry;
      entry.type = layer->LayerType();
      entry.block = string->GetPropertyText("BlockName");
      entry.name = BlockLayerName(entry.type, entry.block);
      CountObjects(*string, entry);
      survey.layers.push_back(std::move(entry));
    }
  }
  survey.extent = output->bounds();
  for (const std::string& block : survey.blocks) {
    for (const std::string& name : platform::ListDirectory(block, "*.DBF")) {
      survey.tables.push_back(SurveyTable(platform::JoinPath(block, name)));
    }
  }
  return survey;
}

}  // namespace tarnik::gis
