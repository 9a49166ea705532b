#include "gis/layer_script.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

#include "framework/values/string_list.h"
#include "gis/import_source.h"
#include "gis/model_by_script.h"
#include "platform/fs.h"
#include "spatial/drawing_classes.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using testing::GisTest;

class LayerScriptTest : public GisTest {
 protected:
  std::unique_ptr<TModelScriptCreator> Creator(std::initializer_list<std::string> lines) {
    auto creator = std::make_unique<TModelScriptCreator>();
    for (const std::string& line : lines) creator->NextLayer(line);
    return creator;
  }
  void MakeDir(const std::string& relative) { platform::ForceDirectories(tmp_.File(relative)); }
  std::vector<std::string> Relative(const std::vector<std::string>& paths) {
    std::vector<std::string> out;
    for (const std::string& p : paths) out.push_back(p.substr(tmp_.path().size() + 1));
    return out;
  }
};

TEST_F(LayerScriptTest, LayerLinesStartLayersAndSettingsGoToTheLastOne) {
  auto creator =
      Creator({"!DRUH=1", "are = DET.BLK", "!DRUH = 110,120", "@Barva=3", "Popis=nic",
               "bez rovnítka", "=x", "LIN=+*.BLK", "@MinSize=5", "ELEMENT=TDrawRectangle"});
  TModelScript* script = creator->Script();
  ASSERT_TRUE(script);
  const auto layers = script->Layers();
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[0]->GetName(), "are");  // kept as written
  EXPECT_EQ(layers[0]->Description(), "DET.BLK");
  ASSERT_TRUE(layers[0]->Settings());
  EXPECT_EQ(layers[0]->Settings()->GetCount(), 2);
  EXPECT_EQ(layers[0]->Settings()->GetValue("!DRUH"), "110,120");
  EXPECT_EQ(layers[0]->Settings()->GetValue("@Barva"), "3");
  EXPECT_TRUE(layers[1]->GoIntoDirs());
  layers[1]->SetGoIntoDirs(false);
  EXPECT_EQ(layers[1]->Description(), "*.BLK");
  layers[1]->SetGoIntoDirs(true);
  EXPECT_EQ(layers[1]->Description(), "+*.BLK");
  EXPECT_FALSE(layers[2]->Settings());
  // A string list goes in through Layers, each entry as name=value.
  framework::TStringListElement list;
  list.NextStringList({"PNT=BODY.BLK", "-DRUH=5"});
  auto more = std::make_unique<TModelScriptCreator>();
  more->SetLayers(&list);
  ASSERT_EQ(more->Script()->Layers().size(), 1u);
  EXPECT_EQ(more->Script()->Layers()[0]->Settings()->GetValue("-DRUH"), "5");
}

TEST_F(LayerScriptTest, PathsAreResolvedAgainstTheDataDirectory) {
  MakeDir("A.BLK");
  MakeDir("b.blk");
  MakeDir("C.TXT");
  MakeDir("sub/D.BLK");
  MakeDir("sub/deeper/E.BLK");
  MakeDir("A.BLK/F.BLK");
  platform::WriteFileBytes(tmp_.File("mapa.shp"), "x");
  platform::WriteFileBytes(tmp_.File("G.BLK"), "a file, not a block");
  auto creator = Creator({"ARE=*.BLK", "LIN=+*.BLK", "PNT=sub/D.BLK", "TXT=/jinde/X.BLK",
                          "RAS=*.shp", "LINSYM=nic/*.BLK", "ELEMENT=TDrawRectangle"});
  creator->SetDataDirectory(tmp_.path());
  creator->Execute();
  ASSERT_EQ(creator->Output(), creator->Script());
  const auto layers = creator->Script()->Layers();
  EXPECT_EQ(Relative(layers[0]->Paths()), (std::vector<std::string>{"A.BLK", "b.blk"}));
  // The directory's own matches first, then each subdirectory's, in name order.
  EXPECT_EQ(
      Relative(layers[1]->Paths()),
      (std::vector<std::string>{"A.BLK", "b.blk", "A.BLK/F.BLK", "sub/D.BLK", "sub/deeper/E.BLK"}));
  EXPECT_EQ(Relative(layers[2]->Paths()), (std::vector<std::string>{"sub/D.BLK"}));
  EXPECT_EQ(layers[3]->Paths(), (std::vector<std::string>{"/jinde/X.BLK"}));
  EXPECT_EQ(Relative(layers[4]->Paths()), (std::vector<std::string>{"mapa.shp"}));
  EXPECT_TRUE(layers[5]->Paths().empty());
  EXPECT_TRUE(layers[6]->Paths().empty());
  // Running again replaces the paths.
  creator->Execute();
  EXPECT_EQ(layers[0]->Paths().size(), 2u);
}

