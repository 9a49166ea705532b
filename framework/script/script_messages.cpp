#include "framework/script/script_messages.h"

#include <fmt/format.h>

namespace tarnik::framework::script {

std::string MissingScriptText(const std::string& path) {
  return "Skriptový soubor " + path + " nenalezen !";
}

std::string ExceptionText(const std::string& file_name, int line_number_1based,
                          const std::string& line, const std::string& message) {
  return fmt::format("Soubor {}, řádek.č.{}:\r\n\"{}\"\r\r\nChyba: {}", file_name,
                     line_number_1based, line, message);
}

std::string StatementErrorText(int code, const std::string& subject) {
  switch (code) {
    case kErrActiveElementSyntax:
      return "Chyba .. nastavení aktivního elementu: " + subject;
    case kErrActiveElementList:
      return "Chyba .. jako aktivní element nelze přiřadit seznam (klíčové slovo ELEMENT "
             "nahraďte názvem property): " +
             subject;
    case kErrObjectNotFound:
      return "Chyba .. Nemohu nalézt objekt " + subject;
    case kErrBadRightObject:
      return "výsledný objekt na pravé straně výrazu je chybný " + subject;
    case kErrListBaseNotEntity:
      return "Chyba .. Základ seznamu na levé straně není entita (nebo je objekt poškozen) : " +
             subject;
    case kErrNotElement:
      return "Chyba .. objekt na pravé straně výrazu není element: " + subject;
    case kErrBadLeftSide:
      return "Chyba .. Chybný objekt nebo properta na levé straně výrazu : " + subject;
    default:
      return subject;
  }
}

std::string ErrorLine(int code, const std::string& message) {
  return fmt::format("ERROR {}: {}", code, message);
}

bool IsErrorLine(const std::string& line) { return line.rfind("ERROR ", 0) == 0; }

std::string ElementNotFoundText(const std::string& token) {
  return "Nemohu nalézt element " + token;
}

std::string UnknownClassText(const std::string& class_name) {
  return "Neexistující třída: " + class_name;
}

std::string UnknownFunctionText(const std::string& name) { return "chybná funkce: " + name; }

std::string NotEntityText(size_t position) {
  return fmt::format("Objekt na pozici {} není Entita", position);
}

std::string NotToolText(size_t position) {
  return fmt::format("Objekt na pozici {} není Tool", position);
}

std::string NotTechnologyText(size_t position) {
  return fmt::format("Objekt na pozici {} není Technology", position);
}

std::string MissingCloseText(size_t position) {
  return fmt::format("Syntaktická chyba - na pozici {} očekávám \")\"", position);
}

std::string BadAfterCallText(size_t position) {
  return fmt::format("Syntaktická chyba - na pozici {} očekávám \".\" nebo nic", position);
}

std::string CannotFreeText(size_t position) {
  return fmt::format("Objekt na pozici {} nelze uvolnit", position);
}

std::string CallNestingText(int limit, const std::string& file_name) {
  return fmt::format("Překročena nejvyšší hloubka vnoření skriptů ({}) při volání {}", limit,
                     file_name);
}

}  // namespace tarnik::framework::script
