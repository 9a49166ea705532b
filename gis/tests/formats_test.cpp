// The byte-level formats: Real48, the record layouts, the code pages, "INFO.TXT" and the header
// of attribute tables.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gis/block_info.h"
#include "gis/block_records.h"
#include "gis/code_pages.h"
#include "gis/dbf_header.h"
#include "gis/real48.h"
#include "gis/record_file.h"
#include "platform/fs.h"
#include "testing/block_writer.h"
#include "testing/test_env.h"

namespace tarnik::gis {
namespace {

std::vector<uint8_t> Real48Bytes(double v) {
  std::vector<uint8_t> b(6);
  EXPECT_TRUE(EncodeReal48(v, b.data()));
  return b;
}

TEST(Real48Test, KnownValuesDecodeAndEncode) {
  // 1.0: exponent 129, fraction 0; -1.5: sign bit and the fraction's top bit; 0.5: exponent 128.
  const uint8_t one[6] = {0x81, 0, 0, 0, 0, 0};
  const uint8_t minus_one_and_half[6] = {0x81, 0, 0, 0, 0, 0xC0};
  const uint8_t half[6] = {0x80, 0, 0, 0, 0, 0};
  EXPECT_EQ(DecodeReal48(one), 1.0);
  EXPECT_EQ(DecodeReal48(minus_one_and_half), -1.5);
  EXPECT_EQ(DecodeReal48(half), 0.5);
  EXPECT_EQ(Real48Bytes(1.0), std::vector<uint8_t>(one, one + 6));
  EXPECT_EQ(Real48Bytes(-1.5), std::vector<uint8_t>(minus_one_and_half, minus_one_and_half + 6));
  // A zero exponent is 0 whatever the fraction holds.
  const uint8_t zero[6] = {0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(DecodeReal48(zero), 0.0);
  // The ends of the range and a full fraction, against the definition.
  const uint8_t smallest[6] = {0x01, 0, 0, 0, 0, 0};
  const uint8_t largest[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  const uint8_t negative_full[6] = {0x9A, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const double full = 1 + std::ldexp(std::ldexp(1, 39) - 1, -39);
  EXPECT_EQ(DecodeReal48(smallest), std::ldexp(1.0, -128));
  EXPECT_EQ(DecodeReal48(largest), std::ldexp(full, 126));
  EXPECT_EQ(DecodeReal48(negative_full), -std::ldexp(full, 0x9A - 129));
}

TEST(Real48Test, MapCoordinatesSurviveTheRoundTripToAMillimetre) {
  for (const double v :
       {1108234.567, 615432.125, 2000000.0, 2000000.5, 0.001, -3.14159265358979, 1e-30}) {
    std::vector<uint8_t> b = Real48Bytes(v);
    EXPECT_NEAR(DecodeReal48(b.data()), v, std::fabs(v) * 4e-12) << v;
  }
  uint8_t b[6];
  EXPECT_FALSE(EncodeReal48(std::numeric_limits<double>::infinity(), b));
  EXPECT_FALSE(EncodeReal48(1e39, b));  // beyond 1.7e38
  EXPECT_TRUE(EncodeReal48(1e-40, b));  // too small: 0
  EXPECT_EQ(DecodeReal48(b), 0.0);
}

TEST(RecordLayoutTest, TheWriterAndTheDecodersAgreeOnEveryField) {
  testing::LineRow l{.cislo = 70000,
                     .druh = -3,
                     .presnost = 7,
                     .flags = 0x0D,
                     .barva = 12,
                     .znacka = -2,
                     .symbol = 1200,
                     .first = 5,
                     .last = 9,
                     .next_forward = 8,
                     .next_forward_walks_forward = false,
                     .next_backward = 11,
                     .next_backward_walks_forward = true,
                     .left = 3,
                     .right = 4,
                     .max_x = 10,
                     .max_y = 20,
                     .min_x = 1,
                     .min_y = 2,
                     .ref_x = 5.5,
                     .ref_y = 6.5,
                     .angle = 1.25};
  const std::string lb = testing::EncodeLine(l);
  ASSERT_EQ(lb.size(), static_cast<size_t>(kLineRecordSize));
  const LineRecord lr = DecodeLineRecord(reinterpret_cast<const uint8_t*>(lb.data()));
  EXPECT_EQ(lr.cislo, 70000);
  EXPECT_EQ(lr.druh, -3);
  EXPECT_EQ(lr.presnost, 7);
  EXPECT_TRUE(lr.Deleted());
  EXPECT_TRUE(lr.NotALine());
  EXPECT_EQ(lr.barva, 12);
  EXPECT_EQ(lr.znacka, -2);
  EXPECT_EQ(lr.symbol, 1200);
  EXPECT_EQ(lr.first_vertex, 5);
  EXPECT_EQ(lr.last_vertex, 9);
  EXPECT_EQ(lr.next_forward, 8);
  EXPECT_FALSE(lr.next_forward_walks_forward);
  EXPECT_EQ(lr.next_backward, 11);
  EXPECT_TRUE(lr.next_backward_walks_forward);
  EXPECT_EQ(lr.left_area, 3);
  EXPECT_EQ(lr.right_area, 4);
  EXPECT_EQ(lr.max_x, 10);
  EXPECT_EQ(lr.max_y, 20);
  EXPECT_EQ(lr.min_x, 1);
  EXPECT_EQ(lr.min_y, 2);
  EXPECT_EQ(lr.ref_x, 5.5);
  EXPECT_EQ(lr.ref_y, 6.5);
  EXPECT_EQ(lr.angle, 1.25);

  testing::AreaRow a{.cislo = 17,
                     .druh = 110,
                     .flags = 4,
                     .barva = 5,
                     .znacka = 6,
                     .line_no = 9,
                     .has_children = true,
                     .pater_no = 2,
                     .ref_x = 1.5,
                     .ref_y = 2.5,
                     .max_x = 4,
                     .max_y = 8,
                     .min_x = 0.5,
                     .min_y = 0.25,
                     .area = 0.002};
  const std::string ab = testing::EncodeArea(a);
  ASSERT_EQ(ab.size(), static_cast<size_t>(kAreaRecordSize));
  const AreaRecord ar = DecodeAreaRecord(reinterpret_cast<const uint8_t*>(ab.data()));
  EXPECT_EQ(ar.cislo, 17);
  EXPECT_EQ(ar.druh, 110);
  EXPECT_FALSE(ar.Valid());  // flag bit 2
  EXPECT_EQ(ar.barva, 5);
  EXPECT_EQ(ar.znacka, 6);
  EXPECT_EQ(ar.line_no, 9);
  EXPECT_TRUE(ar.has_children);
  EXPECT_EQ(ar.pater_no, 2);
  EXPECT_EQ(ar.ref_x, 1.5);
  EXPECT_EQ(ar.ref_y, 2.5);
  EXPECT_EQ(ar.max_x, 4);
  EXPECT_EQ(ar.max_y, 8);
  EXPECT_EQ(ar.min_x, 0.5);
  EXPECT_EQ(ar.min_y, 0.25);
  EXPECT_NEAR(ar.area, 0.002, 1e-14);
  a.flags = 0x08;  // bits above 2 do not count
  EXPECT_TRUE(
      DecodeAreaRecord(reinterpret_cast<const uint8_t*>(testing::EncodeArea(a).data())).Valid());
  a.area = 0.0009;  // 0.001 or less: invalid
  EXPECT_FALSE(
      DecodeAreaRecord(reinterpret_cast<const uint8_t*>(testing::EncodeArea(a).data())).Valid());

  testing::PointRow p{.cislo = 3,
                      .druh = 5,
                      .presnost = 2,
                      .flags = 1,
                      .barva = 7,
                      .znacka = 8,
                      .x = 1100000.25,
                      .y = 600000.5,
                      .angle = -0.5};
  const std::string pb = testing::EncodePoint(p);
  ASSERT_EQ(pb.size(), static_cast<size_t>(kPointRecordSize));
  const PointRecord pr = DecodePointRecord(reinterpret_cast<const uint8_t*>(pb.data()));
  EXPECT_EQ(pr.cislo, 3);
  EXPECT_EQ(pr.druh, 5);
  EXPECT_EQ(pr.presnost, 2);
  EXPECT_TRUE(pr.Deleted());
  EXPECT_EQ(pr.barva, 7);
  EXPECT_EQ(pr.znacka, 8);
  EXPECT_EQ(pr.x, 1100000.25);
  EXPECT_EQ(pr.y, 600000.5);
  EXPECT_EQ(pr.angle, -0.5);

  testing::TextRow t{.cislo = 4,
                     .druh = 9,
                     .text_atrib = kOkT | kT30,
                     .text_mode = 2,
                     .karmo_font = 3,
                     .x = 10,
                     .y = 20,
                     .height = 2.5,
                     .width_coef = 0.75,
                     .direction = 0.5,
                     .slope = 15,
                     .distance = 1.5,
                     .barva = 11,
                     .znacka = 12,
                     .text = {}};
  const std::string tb = testing::EncodeText(t);
  ASSERT_EQ(tb.size(), static_cast<size_t>(kTextRecordSize));
  const TextRecord tr = DecodeTextRecord(reinterpret_cast<const uint8_t*>(tb.data()));
  EXPECT_EQ(tr.cislo, 4);
  EXPECT_EQ(tr.druh, 9);
  EXPECT_EQ(tr.text_atrib, kOkT | kT30);
  EXPECT_FALSE(tr.Deleted());
  EXPECT_EQ(tr.text_mode, 2);
  EXPECT_EQ(tr.karmo_font, 3);
  EXPECT_EQ(tr.x, 10);
  EXPECT_EQ(tr.y, 20);
  EXPECT_EQ(tr.height, 2.5);
  EXPECT_EQ(tr.width_coef, 0.75);
  EXPECT_EQ(tr.direction, 0.5);
  EXPECT_EQ(tr.slope, 15);
  EXPECT_EQ(tr.distance, 1.5);
  EXPECT_EQ(tr.barva, 11);
  EXPECT_EQ(tr.znacka, 12);
}

TEST(RecordFileTest, RecordsAreReadForwardAndBackwardAndNeverPastTheEnd) {
  tarnik::testing::TempDir dir;
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += testing::EncodeVertex({double(i), double(-i)});
  bytes += "abc";  // a partial record
  platform::WriteFileBytes(dir.File("TN.CRD"), bytes);
  auto file = RecordFile::Open(dir.File("TN.CRD"), kVertexRecordSize);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->RecordCount(), 20000);
  uint8_t r[kVertexRecordSize];
  for (const int64_t n : {int64_t{19999}, int64_t{0}, int64_t{12345}, int64_t{12344}, int64_t{5}}) {
    file->Read(n, r);
    EXPECT_EQ(DecodeVertexRecord(r).x, double(n));
  }
  for (int64_t n = 19999; n >= 0; n -= 7) {
    file->Read(n, r);
    ASSERT_EQ(DecodeVertexRecord(r).y, double(-n));
  }
  EXPECT_THROW(file->Read(20000, r), BlockFileError);
  EXPECT_THROW(file->Read(-1, r), BlockFileError);
  EXPECT_FALSE(RecordFile::Open(dir.path(), kVertexRecordSize));  // a directory
  EXPECT_FALSE(RecordFile::Open(dir.File("none"), kVertexRecordSize));
}

TEST(RecordFileTest, TextLinesEndInAnyWayAndLongOnesAreCut) {
  tarnik::testing::TempDir dir;
  platform::WriteFileBytes(dir.File("TN.TTX"), "jedna\r\ndva\ntri\r\r" +
                                                   std::string(kMaxTextLine + 10, 'x') + "\nkonec");
  auto file = TextLineFile::Open(dir.File("TN.TTX"));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->NextLine(), "jedna");
  EXPECT_EQ(file->NextLine(), "dva");
  EXPECT_EQ(file->NextLine(), "tri");
  EXPECT_EQ(file->NextLine(), "");
  EXPECT_EQ(file->NextLine(), std::string(kMaxTextLine, 'x'));
  EXPECT_EQ(file->NextLine(), "konec");
  EXPECT_EQ(file->NextLine(), std::nullopt);
}

TEST(CodePageTest, CzechTextsInEachCodePage) {
  const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
  // The bytes of "ř" and "ů": 852 0xFD 0x85, Kamenický 0xA9 0x96, 1250 0xF8 0xF9.
  std::string out;
  ASSERT_TRUE(EncodeText("řů", TextCodePage::kCp852, &out));
  EXPECT_EQ(out, "\xFD\x85");
  ASSERT_TRUE(EncodeText("řů", TextCodePage::kKamenicky, &out));
  EXPECT_EQ(out, "\xA9\x96");
  ASSERT_TRUE(EncodeText("řů", TextCodePage::kCp1250, &out));
  EXPECT_EQ(out, "\xF8\xF9");
  for (const TextCodePage cp :
       {TextCodePage::kCp852, TextCodePage::kKamenicky, TextCodePage::kCp1250}) {
    ASSERT_TRUE(EncodeText(czech, cp, &out)) << CodePageName(cp);
    EXPECT_EQ(DecodeText(out, cp), czech) << CodePageName(cp);
  }
  // 437 has none of the Czech letters with a caron.
  char32_t missing = 0;
  EXPECT_FALSE(EncodeText("ač", TextCodePage::kCp437, &out, &missing));
  EXPECT_EQ(out, "a?");
  EXPECT_EQ(missing, U'č');
  EXPECT_EQ(DecodeText("\x82\x9A", TextCodePage::kCp437), "éÜ");
  // Every byte decodes.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (const TextCodePage cp : {TextCodePage::kCp852, TextCodePage::kCp437, TextCodePage::kCp850,
                                TextCodePage::kKamenicky, TextCodePage::kCp1252}) {
    std::string back;
    EXPECT_TRUE(EncodeText(DecodeText(all, cp), cp, &back)) << CodePageName(cp);
    EXPECT_EQ(back, all) << CodePageName(cp);
  }
}

TEST(CodePageTest, LanguageDriverBytesNameTheirCodePages) {
  EXPECT_EQ(CodePageOfLanguageDriver(0x64), TextCodePage::kCp852);
  EXPECT_EQ(CodePageOfLanguageDriver(0xC8), TextCodePage::kCp1250);
  EXPECT_EQ(CodePageOfLanguageDriver(0x01), TextCodePage::kCp437);
  EXPECT_EQ(CodePageOfLanguageDriver(0x68), TextCodePage::kKamenicky);
  EXPECT_EQ(CodePageOfLanguageDriver(0x57), TextCodePage::kCp1250);
  EXPECT_EQ(CodePageOfLanguageDriver(0), TextCodePage::kCp1250);
  EXPECT_EQ(CodePageOfLanguageDriver(0x7B), TextCodePage::kCp1250);
  for (const TextCodePage cp :
       {TextCodePage::kCp852, TextCodePage::kCp437, TextCodePage::kCp850, TextCodePage::kKamenicky,
        TextCodePage::kCp1252, TextCodePage::kCp1250}) {
    EXPECT_EQ(CodePageOfLanguageDriver(LanguageDriverOf(cp)), cp);
  }
  EXPECT_EQ(TextCodePageOf(cpLatin2), TextCodePage::kCp852);
  EXPECT_EQ(TextCodePageOf(cpKamenickych), TextCodePage::kKamenicky);
  EXPECT_EQ(TextCodePageOf(cpIBM), TextCodePage::kCp1250);
  EXPECT_EQ(TextCodePageOf(cpWindows), TextCodePage::kCp1250);
}

TEST(BlockInfoTest, CodePageValues) {
  EXPECT_EQ(CodePageFromInfoValue("852"), cpLatin2);
  EXPECT_EQ(CodePageFromInfoValue("2"), cpLatin2);
  EXPECT_EQ(CodePageFromInfoValue("  1250 "), cpWindows);
  EXPECT_EQ(CodePageFromInfoValue("867"), cpKamenickych);
  EXPECT_EQ(CodePageFromInfoValue("1"), cpKamenickych);
  EXPECT_EQ(CodePageFromInfoValue("abc"), cpIBM);
  EXPECT_EQ(CodePageFromInfoValue(""), cpIBM);
  EXPECT_EQ(CodePageFromInfoValue(std::nullopt), cpIBM);
}

TEST(BlockInfoTest, TheRectangleIsNegatedAndStopsAtTheFirstNonNumber) {
  const auto r = RectangleFromInfoValue("1100000.5; 600000 1101000,602000");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->min_x, -1101000);
  EXPECT_EQ(r->max_x, -1100000.5);
  EXPECT_EQ(r->min_y, -602000);
  EXPECT_EQ(r->max_y, -600000);
  // "1.2.3" is no number: it and the later ones are 0; the third being 0 keeps the rectangle.
  const auto cut = RectangleFromInfoValue("5 6 1.2.3 8");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->min_x, 0);
  EXPECT_EQ(cut->min_y, 0);
  EXPECT_EQ(cut->max_x, -5);
  EXPECT_FALSE(RectangleFromInfoValue("0 7 0 9"));
  EXPECT_FALSE(RectangleFromInfoValue(std::nullopt));
}

