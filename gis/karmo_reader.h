// The base classes of the GIS block readers (tools). TKarmoManipulator holds what a read is
// limited by: the kind filter, the clip rectangle (both shared by the readers they are given to:
// each reader holds them as children, so they go with the last reader), MinSize, the condition
// text and the block directory (BlockName), and the coordinate system that turns file
// coordinates into model coordinates (not owned). TKarmoLReader adds the block's register, one
// open record file read through bounded, buffered reads, and the override colour and style.
// TKarmoLObjectReader is the reader of one file of a block.
//
// Problems are reported as framework text messages with code 8 to the world's main tool, after
// which pending events are processed once (ReportProblem); reading goes on with the next
// object. Single-threaded; a reader lives for one reading loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/condition/cond_operators.h"
#include "framework/models/wcs.h"
#include "framework/tools/tool.h"
#include "gis/karmo_filter.h"
#include "gis/record_file.h"
#include "spatial/rect_entity.h"
#include "spatial/registers.h"

namespace tarnik::gis {

// Called with every new object a reader builds and keeps.
using NewObjectCallback = std::function<void(framework::TElement*)>;

class TKarmoManipulator : public framework::TTool {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoManipulator)

  TFiltrDruhuObjektu* Filter() const;
  // Frees the previous filter from the tool and adds the new one (nil only frees).
  void SetFilter(TFiltrDruhuObjektu* filter);
  spatial::TRectEntity* Clip() const;
  void SetClip(spatial::TRectEntity* clip);
  virtual framework::TWCS* GetWCS() { return wcs_; }
  virtual void SetWCS(framework::TWCS* wcs) { wcs_ = wcs; }

  double MinSize() const { return min_size_; }
  void SetMinSize(double v) { min_size_ = v; }
  const std::string& Condition() const { return condition_; }
  void SetCondition(const std::string& v);
  const std::string& BlockName() const { return block_name_; }
  void SetBlockName(const std::string& v) { block_name_ = v; }

  // Without a filter everything passes; otherwise the filter decides (karmo_filter.h).
  bool PassesFilter(char letter, framework::TElement* element) const;
  // An empty condition passes. The condition is compiled once per text; when it cannot be
  // compiled or evaluated, "Condition processing Error" + CR LF + the text is shown (once per
  // reader) and the element passes.
  bool PassesCondition(framework::TElement* element);
  // Without a clip rectangle true; otherwise the file rectangle, turned into model coordinates,
  // lies within the clip rectangle on both axes (borders included).
  bool RecordInClip(double max_x, double max_y, double min_x, double min_y);
  // A model-coordinate position lies within the clip rectangle (true without one).
  bool PointInClip(double x, double y) const;

  // File coordinates into model coordinates by the reader's system (unchanged without one).
  spatial::Point ToModel(double x, double y);

  // Posts the text to the main tool (code 8) and, unless told otherwise, processes pending
  // events once.
  void ReportProblem(const std::string& text, bool process_events = true);

 private:
  framework::TElementRef filter_;
  framework::TElementRef clip_;
  framework::TWCS* wcs_ = nullptr;
  double min_size_ = 0;
  std::string condition_;
  std::string block_name_;
  std::unique_ptr<framework::TCondition> compiled_;
  bool condition_failed_ = false;
};

class TKarmoLReader : public TKarmoManipulator {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLReader)

  // 0 without an open file.
  int64_t GetRecordCount() const;
  // Opens the file at FilePath for reading when it exists; without it the reader has no file.
  virtual bool OpenFile();
  virtual char GetTypeLetter() const { return ' '; }
  // The block register of BlockName in the world's map register, looked up once and kept.
  spatial::TBlockRegister* GetRegister();
  // Positions the file at record n (nothing without a file).
  void SeekRecord(int64_t n);
  int64_t Position() const { return position_; }
  bool HasFile() const { return file_ != nullptr; }
  const std::string& FilePath() const { return file_path_; }
  int RecordSize() const { return record_size_; }

  int16_t Barva() const { return barva_; }
  void SetBarva(int16_t v);
  int16_t Znacka() const { return znacka_; }
  void SetZnacka(int16_t v);
  bool BarvaOn() const { return barva_on_; }
  bool ZnackaOn() const { return znacka_on_; }
  // The override when on, else the record's value.
  int16_t ColourFor(int16_t record_value) const { return barva_on_ ? barva_ : record_value; }
  int16_t StyleFor(int16_t record_value) const { return znacka_on_ ? znacka_ : record_value; }

  const NewObjectCallback& OnNewObject() const { return on_new_object_; }
  void SetOnNewObject(NewObjectCallback callback) { on_new_object_ = std::move(callback); }

  // Busy cursor, progress over the records, pending events; and back.
  void BeginReading();
  void EndReading();

 protected:
  // Reads the record at the position into `buffer` (RecordSize bytes) and moves on; every 50
  // records progress is reported and pending events are processed. Throws BlockFileError
  // without a file or past its end.
  void ReadRecord(uint8_t* buffer);
  void SetFilePath(const std::string& path) { file_path_ = path; }
  void SetRecordSize(int size) { record_size_ = size; }
  RecordFile* File() const { return file_.get(); }

 private:
  framework::TElementRef register_;
  bool register_looked_up_ = false;
  std::unique_ptr<RecordFile> file_;
  int record_size_ = 0;
  std::string file_path_;
  int64_t position_ = 0;
  int16_t barva_ = 0;
  int16_t znacka_ = 0;
  bool barva_on_ = false;
  bool znacka_on_ = false;
  NewObjectCallback on_new_object_;
};

class TKarmoLObjectReader : public TKarmoLReader {
 public:
  TARNIK_ELEMENT_CLASS(TKarmoLObjectReader)

  void NotifyNewObject(framework::TElement* element);
  // The reader of the block directory's file: record size, file path (the file name matched
  // without regard to case), BlockName, WCS, the file opened when it exists.
  virtual void Create(const std::string& block_directory, framework::TWCS* wcs);
  virtual int InitRecordSize() const { return 0; }
  virtual std::string GetFileName() const { return {}; }
};

}  // namespace tarnik::gis
