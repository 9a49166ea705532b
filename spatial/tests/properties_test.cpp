// The published properties of every spatial class, read and written by name as text.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/class_register.h"
#include "framework/property_text.h"
#include "spatial/space_elements.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using testing::SpatialTest;

struct Published {
  const char* class_name;
  std::vector<const char*> names;
};

// Every class with the names it publishes (inherited ones included in the table checks below).
const std::vector<Published> kClasses = {
    {"TCoordinate", {"CS", "X", "Y", "Z"}},
    {"T2DCoordinate", {"CS", "X", "Y", "Z"}},
    {"T3DCoordinate", {"CS", "X", "Y", "Z"}},
    {"TRectangle", {"MinX", "MinY", "MaxX", "MaxY", "Width", "Height"}},
    {"TRectEntity",
     {"Index",       "MinX",       "MinY",        "MaxX",      "MaxY",    "Width",
      "Height",      "IsValid",    "CenterX",     "CenterY",   "X",       "Y",
      "RelRefX",     "RelRefY",    "DeltaRefX",   "DeltaRefY", "AbsRefX", "AbsRefY",
      "HorizAllign", "VertAllign", "RefPosition", "DeltaX",    "DeltaY",  "UpdateNoReset"}},
    {"TSelectedElement", {"Index"}},
    {"TDrawRectangle", {"PenColor", "PenStyle", "PenWidth", "BrushColor", "BrushStyle"}},
    {"TText", {"Text", "Orientation", "Color", "FontName", "FontStyle", "Charset"}},
    {"TSpaceEntity", {"SpaceID", "Group", "IsDone", "Angle", "Properties"}},
    {"TSpaceEntityString", {"SpaceID", "Properties"}},
    {"TPointElement", {"X", "Y", "Angle"}},
    {"TPointString", {"Properties"}},
    {"TTextElement", {"Text"}},
    {"TTextString", {"Angle"}},
    {"TPolyElement", {"CoordsCount", "Length", "Area1"}},
    {"TPolyLineElement", {"CoordsCount", "Length", "Area1"}},
    {"TPolyLineString", {"Properties"}},
    {"TAreaElement", {"Holes", "IsHole", "HoleOwnerArea", "WholeArea", "SavedArea", "Area1"}},
    {"TAreaString", {"Properties"}},
    {"THolesEntity", {"OwnerArea", "MinX"}},
    {"TPolyLineAreaElement", {"LinesOriginesHex", "Holes", "Area1"}},
    {"TSpaceRect", {"Last"}},
    {"TSpaceLineBegEndCell", {"Last", "Count"}},
    {"TSpaceEntityProps",
     {"SpaceEntity", "SpaceID", "OrigNo", "IsDone", "ObjectRegister", "BlockRegister",
      "BlockName"}},
    {"TRegister", {"SpaceID", "MinX"}},
    {"TBlockRegister", {"SpaceID", "MinX"}},
    {"TObjectRegister", {"BlockName", "DBF"}},
    {"TObjectOwner", {"SpaceID"}},
    {"TRegisterObjectSelector", {"BlockName", "ObjectNo", "ObjectType", "Input", "Output"}},
};

TEST_F(SpatialTest, EveryClassIsCreatedByNameAndPublishesItsProperties) {
  for (const Published& c : kClasses) {
    SCOPED_TRACE(c.class_name);
    std::unique_ptr<framework::TElement> e(framework::CreateElementByClassName(c.class_name));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->ClassName(), c.class_name);
    // The "T" prefix is optional, as for every class.
    std::unique_ptr<framework::TElement> short_name(
        framework::CreateElementByClassName(std::string(c.class_name).substr(1)));
    ASSERT_NE(short_name, nullptr);
    for (const char* name : c.names) EXPECT_TRUE(e->HasProperty(name)) << name;
    // Every readable property reads without error, also on a fresh element.
    const auto& props = e->ClassType().Properties();
    for (const framework::TPropInfo& prop : props) {
      const std::string text = framework::PropertyText(*e, prop);
      EXPECT_NE(text, "Err Value") << prop.name;
      EXPECT_NE(text, "Err Ord Value") << prop.name;
    }
  }
  EXPECT_TRUE(ui().Messages().empty());
}

struct Case {
  const char* class_name;
  const char* property;
  const char* written;
  const char* read;  // nullptr: reads as written
};

