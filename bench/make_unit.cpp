// bench/make-unit: writes a synthetic planning directory for the benchmarks.
//   make-unit --scale N --out DIR [--seed S] [--codelists DIR]
#include <fmt/format.h>
#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <exception>

#include "bench/unit_generator.h"
#include "platform/paths.h"

int main(int argc, char** argv) {
  CLI::App app{"Writes a synthetic forest unit into DIR/DATA and DIR/PHS"};
  double scale = 1.0;
  tarnik::bench::UnitOptions options;
  app.add_option("--scale", scale, "200 compartments per unit of scale")
      ->required()
      ->check(CLI::PositiveNumber);
  app.add_option("--out", options.out_dir, "output directory")->required();
  app.add_option("--seed", options.seed, "seed of the generator");
  app.add_option("--codelists", options.codelist_dir,
                 "code-list directory (default: CISELNIK beside the program)");
  CLI11_PARSE(app, argc, argv);

  if (options.codelist_dir.empty())
    options.codelist_dir = tarnik::platform::ExecutableDir() + "/CISELNIK";
  options.compartments = tarnik::bench::CompartmentsForScale(scale);
  try {
    auto start = std::chrono::steady_clock::now();
    tarnik::bench::UnitCounts counts = tarnik::bench::GenerateUnit(options);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (const auto& [table, rows] : counts) fmt::print("{:<10} {:>9}\n", table, rows);
    fmt::print("written in {:.2f} s\n", seconds);
  } catch (const std::exception& e) {
    fmt::print(stderr, "make-unit: {}\n", e.what());
    return 1;
  }
  return 0;
}
