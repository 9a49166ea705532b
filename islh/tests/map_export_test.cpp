// The map in the ISLH document: the number formats, the stand group's symbol code, and a whole
// document over an in-memory unit and map written with the program's map DTDs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "forest/option_flags.h"
#include "framework/models/world.h"
#include "framework/values/dynamic_properties.h"
#include "gis/gis_classes.h"
#include "gis/karmo_props.h"
#include "gis/map_hierarchy.h"
#include "gis/map_panel.h"
#include "islh/export_mapping.h"
#include "islh/map_export.h"
#include "islh/map_formats.h"
#include "islh/xml_export.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"
#include "spatial/area_element.h"
#include "spatial/poly_elements.h"
#include "spatial/space_elements.h"
#include "testing/fake_export_unit.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

using framework::TElement;
using framework::TEntity;
using plan::TOddeleni;

TEST(MapFormatsTest, CoordinatesAnglesAndReferencePoints) {
  EXPECT_EQ(PointElement(-745123.5, -1043210.25), "<B S=\"1043210.250000$745123.500000\"/>");
  EXPECT_EQ(PointElement(1.0000004, 2), "<B S=\"2.000000$1.000000\"/>");
  EXPECT_EQ(NormalizedAngle(-1.5708), "4.71");
  EXPECT_EQ(NormalizedAngle(7), "0.72");
  EXPECT_EQ(NormalizedAngle(0), "0.00");
  EXPECT_EQ(NormalizedAngle(-7), "5.57");
  EXPECT_EQ(GeneratedSymbolAngle(0), "1.57");
  EXPECT_EQ(GeneratedSymbolAngle(5), "0.29");      // 5 + π/2 less one turn
  EXPECT_EQ(GeneratedSymbolAngle(-3.2), "-1.63");  // toward zero: no turn added
  EXPECT_EQ(ReferenceText("-745123,5", "-1043210.25"), "745123.500$1043210.250");
  EXPECT_EQ(ReferenceText("", "x"), "0.000$0.000");
}

TEST(MapFormatsTest, StandGroupSymbolCodeByLayers) {
  EXPECT_EQ(StandGroupSymbolCode(std::vector<TLayerStocking>{}), 10100);
  EXPECT_EQ(StandGroupSymbolCode({{45, 8}}), 10103);
  EXPECT_EQ(StandGroupSymbolCode({{0, 2}}), 20000);
  EXPECT_EQ(StandGroupSymbolCode({{100, 8}, {30, 2}}), 20052);
  EXPECT_EQ(StandGroupSymbolCode({{60, 5}, {20, 8}}), 10013);
  // Equal age classes: the single-layer code of the summed stocking (3 + 2 = 5: 10000 + 3).
  EXPECT_EQ(StandGroupSymbolCode({{45, 3}, {50, 2}}), 10003);
  // A second layer without stocking counts as none.
  EXPECT_EQ(StandGroupSymbolCode({{100, 8}, {30, 0}}), 10105);
  EXPECT_EQ(StandGroupSymbolCode({{0, 0}}), 10100);
  // Three thin layers: the oldest stocked one takes B's place.
  EXPECT_EQ(StandGroupSymbolCode({{100, 2}, {90, 1}, {30, 5}}), 25000 + 2 * 10 + 5);
  // The older of A and B by age, whatever the order of the layers.
  EXPECT_EQ(StandGroupSymbolCode({{30, 2}, {100, 8}}), 20052);
  EXPECT_EQ(StandGroupSymbolCode({{20, 1}, {30, 2}, {100, 8}}), 20052);
}

TEST(MapFormatsTest, KindSubstitutionsBySection) {
  ::tarnik::testing::TempDir tmp;
  TKindSubstitutions kinds;
  kinds.LoadFrom(tmp.File("nic.ini"));
  EXPECT_EQ(kinds.Find("PNT", "12"), "");
  ::tarnik::testing::WriteFile(tmp.File("s.ini"), "[PNT]\r\n12=530\r\n[LIN]\r\n7 = 8\r\n");
  kinds.LoadFrom(tmp.File("s.ini"));
  EXPECT_EQ(kinds.Find("PNT", "12"), "530");
  EXPECT_EQ(kinds.Find("LIN", "12"), "");
  EXPECT_EQ(kinds.Find("LIN", "7"), "8");
}

bool HaveXmllint() { return std::system("xmllint --version >/dev/null 2>&1") == 0; }

