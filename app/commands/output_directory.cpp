#include "app/commands/output_directory.h"

#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::app {
namespace {

constexpr const char* kSuffix = "/ISHULXML";
constexpr size_t kSuffixLength = 9;
// What the selection dialog answers when nothing was chosen.
constexpr const char* kNothingChosen = "NicSeNavybralo";

}  // namespace

std::string IshulxmlDirectory(const std::string& chosen) {
  std::string dir = platform::NormalizePath(chosen);
  if (!dir.empty() && dir.back() == '/') dir.pop_back();
  if (dir.size() < kSuffixLength ||
      platform::UpperAscii(dir.substr(dir.size() - kSuffixLength)) != kSuffix) {
    dir += kSuffix;
  }
  return dir;
}

OutputDirectory ChooseOutputDirectory(const std::string& start) {
  OutputDirectory result;
  std::optional<std::string> answer =
      platform::ui().Select({false, "Vyhledej adresar kam bude vyexportován ISHULXML.", start,
                             "*.*", platform::SelectionForm::kWide});
  // An empty answer is no choice either (it would name the root directory's ISHULXML).
  if (!answer || answer->empty() || *answer == kNothingChosen) return result;
  result.path = IshulxmlDirectory(*answer);
  platform::ForceDirectories(result.path);
  if (!platform::DirectoryExists(result.path)) {
    platform::ui().ShowMessage("Nelze vytořit adresář \"" + result.path + "\".",
                               platform::Severity::kFailure);
    result.status = OutputDirectory::Status::kFailed;
    return result;
  }
  result.status = OutputDirectory::Status::kReady;
  return result;
}

}  // namespace tarnik::app
