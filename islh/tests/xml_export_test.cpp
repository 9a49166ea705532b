#include "islh/xml_export.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "forest/option_flags.h"
#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "islh/xml_output.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"
#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

using framework::TElement;

// A model object with a few typed properties.
class TXmlThing : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TXmlThing)
  std::string kod;
  std::string text;
  std::string tel;
  double plocha = 0;
  int32_t vek = 0;
  std::string lho;
  std::string ku_datum = "1.1.1990";
  bool fail = false;
};

void DefineThing(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TXmlThing> d(out);
  d.String(
      "KOD", [](TXmlThing& t) { return t.kod; },
      [](TXmlThing& t, const std::string& v) { t.kod = v; });
  d.String(
      "TEXT_xml",
      [](TXmlThing& t) {
        if (t.fail) throw std::runtime_error("broken");
        return t.text;
      },
      nullptr);
  d.String(
      "TEXT", [](TXmlThing&) { return std::string("not this one"); }, nullptr);
  d.String(
      "CISLO_TEL", [](TXmlThing& t) { return t.tel; }, nullptr);
  d.Float(
      "PLOCHA", [](TXmlThing& t) { return t.plocha; }, nullptr);
  d.Integer(
      "VEK", [](TXmlThing& t) { return t.vek; }, nullptr);
  d.String(
      "LHO", [](TXmlThing& t) { return t.lho; }, nullptr);
  d.String(
      "LHC_KOD_XML", [](TXmlThing& t) { return t.kod; }, nullptr);
  d.String(
      "KU_DATUM", [](TXmlThing& t) { return t.ku_datum; },
      [](TXmlThing& t, const std::string& v) { t.ku_datum = v; });
}

TARNIK_DEFINE_CLASS(TXmlThing, framework::TOwnerEntity, DefineThing)

// Serves queued objects per element name; the queue of a name empties as it is asked.
class FakeSource : public TExportSource {
 public:
  TXmlThing lhc;
  std::map<std::string, std::deque<TElement*>> queued;
  TElement* always = nullptr;  // answered for "LHC" on every call when set
  int reloads = 0;
  int expansions = 0;

  void ZnovuNacti() override { ++reloads; }
  TElement* LhcRecord() override { return &lhc; }
  void ResetIterator() override {}
  TElement* NextObject(const std::string& name) override {
    if (always && name == "LHC") return always;
    auto it = queued.find(name);
    if (it == queued.end() || it->second.empty()) return nullptr;
    TElement* e = it->second.front();
    it->second.pop_front();
    return e;
  }
  void RozvinMZDHospSoub() override { ++expansions; }
};

const char* kDtd =
    "<!ELEMENT DATAISLH (LHC)>\n"
    "<!ELEMENT LHC (ODD*, MZD*)>\n"
    "<!ATTLIST LHC KOD CDATA #IMPLIED>\n"
    "<!ATTLIST LHC TEXT CDATA #IMPLIED>\n"
    "<!ELEMENT ODD (DRV*, NIC?)>\n"
    "<!ATTLIST ODD KOD CDATA #IMPLIED>\n"
    "<!ATTLIST ODD PLOCHA CDATA #IMPLIED>\n"
    "<!ATTLIST ODD CISLO_TEL CDATA #IMPLIED>\n"
    "<!ATTLIST ODD CHYBI CDATA #IMPLIED>\n"
    "<!ATTLIST ODD PSK_ZNACKA CDATA #IMPLIED>\n"
    "<!ELEMENT DRV EMPTY>\n"
    "<!ATTLIST DRV TEXT CDATA #IMPLIED>\n"
    "<!ELEMENT MZD EMPTY>\n"
    "<!ATTLIST MZD VEK CDATA #IMPLIED>\n"
    "<!ELEMENT NIC EMPTY>\n";

class XmlExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework::RegisterFrameworkClasses();
    ::tarnik::testing::WriteFile(dir_.path() + "/t.dtd", kDtd);
    source_.lhc.kod = "615203";
    forest::Flags() = forest::OptionFlags();
  }

  TXmlThing* Thing(const std::string& kod) {
    auto* t = new TXmlThing();
    t->SetName("T " + kod);
    t->kod = kod;
    keep_.AddElement(t);
    return t;
  }

  // Runs an export and answers the document decoded to UTF-8.
  std::string Export(bool empty = false) {
    {
      TExportLHC_XML exporter;
      exporter.SetSource(&source_);
      exporter.SetXMLFileName(dir_.path() + "/out.xml");
      exporter.SetDTDFileName(dir_.path() + "/t.dtd");
      exporter.SetErrorFileName(dir_.path() + "/error.txt");
      exporter.SetTypIshul("2010");
      exporter.SetKU_DATUM(ku_datum_);
      exporter.SetEmptyXML(empty);
      exporter.SetProgressLine(true);
      exporter.Run();
    }
    raw_ = ::tarnik::testing::ReadFile(dir_.path() + "/out.xml");
    return platform::Cp1250ToUtf8(raw_);
  }

  std::string Protocol() { return ::tarnik::testing::ReadFile(dir_.path() + "/error.txt"); }

  ::tarnik::testing::TempDir dir_;
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  FakeSource source_;
  framework::TOwnerEntity keep_;
  std::string ku_datum_ = "Dle Merku";
  std::string raw_;
};