class MapDocumentTest : public ::testing::Test {
 protected:
  MapDocumentTest() {
    testunit::RegisterModelClasses();
    gis::RegisterGisClasses();
    framework::ResetWorld();
    forest::Flags() = forest::OptionFlags();
    unit_.lhc->SetLHC_KOD(412);
    unit_.Add(7, [](TOddeleni& c) {
      plan::TPorost* stand = testunit::AddStand(c, "a", "1");
      plan::TPorostniSkupina* group = testunit::AddGroup(stand, "1 a", "1A");
      plan::TEtaz* layer = testunit::AddLayer(group, "1", 21);
      layer->SetPropertyText("VEK", "45");
      layer->SetPropertyText("ZAKM", "8");
      testunit::AddSpecies(layer, "SM", {});
      // A second group and a plot that the map does not have.
      plan::TPorostniSkupina* other = testunit::AddGroup(stand, "2", "1A");
      testunit::AddSpecies(testunit::AddLayer(other, "1", 21), "BK", {});
      testunit::AddPlot<plan::TBezlesi>(stand->BezlesiMN(), 2, 700, 0.5);
    });
    BuildMap();
  }
  ~MapDocumentTest() override {
    forest::Flags() = forest::OptionFlags();
    framework::ResetWorld();
  }

  template <class T>
  static T* Named(TEntity* parent, const std::string& name) {
    auto* e = new T();
    e->SetName(name);
    parent->AddElement(e);
    return e;
  }
  static spatial::TAreaElement* Ring(std::initializer_list<spatial::Point> points) {
    auto* area = new spatial::TAreaElement();
    for (const spatial::Point& p : points) area->AddPoint(p.x, p.y);
    return area;
  }

  // "DATA" with the hierarchy of group 412/7/a/1/1a (one area with two holes) and the layers.
  void BuildMap() {
    auto& world = framework::World();
    auto* data = Named<framework::TOwnerEntity>(&world, "DATA");
    auto* layers = Named<spatial::TRectEntity>(data, "LAYERS");
    auto* hierarchy = Named<spatial::TRectEntity>(data, "HIERARCHY");
    auto* lhc = Named<gis::TLHC>(hierarchy, "412");
    auto* group = Named<gis::TPorostniSkupina>(
        Named<gis::TPorost>(Named<gis::TDilec>(Named<gis::TOddeleni>(lhc, "7"), "a"), "1"), "1a");
    auto* geometry = Named<spatial::TAreaString>(group, "GEOMETRY");
    spatial::TAreaElement* area =
        Ring({{-745000, -1043000}, {-745100, -1043000}, {-745100, -1043100}, {-745000, -1043100}});
    area->AddHole(Ring({{-745010, -1043010}, {-745020, -1043010}, {-745020, -1043020}}));
    area->AddHole(Ring({{-745050, -1043050}, {-745060, -1043050}, {-745060, -1043060}}));
    geometry->AddElement(area);

    // Points: a kind substituted by the INI, a layer that is no point layer by its name.
    auto* points = Named<spatial::TPointString>(Named<spatial::TSpaceEntity>(layers, "PNT_X"), "B");
    auto* point = Named<spatial::TPointElement>(points, "p");
    point->SetX(-745123.5);
    point->SetY(-1043210.25);
    point->SetAngle(-1.5708);
    auto* point_props = new gis::TKarmoPointProps();
    point_props->SetDruh(12);
    point_props->SetBarva(3);
    point_props->SetZnacka(31);
    point->SetProperties(point_props);
    // A text among the points: no point symbol can be written for it.
    Named<spatial::TTextElement>(points, "not a point")->SetText("x");
    auto* wrong = Named<spatial::TPointString>(Named<spatial::TSpaceEntity>(layers, "PNX_Y"), "B");
    Named<spatial::TPointElement>(wrong, "q");
    // Lines of "LIN_SLU": one with a line symbol (a generated point symbol), one without.
    auto* lines =
        Named<spatial::TPolyLineString>(Named<spatial::TSpaceEntity>(layers, "LIN_SLU"), "L");
    for (int symbol : {1200, 999}) {
      auto* line = Named<spatial::TPolyLineElement>(lines, "l");
      line->AddPoint(-745000 - symbol, -1043000);
      line->AddPoint(-745000 - symbol, -1043200);
      auto* props = new gis::TKarmoLineProps();
      props->SetSymbol(static_cast<int16_t>(symbol));
      props->SetDruh(12);
      line->SetProperties(props);
    }
    // An area symbol and a text.
    auto* areas = Named<spatial::TAreaString>(Named<spatial::TSpaceEntity>(layers, "ARE_P"), "A");
    areas->AddElement(Ring({{-1, -1}, {-2, -1}, {-2, -2}}));
    auto* texts = Named<spatial::TTextString>(Named<spatial::TSpaceEntity>(layers, "TXT_T"), "T");
    auto* text = Named<spatial::TTextElement>(texts, "t");
    text->SetText("Žďár & spol.");
    text->SetX(-5);
    text->SetY(-6);
    auto* text_props = new gis::TKarmoTextProps();
    text_props->SetDirection(7);
    text->SetProperties(text_props);
  }