TEST_F(LayerScriptTest, TheRecursiveSearchDoesNotFollowLinksInALoop) {
  MakeDir("mapa/X.BLK");
  ASSERT_EQ(::symlink(tmp_.File("mapa").c_str(), tmp_.File("mapa/zpet").c_str()), 0);
  ASSERT_EQ(::symlink(tmp_.File("mapa/X.BLK").c_str(), tmp_.File("mapa/Y.BLK").c_str()), 0);
  auto creator = Creator({"ARE=+mapa/*.BLK"});
  creator->SetDataDirectory(tmp_.path());
  creator->Execute();
  // Y.BLK is a second name of X.BLK: both match, but the search enters the directory once.
  EXPECT_EQ(Relative(creator->Script()->Layers()[0]->Paths()),
            (std::vector<std::string>{"mapa/X.BLK", "mapa/Y.BLK"}));
}

class ModelByScriptTest : public LayerScriptTest {
 protected:
  // Blocks A.BLK (the squares) and B.BLK (the squares moved 1 km east), an ARE layer and a PNT
  // layer over both with settings.
  void SetUp() override {
    testing::BlockRecords a = SquaresBuilder().Build();
    a.info = "OPSANYOBDELNIKBLOKU=1099900 599800 1100000 600000\r\n";
    a.Write(tmp_.File("A.BLK"));
    testing::BlockRecords b = a;
    for (auto& p : b.points) p.y -= 1000;
    for (auto& v : b.vertices) v.y -= 1000;
    for (auto& l : b.lines) {
      l.min_y -= 1000, l.max_y -= 1000, l.ref_y -= 1000;
    }
    for (auto& ar : b.areas) {
      ar.min_y -= 1000, ar.max_y -= 1000, ar.ref_y -= 1000;
    }
    b.info = "OPSANYOBDELNIKBLOKU=1099900 598800 1100000 599000\r\n";
    b.Write(tmp_.File("B.BLK"));
    platform::WriteFileBytes(tmp_.File("C.DGN"), "");
    creator_ = Creator({"ARE=*.BLK", "!DRUH=110,120", "@Barva=9", "PNT=+*.*", "RAS=C.DGN",
                        "ELEMENT=TDrawRectangle", "@MinX=5", "@Neni=1", "ELEMENT=TNeni"});
    creator_->SetDataDirectory(tmp_.path());
    creator_->Execute();
    reader_.SetInput(creator_->Script());
  }
  spatial::TRectEntity* Read() {
    output_ = std::make_unique<spatial::TRectEntity>();
    reader_.SetOutput(output_.get());
    reader_.Execute();
    return output_.get();
  }
  TInterpretLayer* Layer(int i) {
    return framework::ClassCast<TInterpretLayer>(output_->Children()[static_cast<size_t>(i)]);
  }
  std::unique_ptr<TModelScriptCreator> creator_;
  TModelByScriptCreator reader_;
  std::unique_ptr<spatial::TRectEntity> output_;
};

