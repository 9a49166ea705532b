#include "gis/karmo_props.h"

#include "framework/errors.h"
#include "gis/dbf_table.h"
#include "gis/karmo_registers.h"
#include "spatial/area_element.h"
#include "spatial/space_elements.h"

namespace tarnik::gis {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

template <class P, class Get, class Set>
void SmallInt(TPropDefs<P>& d, const char* name, Get get, Set set) {
  d.Integer(
      name, [get](P& p) { return static_cast<int32_t>((p.*get)()); },
      [set](P& p, int32_t v) { (p.*set)(static_cast<int16_t>(v)); });
}

void DefineProps(std::vector<TPropInfo>& out) {
  using P = TKarmoProps;
  TPropDefs<P> d(out);
  d.Char("PhysicalObjectType", &P::PhysicalObjectType, nullptr);
  d.Char("ObjectType", &P::GetObjectType, nullptr);
  d.Integer("Cislo", &P::Cislo, &P::SetCislo);
  SmallInt(d, "Druh", &P::Druh, &P::SetDruh);
  SmallInt(d, "Barva", &P::Barva, &P::SetBarva);
  SmallInt(d, "Znacka", &P::Znacka, &P::SetZnacka);
  d.Boolean("Vyber", &P::Vyber, &P::SetVyber);
  d.Byte("Presnost", &P::Presnost, &P::SetPresnost);
  SmallInt(d, "Symbol", &P::Symbol, &P::SetSymbol);
  d.String("DBFName", &P::DBFName, nullptr);
  d.Object("DBFTable", TKarmoDBFTable::StaticClass(), &P::GetDBFTable, nullptr);
}

void DefineTextProps(std::vector<TPropInfo>& out) {
  using P = TKarmoTextProps;
  TPropDefs<P> d(out);
  d.Set("TextAtrib", "TTextAtrib", &P::TextAtrib, &P::SetTextAtrib);
  d.Object("StartPoint", spatial::TCoordinate::StaticClass(), &P::StartPoint, &P::SetStartPoint);
  d.Enum<TCodePage>("CodePage", "TCodePage", {"cpIBM", "cpLatin2", "cpKamenickych", "cpWindows"},
                    &P::CodePage, &P::SetCodePage);
  d.Byte("KarmoFont", &P::KarmoFont, &P::SetKarmoFont);
  d.Float("Height", &P::Height, &P::SetHeight);
  d.Float("WidthCoef", &P::WidthCoef, &P::SetWidthCoef);
  d.Float("Direction", &P::Direction, &P::SetDirection);
  d.Float("Slope", &P::Slope, &P::SetSlope);
  d.Float("Distance", &P::Distance, &P::SetDistance);
  d.Byte("TextMode", &P::TextMode, &P::SetTextMode);
}

void DefineLineProps(std::vector<TPropInfo>& out) {
  using P = TKarmoLineProps;
  TPropDefs<P> d(out);
  d.Integer("LeftArea", &P::LeftArea, &P::SetLeftArea);
  d.Integer("RightArea", &P::RightArea, &P::SetRightArea);
}

void DefineAreaProps(std::vector<TPropInfo>& out) {
  using P = TKarmoAreaProps;
  TPropDefs<P> d(out);
  d.Float("Hektars", &P::Hektars, nullptr);
  d.Integer("LineNo", &P::LineNo, &P::SetLineNo);
  d.Integer("PaterNo", &P::PaterNo, &P::SetPaterNo);
  d.Boolean("HasChildren", &P::HasChildren, &P::SetHasChildren);
}

// Restores the table's read-only state however a write ends.
struct ReadOnlyAgain {
  TKarmoDBFTable* table;
  ~ReadOnlyAgain() {
    table->Close();
    table->SetReadOnly(true);
  }
};

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoProps, spatial::TSpaceEntityProps, DefineProps)
TARNIK_DEFINE_CLASS(TKarmoPointProps, TKarmoProps, nullptr)
TARNIK_DEFINE_CLASS(TKarmoTextProps, TKarmoProps, DefineTextProps)
TARNIK_DEFINE_CLASS(TKarmoLineProps, TKarmoProps, DefineLineProps)
TARNIK_DEFINE_CLASS(TKarmoAreaProps, TKarmoProps, DefineAreaProps)

