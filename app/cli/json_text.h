// JSON output of the commands (UTF-8): string literals and the messages a command reported.
#pragma once

#include <string>
#include <vector>

#include "platform/console_ui.h"

namespace tarnik::cli {

// A JSON string literal: quotes, backslashes and control characters escaped, other bytes
// (UTF-8) as they are.
std::string JsonText(const std::string& text);

// `"messages":[{"severity":"...","text":"..."},...]` of every message and protocol line the
// console showed (status lines left out).
std::string JsonMessages(const std::vector<platform::ConsoleUi::Logged>& log);

}  // namespace tarnik::cli
