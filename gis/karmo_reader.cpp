#include "gis/karmo_reader.h"

#include <exception>

#include "framework/condition/cond_creator.h"
#include "gis/karmo_registers.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineManipulator(std::vector<TPropInfo>& out) {
  using M = TKarmoManipulator;
  TPropDefs<M> d(out);
  d.Float("MinSize", &M::MinSize, &M::SetMinSize);
  d.String("Condition", &M::Condition, &M::SetCondition);
  d.String("BlockName", &M::BlockName, &M::SetBlockName);
}

void DefineLReader(std::vector<TPropInfo>& out) {
  using R = TKarmoLReader;
  TPropDefs<R> d(out);
  d.Object(
      "Register", spatial::TBlockRegister::StaticClass(),
      [](R& r) -> TElement* { return r.GetRegister(); }, nullptr);
  d.Integer(
      "Barva", [](R& r) { return static_cast<int32_t>(r.Barva()); },
      [](R& r, int32_t v) { r.SetBarva(static_cast<int16_t>(v)); });
  d.Integer(
      "Znacka", [](R& r) { return static_cast<int32_t>(r.Znacka()); },
      [](R& r, int32_t v) { r.SetZnacka(static_cast<int16_t>(v)); });
}

constexpr int kProgressStep = 50;

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoManipulator, framework::TTool, DefineManipulator)
TARNIK_DEFINE_CLASS(TKarmoLReader, TKarmoManipulator, DefineLReader)
TARNIK_DEFINE_CLASS(TKarmoLObjectReader, TKarmoLReader, nullptr)

TFiltrDruhuObjektu* TKarmoManipulator::Filter() const { return filter_.As<TFiltrDruhuObjektu>(); }

void TKarmoManipulator::SetFilter(TFiltrDruhuObjektu* filter) {
  TElement* previous = filter_.Get();
  if (previous == filter) return;
  if (previous && IndexOf(previous) >= 0) FreeElement(previous);
  filter_ = filter;
  if (filter) AddElement(filter);
}

spatial::TRectEntity* TKarmoManipulator::Clip() const { return clip_.As<spatial::TRectEntity>(); }

void TKarmoManipulator::SetClip(spatial::TRectEntity* clip) {
  TElement* previous = clip_.Get();
  if (previous == clip) return;
  if (previous && IndexOf(previous) >= 0) FreeElement(previous);
  clip_ = clip;
  if (clip) AddElement(clip);
}

void TKarmoManipulator::SetCondition(const std::string& v) {
  if (v == condition_) return;
  condition_ = v;
  compiled_.reset();
  condition_failed_ = false;
}

bool TKarmoManipulator::PassesFilter(char letter, TElement* element) const {
  const TFiltrDruhuObjektu* filter = Filter();
  return !filter || filter->Passes(letter, element);
}

bool TKarmoManipulator::PassesCondition(TElement* element) {
  if (condition_.empty() || !element || condition_failed_) return true;
  try {
    if (!compiled_) compiled_.reset(framework::CompileCondition(condition_));
    compiled_->SetContext(0, element);
    const bool holds = compiled_->Evaluate();
    compiled_->SetContext(0, nullptr);
    return holds;
  } catch (const std::exception&) {
    if (compiled_) compiled_->SetContext(0, nullptr);
    condition_failed_ = true;
    platform::ui().ShowMessage("Condition processing Error\r\n" + condition_,
                               platform::Severity::kFailure);
    return true;
  }
}

spatial::Point TKarmoManipulator::ToModel(double x, double y) {
  if (framework::TWCS* wcs = GetWCS()) {
    double z = 0;
    wcs->ToInternal(x, y, z);
  }
  return {x, y};
}

bool TKarmoManipulator::RecordInClip(double max_x, double max_y, double min_x, double min_y) {
  const spatial::TRectEntity* clip = Clip();
  if (!clip) return true;
  const spatial::Point a = ToModel(max_x, max_y);
  const spatial::Point b = ToModel(min_x, min_y);
  spatial::Bounds r{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  const spatial::Bounds& c = clip->bounds();
  return r.min_x >= c.min_x && r.max_x <= c.max_x && r.min_y >= c.min_y && r.max_y <= c.max_y;
}

bool TKarmoManipulator::PointInClip(double x, double y) const {
  const spatial::TRectEntity* clip = Clip();
  if (!clip) return true;
  const spatial::Bounds& c = clip->bounds();
  return x >= c.min_x && x <= c.max_x && y >= c.min_y && y <= c.max_y;
}

void TKarmoManipulator::ReportProblem(const std::string& text, bool process_events) {
  PostTextMessage(framework::kReportMessage, text, nullptr);
  if (process_events) platform::ui().ProcessPendingEvents();
}

int64_t TKarmoLReader::GetRecordCount() const {
  return file_ && record_size_ > 0 ? file_->RecordCount() : 0;
}

bool TKarmoLReader::OpenFile() {
  file_.reset();
  position_ = 0;
  if (file_path_.empty() || record_size_ <= 0) return false;
  const std::string directory = platform::DirectoryOf(file_path_);
  const auto found = platform::FindInDirectory(directory.empty() ? "." : directory,
                                               platform::FileNameOf(file_path_));
  if (!found) return false;
  try {
    file_ = RecordFile::Open(*found, record_size_);
  } catch (const std::exception&) {
    file_.reset();
  }
  return file_ != nullptr;
}

spatial::TBlockRegister* TKarmoLReader::GetRegister() {
  if (!register_looked_up_) {
    register_looked_up_ = true;
    auto* block = BlockRegisterFor(BlockName());
    CloseAttributeTables(block);
    register_ = block;
  }
  return register_.As<spatial::TBlockRegister>();
}

void TKarmoLReader::SeekRecord(int64_t n) {
  if (file_) position_ = n;
}

void TKarmoLReader::SetBarva(int16_t v) {
  barva_ = v;
  barva_on_ = true;
}

void TKarmoLReader::SetZnacka(int16_t v) {
  znacka_ = v;
  znacka_on_ = true;
}

void TKarmoLReader::ReadRecord(uint8_t* buffer) {
  if (!file_) throw BlockFileError("Soubor " + file_path_ + " neexistuje");
  file_->Read(position_, buffer);
  ++position_;
  if (position_ % kProgressStep == 0) {
    ReportProgress(static_cast<int32_t>(position_));
    if (InProgress()) platform::ui().ProcessPendingEvents();
  }
}

void TKarmoLReader::BeginReading() {
  platform::ui().SetCursor(platform::Cursor::kWait);
  BeginProgress(ClassName() + " (" + file_path_ + ") ", 0,
                static_cast<int32_t>(std::min<int64_t>(GetRecordCount(), INT32_MAX)));
  platform::ui().ProcessPendingEvents();
}

void TKarmoLReader::EndReading() {
  platform::ui().SetCursor(platform::Cursor::kDefault);
  EndProgress();
  platform::ui().ProcessPendingEvents();
}

void TKarmoLObjectReader::NotifyNewObject(TElement* element) {
  if (OnNewObject() && element) OnNewObject()(element);
}

void TKarmoLObjectReader::Create(const std::string& block_directory, framework::TWCS* wcs) {
  SetRecordSize(InitRecordSize());
  SetFilePath(platform::JoinPath(block_directory, GetFileName()));
  SetBlockName(block_directory);
  SetWCS(wcs);
  OpenFile();
}

}  // namespace tarnik::gis
