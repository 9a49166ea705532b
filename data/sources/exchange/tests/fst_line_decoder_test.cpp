#include "data/sources/exchange/fst_line_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/sources/exchange/fst_readers.h"
#include "framework/values/string_list.h"
#include "platform/recording_ui.h"
#include "testing/fst_writer.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

using tarnik::testing::FstDataBytes;
using tarnik::testing::FstTable;

class DecoderTest : public ::testing::Test {
 protected:
  // Opens bytes; what the decoder passes over is collected.
  void Open(std::string bytes) {
    reports.clear();
    decoder.OpenBytes(std::move(bytes), "PP.FST",
                      [this](const std::string& text) { reports.push_back(text); });
  }
  // Every line's values until the end.
  std::vector<std::vector<std::string>> AllLines() {
    std::vector<std::vector<std::string>> lines;
    for (decoder.NextLine(); !decoder.AtEnd(); decoder.NextLine())
      lines.push_back(decoder.values());
    return lines;
  }

  FstLineDecoder decoder;
  std::vector<std::string> reports;
};

TEST_F(DecoderTest, HeaderAndLinesWithTheirEnd) {
  Open("|x\r\n$\r\n 3 sloupce\r\nodd\r\nDil\r\nPSK\r\n2\r\n11|A|1a\r\n12|B|2b\r\n");
  EXPECT_EQ(decoder.column_separator(), '|');
  EXPECT_EQ(decoder.value_separator(), '$');
  EXPECT_EQ(decoder.columns(), (std::vector<std::string>{"ODD", "DIL", "PSK"}));
  EXPECT_EQ(decoder.declared_lines(), 2);
  EXPECT_EQ(decoder.KnownPosition(kColODD), 0);
  EXPECT_EQ(decoder.KnownPosition(kColPSK), 2);
  EXPECT_EQ(decoder.KnownPosition(kColPOR), -1);
  EXPECT_FALSE(decoder.AtEnd());

  decoder.NextLine();
  EXPECT_EQ(decoder.line_number(), 1);
  EXPECT_EQ(decoder.values(), (std::vector<std::string>{"11", "A", "1a"}));
  EXPECT_EQ(decoder.Compartment(), 11);
  const uint64_t second = decoder.size() - std::string("12|B|2b\r\n").size();
  decoder.NextLine();
  EXPECT_EQ(decoder.line_offset(), second);
  EXPECT_EQ(decoder.Known(kColDIL), "B");
  EXPECT_EQ(decoder.Known(kColPOR), "");
  // One more line past the declared ones is the end, and the last values stay.
  decoder.NextLine();
  EXPECT_TRUE(decoder.AtEnd());
  EXPECT_EQ(decoder.Compartment(), 32000);
  EXPECT_EQ(decoder.Known(kColPSK), "2b");
  EXPECT_TRUE(reports.empty());

  // Back to the second line by its offset.
  decoder.Seek(second);
  decoder.set_line_number(1);
  decoder.NextLine();
  EXPECT_FALSE(decoder.AtEnd());
  EXPECT_EQ(decoder.Compartment(), 12);
  decoder.Seek(decoder.size());
  EXPECT_TRUE(decoder.AtEnd());
}

TEST_F(DecoderTest, LineBreaksInsideValuesAndAtTheEndOfTheBytes) {
  // CR and LF inside a value that is not the last are skipped; the last line lacks its CR LF.
  Open("|\r\n$\r\n2\r\nODD\r\nTEXT\r\n3\r\n1\r\n0|a\r\n2|b|");
  // The second line's last value ends at its separator: the rest of the line is passed over.
  std::vector<std::vector<std::string>> lines = AllLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::vector<std::string>{"10", "a"}));
  EXPECT_EQ(lines[1], (std::vector<std::string>{"2", "b"}));
  Open("|\r\n$\r\n2\r\nODD\r\nTEXT\r\n3\r\n1|a\r\n2|b|c|d\r\n3|last");
  lines = AllLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], (std::vector<std::string>{"2", "b"}));
  EXPECT_EQ(lines[2], (std::vector<std::string>{"3", "last"}));  // delivered without CR LF
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Soubor PP.FST, řádek 2: víc hodnot než sloupců, přeskočeno \"c|d\".");
  // A file declaring more lines than it holds ends at its last byte.
  Open("|\r\n$\r\n1\r\nODD\r\n9\r\n1\r\n");
  EXPECT_EQ(AllLines().size(), 1u);
}

