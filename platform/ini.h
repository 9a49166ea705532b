// INI files as the Windows profile API treats them: section and key names case-insensitive,
// values trimmed, the first of duplicate keys wins, a missing file reads as empty. On disk the
// file is Windows-1250 with CR LF; in memory everything is UTF-8. Writing a key rewrites the
// file at once (through a temporary file), keeping every other line and comment as it was.
#pragma once

#include <string>
#include <vector>

namespace tarnik::platform {

class IniFile {
 public:
  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  int ReadInteger(const std::string& section, const std::string& key, int default_value) const;
  // "1"/"0" as the Delphi TIniFile writes them; any integer other than 0 reads as true.
  bool ReadBool(const std::string& section, const std::string& key, bool default_value) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  // The keys of a section, in file order.
  std::vector<std::string> ReadSection(const std::string& section) const;
  // The section's lines as "key=value" (trimmed), in file order; lines without "=" as they are.
  std::vector<std::string> ReadSectionValues(const std::string& section) const;
  std::vector<std::string> ReadSections() const;

  // Writes a key (adding the section at the end when missing); false when the file cannot be
  // written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);
  bool EraseKey(const std::string& section, const std::string& key);

  // Re-reads the file (other writers may have changed it).
  void Reload();

 private:
  struct Line {
    std::string text;     // the line as it stands (UTF-8, no line end)
    std::string section;  // set on section header lines
    std::string key;      // set on key lines
    std::string value;
  };
  void Load();
  bool Save() const;
  // Index of the key's line in the section, or -1; *section_end gets the index after the
  // section's last non-blank line (or -1 when the section is missing).
  int Find(const std::string& section, const std::string& key, int* section_end) const;

  std::string path_;
  std::vector<Line> lines_;
};

}  // namespace tarnik::platform
