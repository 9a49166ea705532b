// Selectors: recursors that collect, into their Output entity, the elements of the walked tree
// for which the compiled Condition holds. When no Output was given, the selector creates a
// TOwnerEntity "Selected elements" and keeps it as its own child (a caller keeping the result
// adds it to its own entity). The compiled condition lives among the selector's parameters and
// is replaced on every walk. The output is not cleared between runs and is not walked
// itself. An element is never added
// when the output lies below it (that would make the tree a cycle). Single-threaded.
#pragma once

#include <cstdint>
#include <string>

#include "framework/condition/cond_creator.h"
#include "framework/tools/recursor.h"

namespace tarnik::framework {

class TSelector : public TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TSelector)
  const std::string& Condition() const { return condition_text_; }
  void SetCondition(const std::string& text) { condition_text_ = text; }
  TCondition* CurrentCondition() const { return condition_.As<TCondition>(); }

  // Creates the output when missing and compiles the condition (an empty or blank Condition
  // raises SyntaxExcept "Ocekavam indentifikator" at 1).
  void StartWalk() override;
  bool QProcessBefore(TElement* /*element*/) override { return true; }
  // The output is never walked: it grows while the walk runs.
  void RecurseInto(TElement* entity) override;

 protected:
  // Whether the current condition holds for the element.
  bool Holds(TElement* element);
  // Adds the element to the output unless that would close a cycle.
  void Collect(TElement* element);
  // The condition compiler, created on first use and added as a tool.
  TCondCreator* Compiler();

 private:
  TElementRef condition_;
  TElementRef compiler_;
  TElementRef own_output_;
  std::string condition_text_;
};

// Collects every owner-tracking element for which the condition holds.
class TAllSelector : public TSelector {
 public:
  TARNIK_ELEMENT_CLASS(TAllSelector)
  void Process(TElement* element) override;
};

// Collects the topmost matches of each branch: a matching element (with an owner) is not
// entered.
class TFirstSelector : public TSelector {
 public:
  TARNIK_ELEMENT_CLASS(TFirstSelector)
  void StartWalk() override;
  void RecurseInto(TElement* entity) override;
  bool QGoInside(TElement* element) override;
  void Process(TElement* element) override;

 private:
  bool found_ = false;
};

// Collects only the first match (with an owner) in walk order.
class TAbsFirstSelector : public TSelector {
 public:
  TARNIK_ELEMENT_CLASS(TAbsFirstSelector)
  void StartWalk() override;
  bool QGoInside(TElement* element) override;
  void Process(TElement* element) override;

 private:
  bool found_ = false;
};

// Collects matches (with an owner) down to Maxlevel: the input is level 1, Maxlevel 1 tests the
// input and its direct children.
class TLevelSelector : public TSelector {
 public:
  TARNIK_ELEMENT_CLASS(TLevelSelector)
  int32_t Maxlevel() const { return max_level_; }
  void SetMaxlevel(int32_t v) { max_level_ = v; }
  bool QGoInside(TElement* element) override;
  void Process(TElement* element) override;

 private:
  int32_t max_level_ = 1;
};

}  // namespace tarnik::framework
