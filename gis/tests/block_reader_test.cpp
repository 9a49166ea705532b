#include "gis/block_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "gis/karmo_registers.h"
#include "platform/fs.h"
#include "spatial/polyline_area.h"
#include "testing/gis_fixture.h"

namespace tarnik::gis {
namespace {

using spatial::TAreaElement;
using spatial::TPolyLineAreaElement;
using spatial::TPolyLineElement;
using testing::At;
using testing::FilePoint;
using testing::GisTest;
using testing::MapBuilder;

// The model point of a file point: both axes negated.
spatial::Point Model(const FilePoint& p) { return {-p.x, -p.y}; }

class BlockReadTest : public GisTest {};

TEST_F(BlockReadTest, AWrittenBlockReadsBackIntoTheSameObjects) {
  const testing::BlockRecords records = WriteSquares();
  auto reader = Reader();

  std::unique_ptr<spatial::TPointString> points(reader->ReadPoints());
  ASSERT_TRUE(points);
  EXPECT_EQ(points->GetName(), BlockDir() + " PNT");
  EXPECT_EQ(points->GetPropertyText("TYPE"), "PNT");
  EXPECT_EQ(points->GetPropertyText("BlockName"), BlockDir());
  ASSERT_EQ(Numbers(*points), (std::vector<int32_t>{1, 2}));
  auto* p1 = framework::ClassCast<spatial::TPointElement>(points->Children()[0]);
  EXPECT_EQ(p1->ReferencePoint(), Model(At(10, 10)));
  EXPECT_EQ(p1->GetPropertyText("Druh"), "5");
  EXPECT_EQ(p1->GetPropertyText("Barva"), "3");
  EXPECT_EQ(p1->GetPropertyText("Znacka"), "31");
  EXPECT_EQ(p1->GetPropertyText("ObjectType"), "B");

  std::unique_ptr<spatial::TPolyLineString> lines(reader->ReadLines());
  ASSERT_EQ(Numbers(*lines), (std::vector<int32_t>{1, 2, 3, 4}));
  auto* side = framework::ClassCast<TPolyLineElement>(lines->Children()[1]);
  ASSERT_EQ(side->GetCoordsCount(), 4);
  EXPECT_EQ((spatial::Point{side->XAt(2), side->YAt(2)}), Model(At(0, 0)));
  EXPECT_EQ(side->GetCoord(0)->CS(), 1);
  EXPECT_EQ(side->GetPropertyText("LeftArea"), "1");
  EXPECT_EQ(side->GetPropertyText("RightArea"), "0");

  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  ASSERT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 2, 3}));
  auto* a = framework::ClassCast<TPolyLineAreaElement>(areas->Children()[0]);
  auto* b = framework::ClassCast<TPolyLineAreaElement>(areas->Children()[1]);
  auto* island = framework::ClassCast<TPolyLineAreaElement>(areas->Children()[2]);
  ASSERT_TRUE(a && b && island);
  // A's ring is its side and the shared line, B's the shared line and its own sides; the
  // lines are the elements of the line string.
  ASSERT_EQ(a->GetCount(), 2);
  EXPECT_TRUE(a->Children()[0] == lines->Children()[0] || a->Children()[1] == lines->Children()[0]);
  EXPECT_TRUE(b->Children()[0] == lines->Children()[0] || b->Children()[1] == lines->Children()[0]);
  ASSERT_TRUE(a->Holes());
  ASSERT_EQ(a->Holes()->GetCount(), 1);
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(a->Properties())->Hektars(), 0.96, 1e-9);
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(b->Properties())->Hektars(), 1.0, 1e-9);
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(island->Properties())->Hektars(), 0.04, 1e-9);
  EXPECT_EQ(a->ReferencePoint(), Model(At(20, 80)));
  EXPECT_EQ(island->GetPropertyText("PaterNo"), "1");

  std::unique_ptr<spatial::TTextString> texts(reader->ReadTexts());
  ASSERT_EQ(Numbers(*texts), (std::vector<int32_t>{0, 1, 2}));
  auto* t0 = framework::ClassCast<spatial::TTextElement>(texts->Children()[0]);
  EXPECT_EQ(t0->Text(), "A");
  EXPECT_EQ(t0->ReferencePoint(), Model(At(30, 70)));
  auto* tp = framework::ClassCast<TKarmoTextProps>(t0->Properties());
  EXPECT_EQ(tp->CodePage(), cpWindows);
  EXPECT_EQ(tp->Height(), 2.5);
  EXPECT_EQ(tp->StartPoint()->X(), Model(At(30, 70)).x);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(BlockReadTest, ReadingTheBlockIntoTwoOutputsSharesEverythingButLineSymbols) {
  WriteSquares();
  auto first = Reader();
  std::unique_ptr<spatial::TAreaString> areas1(first->ReadAreas());
  std::unique_ptr<spatial::TPolyLineString> lines1(first->ReadLines());
  std::unique_ptr<spatial::TPointString> points1(first->ReadPoints());
  std::unique_ptr<spatial::TTextString> texts1(first->ReadTexts());
  std::unique_ptr<spatial::TPointString> symbols1(first->ReadLineSymbols());
  auto second = Reader();
  std::unique_ptr<spatial::TAreaString> areas2(second->ReadAreas());
  std::unique_ptr<spatial::TPolyLineString> lines2(second->ReadLines());
  std::unique_ptr<spatial::TPointString> points2(second->ReadPoints());
  std::unique_ptr<spatial::TTextString> texts2(second->ReadTexts());
  std::unique_ptr<spatial::TPointString> symbols2(second->ReadLineSymbols());
  EXPECT_EQ(areas1->Children(), areas2->Children());
  EXPECT_EQ(lines1->Children(), lines2->Children());
  EXPECT_EQ(points1->Children(), points2->Children());
  // Text 0 has number 0, which no register files: it is read anew.
  ASSERT_EQ(texts1->GetCount(), 3);
  EXPECT_NE(texts1->Children()[0], texts2->Children()[0]);
  EXPECT_EQ(texts1->Children()[1], texts2->Children()[1]);
  EXPECT_EQ(texts1->Children()[2], texts2->Children()[2]);
  ASSERT_EQ(symbols1->GetCount(), 1);
  ASSERT_EQ(symbols2->GetCount(), 1);
  EXPECT_NE(symbols1->Children()[0], symbols2->Children()[0]);
  // The second read built no second hole for the island.
  EXPECT_EQ(framework::ClassCast<TAreaElement>(areas2->Children()[0])->Holes()->GetCount(), 1);
}

