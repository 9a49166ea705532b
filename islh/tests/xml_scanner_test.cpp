#include "islh/xml_scanner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "testing/test_env.h"

namespace tarnik::islh {
namespace {

struct Scanned {
  std::vector<XmlTag> tags;
  std::vector<std::pair<std::string, platform::Severity>> problems;
};

Scanned Scan(const std::string& bytes) {
  Scanned s;
  XmlScanner scanner(bytes, [&s](const std::string& text, platform::Severity severity) {
    s.problems.emplace_back(text, severity);
  });
  XmlTag tag;
  while (scanner.Next(tag)) s.tags.push_back(tag);
  return s;
}

std::string Value(const XmlTag& tag, const std::string& name) {
  for (const XmlAttribute& a : tag.attributes)
    if (a.name == name) return a.value;
  return "<none>";
}

TEST(XmlScannerTest, AttributesWithBlanksAroundEqualsAndEitherQuote) {
  Scanned s = Scan("<POR Por = '3' SDR_POR=\"\" X='a>b=c\"d'/><ODD ODD=\"12\"/><Y/>");
  ASSERT_EQ(s.tags.size(), 3u);
  EXPECT_EQ(s.tags[0].name, "POR");
  EXPECT_TRUE(s.tags[0].empty);
  EXPECT_EQ(Value(s.tags[0], "Por"), "3");
  EXPECT_EQ(Value(s.tags[0], "SDR_POR"), "");
  EXPECT_EQ(Value(s.tags[0], "X"), "a>b=c\"d");
  EXPECT_EQ(s.tags[1].name, "ODD");
  EXPECT_EQ(Value(s.tags[1], "ODD"), "12");
  EXPECT_EQ(s.tags[2].name, "Y");
  EXPECT_TRUE(s.tags[2].empty);
  EXPECT_TRUE(s.problems.empty());
}

TEST(XmlScannerTest, ReferencesAndCodePagesBecomeTheProgramsText) {
  // Windows-1250 by default: "Žďár" and the five entities, decimal and hexadecimal references.
  Scanned s = Scan(
      "<A T=\"\x8E\xEF\xE1r &lt;x&gt; &apos;q&apos; &quot;&amp;&#269;&#x10D;\" "
      "U=\"&nbsp; &#0; &#xD800; & &amp\"/>");
  ASSERT_EQ(s.tags.size(), 1u);
  EXPECT_EQ(Value(s.tags[0], "T"), "Žďár <x> 'q' \"&čč");
  // References the document may not use stay as written.
  EXPECT_EQ(Value(s.tags[0], "U"), "&nbsp; &#0; &#xD800; & &amp");

  // UTF-8 when the declaration names it; a malformed sequence is one replacement character.
  s = Scan("<?xml version='1.0' encoding='utf-8'?><A T=\"Žďár \xC3\"/>");
  ASSERT_EQ(s.tags.size(), 1u);
  EXPECT_EQ(Value(s.tags[0], "T"), "Žďár \xEF\xBF\xBD");
  // The byte order mark says UTF-8 too; an unknown encoding is read as Windows-1250.
  EXPECT_EQ(Value(Scan("\xEF\xBB\xBF<A T=\"č\"/>").tags.at(0), "T"), "č");
  s = Scan("<?xml version=\"1.0\" encoding=\"ISO-8859-5\"?><A T=\"\xE8\"/>");
  EXPECT_EQ(Value(s.tags.at(0), "T"), "č");
  ASSERT_EQ(s.problems.size(), 1u);
  EXPECT_EQ(s.problems[0].second, platform::Severity::kInformation);
}

TEST(XmlScannerTest, EveryLineEndCountsOnce) {
  for (const std::string end : {"\r\n", "\r", "\n"}) {
    Scanned s =
        Scan("<A/>" + end + "<B/>" + end + end + "<C X=\"1" + end + "2\"/>" + end + "<D X=\"open");
    ASSERT_EQ(s.tags.size(), 4u);
    EXPECT_EQ(s.tags[1].line, 2u);
    EXPECT_EQ(s.tags[2].line, 4u);
    EXPECT_EQ(Value(s.tags[2], "X"), "1" + end + "2");  // line ends in a value are kept
    EXPECT_EQ(s.tags[3].line, 6u);
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_EQ(s.problems[0].first, "CHYBA při načítání atributu \"X\"\r\nřádek č.6");
  }
}

TEST(XmlScannerTest, MalformedValuesAreReportedAndTheNextTagIsStillRead) {
  // The value ends at the end of the input: the attribute is not stored.
  Scanned s = Scan("<A B=\"1\"\r\n C=\"2");
  ASSERT_EQ(s.tags.size(), 1u);
  EXPECT_EQ(Value(s.tags[0], "B"), "1");
  EXPECT_EQ(Value(s.tags[0], "C"), "<none>");
  ASSERT_EQ(s.problems.size(), 1u);
  EXPECT_EQ(s.problems[0].first, "CHYBA při načítání atributu \"C\"\r\nřádek č.2");
  EXPECT_EQ(s.problems[0].second, platform::Severity::kPassedOver);

  // A value never closed before the next tag, and values without quotes or without "=".
  s = Scan("<A B=\"1/>\n<C D=2 E F='3'/>");
  ASSERT_EQ(s.tags.size(), 2u);
  EXPECT_EQ(Value(s.tags[0], "B"), "<none>");
  EXPECT_EQ(s.tags[1].name, "C");
  EXPECT_EQ(Value(s.tags[1], "F"), "3");
  ASSERT_EQ(s.problems.size(), 3u);
  EXPECT_EQ(s.problems[0].first, "CHYBA při načítání atributu \"B\"\r\nřádek č.2");
  EXPECT_EQ(s.problems[1].first,
            "CHYBA při načítání atributu \"D\", nenalezen úvodní apostrof nebo uvozovka\r\n"
            "řádek č.2");
  EXPECT_EQ(s.problems[2].first,
            "CHYBA při načítání atributu \"E\", nenalezen úvodní apostrof nebo uvozovka\r\n"
            "řádek č.2");
}

TEST(XmlScannerTest, CommentsInstructionsAndDeclarationsEndAtTheirOwnEnd) {
  Scanned s = Scan(
      "<?xml version=\"1.0\"?><?ISLH 2024 LHP $ ?><!--x--><?x?><!X>"
      "<!DOCTYPE D [ <!ELEMENT D (A)> <!ATTLIST A V CDATA \"a>b\"> ]>"
      "<!-- exported by another program -> still a comment -->"
      "<A V='1' <!-- between attributes --> W='2'>text<![CDATA[<B/>]]>more</A>");
  ASSERT_EQ(s.tags.size(), 2u);
  EXPECT_EQ(s.tags[0].name, "A");
  EXPECT_FALSE(s.tags[0].empty);
  EXPECT_EQ(Value(s.tags[0], "V"), "1");
  EXPECT_EQ(Value(s.tags[0], "W"), "2");
  EXPECT_EQ(s.tags[1].kind, XmlTag::Kind::kEnd);
  EXPECT_EQ(s.tags[1].name, "A");
  EXPECT_TRUE(s.problems.empty());
}

TEST(XmlScannerTest, BoundsCutNamesAndValues) {
  const std::string long_name(XmlScanner::kMaxNameBytes + 10, 'N');
  const std::string long_value(XmlScanner::kMaxValueBytes + 5, 'v');
  Scanned s = Scan("<" + long_name + " A=\"" + long_value + "\"/><B/>");
  ASSERT_EQ(s.tags.size(), 2u);
  EXPECT_EQ(s.tags[0].name.size(), XmlScanner::kMaxNameBytes);
  EXPECT_EQ(Value(s.tags[0], "A").size(), XmlScanner::kMaxValueBytes);
  EXPECT_EQ(s.tags[1].name, "B");
  EXPECT_EQ(s.problems.size(), 2u);
}

TEST(XmlScannerTest, FileIsReadInBlocksWithTheSameTagsAndProgress) {
  // Tags and multi-byte markers that straddle the block boundaries.
  std::string doc = "<?xml version=\"1.0\"?><R>";
  for (int i = 0; i < 8000; ++i)
    doc += "<!-- c" + std::to_string(i) + " --><E N=\"" + std::to_string(i) + "\" T='&amp;x'/>\n";
  doc += "</R>";
  ASSERT_GT(doc.size(), 4 * XmlScanner::kBlockSize);
  testing::TempDir dir;
  testing::WriteFile(dir.File("d.xml"), doc);

  std::FILE* file = std::fopen(dir.File("d.xml").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  XmlScanner scanner(file, doc.size(), nullptr);
  std::vector<uint64_t> progress;
  scanner.SetProgress(100000, [&](uint64_t position) { progress.push_back(position); });
  std::vector<XmlTag> from_file;
  XmlTag tag;
  while (scanner.Next(tag)) from_file.push_back(tag);
  std::fclose(file);

  const std::vector<XmlTag> from_memory = Scan(doc).tags;
  ASSERT_EQ(from_file.size(), from_memory.size());
  ASSERT_EQ(from_file.size(), 8002u);
  for (size_t i = 0; i < from_file.size(); ++i) {
    EXPECT_EQ(from_file[i].name, from_memory[i].name);
    EXPECT_EQ(from_file[i].line, from_memory[i].line);
    EXPECT_EQ(from_file[i].attributes.size(), from_memory[i].attributes.size());
  }
  EXPECT_EQ(Value(from_file[5000], "N"), "4999");
  EXPECT_EQ(Value(from_file[5000], "T"), "&x");
  EXPECT_EQ(scanner.position(), doc.size());
  ASSERT_EQ(progress.size(), doc.size() / 100000);
  EXPECT_EQ(progress.front(), 100000u);
}

}  // namespace
}  // namespace tarnik::islh