  std::string Export(const std::string& dtd_name, bool with_panel = true) {
    dtd_ = program_.File("412.dtd");
    ::tarnik::testing::WriteFile(dtd_, ::tarnik::testing::ReadFile(program_.File(dtd_name)));
    ::tarnik::testing::WriteFile(program_.File("SubstituceDruhu.ini"), "[PNT]\r\n12=530\r\n");
    gis::VAzedevoDevov panel;
    panel.AttachHierarchy();
    {
      TExportMapping mapping(unit_);
      TMapExportSource source(mapping, unit_, with_panel ? &panel : nullptr);
      TExportLHC_XML exporter;
      exporter.SetSource(&source);
      exporter.SetXMLFileName(xml_);
      exporter.SetDTDFileName(dtd_);
      exporter.SetErrorFileName(program_.File("error.txt"));
      exporter.SetTypIshul("2010");
      exporter.Run();
    }
    return platform::Cp1250ToUtf8(::tarnik::testing::ReadFile(xml_));
  }
  void ExpectValid() {
    if (!HaveXmllint()) GTEST_SKIP() << "xmllint is not installed";
    std::string command = "xmllint --noout --dtdvalid '" + dtd_ + "' '" + xml_ + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }
  static size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  ::tarnik::testing::ScopedProgramDir program_;
  testunit::FakeExportUnit unit_;
  std::string xml_ = program_.File("412.xml");
  std::string dtd_;
};

TEST_F(MapDocumentTest, OutlinesFromTheHierarchyAndPlaceholdersOtherwise) {
  std::string xml = Export("Xml_Exp.dtd");
  // The group of the map: its code and its polygon with the two holes, every ring closed.
  EXPECT_NE(xml.find(" PSK_ZNACKA=\"10103\""), std::string::npos) << xml;
  size_t mp = xml.find("<MP>\r\n");
  ASSERT_NE(mp, std::string::npos) << xml;
  std::string polygon = xml.substr(mp, xml.find("</MP>", mp) - mp);
  EXPECT_EQ(Count(polygon, "<P>"), 1u);
  EXPECT_EQ(Count(polygon, "<L>"), 3u);
  EXPECT_EQ(Count(polygon, "<B S="), 5u + 4u + 4u);
  EXPECT_NE(polygon.find("<B S=\"1043000.000000$745000.000000\"/>\r\n"), std::string::npos);
  // The ring of four points: five B lines, the last equal to the first.
  size_t ring = polygon.find("<L>");
  std::string first_ring = polygon.substr(ring, polygon.find("</L>", ring) - ring);
  EXPECT_EQ(Count(first_ring, "<B S=\"1043000.000000$745000.000000\"/>"), 2u);
  // Group 2 and the plot are not in the map: empty outlines and an empty code.
  EXPECT_NE(xml.find("<PSK PSK=\"2\""), std::string::npos);
  EXPECT_NE(xml.find(" PSK_ZNACKA=\"\""), std::string::npos);
  EXPECT_EQ(Count(xml, "<PSK_OBRAZ/>"), 1u);
  EXPECT_EQ(Count(xml, "<BZL_OBRAZ/>"), 1u);
  EXPECT_EQ(xml.find("<OP"), std::string::npos);
  ExpectValid();
  // The national-park form of the same variant.
  EXPECT_NE(Export("Xml_ExpSum.dtd").find("<MP>"), std::string::npos);
  ExpectValid();
}

