#include "data/engine/phs_switches.h"

#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "platform/fs.h"
#include "platform/ini.h"
#include "platform/text.h"

namespace tarnik::engine {

namespace {
bool CodeListHas(const std::string& directory, const std::string& table) {
  if (!platform::FileExists(platform::JoinPath(directory, kDatabaseFileName))) return false;
  try {
    return Database::Open(directory, OpenMode::kReadOnly).TableExists(table);
  } catch (const EngineError&) {
    return false;
  }
}
}  // namespace

PhsSwitches ReadPhsSwitches(const std::string& phs_directory,
                            const std::string& code_list_directory) {
  std::string path = platform::FindInDirectory(phs_directory, kPhsIniFile)
                         .value_or(platform::JoinPath(phs_directory, kPhsIniFile));
  platform::IniFile ini(path);
  auto on = [&](const char* key, const char* fallback) {
    return platform::UpperCz(platform::Trim(ini.ReadString(kPhsIniSection, key, fallback))) ==
           "ANO";
  };
  PhsSwitches s;
  s.VerzeProNarodniPark = on("VerzeProNarodniPark", "CHYB");
  s.Katastr6mist9Mist = ini.ReadString(kPhsIniSection, "Katastr6mist9Mist", "dleDat");
  s.probirky_Z_Tabulky = on("probirky_Z_Tabulky", "CHYB");
  s.ZasetrovatHodnotnePrimesy = on("ZasetrovatHodnotnePrimesy", "CHYB");
  s.PocitatHSdleDAZIviPostaru = on("PocitatHSdleDAZIviPostaru", "ANO");
  s.DoplnovatKtgZvlOchrZeSamostTabulek = on("DoplnovatKtgZvlOchrZeSamostTabulek", "ANO");
  s.CiselnikZvlStBezOchrPrir =
      on("CiselnikZvlStBezOchrPrir", "ANO") && CodeListHas(code_list_directory, "ZVL_STBzOchr");
  return s;
}

}  // namespace tarnik::engine