TEST_F(XmlExportTest, WritesTheHeaderTheWalkAndTheAttributeRules) {
  TXmlThing* lhc = Thing("615203");
  lhc->text = "A&B <x> 'q' \"d\"";
  TXmlThing* odd = Thing("5");
  odd->plocha = 12.5;
  odd->tel = "a&b";
  TXmlThing* drv = Thing("SM");
  drv->text = "smrk ztepilý";
  source_.queued["LHC"] = {lhc};
  source_.queued["ODD"] = {odd};
  source_.queued["DRV"] = {drv};
  std::string xml = Export();
  EXPECT_EQ(
      xml,
      "<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>\r\n"
      "<?ISLH 2010 LHP $ ?>\r\n"
      "<!DOCTYPE DATAISLH SYSTEM \"615203.dtd\">\r\n"
      "<DATAISLH>\r\n"
      "  <LHC KOD=\"615203\" TEXT=\"A a B &lt;x&gt; &apos;q&apos; &quot;d&quot;\">\r\n"
      "    <ODD KOD=\"5\" PLOCHA=\"12.5\" CISLO_TEL=\"a&amp;b\" CHYBI=\"\" PSK_ZNACKA=\"\">\r\n"
      "      <DRV TEXT=\"smrk ztepilý\">\r\n"
      "      </DRV>\r\n"
      "    </ODD>\r\n"
      "  </LHC>\r\n"
      "</DATAISLH>\r\n");
  EXPECT_EQ(Protocol(), "ODD->CHYBI ... missing property\r\n");
  EXPECT_EQ(source_.reloads, 1);
  EXPECT_EQ(source_.lhc.ku_datum, "1.1.1990");  // "Dle Merku" keeps the loaded date
  ASSERT_FALSE(ui_.Messages().empty());
  EXPECT_EQ(ui_.Messages().back(), "Konec exportu do XML");
  // Windows-1250 bytes: ý is 0xFD.
  EXPECT_NE(raw_.find("ztepil\xFD"), std::string::npos);
}

TEST_F(XmlExportTest, UntunedRunWritesTheSameBytes) {
  auto queue = [&] {
    TXmlThing* lhc = Thing("7");
    lhc->text = "smrk & jedle";
    TXmlThing* odd = Thing("12");
    odd->plocha = 0.25;
    source_.queued["LHC"] = {lhc};
    source_.queued["ODD"] = {odd, Thing("13")};
    source_.queued["DRV"] = {Thing("SM"), Thing("BK")};
  };
  queue();
  std::string tuned = Export();
  std::string tuned_protocol = Protocol();
  queue();
  ::setenv("TARNIK_EXPORT_UNTUNED", "1", 1);
  EXPECT_TRUE(ExportTuningDisabled());
  std::string untuned = Export();
  ::unsetenv("TARNIK_EXPORT_UNTUNED");
  EXPECT_FALSE(ExportTuningDisabled());
  EXPECT_EQ(untuned, tuned);
  EXPECT_EQ(Protocol(), tuned_protocol);
  EXPECT_NE(tuned.find("<DRV TEXT"), std::string::npos);
}

TEST_F(XmlExportTest, OutlineUnitsDatesAndCharactersOutsideTheCodePage) {
  source_.lhc.lho = "A";
  ku_datum_ = " 1.1.2001";
  TXmlThing* lhc = Thing("1");
  lhc->text = "€ and ✓";
  source_.queued["LHC"] = {lhc};
  std::string xml = Export();
  EXPECT_NE(xml.find("<?ISLH 2010 LHO $ ?>\r\n"), std::string::npos);
  EXPECT_EQ(source_.lhc.ku_datum, " 1.1.2001");
  EXPECT_NE(raw_.find("TEXT=\"\x80 and &#10003;\""), std::string::npos);
  EXPECT_NE(xml.find("<LHC KOD=\"1\" TEXT=\"€ and &#10003;\"/>"), std::string::npos);
}