TEST_F(MapDocumentTest, SymbolsOfTheLayersWithTheirGeometryAndAttributes) {
  std::string xml = Export("Xml_Exp_SOST.dtd");
  // The point of PNT_X; the kind substituted, the angle normalised; PNX_Y gives nothing.
  EXPECT_NE(xml.find("<KBO BOD_DRUH=\"530\" BOD_ZNACKA=\"31\" BOD_UHELZN=\"4.71\"  BOD_BARVA=\"3\" "
                     "L_=\"PNT_X\">\r\n"
                     "      <BOD_OBRAZ> <B S=\"1043210.250000$745123.500000\"/>\r\n"
                     "      </BOD_OBRAZ>\r\n"
                     "    </KBO>"),
            std::string::npos)
      << xml;
  EXPECT_EQ(Count(xml, "<KBO BOD_DRUH=\"530\" BOD_ZNACKA=\"31\""), 1u);
  EXPECT_EQ(Count(xml, "<KBO "), 2u);  // the text among the points is no point symbol
  // The line with symbol 1200 as a generated point symbol at its reference point.
  EXPECT_NE(xml.find("     <KBO BOD_DRUH=\"530\" BOD_ZNACKA=\"1001\" BOD_UHELZN=\"1.57\"  "
                     "BOD_BARVA=\"13\">\r\n"
                     "       <BOD_OBRAZ> <B S=\"1043200.000000$746200.000000\"/> \r\n"
                     "       </BOD_OBRAZ>\r\n"
                     "     </KBO>\r\n"),
            std::string::npos);
  EXPECT_EQ(Count(xml, "BOD_ZNACKA=\"1001\""), 1u);  // symbol 999 gives none
  // Both lines of LIN_SLU as line symbols; their kind has no LIN substitution.
  EXPECT_EQ(Count(xml, "<KLO LIN_DRUH=\"12\" LIN_ZNACKA=\"0\" LIN_BARVA=\"0\" L_=\"LIN_SLU\">"),
            2u);
  EXPECT_NE(xml.find("      <LIN_OBRAZ> <L>\r\n"
                     "        <B S=\"1043000.000000$746200.000000\"/>\r\n"
                     "        <B S=\"1043200.000000$746200.000000\"/>\r\n"
                     "      </L >\r\n"
                     "      </LIN_OBRAZ>\r\n"),
            std::string::npos);
  // The area symbol and the text.
  EXPECT_NE(
      xml.find(
          "<KPO PLO_DRUH=\"\" PLO_ZNACKA=\"\" PLO_BARVA=\"\" S=\"2.000$2.000\" L_=\"ARE_P\">\r\n"
          "      <PLO_OBRAZ >\r\n      <P>\r\n"),
      std::string::npos)
      << xml;
  EXPECT_NE(xml.find("      </PLO_OBRAZ>\r\n    </KPO>"), std::string::npos);
  EXPECT_NE(
      xml.find("<KTO TXT_STYL=\"0\" TXT_UHEL=\"0.72\"  TEXT=\"Žďár  a  spol.\" L_=\"TXT_T\">\r\n"
               "      <TXT_OBRAZ> <B S=\"6.000000$5.000000\"/>\r\n"
               "      </TXT_OBRAZ>\r\n"),
      std::string::npos)
      << xml;
  ExpectValid();
  // A second export in the same run writes the same texts.
  EXPECT_EQ(Export("Xml_Exp_SOST.dtd"), xml);
}

TEST_F(MapDocumentTest, CompactVerticesAndVertexElementsWriteTheSameGeometry) {
  auto child = [](TElement* parent, const std::string& name) {
    auto* entity = dynamic_cast<TEntity*>(parent);
    return entity ? entity->FindElementByName(name) : nullptr;
  };
  TElement* geometry = gis::FindDataChild("HIERARCHY");
  for (const char* name : {"412", "7", "a", "1", "1a", "GEOMETRY"})
    geometry = child(geometry, name);
  ASSERT_NE(geometry, nullptr);
  auto* area = framework::ClassCast<spatial::TAreaElement>(
      dynamic_cast<TEntity*>(geometry)->Children().front());
  auto* lines = dynamic_cast<TEntity*>(child(child(gis::FindDataChild("LAYERS"), "LIN_SLU"), "L"));
  ASSERT_NE(area, nullptr);
  ASSERT_NE(lines, nullptr);
  auto* line = framework::ClassCast<spatial::TPolyLineElement>(lines->Children().front());
  ASSERT_NE(line, nullptr);

  const std::string compact = Export("Xml_Exp_SOST.dtd");
  EXPECT_NE(compact.find("<B S=\"1043000.000000$745000.000000\"/>"), std::string::npos);
  // Writing reads the points without making vertex elements.
  EXPECT_TRUE(area->HoldsCompactPoints());
  EXPECT_TRUE(line->HoldsCompactPoints());
  // The same document once the vertices are elements, and with a child that is no vertex.
  ASSERT_NE(area->GetCoord(0), nullptr);
  ASSERT_NE(line->GetCoord(0), nullptr);
  EXPECT_FALSE(area->HoldsCompactPoints());
  EXPECT_EQ(Export("Xml_Exp_SOST.dtd"), compact);
  area->InsertElement(0, new framework::TOwnerEntity());
  line->InsertElement(1, new framework::TOwnerEntity());
  EXPECT_EQ(Export("Xml_Exp_SOST.dtd"), compact);
}

