// The forest unit's test fixture with the planning-database source registered, in a register of
// the fixture's own.
#pragma once

#include "data/sources/merk/merk_detection.h"
#include "forest/unit/source_register.h"
#include "testing/unit_test_support.h"

namespace tarnik::plan::test {

class MerkUnitFixture : public UnitFixture {
 public:
  MerkUnitFixture() { RegisterMerkSource(); }

 private:
  SourceRegister sources_;
  ScopedPlanSources scoped_{&sources_};
};

}  // namespace tarnik::plan::test
