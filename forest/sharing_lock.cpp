#include "forest/sharing_lock.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <exception>

#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

struct LockFailure {};

void WriteHolder(platform::IniFile& ini, const std::string& user) {
  if (!ini.WriteString(kSharingSection, kSharingKey, user)) throw LockFailure{};
}

}  // namespace

std::string SharingLockPath(const std::string& model_file) {
  return platform::ChangeExtension(model_file, ".UZI");
}

std::string CurrentUserName() {
  if (const char* login = getlogin(); login != nullptr && *login != '\0') return login;
  if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
    return entry->pw_name;
  if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
  return "neznamy";
}

bool ApplyReadOnly(bool requested, bool checked, bool read_only, const std::string& model_file,
                   const std::string& history) {
  int step = 1;
  try {
    if (requested) {
      step = 2;
      if (!read_only && checked) {
        platform::IniFile ini(SharingLockPath(model_file));
        step = 3;
        if (ini.ReadString(kSharingSection, kSharingKey, kNobody) == CurrentUserName()) {
          step = 4;
          WriteHolder(ini, kNobody);
        }
      }
      return true;
    }
    if (!checked) return false;
    step = 5;
    platform::IniFile ini(SharingLockPath(model_file));
    const std::string user = CurrentUserName();
    const std::string holder = ini.ReadString(kSharingSection, kSharingKey, kNobody);
    step = 6;
    if (holder == kNobody || holder == user) {
      WriteHolder(ini, user);
      return false;
    }
    step = 7;
    const std::string question =
        "Soubor \"" + model_file + "\"\nje uživatelem \"" + holder +
        "\" již otevřen pro zápis.\nPokud jej přepišete, nemusí se zapsat některé změny. Chcete "
        "přesto zapsat?";
    if (platform::ui().Ask(question, {platform::Button::kYes, platform::Button::kNo}) ==
        platform::Button::kYes) {
      step = 8;
      WriteHolder(ini, user);
      return false;
    }
    return true;
  } catch (const LockFailure&) {
  } catch (const std::exception&) {
  }
  platform::ui().ShowMessage(" chyba v TLesniMnozina.SetPouzeCteni chy=" + std::to_string(step),
                             platform::Severity::kFailure);
  platform::ui().ShowMessage("AO=" + model_file, platform::Severity::kFailure);
  platform::ui().ShowMessage("historie=" + history, platform::Severity::kFailure);
  return read_only;
}

}  // namespace tarnik::plan
