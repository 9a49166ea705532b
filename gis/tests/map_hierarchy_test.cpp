#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "forest/forest_classes.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "framework/class_register.h"
#include "framework/values/string_list.h"
#include "gis/map_hierarchy.h"
#include "gis/map_panel.h"
#include "gis/map_tools.h"
#include "testing/dbf_writer.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using framework::ClassCast;
using framework::TElement;
using framework::TEntity;
using testing::DbfTableLayout;
using testing::GisTest;

class MapHierarchyTest : public GisTest {
 protected:
  MapHierarchyTest() {
    plan::RegisterForestClasses();
    plan::RegisterHierarchyClasses();
    RegisterMapPanelClasses();
  }

  // The squares as "DET.BLK": A and its island grouped alike, B without a group.
  void WriteMap() {
    testing::BlockRecords records = SquaresBuilder().Build();
    records.info = "CODEPAGE=1250\r\n";
    ASSERT_TRUE(records.Write(BlockDir("DET.BLK")));
    auto table = [](std::string cislo, std::string skupina) {
      DbfTableLayout t;
      t.fields = {{"CISLO", 'N', 8, 0}, {"LHC", 'C', 10, 0},   {"ODDELENI", 'C', 6, 0},
                  {"DILEC", 'C', 4, 0}, {"POROST", 'C', 4, 0}, {"SKUPINA", 'C', 6, 0}};
      t.rows = {{cislo, "12 3", "11", "A", "1", skupina}};
      return t;
    };
    ASSERT_TRUE(testing::WriteDbf(BlockDir("DET.BLK") + "/P0110.DBF", table("1", "1 a")));
    ASSERT_TRUE(testing::WriteDbf(BlockDir("DET.BLK") + "/P0120.DBF", table("2", "")));
    ASSERT_TRUE(testing::WriteDbf(BlockDir("DET.BLK") + "/P0130.DBF", table("3", "1 a")));
  }

  // What the model scripts set up: "DATA" with "LAYERS" and "HIERARCHY", and "DATAMODEL".
  void MakeWorldObjects(bool with_model = true) {
    auto* data = new framework::TOwnerEntity();
    data->SetName("DATA");
    framework::World().AddElement(data);
    for (const char* name : {"LAYERS", "HIERARCHY"}) {
      auto* child = new spatial::TRectEntity();
      child->SetName(name);
      data->AddElement(child);
    }
    if (!with_model) return;
    auto* model = new framework::TStringListElement();
    model->SetName("DATAMODEL");
    model->NextNameIsValue("ARE=DET.BLK");
    model->NextNameIsValue("PNT=DET.BLK");
    framework::World().AddElement(model);
  }

  TEntity* Hierarchy() { return dynamic_cast<TEntity*>(FindDataChild("HIERARCHY")); }

  void Read() {
    WriteMap();
    MakeWorldObjects();
    THeleNacti reader;
    reader.SetDirectory(tmp_.path());
    reader.Execute();
    EXPECT_EQ(reader.Error(), 0);
  }

  static TElement* Child(TElement* e, const std::string& name) {
    auto* entity = dynamic_cast<TEntity*>(e);
    return entity ? entity->FindElementByName(name) : nullptr;
  }
};

TEST_F(MapHierarchyTest, SharedNamesCreateThePlanClassOutsideTheMapContext) {
  std::unique_ptr<TElement> plan(framework::CreateElementByClassName("TLHC"));
  EXPECT_NE(ClassCast<plan::TLHC>(plan.get()), nullptr);
  EXPECT_EQ(ClassCast<gis::TLHC>(plan.get()), nullptr);
  {
    framework::TClassContextScope map(framework::kMapContext);
    std::unique_ptr<TElement> mapped(framework::CreateElementByClassName("tporostniskupina"));
    EXPECT_NE(ClassCast<gis::TPorostniSkupina>(mapped.get()), nullptr);
    std::unique_ptr<TElement> lhc(framework::CreateElementByClassName("LHC"));  // "T" added
    EXPECT_NE(ClassCast<gis::TLHC>(lhc.get()), nullptr);
    // A name only the plan has still creates the plan's class.
    std::unique_ptr<TElement> other(framework::CreateElementByClassName("TLesniMnozina"));
    EXPECT_NE(other.get(), nullptr);
    {
      framework::TClassContextScope none("");
      std::unique_ptr<TElement> inner(framework::CreateElementByClassName("TEtaz"));
      EXPECT_EQ(ClassCast<gis::TEtaz>(inner.get()), nullptr);
    }
    std::unique_ptr<TElement> again(framework::CreateElementByClassName("TEtaz"));
    EXPECT_NE(ClassCast<gis::TEtaz>(again.get()), nullptr);
  }
  std::unique_ptr<TElement> after(framework::CreateElementByClassName("TPorostniSkupina"));
  EXPECT_EQ(ClassCast<gis::TPorostniSkupina>(after.get()), nullptr);
  EXPECT_EQ(framework::CurrentClassContext(), "");
}

