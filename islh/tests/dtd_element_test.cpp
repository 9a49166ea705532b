#include "islh/dtd_element.h"

#include <gtest/gtest.h>

#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

using Strings = std::vector<std::string>;

const char kDtd[] =
    "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
    "<!ELEMENT A (B+, C*)>\r\n"
    "<!ATTLIST A KOD CDATA #REQUIRED>\r\n"
    "<!ELEMENT B EMPTY>\r\n"
    "<!ATTLIST B X CDATA #IMPLIED>\r\n"
    "<!-- a comment between the attribute lines -->\r\n"
    "<!ATTLIST B Y CDATA #IMPLIED>\r\n"
    "<!ATTLIST C Z CDATA #IMPLIED>\r\n"
    "<!ATTLIST B LATE CDATA #IMPLIED>\r\n"
    " <!ELEMENT D (E)>\r\n"
    "<!ELEMENT  F (G|H, I?)>\r\n"
    "<!ELEMENT J ANY>\r\n"
    "<!ATTLIST J W CDATA #IMPLIED>\r\n"
    "<!ELEMENT K (L , M )>\n"
    "<!ELEMENT N ((O|P), Q)>\n"
    "<!ELEMENT Ř (S)>\n";

class DtdElement : public ::testing::Test {
 protected:
  void SetUp() override { dtd_.OpenText("test.dtd", kDtd); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TDTDelement dtd_;
};

TEST_F(DtdElement, ContentGroupTokensKeepTheirOccurrenceMarks) {
  dtd_.ReadElement("A");
  EXPECT_EQ(dtd_.children(), (Strings{"B+", "C*"}));
  EXPECT_EQ(dtd_.attributes(), (Strings{"KOD"}));
  dtd_.ReadElement("F");  // two blanks after the keyword; alternatives stay one token
  EXPECT_EQ(dtd_.children(), (Strings{"G|H", "I?"}));
  dtd_.ReadElement("K");  // blanks before "," and ")" add no empty child
  EXPECT_EQ(dtd_.children(), (Strings{"L", "M"}));
  dtd_.ReadElement("N");  // an inner group shows as its own "(" token
  EXPECT_EQ(dtd_.children(), (Strings{"(", "O|P"}));
  EXPECT_TRUE(ui_.Messages().empty());
}

TEST_F(DtdElement, AttributesStopAtTheFirstListOfAnotherElement) {
  dtd_.ReadElement("b");  // ASCII case ignored
  EXPECT_TRUE(dtd_.children().empty());
  EXPECT_EQ(dtd_.attributes(), (Strings{"X", "Y"}));
  EXPECT_EQ(dtd_.element_name(), "b");
}

TEST_F(DtdElement, UnknownAndUnsupportedElementsAreReported) {
  dtd_.ReadElement("A");
  dtd_.ReadElement("D");  // indented: not a declaration
  EXPECT_TRUE(dtd_.children().empty());
  EXPECT_TRUE(dtd_.attributes().empty());
  dtd_.ReadElement("J");
  EXPECT_TRUE(dtd_.attributes().empty());
  dtd_.ReadElement("ř");  // Czech letters are compared by ASCII rules only
  EXPECT_EQ(ui_.Messages(),
            (Strings{"Nenalezen element D", "Chybný element J", "Nenalezen element ř"}));
}

TEST(DtdFile, MissingFileIsReportedAndLookupsFail) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  tarnik::testing::TempDir tmp;
  TDTDelement missing(tmp.File("none.dtd"));
  EXPECT_FALSE(missing.opened());
  EXPECT_EQ(ui.Messages(), (Strings{"Soubor " + tmp.File("none.dtd") + " neexistuje !"}));
  EXPECT_THROW(missing.ReadElement("A"), std::runtime_error);

  tarnik::testing::WriteFile(tmp.File("x.dtd"), "<!ELEMENT DATAISLH (LHC)>\r\n");
  TDTDelement file(tmp.File("X.DTD"));
  ASSERT_TRUE(file.opened());
  file.ReadElement("DATAISLH");
  EXPECT_EQ(file.children(), (Strings{"LHC"}));
}

TEST(DtdTokens, TokenReaderMovesOnlyOverWhatItReads) {
  std::string line = "<!ELEMENT A (B, C)>";
  size_t pos = 11;
  EXPECT_EQ(TDTDelement::NextToken(line, &pos), "A");
  EXPECT_EQ(pos, 12u);
  EXPECT_EQ(TDTDelement::NextToken(line, &pos), "(");
  EXPECT_EQ(TDTDelement::NextToken(line, &pos), "B");
  EXPECT_EQ(TDTDelement::NextToken(line, &pos), "C");
  size_t at = pos;
  EXPECT_EQ(TDTDelement::NextToken(line, &pos), "");
  EXPECT_EQ(pos, at);
  size_t end = 100;
  EXPECT_EQ(TDTDelement::NextToken(line, &end), "");
}

}  // namespace
}  // namespace tarnik::islh