TEST_F(DecoderTest, ALongValueIsCutAndTheNextColumnStaysIntact) {
  FstTable table;
  table.columns = {"ODD", "POR_TEXT", "PSK"};
  table.rows = {{"5", std::string(2500, 'x'), "1a"}, {"6", std::string(2000, 'y'), "2b"}};
  Open(FstDataBytes(table));
  const std::vector<std::vector<std::string>> lines = AllLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0][1], std::string(2000, 'x'));
  EXPECT_EQ(lines[0][2], "1a");
  EXPECT_EQ(lines[1][1], std::string(2000, 'y'));
  EXPECT_EQ(lines[1][2], "2b");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0],
            "Soubor PP.FST, řádek 1: hodnota sloupce POR_TEXT je delší než 2000 znaků, zbytek "
            "hodnoty přeskočen.");
}

TEST_F(DecoderTest, LinesAcrossBlocksReadAsInOne) {
  // Lines long enough that several of them straddle the 40000-byte blocks.
  FstTable table;
  table.columns = {"ODD", "A", "B"};
  for (int i = 0; i < 120; ++i)
    table.rows.push_back(
        {std::to_string(i / 10), std::string(700 + i, char('a' + i % 26)), std::to_string(i)});
  const std::string bytes = FstDataBytes(table);
  ASSERT_GT(bytes.size(), 2 * kFstBlockSize);
  tarnik::testing::TempDir tmp;
  tarnik::testing::WriteFile(tmp.File("PP.FST"), bytes);
  ASSERT_TRUE(decoder.OpenFile(tmp.File("PP.FST"), "PP.FST"));
  const std::vector<std::vector<std::string>> lines = AllLines();
  ASSERT_EQ(lines.size(), table.rows.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], table.rows[i]) << i;

  // Only up to ODD: the rest of every line is skipped, the offsets stay those of the lines.
  decoder.OpenFile(tmp.File("PP.FST"), "PP.FST");
  std::vector<uint64_t> offsets;
  for (decoder.NextLine(true); !decoder.AtEnd(); decoder.NextLine(true)) {
    EXPECT_EQ(decoder.values()[1], "");
    offsets.push_back(decoder.line_offset());
  }
  ASSERT_EQ(offsets.size(), table.rows.size());
  // The caller sets the line count back when it moves (here past the end of the data).
  decoder.Seek(offsets[77]);
  decoder.NextLine();
  EXPECT_TRUE(decoder.AtEnd());
  decoder.Seek(offsets[77]);
  decoder.set_line_number(77);
  decoder.NextLine();
  EXPECT_EQ(decoder.values(), table.rows[77]);
}

TEST_F(DecoderTest, FilesWithoutAHeaderOrWithoutOdd) {
  // A file that cannot be opened.
  EXPECT_FALSE(decoder.OpenFile("/nonexistent/PP.FST", "PP.FST"));
  EXPECT_EQ(decoder.declared_lines(), -1);
  EXPECT_TRUE(decoder.AtEnd());
  EXPECT_EQ(decoder.Compartment(), 32000);
  decoder.NextLine();
  EXPECT_TRUE(decoder.values().empty());
  // A header cut short: reported, and no line is read.
  for (const char* bytes : {"|\r\n$\r\n3\r\nODD\r\n", "", "\r\n$\r\n1\r\nODD\r\n1\r\n1\r\n"}) {
    Open(bytes);
    EXPECT_TRUE(decoder.AtEnd()) << bytes;
    ASSERT_EQ(reports.size(), 1u) << bytes;
    EXPECT_EQ(reports[0], "Soubor PP.FST nemá úplnou hlavičku sloupců, jeho data se nenačtou.");
    decoder.NextLine();
    EXPECT_TRUE(decoder.values().empty());
  }
  // Without ODD every line is of compartment 0; a non-number in ODD reads 0 too.
  Open("|\r\n$\r\n1\r\nDIL\r\n1\r\nA\r\n");
  decoder.NextLine();
  EXPECT_EQ(decoder.Compartment(), 0);
  Open("|\r\n$\r\n1\r\nODD\r\n1\r\n1x\r\n");
  decoder.NextLine();
  EXPECT_EQ(decoder.Compartment(), 0);
}

