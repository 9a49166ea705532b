// Runs the command-line front end in-process for the CLI tests: the arguments after "tarnik",
// the exit code and what went to stdout and stderr. The world is reset after every run, so each
// run starts as a fresh process would.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli_app.h"
#include "framework/models/world.h"

namespace tarnik::cli::test {

struct Result {
  int code;
  std::string out, err;
};

inline Result RunTarnik(std::vector<std::string> args) {
  args.insert(args.begin(), "tarnik");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  int code = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
  framework::ResetWorld();
  return {code, out.str(), err.str()};
}

}  // namespace tarnik::cli::test
