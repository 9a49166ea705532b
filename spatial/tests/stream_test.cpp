// Spatial elements through the model stream, in the current and the old format.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/property_text.h"
#include "framework/stream/stream_tools.h"
#include "framework/stream/value_io.h"
#include "framework/values/dynamic_properties.h"
#include "spatial/drawing_classes.h"
#include "spatial/rectangle.h"
#include "spatial/registers.h"
#include "spatial/space_elements.h"
#include "spatial/space_props.h"
#include "testing/spatial_fixture.h"
#include "testing/test_env.h"

namespace tarnik::spatial {
namespace {

using framework::TElement;
using framework::TEntity;
using framework::TPropInfo;
using framework::TTypeKind;
using framework::stream::ValueWriter;
using testing::SpatialTest;

// A map in miniature with an element of every spatial class; the lines are shared.
std::unique_ptr<framework::TOwnerEntity> SampleMap() {
  auto root = std::make_unique<framework::TOwnerEntity>();
  root->SetName("Mapa");
  auto* bare = new TCoordinate();
  bare->SetCS(1);
  root->AddElement(bare);
  auto* flat = new T2DCoordinate(600000.125, -1100000.5);
  flat->SetCS(1);
  root->AddElement(flat);
  root->AddElement(new T3DCoordinate(1, 2, 3.75));
  auto* rectangle = new TRectangle();
  rectangle->bounds() = Bounds{-1, -2, 3, 4};
  root->AddElement(rectangle);
  auto* box = new TRectEntity();
  box->SetName("Rámeček");
  box->SetRelRefX(0.25);  // before the rectangle: nothing moves
  box->SetRelRefY(0.75);
  box->bounds() = Bounds{10, 20, 30, 60};
  box->SetIndex(7);
  root->AddElement(box);
  root->AddElement(new TSelectedElement());
  auto* pen = new TDrawRectangle();
  pen->pen_style = 2;
  pen->pen_width = 0;
  pen->brush_color = 255;
  root->AddElement(pen);
  auto* label = new TText();
  label->text = "Hájek";
  label->font_style = 3;
  label->charset = 0;
  label->orientation = 900;
  root->AddElement(label);

  auto* point = new TPointElement();
  point->SetX(-600000);
  point->SetY(-1100000);
  point->SetAngle(1.25);
  auto* point_props = new TSpaceEntityProps();
  point_props->SetIsDone(true);
  point->SetProperties(point_props);
  auto* points = new TPointString();
  points->SetName("Body");
  points->SetPropertyText("BlockName", "B");
  points->AddElement(point);
  root->AddElement(points);

  auto* text = new TTextElement();
  text->SetText("Na Skále");
  text->SetX(5);
  text->SetY(6);
  auto* bag = new framework::TDynamicProperties();
  bag->SetPropertyInteger("SPACEID", 12);
  bag->SetPropertyText("POPIS", "žluťoučký");
  text->SetProperties(bag);
  auto* texts = new TTextString();
  texts->AddElement(text);
  root->AddElement(texts);

  auto* bottom = testing::SpatialTest::NewLine({{0, 0}, {10, 0}, {10, 10}});
  auto* top = new TPolyLineElement();
  top->AddWithBounds(new T3DCoordinate(0, 0, 1));
  top->AddWithBounds(new T3DCoordinate(0, 10, 2));
  top->AddWithBounds(new T2DCoordinate(10, 10));
  auto* lines = new TPolyLineString();
  lines->AddElement(bottom);
  lines->AddElement(top);
  root->AddElement(lines);

  auto* area = testing::SpatialTest::Square();
  area->SetRefPosition(5);
  auto* hole = testing::SpatialTest::Hole(false);
  auto* hole_props = new TSpaceEntityProps();
  hole->SetProperties(hole_props);
  area->AddHole(hole);
  auto* ring = new TPolyLineAreaElement();
  ring->AddLine(bottom, true);
  ring->AddLine(top, false);
  auto* island = new TPolyLineAreaElement();
  island->AddLine(testing::SpatialTest::NewLine({{2, 2}, {4, 2}, {4, 4}, {2, 2}}), true);
  ring->AddHole(island);
  auto* areas = new TAreaString();
  areas->AddElement(area);
  areas->AddElement(ring);
  root->AddElement(areas);

  root->AddElement(new THolesEntity());
  auto* cell = new TSpaceLineBegEndCell();
  cell->SetCount(4);
  root->AddElement(cell);
  auto* last = new TSpaceRect();
  last->SetLast(false);
  root->AddElement(last);
  root->AddElement(new TSpaceEntityProps());
  root->AddElement(new TSpaceEntity());
  root->AddElement(new TSpaceEntityString());
  root->AddElement(new TPolyElement());

  auto* map = new TRegister();
  TBlockRegister* block = map->GetOrCreateBlock("B", "TBlockRegister");
  auto* filed = testing::SpatialTest::NewArea({{0, 0}, {5, 0}, {5, 5}});
  auto* filed_props = new framework::TDynamicProperties();
  filed_props->SetPropertyInteger("SPACEID", 2);
  filed->SetProperties(filed_props);
  block->Register(filed);
  root->AddElement(map);
  auto* selector = new TRegisterObjectSelector();
  selector->SetBlockName("B");
  selector->SetObjectNo(2);
  selector->SetObjectType("P");
  root->AddElement(selector);
  return root;
}

// Properties whose text says nothing about the element's data.
bool Incidental(const TElement& element, const TPropInfo& prop) {
  static const std::set<std::string> names = {"ID", "OwnersCount", "Size", "WholeSize",
                                              "WholeCount"};
  if (names.count(prop.name)) return true;
  return prop.name == "IsDone" && element.Is<TSpaceEntity>();  // mirrors ID
}

// Same class, same readable property texts, same stored elements and same children, all the way
// down. `old_format` compares what the old format keeps: names, children, points and bounds.
void ExpectSame(TElement* a, TElement* b, bool old_format, const std::string& path) {
  ASSERT_NE(a, nullptr) << path;
  ASSERT_NE(b, nullptr) << path;
  ASSERT_EQ(a->ClassName(), b->ClassName()) << path;
  const std::string here = path + "/" + a->GetName();
  static const std::set<std::string> kept = {"Name", "MinX", "MinY", "MaxX", "MaxY"};
  static const std::set<std::string> kept_by_coordinates = {"CS", "X", "Y", "Z"};
  for (const TPropInfo& prop : a->ClassType().Properties()) {
    if (!prop.HasReader() || Incidental(*a, prop)) continue;
    if (old_format && !kept.count(prop.name) &&
        !(a->Is<TCoordinate>() && kept_by_coordinates.count(prop.name))) {
      continue;
    }
    if (prop.kind == TTypeKind::tkClass) {
      TElement* x = prop.get_obj(*a);
      TElement* y = prop.get_obj(*b);
      ASSERT_EQ(x == nullptr, y == nullptr) << here << "." << prop.name;
      if (x && prop.HasWriter() && prop.IsStoredFor(*a)) {
        ExpectSame(x, y, old_format, here + "." + prop.name);
      } else if (x) {
        EXPECT_EQ(x->ClassName(), y->ClassName()) << here << "." << prop.name;
      }
      continue;
    }
    EXPECT_EQ(framework::PropertyText(*a, prop), framework::PropertyText(*b, prop))
        << here << "." << prop.name;
  }
  auto* ea = dynamic_cast<TEntity*>(a);
  auto* eb = dynamic_cast<TEntity*>(b);
  if (!ea) return;
  ASSERT_EQ(ea->GetCount(), eb->GetCount()) << here;
  for (int i = 0; i < ea->GetCount(); ++i) {
    ExpectSame(ea->GetElement(i), eb->GetElement(i), old_format, here);
  }
}

class SpatialStreamTest : public SpatialTest {
 protected:
  std::unique_ptr<TElement> SaveAndLoad(TElement* root) {
    framework::TKelvaSaver saver;
    saver.SetInput(root);
    saver.Execute();
    framework::TKelvaLoader loader;
    loader.LoadBytes(saver.Bytes(), "mapa.klv");
    return std::unique_ptr<TElement>(loader.Output());
  }
  std::string SaveOld(TElement* root) {
    framework::TSaver saver;
    saver.SetName(dir_.File("stara.klv"));
    root->MarkAll();
    saver.SetInput(root);
    saver.Execute();
    return saver.Bytes();
  }
  std::unique_ptr<TElement> LoadOld(const std::string& bytes) {
    framework::TLoader loader;
    loader.LoadBytes(bytes);
    return std::unique_ptr<TElement>(loader.Output());
  }
  ::tarnik::testing::TempDir dir_;
};

template <class T>
T* Child(TElement* root, int i) {
  auto* entity = dynamic_cast<TEntity*>(root);
  return entity && i < entity->GetCount() ? dynamic_cast<T*>(entity->GetElement(i)) : nullptr;
}

TEST_F(SpatialStreamTest, EverySpatialElementSurvivesTheCurrentFormat) {
  auto map = SampleMap();
  std::unique_ptr<TElement> loaded = SaveAndLoad(map.get());
  ASSERT_NE(loaded, nullptr);
  ExpectSame(map.get(), loaded.get(), false, "");
  EXPECT_TRUE(Reports().empty());
  EXPECT_TRUE(ui().Messages().empty());

  // Holders and holes come back owned by their elements, with their back links.
  auto* points = Child<TPointString>(loaded.get(), 8);
  ASSERT_NE(points, nullptr);
  auto* point = Child<TPointElement>(points, 0);
  auto* props = framework::ClassCast<TSpaceEntityProps>(point->Properties());
  ASSERT_NE(props, nullptr);
  EXPECT_EQ(props->SpaceEntity(), point);
  EXPECT_TRUE(props->IsDone());
  EXPECT_EQ(point->GetPropertyText("X"), "-600000");
  auto* areas = Child<TAreaString>(loaded.get(), 11);
  auto* area = Child<TAreaElement>(areas, 0);
  ASSERT_NE(area->Holes(), nullptr);
  EXPECT_EQ(area->Holes()->OwnerArea(), area);
  auto* hole = Child<TAreaElement>(area->Holes(), 0);
  EXPECT_EQ(hole->HoleOwnerArea(), area);
  EXPECT_EQ(framework::ClassCast<TSpaceEntityProps>(hole->Properties())->SpaceEntity(), hole);
  EXPECT_DOUBLE_EQ(area->GetArea1(), -84);
  EXPECT_EQ(area->RefPosition(), 5);
  // The lines are shared between their string and the area made of them.
  auto* lines = Child<TPolyLineString>(loaded.get(), 10);
  auto* ring = Child<TPolyLineAreaElement>(areas, 1);
  EXPECT_EQ(ring->GetElement(0), lines->GetElement(0));
  EXPECT_EQ(ring->GetElement(1), lines->GetElement(1));
  EXPECT_DOUBLE_EQ(ring->GetArea1(), -98);
  // The reference point of a valid rectangle did not move the rectangle on loading.
  auto* box = Child<TRectEntity>(loaded.get(), 4);
  EXPECT_EQ(box->bounds(), (Bounds{10, 20, 30, 60}));
  EXPECT_DOUBLE_EQ(box->X(), 15);
  // A rectangle that starts as last and was not keeps that.
  EXPECT_FALSE(Child<TSpaceRect>(loaded.get(), 14)->Last());
  EXPECT_TRUE(Child<TSpaceLineBegEndCell>(loaded.get(), 13)->Last());
  // The filed area is found again under its number.
  auto* registers = Child<TRegister>(loaded.get(), 19);
  ASSERT_NE(registers, nullptr);
  TSpaceEntity* filed = registers->FindBlock("B")->GetObject("P", 2);
  ASSERT_NE(filed, nullptr);
  EXPECT_EQ(filed->GetSpaceID(), 2);
}

TEST_F(SpatialStreamTest, EverySpatialElementKeepsItsGeometryInTheOldFormat) {
  auto map = SampleMap();
  const std::string bytes = SaveOld(map.get());
  EXPECT_EQ(::tarnik::testing::ReadFile(dir_.File("stara.klv")), bytes);
  std::unique_ptr<TElement> loaded = LoadOld(bytes);
  ASSERT_NE(loaded, nullptr);
  ExpectSame(map.get(), loaded.get(), true, "");
  EXPECT_TRUE(ui().Messages().empty());
  auto* flat = Child<T2DCoordinate>(loaded.get(), 1);
  EXPECT_EQ(flat->X(), 600000.125);
  EXPECT_EQ(flat->CS(), 1);
  EXPECT_EQ(Child<T3DCoordinate>(loaded.get(), 2)->Z(), 3.75);
  auto* areas = Child<TAreaString>(loaded.get(), 11);
  EXPECT_DOUBLE_EQ(Child<TAreaElement>(areas, 0)->GetArea1(), -100);  // no holes here
  EXPECT_EQ(Child<TAreaElement>(areas, 0)->bounds(), (Bounds{0, 0, 10, 10}));
  // Shared lines stay shared.
  auto* lines = Child<TPolyLineString>(loaded.get(), 10);
  EXPECT_EQ(Child<TPolyLineAreaElement>(areas, 1)->GetElement(1), lines->GetElement(1));
}

std::string RawDouble(double v) {
  char bytes[8];
  std::memcpy(bytes, &v, sizeof bytes);
  return std::string(bytes, sizeof bytes);
}

TEST_F(SpatialStreamTest, OldFormatRecordsOfTheGeometryClasses) {
  framework::TOwnerEntity root;
  auto* c = new T2DCoordinate(1.5, -2);
  c->SetCS(1);
  root.AddElement(c);
  root.AddElement(new T3DCoordinate(0, 0, 2.5));
  auto* box = new TRectEntity();
  box->SetName("R");
  box->bounds() = Bounds{1, 2, 3, 4};
  root.AddElement(box);
  const std::string bytes = SaveOld(&root);

  ValueWriter w;
  w.WriteRaw("TPF0");
  w.WriteListBegin();
  w.WriteString("T2DCoordinate");
  w.WriteInteger(0);
  w.WriteInteger(1);
  w.WriteRaw(RawDouble(1.5) + RawDouble(-2));
  w.WriteString("T3DCoordinate");
  w.WriteInteger(1);
  w.WriteInteger(0);
  w.WriteRaw(RawDouble(0) + RawDouble(0));
  w.WriteFloat(2.5);
  w.WriteString("TRectEntity");
  w.WriteInteger(2);
  w.WriteListBegin();
  w.WriteListEnd();
  w.WriteString("R");
  for (double v : {1, 2, 3, 4}) w.WriteFloat(v);
  EXPECT_EQ(bytes.substr(0, w.size()), w.bytes());
}

// An old-format file of one record of `class_name` followed by `data`.
std::string OldRecord(const std::string& class_name, const std::string& data) {
  ValueWriter w;
  w.WriteRaw("TPF0");
  w.WriteListBegin();
  w.WriteString(class_name);
  w.WriteInteger(0);
  w.WriteRaw(data);
  w.WriteListEnd();
  return w.bytes();
}

std::string Integer(int32_t v) {
  ValueWriter w;
  w.WriteInteger(v);
  return w.bytes();
}

std::string Float(double v) {
  ValueWriter w;
  w.WriteFloat(v);
  return w.bytes();
}

TEST_F(SpatialStreamTest, DamagedGeometryInTheOldFormatStopsTheLoad) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Damage {
    const char* class_name;
    std::string data;
  };
  const std::vector<Damage> damaged = {
      {"TCoordinate", ""},                                            // no system code
      {"TCoordinate", Integer(300)},                                  // not a code
      {"T2DCoordinate", Integer(1) + RawDouble(1)},                   // 8 of 16 bytes
      {"T2DCoordinate", Integer(1) + RawDouble(nan) + RawDouble(0)},  // not finite
      {"T3DCoordinate", Integer(1) + RawDouble(0) + RawDouble(0)},    // no Z
      {"T3DCoordinate", Integer(1) + RawDouble(0) + RawDouble(0) + Float(inf)},
      {"TRectangle", Float(1) + Float(2) + Float(3)},
      {"TRectangle", Float(1) + Float(nan) + Float(3) + Float(4)},
  };
  for (const Damage& d : damaged) {
    SCOPED_TRACE(d.class_name);
    ui().Clear();
    EXPECT_EQ(LoadOld(OldRecord(d.class_name, d.data)), nullptr);
    EXPECT_EQ(ui().Messages(),
              std::vector<std::string>{std::string("Chyba při čtení elementu: ") + d.class_name});
  }
  // Integers stand in for extended floats.
  ui().Clear();
  std::unique_ptr<TElement> rect =
      LoadOld(OldRecord("TRectangle", Integer(1) + Integer(2) + Integer(300) + Integer(-100000)));
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(static_cast<TRectangle*>(rect.get())->bounds(), (Bounds{1, 2, 300, -100000}));
  EXPECT_TRUE(ui().Messages().empty());
}

}  // namespace
}  // namespace tarnik::spatial
