// Test fixture of the hierarchy tests: registers the framework, forest and hierarchy classes,
// records the user interface and builds small compartments. Elements it creates are owned by
// the LHC it keeps.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/recording_ui.h"

namespace tarnik::plan {

class HierarchyTest : public ::testing::Test {
 protected:
  HierarchyTest() : scoped_ui_(&ui_) {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    forest::Flags() = forest::OptionFlags();
  }
  ~HierarchyTest() override { forest::Flags() = forest::OptionFlags(); }

  TOddeleni* Compartment(const std::string& number) {
    lhc_->OddeleniMN()->SetNovyPrvek(number);
    return lhc_->Oddeleni();
  }
  static TDilec* SubCompartment(TOddeleni* odd, const std::string& dil) {
    odd->DilecMN()->SetNovyPrvek(dil);
    return odd->Dilec();
  }
  static TPorost* Stand(TDilec* dil, const std::string& por) {
    dil->PorostMN()->SetNovyPrvek(por);
    return dil->Porost();
  }
  static TPorostniSkupina* Group(TPorost* por, const std::string& psk, double area = 0,
                                 int32_t ku = 0) {
    por->PorostniSkupinaMN()->SetNovyPrvek(psk);
    TPorostniSkupina* group = por->PorostniSkupina();
    group->SetPlocha(area);
    group->SetKU_KOD(ku);
    return group;
  }
  // A stand in compartment 5, sub-compartment "a", stand "1".
  TPorost* SampleStand() { return Stand(SubCompartment(Compartment("5"), "a"), "1"); }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_ui_;
  std::unique_ptr<TLHC> lhc_ = std::make_unique<TLHC>();
};

}  // namespace tarnik::plan
