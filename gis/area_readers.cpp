#include "gis/area_readers.h"

#include <memory>
#include <set>
#include <utility>

#include "gis/karmo_props.h"
#include "platform/ui.h"

namespace tarnik::gis {
namespace {

std::string Num(int64_t n) { return std::to_string(n); }

// The lines a walk has passed, each in its direction. Links are followed deterministically, so a
// walk that comes back to a line it has passed (other than where it is to close) goes round
// that loop for ever: it fails at once instead of after kMaxRingLines lines.
class Passed {
 public:
  // False when the walk has passed the line in that direction before.
  bool First(const WalkedLine& line) { return seen_.insert({line.number, line.forward}).second; }

 private:
  std::set<std::pair<int64_t, bool>> seen_;
};

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoAreaBoundaryReader, TKarmoLObjectReader, nullptr)
TARNIK_DEFINE_CLASS(TKarmoAreaReader, TKarmoAreaBoundaryReader, nullptr)

TKarmoAreaBoundaryReader::~TKarmoAreaBoundaryReader() = default;

void TKarmoAreaBoundaryReader::Create(const std::string& block_directory, framework::TWCS* wcs) {
  TKarmoLObjectReader::Create(block_directory, wcs);
  lines_ = std::make_unique<TKarmoLinReader>();
  lines_->Create(block_directory, wcs);
}

std::optional<AreaRecord> TKarmoAreaBoundaryReader::ReadAreaRecord(int64_t n) {
  if (n < 0 || n >= GetRecordCount()) return std::nullopt;
  SeekRecord(n);
  uint8_t buffer[kAreaRecordSize];
  ReadRecord(buffer);
  return DecodeAreaRecord(buffer);
}

bool TKarmoAreaBoundaryReader::IsValidArea(int64_t n) {
  if (n < 1) return false;
  const std::optional<AreaRecord> record = ReadAreaRecord(n);
  return record && record->Valid();
}

std::optional<WalkedLine> TKarmoAreaBoundaryReader::FindStartLine(const AreaRecord& area) {
  const int64_t count = lines_->GetRecordCount();
  const auto borders = [&](const LineRecord& r) {
    return !r.Deleted() && (area.cislo == r.left_area || area.cislo == r.right_area);
  };
  if (area.line_no > 0 && area.line_no < count) {
    const std::optional<LineRecord> r = lines_->ReadLineRecord(area.line_no);
    if (r && borders(*r)) return WalkedLine{area.line_no, *r, area.cislo == r->left_area};
  }
  platform::ui().Beep();
  for (int64_t n = 1; n < count; ++n) {
    const std::optional<LineRecord> r = lines_->ReadLineRecord(n);
    if (r && borders(*r)) return WalkedLine{n, *r, area.cislo == r->left_area};
  }
  return std::nullopt;
}

std::optional<WalkedLine> TKarmoAreaBoundaryReader::NextLinkedLine(const WalkedLine& line) {
  const int32_t next = line.forward ? line.record.next_forward : line.record.next_backward;
  const bool forward = line.forward ? line.record.next_forward_walks_forward
                                    : line.record.next_backward_walks_forward;
  if (next < 1 || next >= lines_->GetRecordCount()) return std::nullopt;
  const std::optional<LineRecord> r = lines_->ReadLineRecord(next);
  if (!r || r->Deleted()) return std::nullopt;
  return WalkedLine{next, *r, forward};
}

spatial::TAreaElement* TKarmoAreaBoundaryReader::ReadBoundaryArea(const AreaRecord& area) {
  const std::optional<WalkedLine> start = FindStartLine(area);
  if (!start) return nullptr;
  auto element = std::make_unique<spatial::TAreaElement>();
  TKarmoCoordReader* coord = lines_->CoordReader();
  const std::string context = "plocha č." + Num(area.cislo) + ", ";
  WalkedLine current = *start;
  Passed passed;
  for (int walked = 1;; ++walked) {
    if (!passed.First(current)) return nullptr;
    const LineRecord& r = current.record;
    if (!lines_->VertexRangeValid(r, context)) return nullptr;
    if (current.forward) {
      coord->SeekRecord(r.first_vertex + 1);
      for (int64_t i = r.first_vertex + 1; i <= r.last_vertex; ++i) {
        coord->ReadPointInto(*element);
      }
    } else {
      for (int64_t i = int64_t{r.last_vertex} - 1; i >= r.first_vertex; --i) {
        coord->SeekRecord(i);
        coord->ReadPointInto(*element);
      }
    }
    const std::optional<WalkedLine> next = NextLinkedLine(current);
    if (!next || walked >= kMaxRingLines) return nullptr;
    if (next->record.cislo == start->record.cislo) break;
    current = *next;
  }
  if (element->GetCoordsCount() < 2) return nullptr;
  auto* props = new TKarmoAreaProps();
  props->SetCislo(area.cislo);
  props->SetDruh(area.druh);
  props->SetBarva(ColourFor(area.barva));
  props->SetZnacka(StyleFor(area.znacka));
  props->SetLineNo(area.line_no);
  props->SetPaterNo(area.pater_no);
  props->SetHasChildren(area.has_children);
  element->SetProperties(props);
  return element.release();
}

spatial::TAreaElement* TKarmoAreaBoundaryReader::ReadNextArea() {
  const int64_t n = Position();
  uint8_t buffer[kAreaRecordSize];
  ReadRecord(buffer);
  const AreaRecord r = DecodeAreaRecord(buffer);
  if (!r.Valid() || n == 0 || !RecordInClip(r.max_x, r.max_y, r.min_x, r.min_y)) return nullptr;
  spatial::TAreaElement* area = ReadBoundaryArea(r);
  if (!area) return nullptr;
  if (PassesFilter('P', area)) {
    NotifyNewObject(area);
    return area;
  }
  delete area;
  return nullptr;
}

spatial::TAreaElement* TKarmoAreaReader::ReadNextBoundaryArea() {
  return TKarmoAreaBoundaryReader::ReadNextArea();
}

spatial::TAreaElement* TKarmoAreaReader::ReadNextArea() {
  const int64_t n = Position();
  uint8_t buffer[kAreaRecordSize];
  ReadRecord(buffer);
  const AreaRecord r = DecodeAreaRecord(buffer);
  if (!r.Valid() || n == 0 || !RecordInClip(r.max_x, r.max_y, r.min_x, r.min_y)) return nullptr;
  spatial::TAreaElement* area = ReadLineArea(r);
  if (!area) return nullptr;
  if (PassesFilter('P', area)) {
    NotifyNewObject(area);
    return area;
  }
  delete area;
  return nullptr;
}

template <class Closes>
bool TKarmoAreaReader::WalkRing(const AreaRecord& area, WalkedLine start,
                                spatial::TPolyLineAreaElement* ring, Closes closes) {
  TKarmoLinReader* lines = LineReader();
  const std::string no_next = ":Pro plochu č." + Num(area.cislo) + " a linii č.";
  WalkedLine current = start;
  Passed passed;
  for (int i = 0;; ++i) {
    if (!passed.First(current)) {
      ReportProblem(BlockName() + no_next + Num(current.number) +
                    " nelze načíst další linii vlevo");
      return false;
    }
    lines->SeekRecord(current.number);
    spatial::TPolyLineElement* line = lines->ReadLine();
    if (!line) {
      ReportProblem("Pro plochu č." + Num(area.cislo) + " se nepodařilo nalézt linii č." +
                    Num(current.number));
      ReportProblem(BlockName() + no_next + Num(current.number) +
                    " nelze načíst další linii vlevo");
      return false;
    }
    ring->AddLine(line, current.forward);
    const std::optional<WalkedLine> next = NextLinkedLine(current);
    if (!next || i >= kMaxRingLines) {
      ReportProblem(BlockName() + no_next + Num(current.number) +
                    " nelze načíst další linii vlevo");
      return false;
    }
    if (closes(*next, current)) return true;
    current = *next;
  }
}

void TKarmoAreaReader::SetAreaProps(spatial::TAreaElement* element, const AreaRecord& area) {
  auto* props = new TKarmoAreaProps();
  props->SetCislo(area.cislo);
  props->SetDruh(area.druh);
  props->SetBarva(ColourFor(area.barva));
  props->SetZnacka(StyleFor(area.znacka));
  props->SetPaterNo(area.pater_no);
  element->SetProperties(props);
  const spatial::Point ref = ToModel(area.ref_x, area.ref_y);
  element->SetAbsRefX(ref.x);
  element->SetAbsRefY(ref.y);
}

spatial::TPolyLineAreaElement* TKarmoAreaReader::ReadLineArea(const AreaRecord& area) {
  const std::optional<WalkedLine> start = FindStartLine(area);
  if (!start) {
    ReportProblem(BlockName() + ": Nelze načíst pro plochu č." + Num(area.cislo) + " linii č." +
                  Num(area.line_no));
    return nullptr;
  }
  auto ring = std::make_unique<spatial::TPolyLineAreaElement>();
  const bool ok =
      WalkRing(area, *start, ring.get(), [&](const WalkedLine& next, const WalkedLine&) {
        return next.number == start->number && next.forward == start->forward;
      });
  if (!ok || ring->GetCount() == 0) {
    ReportProblem(BlockName() + ":Nelze načíst linie pro plochu č." + Num(area.cislo) + " linii");
    return nullptr;
  }
  SetAreaProps(ring.get(), area);
  return ring.release();
}

spatial::TPolyLineAreaElement* TKarmoAreaReader::ReadIslandRing(const AreaRecord& child) {
  const auto no_start = [&]() -> spatial::TPolyLineAreaElement* {
    ReportProblem(BlockName() + ":Nelze načíst pro plochu č." + Num(child.cislo) + " linii č." +
                  Num(child.line_no));
    return nullptr;
  };
  std::optional<WalkedLine> found = FindStartLine(child);
  if (!found) return no_start();
  // The island's outer boundary: a line that has the parent, or no valid area, on a side.
  const auto outside = [&](int32_t a) { return a == child.pater_no || !IsValidArea(a); };
  Passed passed;
  for (int steps = 0; !outside(found->record.left_area) && !outside(found->record.right_area);) {
    if (!passed.First(*found)) return no_start();
    found = NextLinkedLine(*found);
    if (!found || ++steps > kMaxRingLines) return no_start();
  }
  const WalkedLine first{found->number, found->record, !found->forward};
  TKarmoLinReader* lines = LineReader();
  TKarmoCoordReader* coord = lines->CoordReader();
  const auto has_vertices = [&](const LineRecord& r) {
    return coord->HasFile() && r.first_vertex >= 0 && r.first_vertex <= r.last_vertex &&
           r.last_vertex < coord->GetRecordCount();
  };
  auto ring = std::make_unique<spatial::TPolyLineAreaElement>();
  bool ok = has_vertices(first.record);
  if (ok) {
    const VertexRecord begin =
        coord->ReadVertex(first.forward ? first.record.first_vertex : first.record.last_vertex);
    ok = WalkRing(child, first, ring.get(), [&](const WalkedLine& next, const WalkedLine& walked) {
      if (next.number != first.number || !has_vertices(walked.record)) return false;
      const VertexRecord end = coord->ReadVertex(walked.forward ? walked.record.last_vertex
                                                                : walked.record.first_vertex);
      return end.x == begin.x && end.y == begin.y;
    });
  }
  if (!ok || ring->GetCount() == 0) {
    ReportProblem(BlockName() + ":Nelze načíst linie pro plochu č." + Num(child.cislo) + " linii");
    return nullptr;
  }
  SetAreaProps(ring.get(), child);
  return ring.release();
}

}  // namespace tarnik::gis
