// The sharing lock of a stored set: an INI file beside the model file (its name with the
// extension ".UZI"), whose section "Sdileni" key "Prave_uziva" names the user who holds the set
// for writing ("nikdo" for nobody). Free functions over the file; the question of a foreign
// lock goes through the UI seam.
#pragma once

#include <string>

namespace tarnik::plan {

inline constexpr const char* kSharingSection = "Sdileni";
inline constexpr const char* kSharingKey = "Prave_uziva";
inline constexpr const char* kNobody = "nikdo";

// AdresaKlvu without its extension + ".UZI".
std::string SharingLockPath(const std::string& model_file);
// The operating-system login name ("nikdo" is never answered; an unknown user is "neznamy").
std::string CurrentUserName();

// Writing PouzeCteni of a set whose model file is `model_file`. `checked` is KontrolovatSdileni,
// `read_only` the current value. Answers the new value; failures show the three messages of the
// set ("chyba v TLesniMnozina.SetPouzeCteni", the file, the history) and keep the current value.
bool ApplyReadOnly(bool requested, bool checked, bool read_only, const std::string& model_file,
                   const std::string& history);

}  // namespace tarnik::plan