TEST(DataReader, PublishesTheHeaderAndTheLineLastRead) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  TPrenasecZeStandarduData reader;
  reader.Open("/nonexistent/BZL.FST");
  EXPECT_EQ(reader.PocetDatovychRadku(), -1);
  EXPECT_EQ(reader.PocetHodnotHlavicky(), 0);
  EXPECT_EQ(reader.CisloOddeleni(), 32000);
  EXPECT_TRUE(reader.Konec());
  EXPECT_EQ(reader.GetPropertyText("PocetDatovychRadku"), "-1");
  EXPECT_TRUE(ui.Messages().empty());

  reader.OpenBytes("#\r\n/\r\n2\r\nODD\r\nBZL\r\n1\r\n7#3\r\n", "BZL.FST");
  EXPECT_EQ(reader.GetPropertyText("OddelovacPropert"), "#");
  EXPECT_EQ(reader.GetPropertyText("OddelovacMeziNasobnymiHodnotami"), "/");
  reader.NactiDalsiRadek();
  EXPECT_EQ(reader.GetPropertyText("CisloOddeleni"), "7");
  EXPECT_EQ(reader.HodnotaZnamehoSloupce(kColBZL), "3");
  framework::TStringListElement* carrier = reader.NosicHlavicka();
  ASSERT_NE(carrier, nullptr);
  EXPECT_EQ(carrier->GetName(), "NosicHlavicka");
  EXPECT_EQ(carrier->GetValue("BZL"), "3");
  EXPECT_EQ(reader.FindElementByName("NosicHlavicka"), carrier);
}

TEST(CodeListReader, ReadsItsLayoutAndReportsBadLines) {
  platform::RecordingUi ui;
  platform::ScopedUi scoped(&ui);
  TPrenasecZeStandarduCiselnik reader;
  reader.OpenBytes(
      "Hospodářské soubory\r\n2\r\nhs\r\nNAZEV\r\n;\r\n4\r\n01;Jedna\r\n02\r\n03;Tři;navíc\r\n",
      "Cis_051.FST");
  EXPECT_EQ(reader.JmenoCiselniku(), "Hospodářské soubory");
  EXPECT_EQ(reader.columns(), (std::vector<std::string>{"HS", "NAZEV"}));
  EXPECT_EQ(reader.OddelovacPropert(), ";");
  EXPECT_EQ(reader.PocetDatovychRadku(), 4);
  std::vector<std::vector<std::string>> lines;
  while (!reader.Konec()) {
    reader.NactiDalsiRadek();
    if (!reader.Konec()) lines.push_back(reader.values());
  }
  // The short and the long line are reported and the lines after them stay in place; the file
  // holds fewer lines than it declares.
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], (std::vector<std::string>{"01", "Jedna"}));
  EXPECT_EQ(lines[1], (std::vector<std::string>{"02", ""}));
  EXPECT_EQ(lines[2], (std::vector<std::string>{"03", "Tři"}));
  EXPECT_EQ(ui.MessagesOf(platform::Severity::kPassedOver),
            (std::vector<std::string>{"Chybná délka řádku \"02\"", "Chybná délka řádku \"Tři\""}));

  reader.OpenBytes("Jméno\r\ndva\r\nA\r\n", "Cis_052.FST");
  EXPECT_TRUE(reader.Konec());
  EXPECT_EQ(reader.PocetDatovychRadku(), -1);
  reader.Open("/nonexistent/Cis_053.FST");
  EXPECT_TRUE(reader.Konec());
}

}  // namespace
}  // namespace tarnik::plan
