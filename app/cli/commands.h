// The registrars of the subcommands, one per *_command.cpp file.
#pragma once

#include "app/cli/cli_app.h"

namespace tarnik::cli {

void RegisterInfoCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterConvertParadoxCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterScriptCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterExportCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterMapInfoCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterLcrCommand(CLI::App& root, std::vector<Command>& commands);
void RegisterImportCommand(CLI::App& root, std::vector<Command>& commands);

}  // namespace tarnik::cli
