#include "gis/object_readers.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "gis/karmo_props.h"
#include "platform/fs.h"

namespace tarnik::gis {
namespace {

using framework::ClassCast;
using framework::TElement;

// Writes the record's fixed fields shared by every holder.
template <class Props>
Props* NewProps(int32_t cislo, int16_t druh) {
  auto* props = new Props();
  props->SetCislo(cislo);
  props->SetDruh(druh);
  return props;
}

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoCoordReader, TKarmoLObjectReader, nullptr)
TARNIK_DEFINE_CLASS(TKarmoLinReader, TKarmoLObjectReader, nullptr)
TARNIK_DEFINE_CLASS(TKarmoPointReader, TKarmoLObjectReader, nullptr)
TARNIK_DEFINE_CLASS(TKarmoTextReader, TKarmoLObjectReader, nullptr)

VertexRecord TKarmoCoordReader::ReadVertex(int64_t n) {
  SeekRecord(n);
  uint8_t buffer[kVertexRecordSize];
  ReadRecord(buffer);
  return DecodeVertexRecord(buffer);
}

spatial::T2DCoordinate* TKarmoCoordReader::ReadCoordinate() {
  uint8_t buffer[kVertexRecordSize];
  ReadRecord(buffer);
  const VertexRecord v = DecodeVertexRecord(buffer);
  const spatial::Point p = ToModel(v.x, v.y);
  auto* coordinate = new spatial::T2DCoordinate(p.x, p.y);
  if (framework::TWCS* wcs = GetWCS()) coordinate->SetCS(wcs->Code());
  return coordinate;
}

void TKarmoCoordReader::ReadPointInto(spatial::TPolyElement& element) {
  uint8_t buffer[kVertexRecordSize];
  ReadRecord(buffer);
  const VertexRecord v = DecodeVertexRecord(buffer);
  const spatial::Point p = ToModel(v.x, v.y);
  const framework::TWCS* wcs = GetWCS();
  element.AddPoint(p.x, p.y, wcs ? wcs->Code() : 0);
}

TKarmoLinReader::~TKarmoLinReader() = default;

void TKarmoLinReader::Create(const std::string& block_directory, framework::TWCS* wcs) {
  TKarmoLObjectReader::Create(block_directory, wcs);
  CreateCoordReader(block_directory, wcs);
}

void TKarmoLinReader::CreateCoordReader(const std::string& block_directory, framework::TWCS* wcs) {
  coord_ = std::make_unique<TKarmoCoordReader>();
  coord_->Create(block_directory, wcs);
}

std::optional<LineRecord> TKarmoLinReader::ReadLineRecord(int64_t n) {
  if (n < 0 || n >= GetRecordCount()) return std::nullopt;
  SeekRecord(n);
  uint8_t buffer[kLineRecordSize];
  ReadRecord(buffer);
  return DecodeLineRecord(buffer);
}

bool TKarmoLinReader::VertexRangeValid(const LineRecord& line, const std::string& context) {
  if (!coord_ || !coord_->HasFile()) {
    throw BlockFileError("Soubor " + std::string(kVertexFile) + " bloku " + BlockName() + " chybí");
  }
  const int64_t count = coord_->GetRecordCount();
  if (line.first_vertex >= 0 && line.first_vertex <= line.last_vertex && line.last_vertex < count) {
    return true;
  }
  ReportProblem(BlockName() + ": " + context + "linie č." + std::to_string(line.cislo) +
                " má body " + std::to_string(line.first_vertex) + " až " +
                std::to_string(line.last_vertex) + " mimo soubor " + kVertexFile + " (" +
                std::to_string(count) + " bodů), nebude načtena");
  return false;
}

spatial::TPolyLineElement* TKarmoLinReader::ReadLine() {
  const int64_t n = Position();
  uint8_t buffer[kLineRecordSize];
  ReadRecord(buffer);
  const LineRecord r = DecodeLineRecord(buffer);
  if (r.Deleted() || n == 0) return nullptr;
  if (!RecordInClip(r.max_x, r.max_y, r.min_x, r.min_y) || r.NotALine()) return nullptr;
  spatial::TBlockRegister* reg = GetRegister();
  if (reg) {
    if (auto* filed = ClassCast<spatial::TPolyLineElement>(reg->GetObject("L", r.cislo))) {
      if (!PassesFilter('L', filed) || !PassesCondition(filed)) return nullptr;
      if (BarvaOn()) filed->SetPropertyText("Barva", std::to_string(Barva()));
      if (ZnackaOn()) filed->SetPropertyText("Znacka", std::to_string(Znacka()));
      return filed;
    }
  }
  if (!VertexRangeValid(r, "")) return nullptr;
  auto line = std::make_unique<spatial::TPolyLineElement>();
  const double extent = std::max(std::fabs(r.max_x - r.min_x), std::fabs(r.max_y - r.min_y));
  TKarmoCoordReader* coord = coord_.get();
  coord->SeekRecord(r.first_vertex);
  if (extent >= MinSize()) {
    line->ReservePoints(static_cast<size_t>(r.last_vertex - r.first_vertex + 1));
    for (int64_t i = r.first_vertex; i <= r.last_vertex; ++i) {
      coord->ReadPointInto(*line);
    }
  } else {
    coord->ReadPointInto(*line);
    if (r.last_vertex != r.first_vertex) {
      coord->SeekRecord(r.last_vertex);
      coord->ReadPointInto(*line);
    }
  }
  if (line->GetCoordsCount() < 2) return nullptr;
  auto* props = NewProps<TKarmoLineProps>(r.cislo, r.druh);
  props->SetBarva(ColourFor(r.barva));
  props->SetZnacka(StyleFor(r.znacka));
  props->SetPresnost(r.presnost);
  props->SetSymbol(r.symbol);
  props->SetLeftArea(r.left_area);
  props->SetRightArea(r.right_area);
  line->SetProperties(props);
  const spatial::Point ref = ToModel(r.ref_x, r.ref_y);
  line->SetAbsRefX(ref.x);
  line->SetAbsRefY(ref.y);
  line->SetAngle(r.angle);
  if (reg) reg->Register(line.get());
  spatial::TPolyLineElement* result = line.release();
  if (PassesFilter('L', result) && PassesCondition(result)) {
    NotifyNewObject(result);
    return result;
  }
  delete result;  // also leaves the register
  return nullptr;
}

spatial::TPointElement* TKarmoLinReader::ReadLineSymbol() {
  const int64_t n = Position();
  uint8_t buffer[kLineRecordSize];
  ReadRecord(buffer);
  const LineRecord r = DecodeLineRecord(buffer);
  if (r.Deleted() || n == 0) return nullptr;
  if (!RecordInClip(r.max_x, r.max_y, r.min_x, r.min_y) || r.symbol < 1000) return nullptr;
  auto* point = new spatial::TPointElement();
  point->SetX(-r.ref_x);
  point->SetY(-r.ref_y);
  auto* props = NewProps<TKarmoPointProps>(r.cislo, r.druh);
  props->SetBarva(r.barva);
  props->SetZnacka(r.symbol);
  props->SetPresnost(r.presnost);
  point->SetProperties(props);
  point->SetAngle(r.angle + std::numbers::pi / 2);
  if (PassesFilter('L', point)) {
    NotifyNewObject(point);
    return point;
  }
  delete point;
  return nullptr;
}

spatial::TPointElement* TKarmoPointReader::ReadPoint() {
  const int64_t n = Position();
  uint8_t buffer[kPointRecordSize];
  ReadRecord(buffer);
  const PointRecord r = DecodePointRecord(buffer);
  if (r.Deleted() || n == 0) return nullptr;
  const auto in_range = [](double v) { return v >= 0 && v <= kMaxPointCoordinate; };
  if (!in_range(r.x) || !in_range(r.y)) {
    ReportProblem("Bod.c." + std::to_string(r.cislo) + " je mimo rozsah");
    return nullptr;
  }
  spatial::TBlockRegister* reg = GetRegister();
  if (reg) {
    if (auto* filed = ClassCast<spatial::TPointElement>(reg->GetObject("B", r.cislo))) {
      return PassesFilter('B', filed) && PassesCondition(filed) ? filed : nullptr;
    }
  }
  auto* point = new spatial::TPointElement();
  point->SetX(-r.x);
  point->SetY(-r.y);
  auto* props = NewProps<TKarmoPointProps>(r.cislo, r.druh);
  props->SetBarva(ColourFor(r.barva));
  props->SetZnacka(StyleFor(r.znacka));
  props->SetPresnost(r.presnost);
  point->SetProperties(props);
  point->SetAngle(r.angle);
  if (reg) reg->Register(point);
  if (PassesFilter('B', point) && PassesCondition(point)) {
    NotifyNewObject(point);
    return point;
  }
  delete point;
  return nullptr;
}

TKarmoTextReader::~TKarmoTextReader() = default;

void TKarmoTextReader::Create(const std::string& block_directory, framework::TWCS* wcs) {
  TKarmoLObjectReader::Create(block_directory, wcs);
  if (!HasFile()) return;
  const auto found = platform::FindInDirectory(block_directory, kTextContentFile);
  if (found) contents_ = TextLineFile::Open(*found);
  if (!contents_) {
    throw BlockFileError("Soubor " + platform::JoinPath(block_directory, kTextContentFile) +
                         " nelze otevřít");
  }
}

spatial::TTextElement* TKarmoTextReader::ReadText(int32_t expected_number) {
  uint8_t buffer[kTextRecordSize];
  ReadRecord(buffer);
  // The contents are consumed in step with the records, deleted ones included; a file that
  // ends early leaves the remaining texts empty.
  std::optional<std::string> line = contents_ ? contents_->NextLine() : std::nullopt;
  const TextRecord r = DecodeTextRecord(buffer);
  if (r.Deleted()) return nullptr;
  const int32_t cislo = r.cislo != expected_number ? expected_number : r.cislo;
  spatial::TBlockRegister* reg = GetRegister();
  if (reg) {
    if (auto* filed = ClassCast<spatial::TTextElement>(reg->GetObject("T", cislo))) {
      return PassesFilter('T', filed) && PassesCondition(filed) ? filed : nullptr;
    }
  }
  auto* text = new spatial::TTextElement();
  auto* props = NewProps<TKarmoTextProps>(cislo, r.druh);
  props->SetTextAtrib(r.text_atrib);
  props->SetBarva(ColourFor(r.barva));
  props->SetZnacka(StyleFor(r.znacka));
  props->SetTextMode(r.text_mode);
  props->SetDirection(r.direction);
  props->SetKarmoFont(r.karmo_font);
  const spatial::Point start = ToModel(r.x, r.y);
  auto* start_point = new spatial::T2DCoordinate(start.x, start.y);
  if (framework::TWCS* wcs = GetWCS()) start_point->SetCS(wcs->Code());
  props->SetStartPoint(start_point);
  props->SetHeight(r.height);
  props->SetWidthCoef(r.width_coef);
  if (std::fabs(r.slope) > 1) props->SetSlope(r.slope * std::numbers::pi / 180);
  props->SetDistance(r.distance);
  text->SetProperties(props);
  text->SetX(start.x);
  text->SetY(start.y);
  text->SetText(DecodeText(line.value_or(std::string()), text_code_page_));
  if (reg) reg->Register(text);
  if (PassesFilter('T', text)) return text;
  delete text;
  return nullptr;
}

}  // namespace tarnik::gis