TEST_F(BlockReadTest, ALineWithSymbol1200IsAlsoAPointAtItsReferencePoint) {
  testing::BlockRecords records = WriteSquares();
  auto reader = Reader();
  std::unique_ptr<spatial::TPointString> symbols(reader->ReadLineSymbols());
  EXPECT_EQ(symbols->GetName(), BlockDir() + " LINSYM");
  ASSERT_EQ(Numbers(*symbols), (std::vector<int32_t>{4}));
  auto* symbol = framework::ClassCast<spatial::TPointElement>(symbols->Children()[0]);
  const testing::LineRow& line = records.lines[4];
  EXPECT_EQ(symbol->ReferencePoint(), (spatial::Point{-line.ref_x, -line.ref_y}));
  EXPECT_EQ(symbol->GetPropertyText("Znacka"), "1200");
  EXPECT_NEAR(symbol->Angle(), line.angle + std::numbers::pi / 2, 1e-9);
  // Line 1 has symbol 0: no symbol; the lines themselves are not filed as points.
  EXPECT_FALSE(BlockRegisterFor(BlockDir())->GetObject("B", 4));
}

TEST_F(BlockReadTest, PointsAtTheRangeLimitAreReadAndBeyondItReported) {
  testing::BlockRecords records;
  records.points = {{},
                    {.cislo = 1, .x = 2000000, .y = 5},
                    {.cislo = 2, .x = 2000000.5, .y = 5},
                    {.cislo = 3, .x = 7, .y = -0.5}};
  records.Write(BlockDir());
  std::unique_ptr<spatial::TPointString> points(Reader()->ReadPoints());
  EXPECT_EQ(Numbers(*points), (std::vector<int32_t>{1}));
  EXPECT_EQ(Reports(),
            (std::vector<std::string>{"Bod.c.2 je mimo rozsah", "Bod.c.3 je mimo rozsah"}));
}

TEST_F(BlockReadTest, AnAreaThatIsItsOwnParentIsReadWithoutParent) {
  MapBuilder b;
  b.AddLine({At(0, 0), At(10, 0), At(10, 10), At(0, 10), At(0, 0)}, 1, 0);
  b.AddArea({.pater_no = 1, .reference = At(5, 5)});
  b.Build().Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{1}));
  EXPECT_EQ(Reports(), (std::vector<std::string>{"Jako otce má plocha č.1 sama sebe !"}));
}

