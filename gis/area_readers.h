// The area readers of "TN.ARE". An area's boundary is the ring of lines that follows the links
// stored in the line records (each line names the next boundary line for either direction it is
// walked in), starting at the area's own line (or, when that line does not border the area, at
// the first line from line 1 that does, after a beep). TKarmoAreaBoundaryReader builds areas
// with copied vertices; TKarmoAreaReader builds areas made of the shared, registered lines, and
// the rings around islands that become holes of the enclosing area. Every line number and area
// number taken from a record is checked against its file; a walk stops after 10000 lines.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gis/block_records.h"
#include "gis/object_readers.h"
#include "spatial/area_element.h"
#include "spatial/polyline_area.h"

namespace tarnik::gis {

// The most lines one ring is walked through.
inline constexpr int kMaxRingLines = 10000;

// A line of a walk: its number, its record and whether it is walked forward.
struct WalkedLine {
  int64_t number = 0;
  LineRecord record;
  bool forward = true;
};

class TKarmoAreaBoundaryReader : public TKarmoLObjectReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoAreaBoundaryReader)
  TKarmoAreaBoundaryReader() = default;
  ~TKarmoAreaBoundaryReader() override;
  int InitRecordSize() const override { return kAreaRecordSize; }
  std::string GetFileName() const override { return kAreaFile; }
  char GetTypeLetter() const override { return 'P'; }
  void Create(const std::string& block_directory, framework::TWCS* wcs) override;
  TKarmoLinReader* LineReader() const { return lines_.get(); }

  // Area record n; nullopt for n outside the file.
  std::optional<AreaRecord> ReadAreaRecord(int64_t n);
  // An area number that names a valid record of the file.
  bool IsValidArea(int64_t n);
  // The next record as an area with copied vertices, when it is a valid area other than record
  // 0 within the clip rectangle and passes the filter; nil otherwise.
  virtual spatial::TAreaElement* ReadNextArea();

  // The first line of the area's boundary and its direction (forward when the area lies on its
  // left); nullopt when no line borders the area.
  std::optional<WalkedLine> FindStartLine(const AreaRecord& area);
  // The line that follows `line` on the ring it is walked along; nullopt when its link names no
  // line of the file or a deleted one.
  std::optional<WalkedLine> NextLinkedLine(const WalkedLine& line);
  // The area with copied vertices (unfiled, unannounced; the caller owns it); nil when the ring
  // cannot be walked or has fewer than two vertices.
  spatial::TAreaElement* ReadBoundaryArea(const AreaRecord& area);

 private:
  std::unique_ptr<TKarmoLinReader> lines_;
};

class TKarmoAreaReader : public TKarmoAreaBoundaryReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoAreaReader)
  // The next record as an area made of lines (announced when it passes the filter).
  spatial::TAreaElement* ReadNextArea() override;
  // The inherited reading: areas with copied vertices.
  spatial::TAreaElement* ReadNextBoundaryArea();

  // The area made of its registered lines (unfiled; the caller owns it); nil with reports when
  // its ring cannot be walked.
  spatial::TPolyLineAreaElement* ReadLineArea(const AreaRecord& area);
  // The ring around the island that the child area lies in, as a new area to become a hole of
  // the child's parent; nil with a report when it cannot be walked.
  spatial::TPolyLineAreaElement* ReadIslandRing(const AreaRecord& child);

 private:
  // Walks the ring from `start`, adding each line to `ring`; `closes` decides after each line
  // whether the ring is complete (given the next line). False when a line or a link fails
  // (reported) or the walk grows past kMaxRingLines.
  template <class Closes>
  bool WalkRing(const AreaRecord& area, WalkedLine start, spatial::TPolyLineAreaElement* ring,
                Closes closes);
  // The GIS holder of an area made of lines.
  void SetAreaProps(spatial::TAreaElement* element, const AreaRecord& area);
};

}  // namespace tarnik::gis