TEST(BlockInfoTest, TheFileIsReadWithoutRegardToTheCaseOfNamesAndKeys) {
  tarnik::testing::TempDir dir;
  platform::WriteFileBytes(
      dir.File("info.txt"),
      "Nazev=les\r\ncodepage= 852\r\nOpsanyObdelnikBloku=1 2 3 4\r\nCODEPAGE=1250\r\n");
  const BlockInfoValues v = ReadBlockInfoValues(dir.path());
  EXPECT_EQ(CodePageFromInfoValue(v.code_page), cpLatin2);  // the first line of a name counts
  EXPECT_TRUE(RectangleFromInfoValue(v.rectangle));
  const BlockInfoValues none = ReadBlockInfoValues(dir.File("none"));
  EXPECT_FALSE(none.code_page);
  EXPECT_FALSE(none.rectangle);
}

TEST(DbfHeaderTest, HeadersThatDoNotHoldTogetherAreRefused) {
  // A valid header: 2 records of 11 bytes, one field C(10).
  std::string h(32, '\0');
  h[0] = 3;
  h[4] = 2;
  h[8] = 65;
  h[10] = 11;
  h[29] = 0x64;
  std::string field(32, '\0');
  field.replace(0, 5, "POPIS");
  field[11] = 'C';
  field[16] = 10;
  const std::string good = h + field + "\r";
  std::string problem;
  const auto layout = DecodeDbfHeader(good, 65 + 22, &problem);
  ASSERT_TRUE(layout) << problem;
  EXPECT_EQ(layout->record_count, 2);
  EXPECT_EQ(layout->language_driver, 0x64);
  ASSERT_EQ(layout->fields.size(), 1u);
  EXPECT_EQ(layout->fields[0].offset, 1);
  EXPECT_EQ(layout->FieldIndex("popis"), 0);
  EXPECT_EQ(layout->FieldIndex("CISLO"), -1);

  EXPECT_FALSE(DecodeDbfHeader(good, 65 + 21, &problem));  // records cut short
  EXPECT_FALSE(DecodeDbfHeader(good.substr(0, 20), 20, &problem));
  std::string wide = good;
  wide[32 + 16] = 20;  // wider than the record
  EXPECT_FALSE(DecodeDbfHeader(wide, 1000, &problem));
  std::string unnamed = good;
  unnamed[32] = '\0';
  EXPECT_FALSE(DecodeDbfHeader(unnamed, 1000, &problem));
  std::string unterminated = good;
  unterminated[64] = 'X';
  EXPECT_FALSE(DecodeDbfHeader(unterminated, 1000, &problem));
  std::string huge = good;
  huge[7] = 0x7F;  // 2 billion records
  EXPECT_FALSE(DecodeDbfHeader(huge, 1000, &problem));
}

}  // namespace
}  // namespace tarnik::gis
