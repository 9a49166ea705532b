// The model stream tools. Loaders read a model file and leave the loaded root as their Output;
// the tree then belongs to the caller (elements of the file that end up held by nothing are
// freed before Execute returns). Savers are recursors that write their Input and everything
// below it, children before parents; afterwards the IDs of the written elements hold their
// element numbers. Every tool is single-use per Execute: streams, class tables and lists live
// only for the run. File errors and damaged files raise EBadStream / EBadStreamName; unknown
// classes and changed property tables are reported as text messages (code 8) and loading goes
// on. Single-threaded.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/stream/stream_errors.h"
#include "framework/tools/recursor.h"

namespace tarnik::framework {

// Deepest element nesting a loaded tree may have; deeper children are not attached.
inline constexpr int kMaxLoadedTreeDepth = 256;

// Reads the current format ("KLV0").
class TKelvaLoader : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaLoader)
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& name) { file_name_ = name; }
  std::string GetParameterName(int index) override;
  // Reads FileName in the current format.
  void Execute() override;
  // Loads the bytes of a current-format file; `name` names it in messages. Output becomes the
  // root (nil for a file without elements). A structural fault frees everything loaded and
  // raises EBadStream.
  void LoadBytes(std::string_view bytes, const std::string& name);

 protected:
  // The file's bytes (EBadStreamName / EBadStream when it has no name or does not exist).
  std::string ReadWholeFile() const;

 private:
  std::string file_name_;
};

// Reads a file in either format, told apart by its first 4 bytes.
class TStreamLoader : public TKelvaLoader {
 public:
  TARNIK_ELEMENT_CLASS(TStreamLoader)
  void Execute() override;
};

// The registered name of the file loader.
class TLoad : public TStreamLoader {
 public:
  TARNIK_ELEMENT_CLASS(TLoad)
};

// Reads the old format ("TPF0"); the file name is the tool's Name.
class TLoader : public TTool {
 public:
  TARNIK_ELEMENT_CLASS(TLoader)
  TLoader();
  std::string GetParameterName(int index) override;
  void Execute() override;
  // Loads old-format bytes; a stopped read (reported by a message) leaves Output unchanged.
  void LoadBytes(std::string_view bytes);
};

// Writes the current format from Input into Bytes().
class TKelvaSaver : public TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TKelvaSaver)
  TKelvaSaver();
  ~TKelvaSaver() override;
  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& name) { file_name_ = name; }
  // The header comment; "No comment" when empty.
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& c) { comment_ = c; }
  std::string GetParameterName(int index) override;
  const std::string& Bytes() const;

  void Execute() override;
  bool QGoInside(TElement* element) override;
  bool QProcessAfter(TElement* /*element*/) override { return true; }
  void Process(TElement* element) override;

 private:
  struct State;
  void WriteClassDefinition(const TClassInfo& info);
  void WriteProperties(TElement& element);
  void WriteReference(TElement* target);

  std::unique_ptr<State> state_;
  std::string file_name_;
  std::string comment_;
};

// Writes the current format to FileName (replacing an existing file).
class TStreamSaver : public TKelvaSaver {
 public:
  TARNIK_ELEMENT_CLASS(TStreamSaver)
  void Execute() override;
};

// The registered name of the file writer.
class TSave : public TStreamSaver {
 public:
  TARNIK_ELEMENT_CLASS(TSave)
};

// Writes the old format to the file named by its Name; the caller stamps the tree first
// (MarkAll): only elements whose ID is not above the current stamp are written.
class TSaver : public TRecursor {
 public:
  TARNIK_ELEMENT_CLASS(TSaver)
  TSaver();
  ~TSaver() override;
  std::string GetParameterName(int index) override;
  const std::string& Bytes() const;
  void Execute() override;
  bool QProcessAfter(TElement* /*element*/) override { return true; }
  void Process(TElement* element) override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

void RegisterStreamToolClasses();

}  // namespace tarnik::framework