TEST_F(ModelByScriptTest, EveryLayerIsReadIntoAnInterpretationLayerOfStrings) {
  spatial::TRectEntity* out = Read();
  ASSERT_EQ(out->GetCount(), 4);  // ARE, PNT, RAS layers and the rectangle; TNeni is unknown
  TInterpretLayer* are = Layer(0);
  EXPECT_EQ(are->GetName(), "*.BLK");
  EXPECT_EQ(are->Path(), "*.BLK");
  EXPECT_EQ(are->LayerType(), "ARE");
  ASSERT_EQ(are->GetCount(), 2);
  auto* strings = framework::ClassCast<spatial::TAreaString>(are->Children()[0]);
  ASSERT_TRUE(strings);
  EXPECT_EQ(Numbers(*strings), (std::vector<int32_t>{1, 2}));  // the filter keeps 110 and 120
  EXPECT_EQ(PropsOf(strings->Children()[0])->Barva(), 9);
  // Each string carries its layer's settings.
  EXPECT_EQ(strings->GetPropertyText("!DRUH"), "110,120");
  EXPECT_EQ(strings->GetPropertyText("Barva"), "9");
  EXPECT_EQ(Layer(1)->GetCount(), 2);  // PNT: the two blocks; C.DGN is no block
  EXPECT_EQ(Layer(2)->LayerType(), "RAS");
  EXPECT_EQ(Layer(2)->GetCount(), 0);  // rasters are resolved, not read
  auto* rect = framework::ClassCast<spatial::TDrawRectangle>(out->Children()[3]);
  ASSERT_TRUE(rect);
  EXPECT_EQ(rect->bounds().min_x, 5);
  EXPECT_TRUE(out->IsValid());
  EXPECT_EQ(ui_.Messages(), (std::vector<std::string>{"Neregistrovaný element: TNeni"}));
}

TEST_F(ModelByScriptTest, AWindowSkipsBlocksOutsideItAndCutLayerClipsObjects) {
  // The window covers block A (model x -1100000..-1099900, y -600000..-599800) and part of B.
  reader_.SetMinX(-1100000);
  reader_.SetMinY(-600000);
  reader_.SetWidth(100);
  reader_.SetHeight(200);
  EXPECT_TRUE(reader_.WindowActive());
  EXPECT_EQ(reader_.CenterX(), -1099950);
  Read();
  EXPECT_EQ(Layer(0)->GetCount(), 1);  // B.BLK lies outside
  // Now over the east half of A (square B) and the west half of B (its square A).
  reader_.SetMinY(-599900);
  reader_.SetHeight(1000);
  Read();
  ASSERT_EQ(Layer(0)->GetCount(), 2);
  EXPECT_EQ(framework::ClassCast<spatial::TSpaceEntity>(Layer(0)->Children()[0])->GetCount(), 2);
  reader_.SetCutLayer(true);
  Read();
  ASSERT_EQ(Layer(0)->GetCount(), 2);
  auto* a = framework::ClassCast<spatial::TSpaceEntity>(Layer(0)->Children()[0]);
  auto* b = framework::ClassCast<spatial::TSpaceEntity>(Layer(0)->Children()[1]);
  EXPECT_EQ(Numbers(*a), (std::vector<int32_t>{2}));
  EXPECT_EQ(Numbers(*b), (std::vector<int32_t>{1}));
  reader_.SetDeltaX(1);  // one metre north: the squares touch the border no more
  Read();
  EXPECT_EQ(Numbers(*framework::ClassCast<spatial::TSpaceEntity>(Layer(0)->Children()[0])),
            (std::vector<int32_t>{}));
  // A window with one zero corner is no window.
  reader_.SetMinX(0);
  EXPECT_FALSE(reader_.WindowActive());
  Read();
  EXPECT_EQ(Numbers(*framework::ClassCast<spatial::TSpaceEntity>(Layer(0)->Children()[1])),
            (std::vector<int32_t>{1, 2}));
}

TEST(ImportSourceTest, PathsGoToTheirOwnLists) {
  TKarmoLImportSource source;
  source.SetPropertyText("NewBlock", "A.BLK");
  source.SetPropertyText("NewBlock", "");
  source.SetPropertyText("NewRaster", "mapa.asc");
  source.SetPropertyText("NewBlock", "B.BLK");
  EXPECT_EQ(source.GetPropertyText("NewBlock"), "");
  auto* blocks = source.List<TKarmoLImportBlocks>();
  ASSERT_EQ(blocks->GetCount(), 2);
  EXPECT_EQ(framework::ClassCast<TImportSourceNode>(blocks->Children()[1])->Path(), "B.BLK");
  EXPECT_EQ(source.List<TKarmoLImportRasters>()->GetCount(), 1);
  EXPECT_EQ(source.GetCount(), 2);  // no library list yet
}

}  // namespace
}  // namespace tarnik::gis