TEST_F(MapDocumentTest, AStandGroupAndAPlotOfOneNumberEachGetTheirOwnAreas) {
  // Group "2" and non-forest plot 2 of the same stand: one map group "2" holds both areas.
  auto* stand = dynamic_cast<TEntity*>(gis::FindDataChild("HIERARCHY"));
  for (const char* name : {"412", "7", "a", "1"})
    stand = dynamic_cast<TEntity*>(stand->FindElementByName(name));
  ASSERT_NE(stand, nullptr);
  auto* geometry =
      Named<spatial::TAreaString>(Named<gis::TPorostniSkupina>(stand, "2"), "GEOMETRY");
  geometry->AddElement(Ring({{-745200, -1043000}, {-745300, -1043000}, {-745300, -1043100}}));
  spatial::TAreaElement* plot =
      Ring({{-745400, -1043000}, {-745500, -1043000}, {-745500, -1043100}});
  plot->SetProperties(new framework::TDynamicProperties());
  plot->SetPropertyText("BZL", "2");
  ASSERT_EQ(plot->GetPropertyText("BZL"), "2");
  geometry->AddElement(plot);
  std::string xml = Export("Xml_Exp.dtd");
  size_t psk = xml.find("<PSK PSK=\"2\"");
  size_t bzl = xml.find("<BZL ");
  ASSERT_NE(psk, std::string::npos);
  ASSERT_NE(bzl, std::string::npos);
  std::string group_part = xml.substr(psk, xml.find("</PSK_OBRAZ>", psk) - psk);
  std::string plot_part = xml.substr(bzl, xml.find("</BZL_OBRAZ>", bzl) - bzl);
  EXPECT_EQ(Count(group_part, "<P>"), 1u);
  EXPECT_NE(group_part.find("$745200.000000"), std::string::npos);
  EXPECT_EQ(group_part.find("$745400.000000"), std::string::npos);
  EXPECT_EQ(Count(plot_part, "<P>"), 1u);
  EXPECT_NE(plot_part.find("$745400.000000"), std::string::npos);
  EXPECT_EQ(plot_part.find("$745200.000000"), std::string::npos);
  ExpectValid();
}

TEST_F(MapDocumentTest, AttributesOfMapObjectsAreNumbersWithDotsAndEscapedTexts) {
  const char separator = platform::DecimalSeparator();
  platform::SetDecimalSeparator(',');
  TExportMapping mapping(unit_);
  TMapExportSource source(mapping, unit_, nullptr);
  source.ResetIterator();
  spatial::TTextElement text;
  auto* props = new gis::TKarmoTextProps();
  props->SetWidthCoef(2.5);
  text.SetProperties(props);
  text.SetAngle(1.25);
  std::string out;
  // A number of the holder and one of the object's own, each with ".".
  ASSERT_TRUE(source.AttributeFor("WidthCoef", &text, &out));
  EXPECT_EQ(out, "WidthCoef=\"2.5\"");
  EXPECT_FALSE(source.AttributeFor("Angle", &text, &out));  // the writer's own rule
  // Without a current layer, L_ is empty.
  ASSERT_TRUE(source.AttributeFor("L_", &text, &out));
  EXPECT_EQ(out, "L_=\"\"");
  // A text value is escaped.
  auto* holder = new framework::TDynamicProperties();
  spatial::TPointElement point;
  point.SetProperties(holder);
  point.SetPropertyText("POPIS", "A & \"B\" <C>");
  ASSERT_TRUE(source.AttributeFor("POPIS", &point, &out));
  EXPECT_EQ(out, "POPIS=\"A  a  &quot;B&quot; &lt;C&gt;\"");
  platform::SetDecimalSeparator(separator);
}

TEST_F(MapDocumentTest, WithoutAMapEveryOutlineIsAPlaceholder) {
  framework::ResetWorld();
  std::string xml = Export("Xml_Exp_SOSTSum.dtd", false);
  EXPECT_EQ(Count(xml, "<PSK_OBRAZ/>"), 2u);
  EXPECT_EQ(xml.find("<MP>"), std::string::npos);
  EXPECT_EQ(xml.find("<KBO"), std::string::npos);
  EXPECT_EQ(Count(xml, " PSK_ZNACKA=\"\""), 2u);
  ExpectValid();
}

}  // namespace
}  // namespace tarnik::islh
