// Reading one block of a map. TKarmoLBlokInfoReader reads the block's "INFO.TXT" (its
// rectangle and the code page of its texts) and gives the world's S-JTSK system as the
// coordinate system of every block. TKarmoLBlokReader drives the reading of one type of the
// block: each Read* creates the object reader of that file, hands it the block reader's
// settings, reads the whole file into a new string named "<BlockName> <TYPE>" (with the
// properties "BlockName" and "TYPE") and frees the reader. Objects stay in the block register
// and in the string. A file that does not exist gives an empty string; a reader that cannot be
// created gives no string and a report; an error in the loop ends it with a report and the
// objects read so far.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "framework/values/string_list.h"
#include "gis/area_readers.h"
#include "gis/block_info.h"
#include "gis/object_readers.h"
#include "spatial/area_element.h"
#include "spatial/poly_elements.h"
#include "spatial/space_elements.h"

namespace tarnik::gis {

class TKarmoLBlokInfoReader : public TKarmoManipulator {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLBlokInfoReader)
  // The world's coordinate system 1 (S-JTSK).
  framework::TWCS* GetWCS() override;
  void Create(const std::string& block_directory);
  // The block's rectangle in model coordinates, or none.
  std::optional<spatial::Bounds> ReadBlockRectangle() const;
  TCodePage ReadCodePage() const;

 private:
  BlockInfoValues values_;
};

// True when the block has no rectangle in its "INFO.TXT" or its rectangle meets the window
// (model coordinates, borders included).
bool BlockInWindow(const std::string& block_directory, const spatial::TRectEntity& window);

// How deep a chain of enclosing areas is followed; a deeper chain is cut with a report.
inline constexpr int kMaxParentDepth = 256;

class TKarmoLBlokReader : public TKarmoLReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLBlokReader)
  TKarmoLBlokReader() = default;
  ~TKarmoLBlokReader() override;

  void Create(const std::string& block_directory);
  TCodePage CodePage() const { return code_page_; }
  bool ReadAreaAsBoundary() const { return read_area_as_boundary_; }
  void SetReadAreaAsBoundary(bool v) { read_area_as_boundary_ = v; }

  // Every entry "@Name=value" of the settings writes the reader's published property Name
  // (unknown and read-only names are ignored).
  void ApplySettings(const framework::TStringListElement* settings);
  // Hands the filter and clip rectangle (shared), MinSize, Condition, OnNewObject, the override
  // colour and style when on, and the texts' code page to an object reader.
  void CopySettingsTo(TKarmoLReader& reader) const;

  spatial::TPointString* ReadPoints();
  spatial::TPolyLineString* ReadLines();
  spatial::TPointString* ReadLineSymbols();
  spatial::TAreaString* ReadAreas();
  spatial::TTextString* ReadTexts();
  // Area n with its enclosing areas (read first, into the same output; an island becomes a
  // hole of its parent); nil when the record is no valid area, lies outside the clip
  // rectangle, cannot be built or fails the filter or the condition. Needs the area reader of
  // ReadAreas.
  spatial::TSpaceEntity* ReadArea(framework::TEntity* output, int64_t n);

 private:
  // The string of a type: named, marked with "BlockName" and "TYPE".
  template <class S>
  S* NewString(const std::string& type) const;
  spatial::TSpaceEntity* ReadAreaInChain(framework::TEntity* output, int64_t n,
                                         std::set<int64_t>& chain);

  TCodePage code_page_ = cpIBM;
  bool read_area_as_boundary_ = false;
  TKarmoLBlokInfoReader* info_ = nullptr;  // a child
  TKarmoAreaReader* areas_ = nullptr;      // while ReadAreas runs
  // Areas whose parent chain was cut in this read: read without parent from then on.
  std::set<int64_t> without_parent_;
};

}  // namespace tarnik::gis
