#include "app/cli/commands.h"

namespace tarnik::cli {

void RegisterCommands(CLI::App& root, std::vector<Command>& commands) {
  RegisterInfoCommand(root, commands);
  RegisterConvertParadoxCommand(root, commands);
  RegisterScriptCommand(root, commands);
  RegisterExportCommand(root, commands);
  RegisterMapInfoCommand(root, commands);
  RegisterLcrCommand(root, commands);
  RegisterImportCommand(root, commands);
}

}  // namespace tarnik::cli