TEST_F(XmlExportTest, AFailingObjectIsReportedAndTheDocumentStaysWellFormed) {
  TXmlThing* lhc = Thing("1");
  TXmlThing* odd1 = Thing("1");
  TXmlThing* odd2 = Thing("2");
  TXmlThing* bad = Thing("X");
  bad->fail = true;
  TXmlThing* good = Thing("SM");
  source_.queued["LHC"] = {lhc};
  source_.queued["ODD"] = {odd1, odd2};
  source_.queued["DRV"] = {good, bad};
  std::string xml = Export();
  // The broken species gives an empty-attribute error text, not an exception: reading a broken
  // property reads as "Err Value".
  EXPECT_NE(xml.find("TEXT=\"Err Value\""), std::string::npos);

  // A failure that escapes WriteElement: a child element of a species that the DTD lacks.
  ::tarnik::testing::WriteFile(dir_.path() + "/t.dtd",
                               std::string(kDtd) + "<!ELEMENT POS (LHC)>\n");
  std::string dtd = ::tarnik::testing::ReadFile(dir_.path() + "/t.dtd");
  size_t at = dtd.find("<!ELEMENT DRV EMPTY>");
  dtd.replace(at, std::string("<!ELEMENT DRV EMPTY>").size(), "<!ELEMENT DRV (POS)>");
  ::tarnik::testing::WriteFile(dir_.path() + "/t.dtd", dtd);
  TXmlThing* pos = Thing("P");
  source_.queued["LHC"] = {lhc};
  source_.queued["ODD"] = {odd1, odd2};
  source_.queued["DRV"] = {good};
  source_.queued["POS"] = {pos};
  source_.always = nullptr;
  // POS contains LHC, which is already open: the recursion is refused inside the species.
  source_.queued["LHC"].push_back(lhc);
  ui_.Clear();
  xml = Export();
  bool reported = false;
  for (const std::string& m : ui_.Messages()) {
    if (m == "chyba v aAktObject.name=T SM aElem=DRV") reported = true;
  }
  EXPECT_TRUE(reported);
  EXPECT_NE(xml.find("<ODD KOD=\"2\""), std::string::npos);  // the walk went on
  EXPECT_NE(xml.find("</DATAISLH>"), std::string::npos);
  int opened = 0, closed = 0;
  for (size_t p = 0; (p = xml.find("<DRV", p)) != std::string::npos; ++p) ++opened;
  for (size_t p = 0; (p = xml.find("</DRV>", p)) != std::string::npos; ++p) ++closed;
  EXPECT_EQ(opened, closed);
  if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
    std::string cmd = "xmllint --noout " + dir_.path() + "/out.xml";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
}

TEST_F(XmlExportTest, AnIteratorThatNeverEndsIsStopped) {
  TXmlThing* odd = Thing("1");
  source_.queued["LHC"] = {Thing("1")};
  source_.queued["ODD"] = {odd, odd};
  std::string xml = Export();
  bool stopped = false;
  for (const std::string& m : ui_.Messages()) {
    if (m.find("stále tentýž objekt") != std::string::npos) stopped = true;
  }
  EXPECT_TRUE(stopped);
  EXPECT_NE(xml.find("</DATAISLH>"), std::string::npos);
}

TEST_F(XmlExportTest, MzdListIsExpandedOnceAfterTheCompartmentsAndShowsProgress) {
  forest::Flags().sestavit_mzd = true;
  TXmlThing* mzd = Thing("M");
  mzd->vek = 7;
  source_.queued["LHC"] = {Thing("1")};
  source_.queued["MZD"] = {mzd};
  std::string xml = Export();
  EXPECT_EQ(source_.expansions, 1);
  EXPECT_NE(xml.find("    <MZD VEK=\"7\"/>\r\n"), std::string::npos);
  // MZD declares a single attribute: the progress text has nothing after "MZD pro".
  bool progress = false;
  for (const std::string& s : ui_.Statuses()) progress |= s == "MZD pro";
  EXPECT_TRUE(progress);
}

TEST_F(XmlExportTest, SkeletonWritesEveryElementOnce) {
  std::string xml = Export(true);
  EXPECT_NE(xml.find("<DATAISLH>\r\n  <LHC KOD=\"\" TEXT=\"\">\r\n    <ODD KOD=\"\""),
            std::string::npos);
  // A child marked '?' stands once, as the name it marks.
  EXPECT_NE(xml.find("      <NIC/>"), std::string::npos);
  EXPECT_NE(xml.find("    <MZD VEK=\"\"/>\r\n  </LHC>\r\n</DATAISLH>\r\n"), std::string::npos);
  EXPECT_EQ(ui_.Messages().back(), "Konec exportu do XML");
}

TEST_F(XmlExportTest, MissingDtdEndsTheRunAfterTheHeader) {
  TExportLHC_XML exporter;
  exporter.SetSource(&source_);
  exporter.SetXMLFileName(dir_.path() + "/out.xml");
  exporter.SetDTDFileName(dir_.path() + "/none.dtd");
  EXPECT_ANY_THROW(exporter.Run());
  std::string xml = ::tarnik::testing::ReadFile(dir_.path() + "/out.xml");
  EXPECT_EQ(xml.find("<DATAISLH"), std::string::npos);
  EXPECT_NE(xml.find("<!DOCTYPE DATAISLH SYSTEM \"615203.dtd\">"), std::string::npos);
}