TEST_F(BlockReadTest, AParentChainThatComesBackIsCutAtTheAreaThatClosesIt) {
  // Three squares side by side whose parents run 1 -> 2 -> 3 -> 1.
  MapBuilder b;
  for (int i = 0; i < 3; ++i) {
    const double e = 20.0 * i;
    b.AddLine({At(e, 0), At(e + 10, 0), At(e + 10, 10), At(e, 10), At(e, 0)}, i + 1, 0);
  }
  b.AddArea({.pater_no = 2, .reference = At(5, 5)});
  b.AddArea({.pater_no = 3, .reference = At(25, 5)});
  b.AddArea({.pater_no = 1, .reference = At(45, 5)});
  b.Build().Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  // Reading 1 reads 2 and then 3, whose parent 1 is being read: 3 has no parent, once and for
  // all, however often the chain is entered again.
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{3, 2, 1}));
  const std::vector<std::string> reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], BlockDir() +
                            ": Otcové plochy č.3 se vracejí k ploše č.1; plocha bude "
                            "bez otce");
}

TEST_F(BlockReadTest, AParentBeyondTheAreaFileMeansNoParentAndTheLoopGoesOn) {
  MapBuilder b;
  b.AddLine({At(0, 0), At(10, 0), At(10, 10), At(0, 10), At(0, 0)}, 1, 0);
  b.AddLine({At(20, 0), At(30, 0), At(30, 10), At(20, 10), At(20, 0)}, 2, 0);
  b.AddArea({.pater_no = 77, .reference = At(5, 5)});
  b.AddArea({.reference = At(25, 5)});
  b.Build().Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 2}));
  const std::vector<std::string> reports = Reports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("má otce č.77"), std::string::npos);
}

TEST_F(BlockReadTest, TwoChildrenThatFormOneIslandMakeOneHole) {
  // The island of the parent (area 1) is split into children 2 and 3 by line 3.
  MapBuilder split;
  split.AddLine({At(0, 0), At(100, 0), At(100, 100), At(0, 100), At(0, 0)}, 1, 0);
  split.AddLine({At(50, 20), At(50, 80)}, 2, 3);
  split.AddLine({At(50, 80), At(20, 80), At(20, 20), At(50, 20)}, 2, 1);
  split.AddLine({At(50, 20), At(80, 20), At(80, 80), At(50, 80)}, 3, 1);
  split.AddArea({.reference = At(5, 5)});
  split.AddArea({.pater_no = 1, .reference = At(35, 50)});
  split.AddArea({.pater_no = 1, .reference = At(65, 50)});
  split.Build().Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  ASSERT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 2, 3}));
  auto* parent = framework::ClassCast<TAreaElement>(areas->Children()[0]);
  ASSERT_TRUE(parent->Holes());
  EXPECT_EQ(parent->Holes()->GetCount(), 1);
  auto* hole = framework::ClassCast<TAreaElement>(parent->Holes()->Children()[0]);
  EXPECT_NEAR(std::fabs(hole->GetArea1()), 60 * 60, 1e-6);
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(parent->Properties())->Hektars(),
              (10000 - 3600) / 10000.0, 1e-9);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(BlockReadTest, AnAreaWhoseLineDoesNotBorderItIsFoundFromLineOneAfterABeep) {
  testing::BlockRecords records = SquaresBuilder().Build();
  records.areas[2].line_no = 3;  // B's own side: does not border A
  records.areas[1].line_no = 3;
  records.Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  EXPECT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(ui_.shown.front().kind, "beep");
  EXPECT_NEAR(framework::ClassCast<TKarmoAreaProps>(
                  framework::ClassCast<TAreaElement>(areas->Children()[0])->Properties())
                  ->Hektars(),
              0.96, 1e-9);
}

TEST_F(BlockReadTest, AreasWithCopiedVerticesHaveTheSameOutlines) {
  WriteSquares();
  auto reader = Reader();
  reader->SetReadAreaAsBoundary(true);
  std::unique_ptr<spatial::TAreaString> areas(reader->ReadAreas());
  ASSERT_EQ(Numbers(*areas), (std::vector<int32_t>{1, 2, 3}));
  auto* b = framework::ClassCast<TAreaElement>(areas->Children()[1]);
  EXPECT_FALSE(b->Is<TPolyLineAreaElement>());
  EXPECT_EQ(b->GetCoordsCount(), 4);
  EXPECT_NEAR(b->GetArea1(), 10000, 1e-6);
  EXPECT_EQ(b->GetPropertyText("LineNo"), "1");
}