// One case or more for each property a class lets write; floats take both separators.
const std::vector<Case> kCases = {
    {"TCoordinate", "CS", "1", nullptr},
    {"TCoordinate", "X", "5", "-1"},
    {"T2DCoordinate", "X", "600000,25", nullptr},
    {"T2DCoordinate", "Y", "-1100000.5", "-1100000,5"},
    {"T2DCoordinate", "CS", "300", "44"},  // a byte keeps its low 8 bits
    {"T3DCoordinate", "Z", "300", nullptr},
    {"TRectangle", "MinX", "1,5", nullptr},
    {"TRectangle", "MaxY", "-2", nullptr},
    {"TRectangle", "Height", "xyz", "0"},
    {"TRectEntity", "Index", "12", nullptr},
    {"TRectEntity", "Index", "12ab", "0"},
    {"TRectEntity", "MinY", "7", nullptr},
    {"TRectEntity", "RelRefX", "0,5", nullptr},
    {"TRectEntity", "RelRefY", "1", nullptr},
    {"TRectEntity", "HorizAllign", "right", "RIGHT"},
    {"TRectEntity", "VertAllign", "TOP", nullptr},
    {"TRectEntity", "RefPosition", "6", nullptr},
    {"TRectEntity", "X", "4", nullptr},
    {"TRectEntity", "Y", "-4", nullptr},
    {"TRectEntity", "IsValid", "True", "False"},  // read-only
    {"TSelectedElement", "Index", "3", nullptr},
    {"TDrawRectangle", "PenColor", "255", nullptr},
    {"TDrawRectangle", "PenStyle", "psDot", nullptr},
    {"TDrawRectangle", "PenStyle", "1", "psDash"},
    {"TDrawRectangle", "PenWidth", "3", nullptr},
    {"TDrawRectangle", "BrushColor", "0", nullptr},
    {"TDrawRectangle", "BrushStyle", "bsCross", nullptr},
    {"TText", "Text", "Hájek", nullptr},
    {"TText", "Orientation", "900", nullptr},
    {"TText", "Color", "16711680", nullptr},
    {"TText", "FontName", "Arial CE", nullptr},
    {"TText", "FontStyle", "3", nullptr},
    {"TText", "Charset", "238", nullptr},
    {"TSpaceEntity", "Angle", "1,5707963267949", nullptr},
    {"TSpaceEntity", "IsDone", "True", nullptr},
    {"TSpaceEntity", "SpaceID", "5", "-1"},  // no holder
    {"TSpaceEntity", "Group", "5", "-1"},
    {"TSpaceEntityString", "SpaceID", "5", "-1"},  // published: no bag for it
    {"TSpaceEntityString", "DRUH", "2", nullptr},  // unknown: a bag takes it
    {"TPointString", "BlockName", "Blok", nullptr},
    {"TTextElement", "Text", "Na Skále", nullptr},
    {"TTextString", "TYPE", "T", nullptr},
    {"TPolyElement", "CoordsCount", "5", "0"},
    {"TPolyLineElement", "Length", "5", "0"},
    {"TPolyLineString", "TYPE", "L", nullptr},
    {"TAreaElement", "IsHole", "true", "True"},
    {"TAreaElement", "WholeArea", "5", "0"},
    {"TAreaElement", "SavedArea", "5", "0"},
    {"TAreaString", "TYPE", "P", nullptr},
    {"TPolyLineAreaElement", "LinesOriginesHex", "A0ff", "A0FF"},
    {"TSpaceRect", "Last", "False", nullptr},
    {"TSpaceLineBegEndCell", "Count", "9", nullptr},
    {"TSpaceEntityProps", "IsDone", "True", nullptr},
    {"TSpaceEntityProps", "SpaceID", "5", "-1"},
    {"TSpaceEntityProps", "OrigNo", "5", "-1"},
    {"TSpaceEntityProps", "ObjectRegister", "5", "0"},
    {"TObjectRegister", "BlockName", "B", ""},
    {"TObjectRegister", "DBF", "5", "0"},
    {"TObjectOwner", "Angle", "2", nullptr},
    {"TRegister", "Index", "2", nullptr},
    {"TBlockRegister", "Angle", "0,5", nullptr},
    {"TRegisterObjectSelector", "BlockName", "B", nullptr},
    {"TRegisterObjectSelector", "ObjectNo", "17", nullptr},
    {"TRegisterObjectSelector", "ObjectType", "P", nullptr},
};

TEST_F(SpatialTest, PropertiesReadAndWriteByNameAsText) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.class_name) + "." + c.property + " := " + c.written);
    std::unique_ptr<framework::TElement> e(framework::CreateElementByClassName(c.class_name));
    ASSERT_NE(e, nullptr);
    e->SetPropertyText(c.property, c.written);
    EXPECT_EQ(e->GetPropertyText(c.property), c.read ? c.read : c.written);
  }
  EXPECT_TRUE(ui().Messages().empty());
}

TEST_F(SpatialTest, ElementPropertiesTakeElementsOfTheirClassByHandle) {
  TAreaElement area;
  THolesEntity* holes = new THolesEntity();
  area.SetPropertyText("Holes", std::to_string(holes->Handle()));
  EXPECT_EQ(area.Holes(), holes);
  // An element of another class or a dead handle leaves the property as it is.
  TPointElement point;
  area.SetPropertyText("Holes", std::to_string(point.Handle()));
  EXPECT_EQ(area.Holes(), holes);
  area.SetPropertyText("Holes", "999999");
  EXPECT_EQ(area.Holes(), holes);
  area.SetPropertyText("Holes", "0");
  EXPECT_EQ(area.Holes(), nullptr);
  EXPECT_EQ(framework::GetPropertyObject(&area, "holes"), nullptr);
}

}  // namespace
}  // namespace tarnik::spatial