TEST_F(MapHierarchyTest, TheAreasOfDetAreGroupedByTheirFiveValues) {
  Read();
  ASSERT_EQ(Hierarchy()->GetCount(), 1);
  TElement* lhc = Child(Hierarchy(), "12 3");
  ASSERT_NE(ClassCast<gis::TLHC>(lhc), nullptr);
  auto* stand = ClassCast<gis::TPorost>(Child(Child(Child(lhc, "11"), "A"), "1"));
  ASSERT_NE(stand, nullptr);
  EXPECT_EQ(stand->GetLHC(), lhc);
  EXPECT_EQ(stand->GetDilec()->GetName(), "A");
  ASSERT_EQ(stand->GetCount(), 2);
  // The area and its island share their values: one group with two areas.
  auto* group = ClassCast<gis::TPorostniSkupina>(Child(stand, "1 a"));
  ASSERT_NE(group, nullptr);
  auto* geometry = ClassCast<spatial::TAreaString>(Child(group, "GEOMETRY"));
  ASSERT_NE(geometry, nullptr);
  EXPECT_EQ(geometry->GetCount(), 2);
  EXPECT_FALSE(group->NoGeometry());
  EXPECT_EQ(group->GetOddeleni()->GetName(), "11");
  // An empty group value names the group "___".
  auto* unnamed = ClassCast<gis::TPorostniSkupina>(Child(stand, "___"));
  ASSERT_NE(unnamed, nullptr);
  // Every node's rectangle holds the areas below it: A spans 100 m from west to east (the map's
  // Y), A and B together 200 m.
  EXPECT_NEAR(group->Height(), 100, 1e-6);
  EXPECT_NEAR(stand->Height(), 200, 1e-6);
  EXPECT_NEAR(ClassCast<spatial::TRectEntity>(Hierarchy())->Height(), 200, 1e-6);
  // The layers by type and block.
  auto* layers = dynamic_cast<TEntity*>(FindDataChild("LAYERS"));
  ASSERT_NE(layers, nullptr);
  EXPECT_NE(layers->FindElementByName("ARE_DET"), nullptr);
  EXPECT_NE(layers->FindElementByName("PNT_DET"), nullptr);
  VAzedevoDevov panel;
  EXPECT_EQ(panel.Layers(), "\"ARE_DET\",\"PNT_DET\"");
}

TEST_F(MapHierarchyTest, LookupsAnswerTheDeepestNodeFoundAndBlanksGoBelowTheLhc) {
  Read();
  VAzedevoDevov panel;
  panel.AttachHierarchy();
  panel.SetLHC("12 3");
  panel.SetODDELENI("11");
  panel.SetDILEC("A");
  panel.SetPOROST("1");
  panel.SetSKUPINA("1 a");
  EXPECT_NE(ClassCast<gis::TPorostniSkupina>(panel.FindHierarchyObject()), nullptr);
  // The same compartment keeps the lower values; another one clears them; LHC never does.
  panel.SetODDELENI("11");
  EXPECT_EQ(panel.SKUPINA(), "1 a");
  panel.SetLHC("12 3");
  EXPECT_EQ(panel.DILEC(), "A");
  panel.SetDILEC("B");
  EXPECT_EQ(panel.POROST(), "");
  EXPECT_EQ(panel.SKUPINA(), "");
  EXPECT_NE(ClassCast<gis::TOddeleni>(panel.FindHierarchyObject()), nullptr);

  panel.RemoveBlanksFromHierarchy();
  EXPECT_NE(Child(Hierarchy(), "12 3"), nullptr);
  TElement* stand = Child(Child(Child(Child(Hierarchy(), "12 3"), "11"), "A"), "1");
  EXPECT_NE(Child(stand, "1a"), nullptr);
  EXPECT_EQ(Child(stand, "1 a"), nullptr);
  // The areas below a group keep their names.
  EXPECT_NE(Child(Child(stand, "1a"), "GEOMETRY"), nullptr);

  // The finder: a point of A outside its island, then one of B.
  THeleSkupina* finder = panel.Finder();
  ASSERT_EQ(finder, nullptr);  // Init makes it
  THeleSkupina own;
  own.SetInput(Hierarchy());
  const testing::FilePoint a = testing::At(20, 80), b = testing::At(150, 50);
  // Map coordinates are the file's negated (S-JTSK).
  own.SetX(-a.x);
  own.SetY(-a.y);
  own.Execute();
  ASSERT_TRUE(own.Found());
  EXPECT_EQ(own.PSKObject()->GetName(), "1a");
  EXPECT_EQ(own.OutString(), "12 3 11A1 1 a");
  own.SetX(-b.x);
  own.SetY(-b.y);
  own.Execute();
  ASSERT_TRUE(own.Found());
  EXPECT_EQ(own.PSKObject()->GetName(), "___");
  own.SetX(0);
  own.SetY(0);
  own.Execute();
  EXPECT_FALSE(own.Found());
}