TEST_F(BlockReadTest, ARingLongerThanTheLimitIsNotBuilt) {
  // A 10001-sided polygon: each side its own line.
  MapBuilder b;
  const int sides = kMaxRingLines + 1;
  std::vector<FilePoint> ring;
  for (int i = 0; i < sides; ++i) {
    const double a = 2 * std::numbers::pi * i / sides;
    ring.push_back(At(1000 + 900 * std::cos(a), 1000 + 900 * std::sin(a)));
  }
  for (int i = 0; i < sides; ++i) b.AddLine({ring[i], ring[(i + 1) % sides]}, 1, 0);
  b.AddArea({.reference = At(1000, 1000)});
  b.Build().Write(BlockDir());
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  EXPECT_EQ(areas->GetCount(), 0);
  const std::vector<std::string> reports = Reports();
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back(), BlockDir() + ":Nelze načíst linie pro plochu č.1 linii");
}

TEST_F(BlockReadTest, VertexIndexesOutsideTheVertexFileRejectTheLine) {
  testing::BlockRecords records = SquaresBuilder().Build();
  records.lines[2].last = static_cast<int32_t>(records.vertices.size());  // one past the end
  records.lines[3].first = -4;
  records.lines[4].first = records.lines[4].last + 1;  // a negative count
  records.Write(BlockDir());
  std::unique_ptr<spatial::TPolyLineString> lines(Reader()->ReadLines());
  EXPECT_EQ(Numbers(*lines), (std::vector<int32_t>{1}));
  const std::vector<std::string> reports = Reports();
  ASSERT_EQ(reports.size(), 3u);
  const std::string count = std::to_string(records.vertices.size());
  EXPECT_EQ(reports[0], BlockDir() + ": linie č.2 má body " +
                            std::to_string(records.lines[2].first) + " až " + count +
                            " mimo soubor TN.CRD (" + count + " bodů), nebude načtena");
}

TEST_F(BlockReadTest, LinesWithoutTheirVertexFileEndTheLoop) {
  WriteSquares();
  platform::DeleteFile(BlockDir() + "/TN.CRD");
  std::unique_ptr<spatial::TPolyLineString> lines(Reader()->ReadLines());
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->GetCount(), 0);
  EXPECT_EQ(Reports(), (std::vector<std::string>{"Chyba čtení Linií -" + BlockDir()}));
}

TEST_F(BlockReadTest, MissingFilesGiveEmptyStringsAndTextsWithoutContentsNone) {
  testing::BlockRecords records;
  records.texts = {{.cislo = 0, .text = "x"}};
  records.Write(BlockDir());
  platform::DeleteFile(BlockDir() + "/TN.TTX");
  auto reader = Reader();
  std::unique_ptr<spatial::TPointString> points(reader->ReadPoints());
  ASSERT_TRUE(points);
  EXPECT_EQ(points->GetCount(), 0);
  EXPECT_EQ(reader->ReadTexts(), nullptr);
  EXPECT_EQ(Reports(), (std::vector<std::string>{"Chybný soubor Textů -" + BlockDir()}));
}

TEST_F(BlockReadTest, TextsKeepInStepWithTheirContentsAndAShortContentsFileGivesEmptyTexts) {
  testing::BlockRecords records;
  for (int i = 0; i < 7; ++i)
    records.texts.push_back({.cislo = i, .text = "t" + std::to_string(i)});
  records.texts[5].cislo = 0;              // becomes text 5
  records.texts[2].text_atrib = kZrusenT;  // deleted, still consumes "t2"
  records.texts[6].text = "";
  records.Write(BlockDir());
  // The contents end after "t5": text 6 has no line.
  std::string contents = records.TextContentBytes();
  contents.resize(contents.size() - 2);
  platform::WriteFileBytes(BlockDir() + "/TN.TTX", contents);
  std::unique_ptr<spatial::TTextString> texts(Reader()->ReadTexts());
  ASSERT_EQ(Numbers(*texts), (std::vector<int32_t>{0, 1, 3, 4, 5, 6}));
  std::vector<std::string> read;
  for (framework::TElement* e : texts->Children()) {
    read.push_back(framework::ClassCast<spatial::TTextElement>(e)->Text());
  }
  EXPECT_EQ(read, (std::vector<std::string>{"t0", "t1", "t3", "t4", "t5", ""}));
}

TEST_F(BlockReadTest, BlockFileNamesAreMatchedWithoutRegardToCase) {
  testing::BlockRecords records = SquaresBuilder().Build();
  records.Write(BlockDir());
  for (const char* name : {"TN.CRD", "TN.LIN", "TN.ARE"}) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    platform::RenameFile(BlockDir() + "/" + name, BlockDir() + "/" + lower);
  }
  std::unique_ptr<spatial::TAreaString> areas(Reader()->ReadAreas());
  EXPECT_EQ(areas->GetCount(), 3);
}

}  // namespace
}  // namespace tarnik::gis
