// The command-line program: `tarnik --help` lists the subcommands.
#include <iostream>

#include "app/cli/cli_app.h"

int main(int argc, char** argv) { return tarnik::cli::RunCli(argc, argv, std::cout, std::cerr); }