// A node of the map's hierarchy classes named `name`, added to `parent` (at `at` when given).
TEntity* Node(TEntity* parent, const std::string& name, int at = -1) {
  auto* node = new TForestUnit();
  node->SetName(name);
  if (at < 0) {
    parent->AddElement(node);
  } else {
    parent->InsertElement(at, node);
  }
  return node;
}

TEST_F(MapHierarchyTest, PanelLookupsFindWhatTheHierarchyToolFinds) {
  spatial::TRectEntity root;
  TEntity* lhc = Node(&root, "L");
  for (const char* odd : {"1", "2", "3"}) {
    TEntity* dil = Node(Node(lhc, odd), "A");
    Node(Node(dil, "1"), "1");
    Node(Node(dil, "2"), "1");
  }
  VAzedevoDevov panel;
  panel.SetHierarchy(&root);
  auto expected = [&](const std::string& l, const std::string& o, const std::string& d,
                      const std::string& p, const std::string& s) {
    THeleHier tool;
    tool.lhc = l;
    tool.odd = o;
    tool.dil = d;
    tool.por = p;
    tool.psk = s;
    tool.SetInput(panel.Hierarchy());
    tool.Execute();
    return tool.Output();
  };
  auto look = [&](const std::string& l, const std::string& o, const std::string& d,
                  const std::string& p, const std::string& s) {
    panel.SetLHC(l);
    panel.SetODDELENI(o);
    panel.SetDILEC(d);
    panel.SetPOROST(p);
    panel.SetSKUPINA(s);
    TElement* found = panel.FindHierarchyObject();
    EXPECT_EQ(found, expected(l, o, d, p, s)) << l << " " << o << d << p << " " << s;
    return found;
  };
  for (int round = 0; round < 2; ++round) {
    for (const char* odd : {"2", "2", "1", "3", "x", "3"}) {
      for (const char* por : {"1", "2", "9"}) {
        look("L", odd, "A", por, "1");
        look("l", odd, "a", por, "");
      }
    }
    look("M", "2", "A", "1", "1");
  }
  TElement* old_two = look("L", "2", "A", "1", "1");
  ASSERT_NE(old_two, nullptr);
  // A compartment of the same name put in front is the first match from then on.
  TEntity* new_two = Node(lhc, "2", 0);
  Node(Node(Node(new_two, "A"), "1"), "1");
  EXPECT_NE(look("L", "2", "A", "1", "1"), old_two);
  // The compartment found last renamed, or freed, is no longer taken.
  new_two->SetName("7");
  EXPECT_EQ(look("L", "2", "A", "1", "1"), old_two);
  EXPECT_NE(look("L", "7", "A", "1", "1"), nullptr);
  lhc->FreeElement(Child(lhc, "2"));
  EXPECT_EQ(look("L", "2", "A", "1", "1"), lhc);
  EXPECT_NE(look("L", "3", "A", "2", "1"), nullptr);
  // Another hierarchy.
  spatial::TRectEntity other;
  Node(Node(&other, "L"), "3");
  panel.SetHierarchy(&other);
  look("L", "3", "A", "2", "1");
  panel.SetHierarchy(&root);
}

// An element whose attributes are the five names of the forest criteria.
class Named5 : public spatial::TRectEntity {
 public:
  Named5(std::vector<std::string> v) : values(std::move(v)) {}
  std::string GetPropertyText(std::string_view name) override {
    const char* names[] = {"LHC", "ODDELENI", "DILEC", "POROST", "SKUPINA"};
    for (size_t i = 0; i < values.size(); ++i)
      if (name == names[i]) return values[i];
    return spatial::TRectEntity::GetPropertyText(name);
  }
  std::vector<std::string> values;
};

// The tree below `e` as text: names and child counts, depth first.
std::string TreeText(TElement* e) {
  std::string out = e->GetName();
  if (auto* entity = dynamic_cast<TEntity*>(e)) {
    out += "(" + std::to_string(entity->GetCount()) + ":";
    for (TElement* child : entity->Children()) out += TreeText(child) + ",";
    out += ")";
  }
  return out;
}

