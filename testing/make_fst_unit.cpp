// make-fst-unit: writes the exchange-file form (2000 form) of the unit of a planning directory,
// for the benchmark of the exchange-file source.
//   make-fst-unit DATA_DIR OUT_DIR
#include <fmt/format.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "app/commands/program_start.h"
#include "forest/unit/unit_session.h"
#include "platform/quiet_ui.h"
#include "platform/ui.h"
#include "testing/fst_unit_writer.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    fmt::print(stderr, "usage: make-fst-unit DATA_DIR OUT_DIR\n");
    return 2;
  }
  tarnik::platform::QuietUi quiet;
  tarnik::platform::ScopedUi scoped(&quiet);
  tarnik::app::RegisterProgramClasses();
  tarnik::app::RegisterPlanSources();
  const auto start = std::chrono::steady_clock::now();
  tarnik::plan::UnitSession session =
      tarnik::plan::OpenUnitSession(argv[1], {.add_to_world = false, .log = {}});
  if (!session.ok()) {
    fmt::print(stderr, "make-fst-unit: {}\n", session.failure);
    return 1;
  }
  try {
    tarnik::testing::WriteUnitFstForm(*session.unit, argv[2]);
  } catch (const std::exception& e) {
    fmt::print(stderr, "make-fst-unit: {}\n", e.what());
    tarnik::plan::CloseUnitSession(session);
    return 1;
  }
  tarnik::plan::CloseUnitSession(session);
  fmt::print("written in {:.2f} s\n",
             std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return 0;
}
