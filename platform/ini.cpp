#include "platform/ini.h"

#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::platform {
namespace {

// A value as the profile API answers it: trimmed, one pair of surrounding quotes removed.
std::string CleanValue(std::string_view raw) {
  std::string v = Trim(raw);
  if (v.size() >= 2 &&
      ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\''))) {
    v = v.substr(1, v.size() - 2);
  }
  return v;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) { Load(); }

void IniFile::Reload() { Load(); }

void IniFile::Load() {
  lines_.clear();
  auto raw = ReadLines(ResolvePath(path_));
  if (!raw) return;
  std::string section;
  for (const std::string& bytes : *raw) {
    Line line;
    line.text = Cp1250ToUtf8(bytes);
    std::string t = Trim(line.text);
    if (!t.empty() && t.front() == '[') {
      size_t close = t.find(']');
      section = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      line.section = section;
    } else if (!t.empty() && t.front() != ';' && t.front() != '#') {
      size_t eq = t.find('=');
      if (eq != std::string::npos && !section.empty()) {
        line.key = Trim(t.substr(0, eq));
        line.value = CleanValue(t.substr(eq + 1));
      }
    }
    lines_.push_back(std::move(line));
  }
}

int IniFile::Find(const std::string& section, const std::string& key, int* section_end) const {
  bool inside = false;
  int found = -1;
  if (section_end) *section_end = -1;
  for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
    const Line& l = lines_[i];
    if (Trim(l.text).rfind('[', 0) == 0) {
      if (inside) break;  // the first section of that name is the one the API reads
      inside = SameTextCz(l.section, section);
      if (inside && section_end) *section_end = i + 1;
      continue;
    }
    if (!inside) continue;
    if (!Trim(l.text).empty() && section_end) *section_end = i + 1;
    if (found < 0 && !l.key.empty() && SameTextCz(l.key, key)) found = i;
  }
  return found;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& default_value) const {
  int i = Find(section, key, nullptr);
  return i < 0 ? default_value : lines_[i].value;
}

int IniFile::ReadInteger(const std::string& section, const std::string& key,
                         int default_value) const {
  int i = Find(section, key, nullptr);
  if (i < 0) return default_value;
  auto v = TextToInt(lines_[i].value);
  return v ? *v : default_value;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

bool IniFile::SectionExists(const std::string& section) const {
  int end;
  Find(section, "", &end);
  return end >= 0;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
  return Find(section, key, nullptr) >= 0;
}

std::vector<std::string> IniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  for (const std::string& kv : ReadSectionValues(section)) {
    size_t eq = kv.find('=');
    keys.push_back(eq == std::string::npos ? kv : kv.substr(0, eq));
  }
  return keys;
}

std::vector<std::string> IniFile::ReadSectionValues(const std::string& section) const {
  std::vector<std::string> out;
  bool inside = false;
  for (const Line& l : lines_) {
    std::string t = Trim(l.text);
    if (!t.empty() && t.front() == '[') {
      if (inside) break;
      inside = SameTextCz(l.section, section);
      continue;
    }
    if (!inside || t.empty() || t.front() == ';' || t.front() == '#') continue;
    out.push_back(l.key.empty() ? t : l.key + "=" + l.value);
  }
  return out;
}

std::vector<std::string> IniFile::ReadSections() const {
  std::vector<std::string> out;
  for (const Line& l : lines_) {
    if (!l.section.empty()) out.push_back(l.section);
  }
  return out;
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  int end;
  int i = Find(section, key, &end);
  Line line;
  line.key = key;
  line.value = CleanValue(value);
  line.text = key + "=" + value;
  if (i >= 0) {
    line.key = lines_[i].key;  // keep the key's spelling as it stands in the file
    line.text = line.key + "=" + value;
    lines_[i] = std::move(line);
  } else if (end >= 0) {
    lines_.insert(lines_.begin() + end, std::move(line));
  } else {
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Line{});
    Line header;
    header.text = "[" + section + "]";
    header.section = section;
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(line));
  }
  return Save();
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::EraseKey(const std::string& section, const std::string& key) {
  int i = Find(section, key, nullptr);
  if (i < 0) return true;
  lines_.erase(lines_.begin() + i);
  return Save();
}

bool IniFile::Save() const {
  std::string bytes;
  for (const Line& l : lines_) {
    std::string encoded;
    Utf8ToCp1250(l.text, &encoded);
    bytes += encoded;
    bytes += "\r\n";
  }
  std::string target = ResolvePath(path_);
  std::string dir = DirectoryOf(target);
  if (!dir.empty() && !DirectoryExists(dir)) ForceDirectories(dir);
  return WriteFileBytes(target, bytes);
}

}  // namespace tarnik::platform