TEST_F(MapHierarchyTest, GroupingARunBuildsTheTreeOfGroupingOneByOne) {
  framework::TClassContextScope map_context(framework::kMapContext);
  const std::vector<std::vector<std::string>> rows = {
      {"L", "1", "A", "1", "1"}, {"L", "2", "A", "1", "1"}, {"L", "1", "A", "2", "1"},
      {"l", "1", "a", "1", "1"}, {"L", "", "A", "1", "1"},  {"L", "2", "A", "1", "2"},
      {"M", "1", "A", "1", "1"}, {"L", "1", "A", "1", "1"}, {"L", "3", "B", "1", "1"}};
  auto prepared = [](spatial::TRectEntity& root) {
    // What the root holds before: a node of another spelling and a child that is no node.
    Node(&root, "m");
    auto* plain = new framework::TOwnerElement();
    plain->SetName("L");
    root.AddElement(plain);
  };
  spatial::TRectEntity one_by_one, run;
  prepared(one_by_one);
  prepared(run);
  TGroupper by_one;
  AddForestCriteria(by_one);
  spatial::TAreaString input;
  for (const auto& row : rows) {
    by_one.Group(new Named5(row), &one_by_one);
    input.AddElement(new Named5(row));
  }
  TGroupper groupper;
  AddForestCriteria(groupper);
  groupper.SetInput(&input);
  groupper.SetOutput(&run);
  groupper.Execute();
  EXPECT_EQ(TreeText(&run), TreeText(&one_by_one));
  EXPECT_NE(TreeText(&run).find("___"), std::string::npos);
}

TEST_F(MapHierarchyTest, AMissingModelOrAreaLayerLeavesTheHierarchyEmpty) {
  WriteMap();
  MakeWorldObjects(false);
  THeleNacti reader;
  reader.SetDirectory(tmp_.path());
  reader.Execute();
  EXPECT_NE(reader.Error(), 0);
  EXPECT_EQ(Hierarchy()->GetCount(), 0);
  EXPECT_EQ(Reports(), std::vector<std::string>{kModelDescriptionError});

  // A model without a "DET" area block reads, but groups nothing.
  auto* model = new framework::TStringListElement();
  model->SetName("DATAMODEL");
  model->NextNameIsValue("PNT=DET.BLK");
  framework::World().AddElement(model);
  THeleNacti points;
  points.SetDirectory(tmp_.path());
  points.Execute();
  EXPECT_NE(points.Error(), 0);
  EXPECT_EQ(Hierarchy()->GetCount(), 0);
  EXPECT_NE(dynamic_cast<TEntity*>(FindDataChild("LAYERS"))->FindElementByName("PNT_DET"), nullptr);
}

TEST_F(MapHierarchyTest, PanelScriptsAreRunOrReportedMissing) {
  ::tarnik::testing::ScopedProgramDir program;
  std::vector<std::string> ran;
  TKelvaPanel::SetScriptRunner([&](const std::string& path) { ran.push_back(path); });
  std::remove(program.File("SysReg.Ksl").c_str());
  ::tarnik::testing::WriteFile(program.File("Model.Ksl"), "");
  VAzedevoDevov panel;
  panel.Init();
  EXPECT_EQ(ran, std::vector<std::string>{program.File("Model.Ksl")});
  EXPECT_EQ(ui().Messages(),
            std::vector<std::string>{"Nelze nalézt soubor " + program.File("SysReg.Ksl")});
  EXPECT_NE(panel.Finder(), nullptr);
  panel.SetScriptName("x.ksl");
  EXPECT_EQ(ran.back(), "x.ksl");
  TKelvaPanel::SetScriptRunner(nullptr);
}

TEST_F(MapHierarchyTest, CustomRecursorDecidesByItsConditions) {
  spatial::TRectEntity root;
  auto* a = new spatial::TRectEntity();
  a->SetName("A");
  a->SetIndex(1);
  auto* b = new spatial::TRectEntity();
  b->SetName("B");
  b->SetIndex(2);
  a->AddElement(b);
  root.AddElement(a);
  struct Collect : TCustomRecursor {
    std::vector<std::string> seen;
    void Process(TElement* e) override { seen.push_back(e->GetName()); }
  };
  Collect all;
  all.SetBeforeCondition("Index>0");
  all.SetInput(&root);
  all.Execute();
  EXPECT_EQ(all.seen, (std::vector<std::string>{"A", "B"}));
  Collect shallow;
  shallow.SetBeforeCondition("Index>0");
  shallow.SetGoInsideCondition("Index<1");
  shallow.SetInput(&root);
  shallow.Execute();
  EXPECT_EQ(shallow.seen, std::vector<std::string>{"A"});
  Collect none;  // no before-condition: nothing is processed
  none.SetInput(&root);
  none.Execute();
  EXPECT_TRUE(none.seen.empty());
}

}  // namespace
}  // namespace tarnik::gis
