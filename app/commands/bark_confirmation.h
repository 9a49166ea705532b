// The question before an export whose volumes would be written with bark.
#pragma once

#include <string>

namespace tarnik::app {

// The question's caption and text (three lines).
extern const char* const kBarkQuestionCaption;
std::string BarkQuestionText();

// Yes without asking when volumes are exported under bark (Odkorneno); otherwise asks the
// question with the buttons "Ano" and "Ne" and answers yes only for "Ano".
bool ConfirmBarkExport();

}  // namespace tarnik::app
