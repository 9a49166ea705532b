// Fixtures of the forest unit's tests: a program directory with the staged share data, a
// recording Ui, the registered classes and small plan directories written by the test.
#pragma once

#include <string>

#include "platform/recording_ui.h"
#include "platform/ui.h"
#include "testing/test_env.h"

namespace tarnik::plan::test {

class UnitFixture {
 public:
  UnitFixture();
  ~UnitFixture();

  std::string Dir(const std::string& name) const;  // a fresh directory inside the temp dir
  // vekta.ini's key in section DATABASE ("" when missing).
  std::string Setting(const std::string& key) const;

  testing::ScopedProgramDir program;
  testing::TempDir tmp;
  platform::RecordingUi ui;

 private:
  platform::ScopedUi scoped_{&ui};
};

// A planning database in `dir` (tables.sqlite) with an LHC row of the given code, the column
// LHC_PN_PRO only for the current table set, and an empty OST_POZ table.
void WriteMerkDatabase(const std::string& dir, int lhc_kod, bool current_set);

}  // namespace tarnik::plan::test
