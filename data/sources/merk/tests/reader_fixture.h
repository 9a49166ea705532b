// Fixture of the plan reader tests: registers the model classes, records the user interface,
// builds a plan directory from the sample's table schema plus fixture rows (or from the whole
// sample) in a temporary folder and reads it compartment by compartment. Every property name
// the readers write that the model does not publish is collected in `missing_`.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/engine/plan_tables.h"
#include "data/sources/merk/plan_readers.h"
#include "data/sources/merk/row_access.h"
#include "forest/codelists/code_list_container.h"
#include "forest/forest_classes.h"
#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/hierarchy_classes.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"
#include "forest/layers/afforestation.h"
#include "forest/layers/layer.h"
#include "forest/layers/layer_classes.h"
#include "forest/layers/tree_species.h"
#include "forest/option_flags.h"
#include "framework/framework_classes.h"
#include "platform/numtext.h"
#include "platform/recording_ui.h"
#include "testing/engine_test_util.h"
#include "testing/test_env.h"

namespace tarnik::plan::test {

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() : scoped_ui_(&ui_) {
    framework::RegisterFrameworkClasses();
    RegisterForestClasses();
    RegisterHierarchyClasses();
    RegisterLayerClasses();
    forest::Flags() = forest::OptionFlags();
    platform::SetDecimalSeparator('.');
    previous_hook_ = readers::SetMissingPropertyHook(
        [this](const std::string& c, const std::string& p) { missing_.push_back(c + "." + p); });
  }
  ~ReaderTest() override {
    readers::SetMissingPropertyHook(std::move(previous_hook_));
    compartment_.reset();
    tables_.reset();
    forest::Flags() = forest::OptionFlags();
    platform::SetDecimalSeparator(',');
  }

  // The sample unit's plan directory.
  void OpenSample(bool older = false) {
    engine::test::BuildSqlDirectory("samples/demo/DATA", tmp_.File("DATA"));
    Open(older);
  }
  // The sample's table schema with the rows of a fixture of data/sources/merk/tests/data.
  void OpenFixture(const std::string& fixture, const std::string& schema = "") {
    const std::string schema_sql =
        schema.empty() ? testing::ReadFile(testing::SourcePath("samples/demo/DATA/00_schema.sql"))
                       : Fixture(schema);
    engine::test::RunSql(tmp_.File("DATA"),
                         "BEGIN;\n" + schema_sql + "\n" + Fixture(fixture) + "\nCOMMIT;\n");
    Open(!schema.empty());
  }
  static std::string Fixture(const std::string& name) {
    return testing::ReadFile(testing::SourcePath("data/sources/merk/tests/data/" + name));
  }

  void Open(bool older) {
    db_ = std::make_unique<engine::Database>(engine::Database::Open(tmp_.File("DATA")));
    tables_ = std::make_unique<engine::PlanTables>(*db_, older);
    ctx_.tables = tables_.get();
    ctx_.older_set = older;
    ctx_.progress = [this](const std::string& text) { progress_.push_back(text); };
  }

  // The next compartment (kept until the next call); nullptr at the end.
  TOddeleni* Next() {
    compartment_.reset(NactiOddeleni(ctx_));
    return compartment_.get();
  }

  // Elements below a compartment by keys; nullptr when one is missing.
  static TDilec* Dil(TOddeleni* odd, const std::string& dil) {
    return odd ? odd->DilecJmenem(dil) : nullptr;
  }
  static TPorost* Por(TOddeleni* odd, const std::string& dil, const std::string& por) {
    TDilec* d = Dil(odd, dil);
    return d ? d->PorostJmenem(por) : nullptr;
  }
  // The element of a key as the set normalises it; the set's current element stays.
  template <class T = framework::TElement>
  static T* Key(TLesniMnozina* set, const std::string& key) {
    if (!set) return nullptr;
    framework::TElement* current = set->AktualniPrvek();
    set->SetJmenoAktualnihoPrvku(key);
    framework::TElement* found = set->AktualniPrvek();
    set->SetAktualniPrvek(current);
    return dynamic_cast<T*>(found);
  }
  static std::vector<std::string> Keys(TLesniMnozina* set) {
    std::vector<std::string> keys;
    if (set)
      for (framework::TElement* e : set->Prvky()) keys.push_back(set->KeyOf(*e));
    return keys;
  }
  static std::vector<std::string> Names(TLesniMnozina* set) {
    std::vector<std::string> names;
    if (set)
      for (framework::TElement* e : set->Prvky()) names.push_back(e->GetName());
    return names;
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_ui_;
  testing::TempDir tmp_;
  std::unique_ptr<engine::Database> db_;
  std::unique_ptr<engine::PlanTables> tables_;
  PlanReadContext ctx_;
  std::unique_ptr<TOddeleni> compartment_;
  std::vector<std::string> missing_;
  std::vector<std::string> progress_;
  readers::MissingPropertyHook previous_hook_;
};

}  // namespace tarnik::plan::test