TEST_F(XmlExportTest, WhatTheDtdDeclaresBadlyIsPassedOverAndTheDocumentStaysWellFormed) {
  ::tarnik::testing::WriteFile(dir_.path() + "/t.dtd",
                               "<!ELEMENT DATAISLH (LHC)>\n"
                               "<!ELEMENT LHC (MP, ODD*, (A|B)?)>\n"
                               "<!ATTLIST LHC KOD CDATA #IMPLIED>\n"
                               "<!ATTLIST LHC KOD CDATA #IMPLIED>\n"
                               "<!ATTLIST LHC K\"D CDATA #IMPLIED>\n"
                               "<!ELEMENT MP EMPTY>\n"
                               "<!ATTLIST MP KOD CDATA #IMPLIED>\n"
                               "<!ELEMENT ODD EMPTY>\n");
  source_.queued["LHC"] = {Thing("1")};
  source_.queued["MP"] = {Thing("2")};
  const std::string xml = Export();
  // KOD once; MP without attributes, closed although it has no children.
  EXPECT_NE(xml.find("<DATAISLH>\r\n  <LHC KOD=\"1\">\r\n    <MP>    </MP>\r\n  </LHC>"),
            std::string::npos)
      << xml;
  EXPECT_EQ(
      ui_.MessagesOf(platform::Severity::kPassedOver),
      (std::vector<std::string>{
          "Soubor DTD " + dir_.path() + "/t.dtd, řádek 5: \"K\"D\" není jméno XML, vynecháno.",
          "Soubor DTD " + dir_.path() + "/t.dtd, řádek 2: \"(\" není jméno XML, vynecháno.",
          "Soubor DTD " + dir_.path() + "/t.dtd, řádek 2: \"A|B\" není jméno XML, vynecháno."}));
}

TEST(EscapeAttributeString, AmpersandsAndEscapesInOrder) {
  EXPECT_EQ(EscapeAttributeString("POR_TEXT", "A&B <x>"), "A a B &lt;x&gt;");
  EXPECT_EQ(EscapeAttributeString("cislo_tel", "1&2"), "1&amp;2");
  EXPECT_EQ(EscapeAttributeString("X", "'\""), "&apos;&quot;");
  // Control characters cannot stand in XML at all; tab and line ends stay.
  EXPECT_EQ(EscapeAttributeString("X",
                                  "a\x01"
                                  "b\tc\r\n"),
            "a b\tc\r\n");
}

// An attribute written in one piece gives the bytes of the same text written as a whole, for
// values around the eight-byte steps of the ASCII check, letters of the code page, characters
// outside it and values larger than the buffer.
TEST(XmlOutput, AttributeBytesAreThoseOfTheWholeText) {
  ::tarnik::testing::TempDir dir;
  std::vector<std::pair<std::string, std::string>> cases = {
      {"A", ""},
      {"KOD", "1234567"},
      {"KOD", "12345678"},
      {"KOD", "123456789"},
      {"TEXT", "abcdefghijklmnop"},
      {"TEXT", "abcdefghijklmnopq"},
      {"TEXT",
       "\xc5\xa1"
       "abcdefg"},
      {"TEXT", "abcdefg\xc5\xa1"},
      {"TEXT", "abcdefgh\xc5\xa1x"},
      {"TEXT", "\xe2\x82\xac a \xe4\xb8\xad"},
      {"N\xc3\x81ZEV", "x"},
      {"BIG", std::string(TXmlOutput::kBufferSize + 100, 'q') + "\xc4\x8d"}};
  for (bool buffered : {true, false}) {
    TXmlOutput pieces;
    TXmlOutput whole;
    pieces.Open(dir.path() + "/pieces.xml");
    whole.Open(dir.path() + "/whole.xml");
    pieces.SetBuffered(buffered);
    for (const auto& [name, value] : cases) {
      pieces.WriteAttribute(name, value);
      whole.WriteText(" " + name + "=\"" + value + "\"");
      EXPECT_EQ(pieces.Size(), whole.Size()) << name << " " << value.size();
    }
    pieces.Close();
    whole.Close();
    const std::string written = ::tarnik::testing::ReadFile(dir.path() + "/pieces.xml");
    EXPECT_EQ(written, ::tarnik::testing::ReadFile(dir.path() + "/whole.xml"));
    EXPECT_NE(written.find(" KOD=\"12345678\""), std::string::npos);
    EXPECT_NE(written.find("abcdefg\x9a\""), std::string::npos);  // š in the code page
    EXPECT_NE(written.find("&#"), std::string::npos);             // 中 outside it
  }
}

}  // namespace
}  // namespace tarnik::islh
