// TMapExportSource: the export mapping of the plan with the map added. It answers the outline
// elements (PSK_OBRAZ, BZL_OBRAZ, JP_OBRAZ, OP_OBRAZ and their MP and P) from the map panel's
// hierarchy, the map symbols (KBO, KLO, KPO, KTO) from the world's "LAYERS" and their geometry
// elements, and the attributes of map objects; every other name goes to the plan's mapping.
// Geometry is written straight into the writer's output (SetGeometryWriter before the walk).
// Without a panel or hierarchy every outline is a placeholder without content. The mapping,
// panel and writer must outlive the source; placeholders live as long as the source.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "islh/export_mapping.h"
#include "islh/export_source.h"
#include "islh/map_formats.h"

namespace tarnik::gis {
class VAzedevoDevov;
}

namespace tarnik::spatial {
class TAreaElement;
class TPolyLineElement;
}  // namespace tarnik::spatial

namespace tarnik::islh {

class TMapExportSource : public TExportSource {
 public:
  // `panel` may be nil (no map read).
  TMapExportSource(TExportMapping& mapping, TExportUnit& unit, gis::VAzedevoDevov* panel);
  ~TMapExportSource() override;

  void ZnovuNacti() override { mapping_.ZnovuNacti(); }
  framework::TElement* LhcRecord() override { return mapping_.LhcRecord(); }
  void ResetIterator() override;
  framework::TElement* NextObject(const std::string& element_name) override;
  void RozvinMZDHospSoub() override { mapping_.RozvinMZDHospSoub(); }
  void SetGeometryWriter(TGeometryWriter* writer) override { writer_ = writer; }
  bool HasOwnAttributes() const override { return true; }
  bool AttributeFor(const std::string& attribute, framework::TElement* object,
                    std::string* text) override;

  // The kind tables; "SubstituceDruhu.ini" of the program directory when not called.
  void LoadKindSubstitutions(const std::string& path);
  // The symbol walk's status ("KBO PNT_DET 3") goes to the status line when set.
  void SetProgressLine(bool on) { progress_line_ = on; }

  // Geometry writers (public for their tests).
  void WritePolygon(spatial::TAreaElement& area);
  void WriteRing(spatial::TAreaElement& ring);
  void WriteLineSymbolAsPoint(spatial::TPolyLineElement& line);

 private:
  framework::TElement* Outline(const std::string& name);
  framework::TElement* NextMP();
  // Whether the area belongs to the outline being written: a group whose areas carry the plot
  // numbers BZL, JP or OP (a stand group and a plot of one stand can share their number in the
  // map) gives a stand group's outline only the areas without them, a plot's outline only those
  // with its own; a group whose areas carry none gives every outline all of its areas.
  bool AreaOfOutline(framework::TElement* area) const;
  framework::TElement* NextP();
  framework::TElement* NextSymbol(const std::string& name);
  framework::TElement* NextMapSymbol(const std::string& name);
  framework::TElement* Geometry(const std::string& name);
  // The panel pointed at the current compartment, sub-compartment and stand.
  void PointPanel();
  framework::TElement* Placeholder(const std::string& name);
  bool MapObjectAttribute(const std::string& attribute, framework::TElement& object,
                          std::string* text);
  std::string StandGroupSymbol();

  TExportMapping& mapping_;
  TExportUnit& unit_;
  gis::VAzedevoDevov* panel_;
  TGeometryWriter* writer_ = nullptr;
  TKindSubstitutions kinds_;
  bool kinds_loaded_ = false;
  bool progress_line_ = false;

  framework::TElementRef current_group_;
  framework::TElementRef current_string_;
  std::string outline_kind_;         // "PSK", "BZL", "JP" or "OP"
  bool string_tells_kinds_ = false;  // some area of the current string carries a plot number
  int polygon_position_ = -1;
  std::vector<std::unique_ptr<framework::TElement>> placeholders_;

  framework::TElementRef layers_;
  bool holding_layers_ = false;
  int layer_index_ = 0;
  int object_index_ = 0;
  framework::TElementRef current_layer_;
  framework::TElementRef current_object_;
};

}  // namespace tarnik::islh
