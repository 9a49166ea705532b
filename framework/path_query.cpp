// Path queries over published object properties and entity lookups:
//   step ("." step)*   where a step is a property name or FINDELEMENTBYNAME(x) /
//   FINDELEMENTBYCLASS(x); ListByPath also accepts "name.ELEMENT" at the end.
#include <string>
#include <vector>

#include "framework/class_register.h"
#include "framework/element.h"
#include "framework/entity.h"
#include "framework/errors.h"
#include "framework/property_text.h"
#include "platform/text.h"

namespace tarnik::framework {
namespace {

enum class Query { kValue, kList, kFind };

struct Result {
  std::string value;
  std::vector<std::string> list;
  TElement* element = nullptr;
};

std::string Pos(size_t zero_based) { return std::to_string(zero_based + 1); }

[[noreturn]] void Expecting(size_t pos, const char* what) {
  throw EKelvaError("Chyba syntaxe. .. na pozici " + Pos(pos) + " očekávám \"" + what + "\"");
}

void SkipBlanks(std::string_view path, size_t& pos) {
  while (pos < path.size() && (path[pos] == ' ' || path[pos] == '\t')) ++pos;
}

Result Walk(TElement* start, std::string_view path, Query query) {
  Result result;
  TElement* current = start;
  size_t pos = 0;
  while (true) {
    size_t step_start = pos;
    while (pos < path.size() && path[pos] != '.' && path[pos] != '(') ++pos;
    std::string name = platform::Trim(path.substr(step_start, pos - step_start));

    if (pos < path.size() && path[pos] == '(') {
      auto* entity = dynamic_cast<TEntity*>(current);
      if (!entity) {
        throw EKelvaError("Objekt na pozici " + Pos(step_start) +
                          " není Entita ... nelze prohledávat");
      }
      size_t close = path.find(')', pos + 1);
      if (close == std::string_view::npos) Expecting(path.size(), ")");
      std::string argument = platform::Trim(path.substr(pos + 1, close - pos - 1));
      std::string function = platform::UpperAscii(name);
      if (function == "FINDELEMENTBYNAME") {
        current = entity->FindElementByName(argument);
      } else if (function == "FINDELEMENTBYCLASS") {
        current = entity->FindElementByClass(GetElementClass(argument));
      } else {
        current = nullptr;
      }
      pos = close + 1;
      SkipBlanks(path, pos);
      if (pos >= path.size()) {
        if (query != Query::kFind) Expecting(pos, ".");
        result.element = current;
        return result;
      }
      if (path[pos] != '.') Expecting(pos, ".");
      ++pos;
      if (!current) throw EKelvaError("Chyba ... nenalezl jsem objekt " + argument);
      continue;
    }

    if (pos >= path.size()) {
      // The last step: a property of the current element.
      if (!current) return result;
      switch (query) {
        case Query::kValue:
          result.value = current->GetPropertyText(name);
          break;
        case Query::kList:
          result.list.push_back(current->GetPropertyText(name));
          break;
        case Query::kFind:
          result.element = GetPropertyObject(current, name);
          break;
      }
      return result;
    }

    // name followed by "."
    ++pos;
    if (query == Query::kList) {
      size_t look = pos;
      SkipBlanks(path, look);
      size_t word_end = look;
      while (word_end < path.size() && path[word_end] != '.' && path[word_end] != '(' &&
             path[word_end] != ' ') {
        ++word_end;
      }
      if (platform::UpperAscii(path.substr(look, word_end - look)) == "ELEMENT") {
        if (!current) throw EKelvaError("Poslední objekt není ani Element, natož Entita !");
        auto* entity = dynamic_cast<TEntity*>(current);
        if (!entity) throw EKelvaError("Poslední objekt není Entita - nelze vytvořit seznam !");
        size_t rest = word_end;
        SkipBlanks(path, rest);
        if (rest < path.size()) {
          throw EKelvaError("Chybné zakončení příkazu: " + std::string(1, path[rest]));
        }
        std::vector<TElement*> children = entity->Children();
        for (TElement* child : children) result.list.push_back(child->GetPropertyText(name));
        return result;
      }
    }
    if (!current) throw EKelvaError("Chyba ... nenalezl jsem objekt " + name);
    current = GetPropertyObject(current, name);
    if (!current) return result;  // a missing or non-object property ends the walk with nil
  }
}

}  // namespace

std::string TElement::GetValueByPath(std::string_view path) {
  return Walk(this, path, Query::kValue).value;
}

std::vector<std::string> TElement::ListByPath(std::string_view path) {
  return Walk(this, path, Query::kList).list;
}

TElement* TElement::FindByPath(std::string_view path) {
  return Walk(this, path, Query::kFind).element;
}

}  // namespace tarnik::framework
