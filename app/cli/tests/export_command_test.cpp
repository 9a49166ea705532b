// `tarnik export` on the sample unit: the document is pinned by a golden file (kept as UTF-8 with
// LF; the written bytes are its Windows-1250 form with CR LF) and valid against the DTD copied
// beside it. TARNIK_UPDATE_GOLDEN=1 rewrites the golden files from the current output.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "app/cli/tests/run_tarnik.h"
#include "data/engine/database.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "testing/engine_test_util.h"
#include "testing/part_files_writer.h"
#include "testing/test_env.h"
#include "testing/xml_check.h"

namespace tarnik::cli {
namespace {

using ::tarnik::testing::ReadFile;
using ::tarnik::testing::WriteFile;

using test::Result;
using test::RunTarnik;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t pos = 0; (pos = text.find(from, pos)) != std::string::npos; pos += to.size())
    text.replace(pos, from.size(), to);
  return text;
}

bool HaveXmllint() { return std::system("xmllint --version >/dev/null 2>&1") == 0; }

// Compares a written file with its golden text: decoded and with LF the same text, and exactly
// the bytes of the golden text encoded back with CR LF.
void ExpectGolden(const std::string& written, const std::string& golden_name) {
  const std::string golden_path =
      ::tarnik::testing::SourcePath("app/cli/tests/data/" + golden_name);
  const std::string raw = ReadFile(written);
  const std::string text = Replace(platform::Cp1250ToUtf8(raw), "\r\n", "\n");
  if (const char* update = std::getenv("TARNIK_UPDATE_GOLDEN"); update && *update == '1') {
    WriteFile(golden_path, text);
  }
  const std::string golden = ReadFile(golden_path);
  EXPECT_EQ(text, golden) << golden_name << " differs from " << written;
  std::string bytes;
  ASSERT_TRUE(platform::Utf8ToCp1250(Replace(golden, "\n", "\r\n"), &bytes));
  EXPECT_TRUE(raw == bytes) << golden_name << ": not the same bytes";
}

class ExportCommandTest : public ::testing::Test {
 protected:
  ExportCommandTest() {
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/DATA", data_);
    ::tarnik::engine::test::BuildSqlDirectory("samples/demo/PHS", tmp_.File("demo/PHS"));
  }
  Result Export(const std::string& variant, const std::string& out,
                std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"--quiet", "export", "--variant", variant,
                                     "--data",  data_,    "--out",     out};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunTarnik(args);
  }
  void ExpectValid(const std::string& dtd, const std::string& xml) {
    if (!HaveXmllint()) GTEST_SKIP() << "xmllint is not installed; the DTD check is skipped";
    const std::string command = "xmllint --noout --dtdvalid '" + dtd + "' '" + xml + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }

  ::tarnik::testing::ScopedProgramDir program_;
  ::tarnik::testing::TempDir tmp_;
  std::string data_ = tmp_.File("demo/DATA");
};

TEST_F(ExportCommandTest, NumericalDocumentOfTheSampleUnit) {
  Result r = Export("numerika", tmp_.File("out"));
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const std::string dir = tmp_.File("out/ISHULXML");
  const std::string xml = dir + "/615203.xml";
  const std::string dtd = dir + "/615203.dtd";
  EXPECT_EQ(r.out, xml + "\n" + dtd + "\n" + dir + "/error.txt\n");
  EXPECT_EQ(ReadFile(dtd), ReadFile(program_.File("XmlExpNU.dtd")));

  const std::string raw = ReadFile(xml);
  EXPECT_EQ(raw.rfind("<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>\r\n"
                      "<?ISLH 2010 LHP $ ?>\r\n"
                      "<!DOCTYPE DATAISLH SYSTEM \"615203.dtd\">\r\n",
                      0),
            0u);
  // CR LF ends every line, and the unit's name is in Windows-1250.
  EXPECT_EQ(Replace(raw, "\r\n", "").find('\n'), std::string::npos);
  EXPECT_EQ(raw.back(), '\n');
  EXPECT_NE(raw.find("LHC_NAZ=\"Sn\xEC\x9En\xE9 - \x8E\xEF\xE1rsk\xE9 vrchy\""), std::string::npos);

  ExpectGolden(xml, "export_numerika.xml");
  ExpectGolden(dir + "/error.txt", "export_numerika_error.txt");
  ExpectValid(dtd, xml);
}

