// The readers of single block files: vertices ("TN.CRD"), lines ("TN.LIN", with a vertex
// reader of the same block), points ("TN.PNT") and texts ("TN.TBX" with its contents
// "TN.TTX"). Each decodes one record at the current position (block_records.h) and translates it
// into a spatial element with a GIS holder, checking every index against the file it points
// into. A line, point or text is filed in the block register under its number when it is new;
// asking again for a filed one answers the filed element. Results are owned by the register
// (and by whoever adds them to a string); line symbols are not filed and belong to the caller.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gis/block_records.h"
#include "gis/code_pages.h"
#include "gis/karmo_reader.h"
#include "spatial/coordinate.h"
#include "spatial/poly_elements.h"
#include "spatial/space_elements.h"

namespace tarnik::gis {

inline constexpr const char* kVertexFile = "TN.CRD";
inline constexpr const char* kLineFile = "TN.LIN";
inline constexpr const char* kAreaFile = "TN.ARE";
inline constexpr const char* kPointFile = "TN.PNT";
inline constexpr const char* kTextFile = "TN.TBX";
inline constexpr const char* kTextContentFile = "TN.TTX";

class TKarmoCoordReader : public TKarmoLObjectReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoCoordReader)
  int InitRecordSize() const override { return kVertexRecordSize; }
  std::string GetFileName() const override { return kVertexFile; }
  // The next record as a new vertex in model coordinates with CS the system's code (the caller
  // owns it). Throws BlockFileError past the end or without a file.
  spatial::T2DCoordinate* ReadCoordinate();
  // The next record added to the element as a vertex in model coordinates (AddPoint, CS the
  // system's code). Throws as ReadCoordinate.
  void ReadPointInto(spatial::TPolyElement& element);
  // Vertex n in file coordinates. Throws BlockFileError for n outside the file.
  VertexRecord ReadVertex(int64_t n);
};

class TKarmoLinReader : public TKarmoLObjectReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLinReader)
  TKarmoLinReader() = default;
  ~TKarmoLinReader() override;
  int InitRecordSize() const override { return kLineRecordSize; }
  std::string GetFileName() const override { return kLineFile; }
  char GetTypeLetter() const override { return 'L'; }
  void Create(const std::string& block_directory, framework::TWCS* wcs) override;
  virtual void CreateCoordReader(const std::string& block_directory, framework::TWCS* wcs);
  TKarmoCoordReader* CoordReader() const { return coord_.get(); }

  // The line at the current record: nil for a deleted record, record 0, a record outside the
  // clip rectangle, a record flagged as no line, fewer than two vertices or vertex indexes
  // outside "TN.CRD" (reported), or an element that fails the filter or the condition.
  spatial::TPolyLineElement* ReadLine();
  // The line symbol at the current record (Symbol 1000 and above): a new point at the line's
  // reference point with Znacka the symbol and Angle the line's + pi/2; nil otherwise.
  spatial::TPointElement* ReadLineSymbol();
  // Line record n; nullopt for n outside the file.
  std::optional<LineRecord> ReadLineRecord(int64_t n);
  // The vertex index range of a record when "TN.CRD" holds all of it, else nullopt (reported
  // once per line with `context` naming what was being read).
  bool VertexRangeValid(const LineRecord& line, const std::string& context);

 private:
  std::unique_ptr<TKarmoCoordReader> coord_;
};

class TKarmoPointReader : public TKarmoLObjectReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoPointReader)
  int InitRecordSize() const override { return kPointRecordSize; }
  std::string GetFileName() const override { return kPointFile; }
  char GetTypeLetter() const override { return 'B'; }
  // The point at the current record; nil for a deleted record, record 0, a position outside
  // 0 to 2,000,000 (reported "Bod.c.<n> je mimo rozsah"), or one that fails the filter or the
  // condition.
  spatial::TPointElement* ReadPoint();
};

// The most a point coordinate may be in the file.
inline constexpr double kMaxPointCoordinate = 2000000;

class TKarmoTextReader : public TKarmoLObjectReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoTextReader)
  TKarmoTextReader() = default;
  ~TKarmoTextReader() override;
  int InitRecordSize() const override { return kTextRecordSize; }
  std::string GetFileName() const override { return kTextFile; }
  char GetTypeLetter() const override { return 'T'; }
  // Also opens "TN.TTX" when "TN.TBX" was opened; throws BlockFileError when it cannot.
  void Create(const std::string& block_directory, framework::TWCS* wcs) override;
  // How the lines of "TN.TTX" are decoded (set before reading; 1250 by default).
  void SetTextCodePage(TextCodePage code_page) { text_code_page_ = code_page; }

  // The text at the current record with the next line of "TN.TTX" (both always consumed; a
  // missing line gives an empty text); nil for a deleted record or one that fails the filter.
  // A record whose Cislo differs from `expected_number` takes that number.
  spatial::TTextElement* ReadText(int32_t expected_number);

 private:
  std::unique_ptr<TextLineFile> contents_;
  TextCodePage text_code_page_ = TextCodePage::kCp1250;
};

}  // namespace tarnik::gis
