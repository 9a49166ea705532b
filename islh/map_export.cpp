#include "islh/map_export.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "framework/element.h"
#include "framework/entity.h"
#include "framework/property_text.h"
#include "gis/karmo_props.h"
#include "gis/map_hierarchy.h"
#include "gis/map_panel.h"
#include "gis/map_tools.h"
#include "islh/ascii_names.h"
#include "islh/export_unit.h"
#include "islh/xml_export.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "spatial/area_element.h"
#include "spatial/coordinate.h"
#include "spatial/poly_elements.h"
#include "spatial/polyline_area.h"
#include "spatial/space_elements.h"

namespace tarnik::islh {
namespace {

using framework::ClassCast;
using framework::TElement;
using framework::TEntity;

double NumberText(const std::string& text) {
  std::string t = platform::Trim(text);
  std::replace(t.begin(), t.end(), ',', '.');
  char* end = nullptr;
  double v = std::strtod(t.c_str(), &end);
  return end == t.c_str() || !std::isfinite(v) ? 0 : v;
}

bool Is(const std::string& name, const char* what) { return SameAsciiNoCase(name, what); }

// The attributes by which a map area says it is a plot and which.
constexpr const char* kPlotMarks[] = {"BZL", "JP", "OP"};

// The section of "SubstituceDruhu.ini" for a map object's class; empty for other classes.
const char* KindSection(TElement& object) {
  if (ClassCast<spatial::TAreaElement>(&object)) return "ARE";
  if (ClassCast<spatial::TPolyLineElement>(&object)) return "LIN";
  if (ClassCast<spatial::TPointElement>(&object)) return "PNT";
  if (ClassCast<spatial::TTextElement>(&object)) return "TXT";
  return "";
}

// The property an attribute of a map object is read from.
std::string SourceProperty(const std::string& attribute) {
  for (const char* a : {"BOD_DRUH", "LIN_DRUH", "PLO_DRUH", "TXT_STYL"})
    if (Is(attribute, a)) return "DRUH";
  for (const char* a : {"BOD_ZNACKA", "LIN_ZNACKA", "PLO_ZNACKA"})
    if (Is(attribute, a)) return "ZNACKA";
  for (const char* a : {"BOD_BARVA", "LIN_BARVA", "PLO_BARVA"})
    if (Is(attribute, a)) return "BARVA";
  return attribute;
}

bool IsFloatProperty(TElement* element, const std::string& name) {
  if (!element) return false;
  const framework::TPropInfo* p = element->ClassType().Find(name);
  return p && p->kind == framework::TTypeKind::tkFloat;
}

}  // namespace

TMapExportSource::TMapExportSource(TExportMapping& mapping, TExportUnit& unit,
                                   gis::VAzedevoDevov* panel)
    : mapping_(mapping), unit_(unit), panel_(panel) {}

TMapExportSource::~TMapExportSource() = default;

void TMapExportSource::LoadKindSubstitutions(const std::string& path) {
  kinds_.LoadFrom(path);
  kinds_loaded_ = true;
}

void TMapExportSource::ResetIterator() {
  mapping_.ResetIterator();
  if (!kinds_loaded_) LoadKindSubstitutions(platform::ProgramFile("SubstituceDruhu.ini"));
  current_group_ = nullptr;
  current_string_ = nullptr;
  polygon_position_ = -1;
  layers_ = nullptr;
  holding_layers_ = false;
  layer_index_ = object_index_ = 0;
  current_layer_ = nullptr;
  current_object_ = nullptr;
}

TElement* TMapExportSource::NextObject(const std::string& name) {
  for (const char* outline : {"PSK_OBRAZ", "BZL_OBRAZ", "JP_OBRAZ", "OP_OBRAZ"})
    if (Is(name, outline)) return Outline(name);
  if (Is(name, "MP")) return NextMP();
  if (Is(name, "P")) return NextP();
  for (const char* symbol : {"KBO", "KLO", "KPO", "KTO"})
    if (Is(name, symbol)) return NextSymbol(platform::UpperAscii(name));
  for (const char* geometry : {"BOD_OBRAZ", "TXT_OBRAZ", "LIN_OBRAZ", "PLO_OBRAZ"})
    if (Is(name, geometry)) return Geometry(platform::UpperAscii(name));
  return mapping_.NextObject(name);
}

void TMapExportSource::PointPanel() {
  if (!panel_) return;
  TElement* lhc = mapping_.CurrentObject("LHC");
  TElement* odd = mapping_.CurrentObject("ODD");
  TElement* dil = mapping_.CurrentObject("DIL");
  TElement* por = mapping_.CurrentObject("POR");
  panel_->SetLHC(lhc ? lhc->GetPropertyText("LHC_KOD") : std::string());
  panel_->SetODDELENI(odd ? odd->GetPropertyText("ODD") : std::string());
  panel_->SetDILEC(dil ? dil->GetPropertyText("DIL") : std::string());
  panel_->SetPOROST(por ? por->GetPropertyText("POR") : std::string());
}

TElement* TMapExportSource::Placeholder(const std::string& name) {
  for (const auto& p : placeholders_)
    if (p->GetName() == name) return p.get();
  auto element = std::make_unique<framework::TNameElement>();
  element->SetName(name);
  placeholders_.push_back(std::move(element));
  return placeholders_.back().get();
}

TElement* TMapExportSource::Outline(const std::string& name) {
  struct Row {
    const char* element;
    const char* object;
    const char* key;
    const char* placeholder;
  };
  static constexpr Row kRows[] = {
      {"PSK_OBRAZ", "PSK", "PSK", "plocha_neexistuje_PSK"},
      {"BZL_OBRAZ", "BZL", "BZL", "plocha_neexistuje_BZL"},
      {"JP_OBRAZ", "JP", "JP", "plocha_neexistuje_JP"},
      {"OP_OBRAZ", "OP", "OP", "plocha_neexistuje_OST"},
  };
  const Row* row = nullptr;
  for (const Row& r : kRows)
    if (Is(name, r.element)) row = &r;
  TElement* found = nullptr;
  if (panel_) {
    PointPanel();
    TElement* object = mapping_.CurrentObject(row->object);
    panel_->SetSKUPINA(object ? platform::RemoveBlanks(object->GetPropertyText(row->key))
                              : std::string());
    found = panel_->FindHierarchyObject();
  }
  if (!ClassCast<gis::TPorostniSkupina>(found)) found = Placeholder(row->placeholder);
  current_group_ = found;
  outline_kind_ = row->object;
  return found;
}

TElement* TMapExportSource::NextMP() {
  auto* group = current_group_.As<gis::TPorostniSkupina>();
  if (!group) return nullptr;
  auto* string = ClassCast<spatial::TAreaString>(group->FindGeometry());
  if (!string) return nullptr;
  string_tells_kinds_ = false;
  for (TElement* area : string->Children()) {
    for (const char* mark : kPlotMarks)
      if (!area->GetPropertyText(mark).empty()) string_tells_kinds_ = true;
  }
  bool any = false;
  for (TElement* area : string->Children()) any = any || AreaOfOutline(area);
  if (!any) return nullptr;  // an outline of nothing stays empty
  current_string_ = string;
  polygon_position_ = -1;
  return group;
}

bool TMapExportSource::AreaOfOutline(TElement* area) const {
  if (!string_tells_kinds_) return true;
  bool marked = false;
  for (const char* mark : kPlotMarks) {
    const bool has = !area->GetPropertyText(mark).empty();
    if (has && outline_kind_ == mark) return true;
    marked = marked || has;
  }
  return outline_kind_ == "PSK" && !marked;
}

TElement* TMapExportSource::NextP() {
  auto* string = current_string_.As<spatial::TAreaString>();
  if (!string || !writer_) return nullptr;
  if (polygon_position_ < string->GetLastIndex()) {
    writer_->WriteRawLine("");  // ends the line of <MP>
    for (TElement* element : std::vector<TElement*>(string->Children())) {
      auto* area = ClassCast<spatial::TAreaElement>(element);
      if (!area) return nullptr;
      if (AreaOfOutline(area)) WritePolygon(*area);
    }
    ++polygon_position_;
  } else {
    polygon_position_ = -1;
  }
  return nullptr;
}

void TMapExportSource::WritePolygon(spatial::TAreaElement& area) {
  writer_->WriteRawLine(writer_->Indent() + "<P>");
  WriteRing(area);
  if (spatial::THolesEntity* holes = area.Holes()) {
    for (TElement* element : std::vector<TElement*>(holes->Children())) {
      if (auto* hole = ClassCast<spatial::TAreaElement>(element)) WriteRing(*hole);
    }
  }
  writer_->WriteRawLine(writer_->Indent() + "</P>");
}

void TMapExportSource::WriteRing(spatial::TAreaElement& ring) {
  const std::string indent = writer_->Indent();
  writer_->WriteRawLine(indent + "  <L>");
  const int n = ring.GetCoordsCount();
  // The vertices are read as points: a ring kept in the compact form stays so.
  std::optional<spatial::Point> first;
  for (int i = 0; i < n; ++i) {
    spatial::Point c;
    if (!ring.PointAt(i, &c)) continue;
    if (!first) first = c;
    writer_->WriteRawLine(indent + "    " + PointElement(c.x, c.y));
  }
  // Every ring is closed in the document.
  if (first) writer_->WriteRawLine(indent + "    " + PointElement(first->x, first->y));
  writer_->WriteRawLine(indent + "  </L>");
}

void TMapExportSource::WriteLineSymbolAsPoint(spatial::TPolyLineElement& line) {
  auto* props = ClassCast<gis::TKarmoLineProps>(line.Properties());
  if (!props || props->Symbol() < 1000 || !writer_) return;
  writer_->CloseOpenStartTag();
  const std::string indent = writer_->Indent();
  writer_->WriteRawLine(indent + " <KBO BOD_DRUH=\"530\" BOD_ZNACKA=\"1001\" BOD_UHELZN=\"" +
                        GeneratedSymbolAngle(line.Angle()) + "\"  BOD_BARVA=\"13\">");
  writer_->WriteRawLine(indent + "   <BOD_OBRAZ> " + PointElement(line.X(), line.Y()) + " ");
  writer_->WriteRawLine(indent + "   </BOD_OBRAZ>");
  writer_->WriteRawLine(indent + " </KBO>");
}

TElement* TMapExportSource::NextSymbol(const std::string& name) {
  if (!holding_layers_) {
    if (panel_) {
      TElement* lhc = mapping_.CurrentObject("LHC");
      panel_->SetLHC(lhc ? lhc->GetPropertyText("LHC_KOD") : std::string());
    }
    layers_ = gis::FindDataChild("LAYERS");
    if (!layers_.As<TEntity>()) return nullptr;
    holding_layers_ = true;
    layer_index_ = object_index_ = 0;
  }
  auto* layers = layers_.As<TEntity>();
  TElement* o = nullptr;
  do {
    if (!layers || layer_index_ >= layers->GetCount()) {
      layers_ = nullptr;
      holding_layers_ = false;
      object_index_ = 0;
      current_layer_ = nullptr;
      current_object_ = nullptr;
      return nullptr;
    }
    current_layer_ = layers->GetElement(layer_index_);
    if (progress_line_) {
      platform::ui().SetStatus(name + " " + current_layer_.Get()->GetName() + " " +
                               std::to_string(object_index_));
    }
    o = NextMapSymbol(name);
    if (!o) ++layer_index_;
    // Map texts are decoded from their block's code page once, when the block is read.
    if (o && name == "KBO") {
      if (auto* line = ClassCast<spatial::TPolyLineElement>(o)) {
        WriteLineSymbolAsPoint(*line);
        o = nullptr;
      }
    }
  } while (!o);
  return o;
}

TElement* TMapExportSource::NextMapSymbol(const std::string& name) {
  static constexpr struct {
    char letter;
    const char* code;
  } kCodes[] = {{'B', "PNT"}, {'L', "LIN"}, {'P', "ARE"}, {'T', "TXT"}};
  const char* code = "";
  for (const auto& c : kCodes)
    if (name.size() > 1 && name[1] == c.letter) code = c.code;
  auto* layer = current_layer_.As<TEntity>();
  if (!layer) return nullptr;
  const std::string layer_name = layer->GetName();
  const bool qualifies =
      layer_name.compare(0, 3, code) == 0 || (name == "KBO" && layer_name == "LIN_SLU");
  if (!qualifies || layer->GetCount() == 0) return nullptr;
  int index = object_index_;
  for (TElement* block_element : layer->Children()) {
    auto* block = dynamic_cast<TEntity*>(block_element);
    if (!block) continue;
    if (index < block->GetCount()) {
      current_object_ = block->GetElement(index);
      ++object_index_;
      return current_object_.Get();
    }
    index -= block->GetCount();
  }
  object_index_ = 0;
  return nullptr;
}

TElement* TMapExportSource::Geometry(const std::string& name) {
  TElement* object = current_object_.Get();
  if (!object || !writer_) return nullptr;
  if (name == "BOD_OBRAZ" || name == "TXT_OBRAZ") {
    const bool fits = name == "BOD_OBRAZ" ? ClassCast<spatial::TPointElement>(object) != nullptr
                                          : ClassCast<spatial::TTextElement>(object) != nullptr;
    if (!fits) return nullptr;
    auto* rect = ClassCast<spatial::TRectEntity>(object);
    std::string point = PointElement(rect->X(), rect->Y());
    point.pop_back();  // the writer's closing adds the ">"
    writer_->FinishOpenStartTag();
    writer_->WriteRaw(writer_->Indent() + "<" + name + "> " + point);
    return object;
  }
  if (name == "LIN_OBRAZ") {
    auto* line = ClassCast<spatial::TPolyLineElement>(object);
    if (!line) return nullptr;
    writer_->FinishOpenStartTag();
    const std::string indent = writer_->Indent();
    writer_->WriteRawLine(indent + "<LIN_OBRAZ> <L>");
    for (int i = 0; i < line->GetCoordsCount(); ++i) {
      if (spatial::Point c; line->PointAt(i, &c)) {
        writer_->WriteRawLine(indent + "  " + PointElement(c.x, c.y));
      }
    }
    writer_->WriteRaw(indent + "</L ");
    return object;
  }
  if (name == "PLO_OBRAZ") {
    auto* area = ClassCast<spatial::TAreaElement>(object);
    if (!area) return nullptr;
    writer_->FinishOpenStartTag();
    writer_->WriteRawLine(writer_->Indent() + "<PLO_OBRAZ >");
    WritePolygon(*area);
    writer_->WriteRaw(writer_->Indent() + "</PLO_OBRAZ");
    return object;
  }
  return nullptr;
}

std::string TMapExportSource::StandGroupSymbol() {
  TElement* plan_group = mapping_.CurrentObject("PSK");
  TElement* found = nullptr;
  if (panel_) {
    PointPanel();
    panel_->SetSKUPINA(plan_group ? platform::RemoveBlanks(plan_group->GetPropertyText("PSK"))
                                  : std::string());
    found = panel_->FindHierarchyObject();
  }
  current_group_ = found;
  if (!ClassCast<gis::TPorostniSkupina>(found)) return std::string();
  return std::to_string(StandGroupSymbolCode(plan_group));
}

bool TMapExportSource::AttributeFor(const std::string& attribute, TElement* object,
                                    std::string* text) {
  if (Is(attribute, "PSK_ZNACKA")) {
    *text = attribute + "=\"" + StandGroupSymbol() + "\"";
    return true;
  }
  if (Is(attribute, "S")) {
    *text = attribute + "=\"" +
            (object ? ReferenceText(object->GetPropertyText("X"), object->GetPropertyText("Y"))
                    : std::string()) +
            "\"";
    return true;
  }
  if (Is(attribute, "L_")) {
    TElement* layer = current_layer_.Get();
    *text = attribute + "=\"" +
            (layer ? EscapeAttributeString(attribute, layer->GetName()) : std::string()) + "\"";
    return true;
  }
  if (object && ClassCast<spatial::TSpaceEntity>(object)) {
    return MapObjectAttribute(attribute, *object, text);
  }
  return false;
}

bool TMapExportSource::MapObjectAttribute(const std::string& attribute, TElement& object,
                                          std::string* text) {
  if (Is(attribute, "BOD_UHELZN") || Is(attribute, "TXT_UHEL")) {
    const char* source = Is(attribute, "BOD_UHELZN") ? "ANGLE" : "Direction";
    *text = attribute + "=\"" + NormalizedAngle(NumberText(object.GetPropertyText(source))) + "\" ";
    return true;
  }
  const std::string property = SourceProperty(attribute);
  const framework::TClassInfo& c = object.ClassType();
  const framework::TPropInfo* own = c.Find(property + "_xml");
  if (!own) own = c.Find(property);
  // The object's own properties follow the writer's general rule under their own name.
  if (own && property == attribute) return false;
  std::string value;
  if (own) {
    value = framework::PropertyText(object, *own);
    if (own->kind == framework::TTypeKind::tkFloat)
      std::replace(value.begin(), value.end(), ',', '.');
  } else {
    std::string name = property + "_xml";
    if (!object.HasProperty(name)) name = property;
    if (!object.HasProperty(name)) return false;
    value = object.GetPropertyText(name);
    // A number of the attribute holder is written as every other number; texts stay.
    auto* spatial_object = ClassCast<spatial::TSpaceEntity>(&object);
    if (spatial_object && IsFloatProperty(spatial_object->Properties(), name)) {
      std::replace(value.begin(), value.end(), ',', '.');
    }
  }
  if (property == "DRUH") {
    std::string substitute = kinds_.Find(KindSection(object), value);
    if (!substitute.empty()) value = substitute;
  }
  *text = attribute + "=\"" + EscapeAttributeString(attribute, value) + "\"";
  return true;
}

}  // namespace tarnik::islh
