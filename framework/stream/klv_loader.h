// The element builder behind the current-format reader: a KlvSink that turns the parser's
// events into elements. It checks what the parser cannot know: class numbers against the class
// table read so far, property indexes against the class definition, value kinds against the
// running property, and child and reference numbers against the elements already loaded (a
// number must name an element whose record is complete, so no element becomes its own child or
// an ancestor's child). A record failing any of these is skipped, keeping its position. The
// builder holds the loaded elements by reference; Finish hands out the root and frees every
// other loaded element that nothing holds.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/stream/klv_parser.h"
#include "framework/tools/tool.h"

namespace tarnik::framework::stream {

class KlvElementBuilder : public KlvSink {
 public:
  // `reporter` posts the text messages (it must outlive the builder).
  explicit KlvElementBuilder(TTool* reporter) : reporter_(reporter) {}
  ~KlvElementBuilder() override;

  void ClassDefinition(const KlvClassDef& def) override;
  void BeginElement(int32_t position, int32_t class_number) override;
  void Property(int32_t position, int32_t index, const KlvValue& value) override;
  void Children(int32_t position, const std::vector<int32_t>& children) override;
  void EndElement(int32_t position) override;

  // The root (the element of the last top-level record); frees the other unheld elements.
  // Without a root (`keep_root` false, or no elements) everything unheld is freed.
  TElement* Finish(bool keep_root);
  size_t ClassCount() const { return classes_.size(); }

 private:
  struct PropertyMap {
    std::string name;
    int32_t stored_kind = 0;
    const TPropInfo* prop = nullptr;  // mapped running property, nil when lost or mistyped
  };
  struct ClassEntry {
    const TClassInfo* info = nullptr;
    std::string name;  // as stored, UTF-8
    std::vector<PropertyMap> properties;
  };
  struct Slot {
    TElementRef element;
    int32_t class_number = -1;
    int depth = 1;
    bool open = false;
    bool failed = false;
  };

  void Report(const std::string& text);
  // The slot of a record still being read, nil when the record was skipped.
  Slot* Live(int32_t position);
  // A completed, living element at `number`, else nil.
  TElement* Completed(int32_t number) const;
  bool SetValue(Slot& slot, const ClassEntry& entry, const PropertyMap& map, const KlvValue& value);
  int DepthOf(TElement* element) const;

  TTool* reporter_;
  std::vector<ClassEntry> classes_;
  std::vector<Slot> slots_;
  std::unordered_map<int32_t, int32_t> position_of_handle_;
  std::vector<int32_t> open_;  // positions of the records being read, outermost first
  int32_t root_position_ = -1;
};

}  // namespace tarnik::framework::stream
