// Tools: elements that run an operation over the element tree. A tool refers to its Input and
// Output without owning them (both read nil once the element is gone); it owns its parameter
// entity (shared with whoever else adds it) and its self model (a child of a tool-model class).
// Tool models are reached only through published properties by name ("PROPERTIES", "TOOLS",
// `Value`, `ElementClassName`, `AttachToPropertyName`), so any class named TToolModel (or
// derived from one) serves. Single-threaded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/entity.h"
#include "framework/message.h"

namespace tarnik::framework {

// Holds a tool's parameters and their aliases.
class TParameters : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TParameters)
};

// The tool list of a technology; stands for the technology in owner lookups.
class TTools : public TEnvelopeEntity {
 public:
  TARNIK_ELEMENT_CLASS(TTools)
};

class TToolProperties : public TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TToolProperties)
};

// Text message code of the framework's reports to the main tool.
inline constexpr int32_t kReportMessage = 8;

// True for tool models (TToolModel and its descendants).
bool IsToolModel(const TElement* element);

class TTool : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TTool)
  TTool() = default;
  // A tool destroyed while in progress ends the progress first.
  ~TTool() override;

  // State flags.
  enum StateBit : uint8_t {
    kRunning = 1,
    kBusy = 2,
    kBreakWork = 4,
    kBreakWork2 = 8,
    kInProgress = 32,
    kIdle = 64,
  };
  uint8_t State() const { return state_; }
  bool Running() const { return HasState(kRunning); }
  bool Busy() const { return HasState(kBusy); }
  void SetBusy(bool v) { SetState(kBusy, v); }
  bool Idle() const { return HasState(kIdle); }
  void SetIdle(bool v) { SetState(kIdle, v); }
  bool InProgress() const { return HasState(kInProgress); }
  void SetInProgress(bool v) { SetState(kInProgress, v); }
  bool BreakWork() const { return (state_ & (kBreakWork | kBreakWork2)) != 0; }

  TElement* Input() const { return input_.Get(); }
  TElement* Output() const { return output_.Get(); }
  int32_t Error() const { return error_; }
  void SetError(int32_t e) { error_ = e; }
  bool DynamicTool() const { return dynamic_tool_; }
  void SetDynamicTool(bool v) { dynamic_tool_ = v; }

  virtual void SetInput(TElement* element) { input_ = element; }
  virtual void SetOutput(TElement* element) { output_ = element; }
  // The parameter entity, created and added on first use.
  virtual TEntity* GetParameters();
  // Frees the previous parameter entity from the tool, stores `parameters` and adds it.
  virtual void SetParameters(TEntity* parameters);
  virtual TElement* GetParameter(std::string_view name);
  virtual void SetParameter(const std::string& name, TElement* element);
  virtual void SetBreakWork(bool flag);
  virtual void Execute();
  virtual bool CanClose() { return true; }
  virtual void ApplyModel();
  virtual void CreateSubTools() {}
  virtual void FreeSubTools() {}
  virtual void StoreToModel();
  virtual void OnMessage0(TKelvaMessage& /*message*/, bool& /*handled*/) {}
  // Clears the running flag and asks the owners to free the tool (message code 1).
  virtual void Finish();
  virtual void OnMessage1(TKelvaMessage& /*message*/, bool& /*handled*/) {}
  virtual void OnMessage3(TKelvaMessage& /*message*/, bool& /*handled*/) {}
  // The property a positional parameter sets; empty when the tool takes none.
  virtual std::string GetParameterName(int index);

  void HandleMessage(TKelvaMessage& message, bool& handled) override;

  // The first child of a tool-model class; nil when none.
  TEntity* SelfModel() const;
  // Frees the present self model from the tool and adds `model` (nil only frees; elements
  // that are not tool models change nothing).
  void SetSelfModel(TElement* model);

  // Progress reports (framework messages): 10 begin, 11 value, 13 text, 12 end.
  void BeginProgress(const std::string& process_name, int32_t min, int32_t max);
  void ReportProgress(int32_t value);
  void ReportProgressText(const std::string& text);
  void EndProgress();

 protected:
  bool HasState(uint8_t bits) const { return (state_ & bits) != 0; }
  void SetState(uint8_t bits, bool on) {
    state_ = static_cast<uint8_t>(on ? (state_ | bits) : (state_ & ~bits));
  }
  // Posts a report text message (code 8).
  void Report(const std::string& text);

 private:
  TElementRef parameters_;  // a child of the tool while set
  int32_t error_ = 0;
  bool dynamic_tool_ = false;
  TElementRef input_;
  TElementRef output_;
  uint8_t state_ = 0;
};

// Sets the property named by the tool's GetParameterName(index) from text; nothing for an
// empty name.
void SetPositionalParameter(TTool& tool, int index, const std::string& text);

class TResultTool : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TResultTool)
  const std::string& Result() const { return result_; }
  void SetResult(const std::string& r) { result_ = r; }

 private:
  std::string result_;
};

class TBooleanTool : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TBooleanTool)
  bool Result() const { return result_; }
  void SetResult(bool r) { result_ = r; }

 private:
  bool result_ = false;
};

class TProgressMessage : public TKelvaMessage {
 public:
  TARNIK_ELEMENT_CLASS(TProgressMessage)
  int32_t MaxProgress() const { return max_; }
  void SetMaxProgress(int32_t v) { max_ = v; }
  int32_t Progress() const { return progress_; }
  void SetProgress(int32_t v) { progress_ = v; }
  int32_t MinProgress() const { return min_; }
  void SetMinProgress(int32_t v) { min_ = v; }
  const std::string& ProcessName() const { return process_name_; }
  void SetProcessName(const std::string& n) { process_name_ = n; }

 private:
  int32_t max_ = 0;
  int32_t progress_ = 0;
  int32_t min_ = 0;
  std::string process_name_;
};

}  // namespace tarnik::framework
