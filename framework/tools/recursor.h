// Recursors: technologies that walk an element tree from their Input, depth first, and process
// the elements. A walk tolerates changes to the tree made while it runs: children are re-read by
// position, a child freed during its own processing is left alone, and entities already on the
// descent path are skipped, so cyclic child lists end. The tools of a TRecursorWithTools are not
// owned (references that read nil once the tool is gone). Single-threaded.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/tools/technology.h"

namespace tarnik::framework {

class TRecursor : public TTechnology {
 public:
  TARNIK_ELEMENT_CLASS(TRecursor)

  bool NotInside() const { return not_inside_; }
  void SetNotInside(bool v) { not_inside_ = v; }
  int32_t Level() const { return level_; }
  void SetLevel(int32_t v) { level_ = v; }

  // Walks the children of an entity (nothing for non-entities, with NotInside, or for an
  // entity already on the descent path). The child count is taken once; the walk stops at the
  // smaller of that count and the current one.
  virtual void RecurseInto(TElement* entity);
  virtual bool QGoInside(TElement* element);
  virtual bool QProcessBefore(TElement* /*element*/) { return false; }
  virtual bool QProcessAfter(TElement* /*element*/) { return false; }
  virtual void Process(TElement* /*element*/) {}
  virtual void StartWalk() {}

  void Execute() override;

 protected:
  // Before, inside, after for one element.
  void Visit(const TElementRef& element);
  bool OnDescentPath(const TElement* element) const;

 private:
  bool not_inside_ = false;
  int32_t level_ = 0;
  std::vector<const TElement*> path_;  // compared only, never dereferenced
};

// A recursor whose decisions are tools: QGoInsideTool answers by producing an Output,
// BeforeTool and AfterTool run on each element before and after its children.
class TRecursorWithTools : public TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TRecursorWithTools)

  TTool* BeforeTool() const { return before_.As<TTool>(); }
  void SetBeforeTool(TElement* t) { before_ = dynamic_cast<TTool*>(t); }
  TTool* AfterTool() const { return after_.As<TTool>(); }
  void SetAfterTool(TElement* t) { after_ = dynamic_cast<TTool*>(t); }
  TTool* QGoInsideTool() const { return go_inside_.As<TTool>(); }
  void SetQGoInsideTool(TElement* t) { go_inside_ = dynamic_cast<TTool*>(t); }

  bool QGoInside(TElement* element) override;
  bool QProcessBefore(TElement* element) override;
  bool QProcessAfter(TElement* element) override;

 private:
  TElementRef before_;
  TElementRef after_;
  TElementRef go_inside_;
};

}  // namespace tarnik::framework
