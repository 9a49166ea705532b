#include "framework/values/string_list.h"

#include "framework/int_text.h"
#include "framework/property_text.h"
#include "framework/values/string_element.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::framework {
namespace {

void DefineStringList(std::vector<TPropInfo>& out) {
  TPropDefs<TStringListElement> d(out);
  d.String("NextValue", nullptr, &TStringListElement::NextValue);
  d.String("NextName", nullptr, &TStringListElement::NextName);
  d.String("NextNameIsValue", nullptr, &TStringListElement::NextNameIsValue);
  d.String("NextStringList", nullptr, &TStringListElement::NextStringListText);
  d.String("LoadFromFile", nullptr,
           [](TStringListElement& self, const std::string& path) { self.LoadFromFile(path); });
  d.String("SaveToFile", nullptr,
           [](TStringListElement& self, const std::string& path) { self.SaveToFile(path); });
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TARNIK_DEFINE_CLASS(TStringListElement, TOwnerEntity, DefineStringList)

TTypeElement* TStringListElement::FindValue(std::string_view name) const {
  if (name.empty()) return nullptr;
  std::string key = platform::UpperAscii(name);
  for (TElement* child : Children()) {
    auto* value = dynamic_cast<TTypeElement*>(child);
    if (value && !value->OwnName().empty() && platform::UpperAscii(value->OwnName()) == key) {
      return value;
    }
  }
  return nullptr;
}

std::string TStringListElement::GetValue(std::string_view name) const {
  TTypeElement* value = FindValue(name);
  return value ? value->GetAsString() : std::string();
}

int32_t TStringListElement::GetValueInteger(std::string_view name) const {
  // The string rule whatever kind the child is.
  return WholeTextToInteger(GetValue(name)).value_or(0);
}

void TStringListElement::SetValue(const std::string& name, const std::string& text) {
  if (TTypeElement* value = FindValue(name)) {
    value->SetAsString(text);
  } else {
    AddElement(new TStringElement(name, text));
  }
}

void TStringListElement::NextValue(const std::string& text) {
  AddElement(new TStringElement(text));
}

void TStringListElement::NextName(const std::string& name) {
  AddElement(new TStringElement(name, std::string()));
}

void TStringListElement::NextNameIsValue(const std::string& text) {
  if (text.find('=') == std::string::npos) return;
  AddElement(new TStringElement(kNameIsValue, text));
}

void TStringListElement::NextStringList(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (platform::Trim(line).empty()) continue;
    if (line.find('=') != std::string::npos) {
      NextNameIsValue(line);
    } else {
      NextName(line);
    }
  }
}

void TStringListElement::NextStringListText(const std::string& text) {
  NextStringList(SplitLines(text));
}

bool TStringListElement::LoadFromFile(const std::string& path) {
  if (path.empty()) return false;
  std::string resolved = platform::ResolvePath(path);
  if (!platform::FileExists(resolved)) return false;
  auto lines = platform::ReadLines(resolved);
  if (!lines) return false;
  for (std::string& line : *lines) line = platform::Cp1250ToUtf8(line);
  NextStringList(*lines);
  return true;
}

bool TStringListElement::SaveToFile(const std::string& path) const {
  if (path.empty()) return false;
  std::string text;
  for (TElement* child : Children()) {
    auto* value = dynamic_cast<TTypeElement*>(child);
    std::string name = value ? value->OwnName() : child->GetName();
    text += name + "=" + (value ? value->GetAsString() : std::string()) + "\r\n";
  }
  std::string bytes;
  platform::Utf8ToCp1250(text, &bytes);  // characters the code page lacks become "?"
  return platform::WriteFileBytes(platform::ResolvePath(path), bytes);
}

std::string TStringListElement::GetPropertyText(std::string_view name) {
  if (const TPropInfo* prop = ClassType().Find(name)) {
    std::string text = PropertyText(*this, *prop);
    if (!text.empty()) return text;
  }
  return GetValue(name);
}

void TStringListElement::SetPropertyText(std::string_view name, const std::string& value) {
  if (const TPropInfo* prop = ClassType().Find(name)) {
    SetPropertyFromText(*this, *prop, value);
  } else {
    SetValue(std::string(name), value);
  }
}

std::vector<std::string> TStringListElement::ValuesToStringList() const {
  std::vector<std::string> texts;
  for (TElement* child : Children()) {
    auto* value = dynamic_cast<TTypeElement*>(child);
    texts.push_back(value ? value->GetAsString() : std::string());
  }
  return texts;
}

void TStringListElement::SplitNameValues() {
  for (TElement* child : Children()) {
    auto* value = dynamic_cast<TStringElement*>(child);
    if (!value) continue;
    std::string text = value->GetAsString();
    size_t eq = text.find('=');
    if (eq == std::string::npos) continue;
    value->SetName(platform::Trim(std::string_view(text).substr(0, eq)));
    value->SetAsString(platform::Trim(std::string_view(text).substr(eq + 1)));
  }
}

}  // namespace tarnik::framework