TEST_F(ExportCommandTest, LcrVariantWritesTheLcrCode) {
  Result r = Export("numerika-lcr", tmp_.File("out"));
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const std::string dir = tmp_.File("out/ISHULXML");
  const std::string xml = platform::Cp1250ToUtf8(ReadFile(dir + "/12850.xml"));
  EXPECT_NE(xml.find("<!DOCTYPE DATAISLH SYSTEM \"12850.dtd\">\r\n"), std::string::npos);
  EXPECT_NE(xml.find("<LHC LHC_KOD=\"12850\" "), std::string::npos);
  EXPECT_TRUE(platform::FileExists(dir + "/12850.dtd"));
  EXPECT_FALSE(platform::FileExists(dir + "/615203.xml"));
  ExpectValid(dir + "/12850.dtd", dir + "/12850.xml");
}

TEST_F(ExportCommandTest, ChosenIshulxmlDirectoryIsUsedAndOthersGetIt) {
  ASSERT_EQ(Export("numerika", tmp_.File("a/Ishulxml")).code, kExitOk);
  EXPECT_TRUE(platform::FileExists(tmp_.File("a/Ishulxml/615203.xml")));
  EXPECT_FALSE(platform::DirectoryExists(tmp_.File("a/Ishulxml/ISHULXML")));
  ASSERT_EQ(Export("numerika", tmp_.File("b/myishulxml/")).code, kExitOk);
  EXPECT_TRUE(platform::FileExists(tmp_.File("b/myishulxml/ISHULXML/615203.xml")));
}

TEST_F(ExportCommandTest, MissingPropertyIsWrittenEmptyAndProtocolled) {
  std::string dtd = ReadFile(program_.File("XmlExpNU.dtd"));
  const std::string odd = "<!ATTLIST ODD ODD CDATA #IMPLIED>\r\n";
  ASSERT_NE(dtd.find(odd), std::string::npos);
  WriteFile(program_.File("XmlExpNU.dtd"),
            Replace(dtd, odd, odd + "<!ATTLIST ODD NEZNAMY CDATA #IMPLIED>\r\n"));
  // Each protocol line is an attribute written empty: data passed over.
  Result r = Export("numerika", tmp_.File("out"));
  ASSERT_EQ(r.code, kExitPassedOver) << r.err;
  const std::string dir = tmp_.File("out/ISHULXML");
  EXPECT_NE(ReadFile(dir + "/615203.xml").find("<ODD ODD=\"11\" NEZNAMY=\"\">"), std::string::npos);
  EXPECT_NE(ReadFile(dir + "/error.txt").find("ODD->NEZNAMY ... missing property\r\n"),
            std::string::npos);
  EXPECT_NE(r.err.find("error.txt: ODD->NEZNAMY ... missing property\n"), std::string::npos)
      << r.err;
  EXPECT_TRUE(r.err.ends_with("\nPříkaz byl dokončen, ale část dat byla vynechána: 3 hlášení.\n"))
      << r.err;
}

