// Technologies: tools that hold other tools in their tool list (a TTools child, created on first
// use) and run them. The technology owns its tools through that list by the ownership protocol:
// freeing the technology frees the tools nobody else holds. TSelectTechnology also owns its
// ElseTool as a child. Single-threaded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/tools/tool.h"

namespace tarnik::framework {

class TTechnology : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TTechnology)

  // The tool list, created and added on first use.
  TTools* Tools();
  int ToolCount() const;

  // The tool at the active index; nil when the index is outside the list or holds no tool.
  virtual TTool* GetActiveTool();
  virtual int32_t GetActiveIndex() { return active_index_; }
  // The index of `tool` in the list becomes active (-1 when it is not there).
  virtual void SetActiveTool(TElement* tool);
  // A negative index or one not below the tool count becomes -1.
  virtual void SetActiveIndex(int32_t index);
  virtual void AddToolElement(TElement* tool);
  virtual TElement* AddTool(TElement* tool);
  // Creates, names, attaches and configures a tool from a tool model; nil (with a report) for
  // unknown or unsuitable classes.
  virtual TTool* NewToolByModel(TElement* model);
  virtual TElement* NewTool(std::string_view class_name, const std::string& name);
  virtual void InsertTool(int index, TElement* tool);
  virtual void RemoveTool(TElement* tool);
  virtual void FreeTool(TElement* tool);
  TElement* FindTool(std::string_view name);
  // The index-th tool of the list, nil outside it or for a non-tool.
  TTool* ToolAt(int index) const;

  bool CanClose() override;
  void ApplyModel() override;
  void CreateSubTools() override;
  void FreeSubTools() override;
  void StoreToModel() override;
  void OnMessage1(TKelvaMessage& message, bool& handled) override;

 private:
  TElementRef tools_;
  int32_t active_index_ = 0;
};

// Runs every tool in order; each works on the previous tool's output.
class TSeqTechnology : public TTechnology {
 public:
  TARNIK_ELEMENT_CLASS(TSeqTechnology)
  void Execute() override;
};

// Runs the tool at SelIndex, or ElseTool when there is none there.
class TSelectTechnology : public TTechnology {
 public:
  TARNIK_ELEMENT_CLASS(TSelectTechnology)
  int32_t SelIndex() const { return sel_index_; }
  void SetSelIndex(int32_t i) { sel_index_ = i; }
  TTool* ElseTool() const { return else_tool_.As<TTool>(); }
  // A non-nil tool is stored and added as a child (the previous one is freed from the
  // technology); nil and non-tools change nothing.
  void SetElseTool(TElement* tool);
  void Execute() override;

 private:
  TElementRef else_tool_;
  int32_t sel_index_ = 0;
};

}  // namespace tarnik::framework
