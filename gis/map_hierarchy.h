// The forest hierarchy of the map: LHC > compartment > sub-compartment > stand > stand group, each
// node a rectangle entity named by the areas' attribute values, each stand group holding its
// areas in the child "GEOMETRY" (a TAreaString). These classes share their names with the plan's
// classes (forest/hierarchy): they are registered for the map context only
// (framework::kMapContext), so a name creates them only while the map is read. Nodes are owned by
// their parent nodes; the areas stay owned by their blocks as well.
#pragma once

#include <string>

#include "spatial/rect_entity.h"

namespace tarnik::gis {

class TLHC;
class TOddeleni;
class TDilec;
class TPorost;

// A rectangle entity with an optional child "GEOMETRY".
class TGeometryElement : public spatial::TRectEntity {
 public:
  TARNIK_ELEMENT_CLASS(TGeometryElement)
  static constexpr const char* kGeometryName = "GEOMETRY";
  // The child "GEOMETRY", created as an empty rectangle entity when missing.
  spatial::TRectEntity* Geometry();
  // The child "GEOMETRY" or nil (never creates).
  spatial::TRectEntity* FindGeometry() const;
  bool NoGeometry() const { return FindGeometry() == nullptr; }
  // Frees the former child "GEOMETRY" (unless held elsewhere) and adds the new one named so.
  void SetGeometry(framework::TElement* geometry);
};

class TForestUnit : public TGeometryElement {
 public:
  TARNIK_ELEMENT_CLASS(TForestUnit)
  // The nodes above this one; nil at this level and for levels not above.
  virtual TLHC* GetLHC() const { return nullptr; }
  virtual TOddeleni* GetOddeleni() const { return nullptr; }
  virtual TDilec* GetDilec() const { return nullptr; }
  virtual TPorost* GetPorost() const { return nullptr; }
};

class TLHC : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TLHC)
};

class TOddeleni : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TOddeleni)
  TLHC* GetLHC() const override;
};

class TDilec : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TDilec)
  TOddeleni* GetOddeleni() const override;
  TLHC* GetLHC() const override;
};

class TPorost : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TPorost)
  TDilec* GetDilec() const override;
  TOddeleni* GetOddeleni() const override;
  TLHC* GetLHC() const override;
};

class TPorostniSkupina : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TPorostniSkupina)
  TPorost* GetPorost() const override;
  TDilec* GetDilec() const override;
  TOddeleni* GetOddeleni() const override;
  TLHC* GetLHC() const override;
};

class TEtaz : public TForestUnit {
 public:
  TARNIK_ELEMENT_CLASS(TEtaz)
};

// Enters the map classes in the register for the map context (the plan keeps the plain names).
void RegisterMapHierarchyClasses();

// Removes the blanks from the names of the compartments, sub-compartments, stands and stand
// groups below `hierarchy` (the LHC level keeps its name); stand groups are not entered.
void RemoveBlanksBelow(framework::TElement* hierarchy);

}  // namespace tarnik::gis