char TKarmoProps::PhysicalObjectType() const {
  const spatial::TSpaceEntity* element = SpaceEntity();
  if (!element) return ' ';
  if (element->Is<spatial::TPointElement>()) return 'B';
  if (element->Is<spatial::TTextElement>()) return 'T';
  if (element->Is<spatial::TPolyLineElement>()) return 'L';
  if (element->Is<spatial::TAreaElement>()) return 'P';
  return 'X';
}

std::string TKarmoProps::GetDBFName() {
  auto* first = framework::ClassCast<TKarmoProps>(GetFirstProps());
  if (!first) return {};
  const std::string block = GetBlockName();
  if (block.empty()) return {};
  return DbfFileName(block, GetObjectType(), first->Druh());
}

TKarmoDBFTable* TKarmoProps::GetDBFTable() const {
  auto* objects = framework::ClassCast<TKarmoObjectRegister>(GetObjectRegister());
  return objects ? objects->Table() : nullptr;
}

bool TKarmoProps::HasExtraProperty(std::string_view name) {
  TKarmoDBFTable* table = GetDBFTable();
  return table && table->OpenTable(DBFName()) && table->HasField(name);
}

bool TKarmoProps::HasExtraProperties() {
  TKarmoDBFTable* table = GetDBFTable();
  return table && table->OpenTable(DBFName()) && table->LocateNumber(GetOrigNo());
}

std::string TKarmoProps::GetExtraProperty(std::string_view name) {
  TKarmoDBFTable* table = GetDBFTable();
  if (!table || !table->HasField(name)) return {};
  try {
    return table->FieldText(name);
  } catch (const std::exception&) {
    return {};
  }
}

void TKarmoProps::SetExtraProperty(std::string_view name, const std::string& value) {
  TKarmoDBFTable* table = GetDBFTable();
  if (!table || !table->HasField(name)) return;
  try {
    table->SetFieldText(name, value);
  } catch (const std::exception&) {
    // A field that cannot take the value keeps its old one.
  }
}

void TKarmoProps::SetPropertyText(std::string_view name, const std::string& value) {
  if (ClassType().Find(name)) {
    framework::TElement::SetPropertyText(name, value);
    return;
  }
  if (!IsFiled() || !HasExtraProperty(name)) return;
  TKarmoDBFTable* table = GetDBFTable();
  const std::string path = DBFName();
  table->Close();
  table->SetReadOnly(false);
  ReadOnlyAgain again{table};
  if (!table->OpenTable(path)) {
    throw framework::EKelvaError("Tabulku " + path + " nelze otevřít pro zápis");
  }
  if (!table->LocateNumber(Cislo())) {
    throw framework::EKelvaError("Objekt č. " + std::to_string(Cislo()) +
                                 " nemá záznam v tabulce " + path);
  }
  table->SetFieldText(name, value);
}

TKarmoTextProps::~TKarmoTextProps() { start_point_.Reset(); }

spatial::TCoordinate* TKarmoTextProps::StartPoint() {
  if (!start_point_.Get()) start_point_.Set(this, new spatial::T2DCoordinate());
  return framework::ClassCast<spatial::TCoordinate>(start_point_.Get());
}

void TKarmoTextProps::SetStartPoint(framework::TElement* point) { start_point_.Set(this, point); }

double TKarmoAreaProps::Hektars() const {
  auto* area = framework::ClassCast<spatial::TAreaElement>(SpaceEntity());
  return area ? area->GetArea1() / 10000 : 0;
}

}  // namespace tarnik::gis
