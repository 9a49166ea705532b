// The forest unit's test fixture with every class and plan source of the program registered, the
// sources in a register of the fixture's own, as the program's start registers them.
#pragma once

#include "app/commands/program_start.h"
#include "forest/unit/source_register.h"
#include "testing/unit_test_support.h"

namespace tarnik::app::test {

class ProgramUnitFixture : public plan::test::UnitFixture {
 public:
  ProgramUnitFixture() {
    RegisterProgramClasses();
    RegisterPlanSources();
  }

  plan::SourceRegister sources;

 private:
  plan::ScopedPlanSources scoped_{&sources};
};

}  // namespace tarnik::app::test