TEST_F(ExportCommandTest, DataPassedOverIsCountedAndListedInJson) {
  {
    engine::Database db = engine::Database::Open(data_);
    db.Execute("UPDATE ODDELENI SET ODD = 'zz' WHERE ODD = 12");
    db.Execute("UPDATE ETAZ SET VEK = 'abc' WHERE ID = (SELECT MIN(ID) FROM ETAZ)");
  }
  Result r = Export("numerika", tmp_.File("out"), {"--json"});
  ASSERT_EQ(r.code, kExitPassedOver) << r.err;
  const size_t summary = r.err.rfind("Příkaz byl dokončen, ale část dat byla vynechána: ");
  ASSERT_NE(summary, std::string::npos) << r.err;
  EXPECT_EQ(r.err.find('\n', summary), r.err.size() - 1);  // the last line
  const std::string dir = tmp_.File("out/ISHULXML");
  EXPECT_EQ(r.out.rfind("{\"files\":[\"" + dir + "/615203.xml\",\"" + dir + "/615203.dtd\",\"" +
                            dir + "/error.txt\"],\"elements\":{",
                        0),
            0u)
      << r.out;
  // The compartment whose number is no number is not written, the others are.
  EXPECT_NE(r.out.find("\"ODD\":2,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("{\"severity\":\"passed_over\",\"text\":"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"passed_over\":"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("]}\n"));
}

TEST_F(ExportCommandTest, AFailedExportLeavesThePreviousFilesAsTheyWere) {
  ASSERT_EQ(Export("numerika", tmp_.File("out")).code, kExitOk);
  const std::string dir = tmp_.File("out/ISHULXML");
  const std::vector<std::string> names = {"615203.xml", "615203.dtd", "error.txt"};
  std::vector<std::string> before;
  for (const std::string& n : names) before.push_back(ReadFile(dir + "/" + n));
  // The disk "fills" after 20 kB of any file: the document cannot be written whole.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit {
      20000, 20000
    };
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::_Exit(Export("numerika", tmp_.File("out")).code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kExitFailure);
  for (size_t i = 0; i < names.size(); ++i)
    EXPECT_TRUE(ReadFile(dir + "/" + names[i]) == before[i]) << names[i] << " changed";
  // No temporary file is left behind.
  EXPECT_EQ(platform::ListDirectory(dir, "*", platform::kListFiles | platform::kListHidden).size(),
            names.size());
}

TEST_F(ExportCommandTest, AUnitWithoutACompartmentListExportsNothing) {
  // Exchange files are recognised, but PP.FST's header is cut short.
  const std::string exchange = tmp_.File("fst");
  WriteFile(exchange + "/PP.FST", "|\r\n$\r\n1\r\nODD\r\n");
  WriteFile(exchange + "/JP.FST", "|\r\n$\r\n2\r\nODD\r\nJP\r\n0\r\n");
  Result r = RunTarnik({"--quiet", "export", "--variant", "numerika", "--data", exchange, "--out",
                        tmp_.File("out")});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Neumím načíst seznam oddělení."), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("Export proveden."), std::string::npos) << r.err;
  EXPECT_FALSE(platform::DirectoryExists(tmp_.File("out/ISHULXML")));
}

TEST_F(ExportCommandTest, ThePartFilesOfTheSampleUnitGiveAValidDocument) {
  const std::string parts = tmp_.File("lhp160");
  ::tarnik::testing::WriteSamplePartFiles(parts);
  Result r = RunTarnik(
      {"--quiet", "export", "--variant", "numerika", "--data", parts, "--out", tmp_.File("out")});
  ASSERT_NE(r.code, kExitFailure) << r.err;
  EXPECT_EQ(r.err.find("nelze načíst"), std::string::npos) << r.err;
  const std::string dir = tmp_.File("out/ISHULXML");
  const std::string xml = ReadFile(dir + "/615203.xml");
  EXPECT_EQ(::tarnik::testing::XmlWellFormednessError(xml), std::nullopt);
  // The name from the code list, all three compartments, compartment 13 once with both parts.
  EXPECT_NE(xml.find("LHC_NAZ=\"Sn\xEC\x9En\xE9 - \x8E\xEF\xE1rsk\xE9 vrchy\""), std::string::npos);
  for (const char* odd : {"<ODD ODD=\"11\"", "<ODD ODD=\"12\"", "<ODD ODD=\"13\""}) {
    const size_t at = xml.find(odd);
    EXPECT_NE(at, std::string::npos) << odd;
    EXPECT_EQ(xml.find(odd, at + 1), std::string::npos) << odd;
  }
  ExpectValid(dir + "/615203.dtd", dir + "/615203.xml");
}

// The sample unit with its map: every stand group, plot and other land of the plan tables has its
// outline, the map's symbols follow the compartments, and the document is valid; without a map
// (a directory holding none) the outlines are placeholders and the command says so.
TEST_F(ExportCommandTest, TheMapVariantsOfTheSampleUnit) {
  const std::string map = ::tarnik::testing::SourcePath("samples/demo/MAPA");
  ASSERT_TRUE(platform::DirectoryExists(map + "/DET.BLK")) << "the build writes " << map;
  Result r = Export("mapa-ost", tmp_.File("out"), {"--map", map});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  const std::string dir = tmp_.File("out/ISHULXML");
  const std::string xml = platform::Cp1250ToUtf8(ReadFile(dir + "/615203.xml"));
  EXPECT_EQ(ReadFile(dir + "/615203.dtd"), ReadFile(program_.File("Xml_Exp_SOST.dtd")));
  auto count = [&xml](const std::string& what) {
    size_t n = 0;
    for (size_t at = xml.find(what); at != std::string::npos; at = xml.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(
      count("<PSK_OBRAZ/>") + count("<BZL_OBRAZ/>") + count("<JP_OBRAZ/>") + count("<OP_OBRAZ/>"),
      0u)
      << "an outline missing from the map";
  EXPECT_EQ(count("<MP>"), count("<PSK ") + count("<BZL ") + count("<JP ") + count("<OP "));
  EXPECT_GT(count("<KBO "), 0u);
  EXPECT_GT(count("<KLO "), 0u);
  EXPECT_GT(count("<KTO "), 0u);
  EXPECT_NE(xml.find("Žďárské vrchy"), std::string::npos);  // a text of code page 852
  EXPECT_EQ(count(" PSK_ZNACKA=\"\""), 0u);
  ExpectValid(dir + "/615203.dtd", dir + "/615203.xml");

  // Without --map, the map directory is key KARMOExport of vekta.ini in the program directory.
  WriteFile(program_.File("vekta.ini"), "[DATABASE]\r\nKARMOExport=" + map + "\r\n");
  r = Export("mapa", tmp_.File("ini"));
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(ReadFile(tmp_.File("ini/ISHULXML/615203.xml")).find("<MP>"), std::string::npos);
  EXPECT_EQ(ReadFile(tmp_.File("ini/ISHULXML/615203.dtd")), ReadFile(program_.File("Xml_Exp.dtd")));

  r = Export("mapa", tmp_.File("bez"), {"--map", tmp_.File("demo/PHS")});
  ASSERT_EQ(r.code, 3) << r.err;
  EXPECT_NE(r.err.find("Mapa nebude exportována."), std::string::npos) << r.err;
  const std::string bare = ReadFile(tmp_.File("bez/ISHULXML/615203.xml"));
  EXPECT_EQ(bare.find("<MP>"), std::string::npos);
  EXPECT_NE(bare.find("<PSK_OBRAZ/>"), std::string::npos);
  EXPECT_EQ(bare.find("<OP "), std::string::npos);
  ExpectValid(tmp_.File("bez/ISHULXML/615203.dtd"), tmp_.File("bez/ISHULXML/615203.xml"));
}

TEST_F(ExportCommandTest, ADamagedDtdStillGivesAWellFormedDocument) {
  std::string dtd = ReadFile(program_.File("XmlExpNU.dtd"));
  const std::string odd = "<!ATTLIST ODD ODD CDATA #IMPLIED>\r\n";
  ASSERT_NE(dtd.find(odd), std::string::npos);
  // The attribute twice, one with a NUL byte in its name, one with a character no name may
  // hold, and a child group of alternatives.
  dtd = Replace(dtd, odd,
                odd + odd + std::string("<!ATTLIST ODD X\0Y CDATA #IMPLIED>\r\n", 33) +
                    "<!ATTLIST ODD A=B CDATA #IMPLIED>\r\n");
  dtd = Replace(dtd, "<!ELEMENT ODD (DIL*)>", "<!ELEMENT ODD (DIL*, #PCDATA, (A|B)?)>");
  WriteFile(program_.File("XmlExpNU.dtd"), dtd);
  Result r = Export("numerika", tmp_.File("out"));
  ASSERT_EQ(r.code, kExitPassedOver) << r.err;
  const std::string xml = ReadFile(tmp_.File("out/ISHULXML/615203.xml"));
  EXPECT_EQ(::tarnik::testing::XmlWellFormednessError(xml), std::nullopt);
  EXPECT_NE(xml.find("<ODD ODD=\"11\">"), std::string::npos);
  EXPECT_NE(r.err.find("XmlExpNU.dtd, řádek 62: \"X?Y\" není jméno XML, vynecháno."),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("\"(\" není jméno XML"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("\"#PCDATA\" není jméno XML"), std::string::npos) << r.err;
  if (HaveXmllint()) {
    const std::string command = "xmllint --noout '" + tmp_.File("out/ISHULXML/615203.xml") + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
  }
}

TEST_F(ExportCommandTest, BarkQuestionNeedsYesAndBadArgumentsFail) {
  Result asked = Export("numerika", tmp_.File("out"), {"--with-bark"});
  EXPECT_EQ(asked.code, kExitFailure);
  EXPECT_NE(asked.err.find("Pokračovat v exportování s kůrou ?"), std::string::npos) << asked.err;
  EXPECT_FALSE(platform::FileExists(tmp_.File("out/ISHULXML/615203.xml")));

  Result yes = Export("numerika", tmp_.File("out"),
                      {"--with-bark", "--yes", "--no-mzd-under-80", "--keep-cancelled-statutes",
                       "--type-year", "2008", "--ku-datum", "Dle Merku"});
  ASSERT_EQ(yes.code, kExitOk) << yes.err;
  EXPECT_NE(ReadFile(tmp_.File("out/ISHULXML/615203.xml")).find("<?ISLH 2008 LHP $ ?>\r\n"),
            std::string::npos);

  EXPECT_EQ(Export("numerika-osnovy", tmp_.File("out")).code, kExitUsage);
  EXPECT_EQ(RunTarnik({"export", "--variant", "numerika", "--out", tmp_.File("out")}).code,
            kExitUsage);
  Result no_data = RunTarnik({"--quiet", "export", "--variant", "numerika", "--data",
                              tmp_.File("none"), "--out", tmp_.File("out")});
  EXPECT_EQ(no_data.code, kExitFailure);
}

}  // namespace
}  // namespace tarnik::cli
