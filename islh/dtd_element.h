// TDTDelement: answers, for one element name at a time, the child tokens and the attribute
// names that the document type definition declares for it, in declaration order. A line reader
// of the subset of DTD syntax the exported documents use: a declaration stands on one line and
// begins in column 1. The reader owns its lists; a lookup clears them, so callers copy what they
// keep. Failures are shown through the UI seam and leave the lists empty.
#pragma once

#include <string>
#include <vector>

namespace tarnik::islh {

class TDTDelement {
 public:
  TDTDelement() = default;
  // Opens the file; when that fails shows "Soubor <path> neexistuje !" and stays unopened.
  explicit TDTDelement(const std::string& path) { Open(path); }

  bool Open(const std::string& path);
  bool opened() const { return opened_; }
  // Loads the DTD from memory (the cached text of a file already read).
  void OpenText(std::string path, std::string text);

  // Fills children and attributes of the element `name` (ASCII case ignored). An unknown element
  // shows "Nenalezen element <name>", an unsupported content model "Chybný element <name>".
  // Throws std::runtime_error on an unopened reader.
  void ReadElement(const std::string& name);

  const std::string& element_name() const { return name_; }
  const std::vector<std::string>& children() const { return children_; }
  const std::vector<std::string>& attributes() const { return attributes_; }
  // The file the reader was opened on and, for the element last read, the 1-based line of its
  // declaration (0 when not found) and of each attribute in `attributes()`.
  const std::string& path() const { return path_; }
  size_t declaration_line() const { return declaration_line_; }
  const std::vector<size_t>& attribute_lines() const { return attribute_lines_; }

  // The token reader over one line from a 1-based position; moves *pos past what it read.
  static std::string NextToken(const std::string& line, size_t* pos);

 private:
  std::string path_;
  bool opened_ = false;
  std::vector<std::string> lines_;  // the file's lines, decoded to UTF-8
  std::string name_;
  std::vector<std::string> children_;
  std::vector<std::string> attributes_;
  size_t declaration_line_ = 0;
  std::vector<size_t> attribute_lines_;
};

}  // namespace tarnik::islh
