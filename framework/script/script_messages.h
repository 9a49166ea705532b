// The interpreter's error codes and their Czech texts, and the form of an error line in the
// output list. Pure functions; the texts are UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace tarnik::framework::script {

// Codes of reported errors: 1 missing script file, 2 exception in a line, 3-9 statement errors.
enum TScriptError : int {
  kErrMissingScript = 1,
  kErrException = 2,
  kErrActiveElementSyntax = 3,
  kErrActiveElementList = 4,
  kErrObjectNotFound = 5,
  kErrBadRightObject = 6,
  kErrListBaseNotEntity = 7,
  kErrNotElement = 8,
  kErrBadLeftSide = 9,
};

std::string MissingScriptText(const std::string& path);
// The report of an exception: file, 1-based line number, the line in quotes, the message.
std::string ExceptionText(const std::string& file_name, int line_number_1based,
                          const std::string& line, const std::string& message);
// The texts of codes 3 to 9 (`subject` is the statement, for code 5 the name not found).
std::string StatementErrorText(int code, const std::string& subject);
// "ERROR " + code + ": " + message.
std::string ErrorLine(int code, const std::string& message);
bool IsErrorLine(const std::string& line);

// Exception texts raised while evaluating a path (positions 1-based).
std::string ElementNotFoundText(const std::string& token);
std::string UnknownClassText(const std::string& class_name);
std::string UnknownFunctionText(const std::string& name);
std::string NotEntityText(size_t position);
std::string NotToolText(size_t position);
std::string NotTechnologyText(size_t position);
std::string MissingCloseText(size_t position);
std::string BadAfterCallText(size_t position);
std::string CannotFreeText(size_t position);
std::string CallNestingText(int limit, const std::string& file_name);

}  // namespace tarnik::framework::script
