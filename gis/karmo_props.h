// The GIS attribute holders of map objects. A TKarmoProps carries the fixed fields of its
// object's record (number, kind, colour, style ...) as published properties and offers the
// columns of the object's record in its block's attribute table as extra properties (read and
// written by name through the spatial holder hook). The table is found by DBFName: the block
// directory + "/" + the object type letter + the kind as four digits + ".DBF"; the object's
// record is the one whose "CISLO" is the object's number. Holders are created by the readers
// with their element and freed with it; a text holder owns its start point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gis/code_pages.h"
#include "spatial/coordinate.h"
#include "spatial/owned_element.h"
#include "spatial/space_props.h"

namespace tarnik::gis {

class TKarmoDBFTable;

class TKarmoProps : public spatial::TSpaceEntityProps {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoProps)

  // " " without an element; "B", "T", "L", "P" for a point, text, polyline or area (also one
  // made of lines); "X" for any other element.
  char PhysicalObjectType() const;
  // The letter of the object type: PhysicalObjectType here, a fixed letter in the subclasses.
  virtual char GetObjectType() const { return PhysicalObjectType(); }
  // Empty unless the slot's first holder is a TKarmoProps and the holder is filed in a block.
  virtual std::string GetDBFName();
  // The attribute table of the object register that files the element; nil otherwise.
  virtual TKarmoDBFTable* GetDBFTable() const;
  std::string DBFName() { return GetDBFName(); }

  int32_t Cislo() const { return cislo_; }
  void SetCislo(int32_t v) { cislo_ = v; }
  int16_t Druh() const { return druh_; }
  void SetDruh(int16_t v) { druh_ = v; }
  int16_t Barva() const { return barva_; }
  void SetBarva(int16_t v) { barva_ = v; }
  int16_t Znacka() const { return znacka_; }
  void SetZnacka(int16_t v) { znacka_ = v; }
  bool Vyber() const { return vyber_; }
  void SetVyber(bool v) { vyber_ = v; }
  uint8_t Presnost() const { return presnost_; }
  void SetPresnost(uint8_t v) { presnost_ = v; }
  int16_t Symbol() const { return symbol_; }
  void SetSymbol(int16_t v) { symbol_ = v; }

  int32_t GetSpaceID() override { return cislo_; }
  bool HasExtraProperty(std::string_view name) override;
  std::string GetExtraProperty(std::string_view name) override;
  void SetExtraProperty(std::string_view name, const std::string& value) override;
  bool HasExtraProperties() override;
  // A published property as usual; another name that is a field of the object's table is
  // written into the object's record (the table made writable for that one write). Errors of
  // the table reach the caller (EKelvaError).
  void SetPropertyText(std::string_view name, const std::string& value) override;

 private:
  int32_t cislo_ = 0;
  int16_t druh_ = 0;
  int16_t barva_ = 0;
  int16_t znacka_ = 0;
  bool vyber_ = false;
  uint8_t presnost_ = 0;
  int16_t symbol_ = 0;
};

class TKarmoPointProps : public TKarmoProps {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoPointProps)
  char GetObjectType() const override { return 'B'; }
};

class TKarmoTextProps : public TKarmoProps {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoTextProps)
  TKarmoTextProps() = default;
  ~TKarmoTextProps() override;
  char GetObjectType() const override { return 'T'; }

  // Bits kZrusenT, kOkT, kTxtZmena, kT30 (block_records.h).
  uint8_t TextAtrib() const { return text_atrib_; }
  void SetTextAtrib(uint8_t v) { text_atrib_ = v; }
  // Created as a T2DCoordinate when read while there is none; writing frees the previous one.
  spatial::TCoordinate* StartPoint();
  void SetStartPoint(framework::TElement* point);
  TCodePage CodePage() const { return code_page_; }
  void SetCodePage(TCodePage v) { code_page_ = v; }
  uint8_t KarmoFont() const { return karmo_font_; }
  void SetKarmoFont(uint8_t v) { karmo_font_ = v; }
  double Height() const { return height_; }
  void SetHeight(double v) { height_ = v; }
  double WidthCoef() const { return width_coef_; }
  void SetWidthCoef(double v) { width_coef_ = v; }
  double Direction() const { return direction_; }
  void SetDirection(double v) { direction_ = v; }
  double Slope() const { return slope_; }
  void SetSlope(double v) { slope_ = v; }
  double Distance() const { return distance_; }
  void SetDistance(double v) { distance_ = v; }
  uint8_t TextMode() const { return text_mode_; }
  void SetTextMode(uint8_t v) { text_mode_ = v; }

 private:
  uint8_t text_atrib_ = 0;
  spatial::OwnedElement start_point_;
  TCodePage code_page_ = cpIBM;
  uint8_t karmo_font_ = 0;
  double height_ = 0;
  double width_coef_ = 0;
  double direction_ = 0;
  double slope_ = 0;
  double distance_ = 0;
  uint8_t text_mode_ = 0;
};

class TKarmoLineProps : public TKarmoProps {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLineProps)
  char GetObjectType() const override { return 'L'; }
  int32_t LeftArea() const { return left_area_; }
  void SetLeftArea(int32_t v) { left_area_ = v; }
  int32_t RightArea() const { return right_area_; }
  void SetRightArea(int32_t v) { right_area_ = v; }

 private:
  int32_t left_area_ = 0;
  int32_t right_area_ = 0;
};

class TKarmoAreaProps : public TKarmoProps {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoAreaProps)
  char GetObjectType() const override { return 'P'; }
  // The element's Area1 / 10000 when it is an area, else 0.
  double Hektars() const;
  int32_t LineNo() const { return line_no_; }
  void SetLineNo(int32_t v) { line_no_ = v; }
  int32_t PaterNo() const { return pater_no_; }
  void SetPaterNo(int32_t v) { pater_no_ = v; }
  bool HasChildren() const { return has_children_; }
  void SetHasChildren(bool v) { has_children_ = v; }

 private:
  int32_t line_no_ = 0;
  int32_t pater_no_ = 0;
  bool has_children_ = false;
};

}  // namespace tarnik::gis
