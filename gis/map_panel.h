// The map panel without a drawing surface: TKelvaPanel embeds the framework (scripts run through
// the runner the program installs), VAzedevoDevov reads the forest map of a directory into the
// world's "DATA" and answers which hierarchy object has the five numbers of its selection. The
// display operations do nothing, as nothing is drawn. The panel holds the hierarchy by reference
// (the world owns it); its setters do nothing while no world exists. Failures are shown through
// the UI seam.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/element.h"
#include "framework/handles.h"
#include "gis/map_tools.h"

namespace tarnik::gis {

class TKelvaPanel : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaPanel)
  // Runs a command script file (the program's main tool); unset, scripts are not run.
  using ScriptRunner = std::function<void(const std::string& path)>;
  static void SetScriptRunner(ScriptRunner runner);

  const std::string& ScriptName() const { return script_name_; }
  // Runs that script.
  void SetScriptName(const std::string& path);
  // The names of the children of "LAYERS", each in double quotes, separated by commas.
  std::string Layers() const;
  bool Initialized() const;
  bool Busy() const { return busy_; }
  void SetBusy(bool v) { busy_ = v; }
  virtual void Init();
  virtual void Done();
  void ReView() {}
  void Print() {}

 protected:
  static void RunScript(const std::string& path);

 private:
  std::string script_name_;
  bool busy_ = true;
};

class VAzedevoDevov : public TKelvaPanel {
 public:
  TARNIK_ELEMENT_CLASS(VAzedevoDevov)
  VAzedevoDevov();
  ~VAzedevoDevov() override;

  // The framework panel, then "SysReg.Ksl" and "Model.Ksl" of the program directory, each only
  // when it exists ("Nelze nalézt soubor <path>" otherwise); the point finder.
  void Init() override;
  void Done() override;
  void ResetFinder();

  const std::string& LHCDir() const { return lhc_dir_; }
  void SetLHCDir(const std::string& v);
  const std::string& LHC() const { return lhc_; }
  void SetLHC(const std::string& v);
  const std::string& ODDELENI() const { return oddeleni_; }
  void SetODDELENI(const std::string& v);
  const std::string& DILEC() const { return dilec_; }
  void SetDILEC(const std::string& v);
  const std::string& POROST() const { return porost_; }
  void SetPOROST(const std::string& v);
  const std::string& SKUPINA() const { return skupina_; }
  void SetSKUPINA(const std::string& v);
  int32_t TypPUPFL() const { return typ_pupfl_; }
  void SetTypPUPFL(int32_t v) { typ_pupfl_ = v; }

  framework::TElement* Hierarchy() const { return hierarchy_.Get(); }
  void SetHierarchy(framework::TElement* h) { hierarchy_ = h; }
  // "HIERARCHY" of "DATA" into Hierarchy; "Není nalezen objekt DATA" (nothing changed) when
  // "DATA" is missing.
  void AttachHierarchy();
  // Reads the map of LHCDir (nothing when it is empty).
  void ReadForest();
  // The deepest hierarchy object with the five values; nil without a hierarchy. Found as
  // THeleHier finds it; the compartment node of the last lookup is taken again while the LHC
  // and compartment values stay, the hierarchy and the LHC node hold as many children as then
  // and the compartment is still the LHC node's child of that name.
  framework::TElement* FindHierarchyObject();
  // The names below "HIERARCHY" without blanks (the LHC level keeps its own).
  void RemoveBlanksFromHierarchy();
  THeleSkupina* Finder() const { return finder_.get(); }

  // Drawing is not built: these change nothing.
  void ShowTheForest() {}
  void ReShowTheForest() {}
  void ShowAll() {}
  void SetAllByCoords() {}
  void DrawSelected(int32_t /*color*/, int32_t /*brush_style*/, int32_t /*pen_mode*/) {}

 private:
  std::string lhc_dir_, lhc_, oddeleni_, dilec_, porost_, skupina_;
  int32_t typ_pupfl_ = 0;
  framework::TElementRef hierarchy_;
  struct CompartmentMemo {
    framework::TElementRef hierarchy, lhc, compartment;
    std::string lhc_name, compartment_name;
    int hierarchy_count = -1, lhc_count = -1;
  } memo_;
  std::unique_ptr<THeleSkupina> finder_;
  std::unique_ptr<THeleNacti> reader_;
};

// A model script of the program directory is missing.
inline constexpr const char* kScriptMissing = "Nelze nalézt soubor ";

void RegisterMapPanelClasses();

}  // namespace tarnik::gis
