#include <exception>
#include <vector>

#include <fmt/format.h>

#include "framework/class_register.h"
#include "framework/stream/class_stream_data.h"
#include "framework/stream/klv_loader.h"
#include "framework/stream/stream_tools.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineKelvaLoader(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaLoader> d(out);
  d.String("FileName", &TKelvaLoader::FileName, &TKelvaLoader::SetFileName);
}

void DefineNamedFileTool(std::vector<TPropInfo>& out) {
  TPropDefs<TElement> d(out);
  d.String("FileName", &TElement::GetName, &TElement::SetName).NotStored();
}

// Restores the cursor and ends the progress of a load however it ends.
class LoadScope {
 public:
  LoadScope(TTool& tool, const std::string& name, size_t size) : tool_(tool) {
    platform::ui().SetCursor(platform::Cursor::kWait);
    tool_.BeginProgress("Načítání modelu ze souboru " + name, 0, static_cast<int32_t>(size));
  }
  ~LoadScope() {
    platform::ui().SetCursor(platform::Cursor::kDefault);
    tool_.EndProgress();
  }
  LoadScope(const LoadScope&) = delete;
  LoadScope& operator=(const LoadScope&) = delete;

 private:
  TTool& tool_;
};

// The builder with progress reports every 200 bytes of records.
class ProgressBuilder : public stream::KlvElementBuilder {
 public:
  explicit ProgressBuilder(TTool* tool) : KlvElementBuilder(tool), tool_(tool) {}
  void AfterRecord(size_t position, size_t size) override {
    if (position % 200 != 0) return;
    tool_->ReportProgress(static_cast<int32_t>(position));
    tool_->ReportProgressText(fmt::format("{} bytů z celkových {}", position, size));
    platform::ui().ProcessPendingEvents();
  }

 private:
  TTool* tool_;
};

// An old-format record set: each record names its class, its number, its children (entities)
// and its name (named classes).
class TpfReader {
 public:
  explicit TpfReader(std::string_view bytes) : reader_(bytes) {}
  ~TpfReader() { Finish(nullptr); }

  // Reads the whole list; false when the read stopped (reported).
  bool Read() {
    try {
      if (reader_.ReadRaw(4) != stream::kTpfSignature) {
        platform::ui().ShowMessage("Chyba při čtení elementu: ", platform::Severity::kPassedOver);
        return false;
      }
      reader_.ReadListBegin();
    } catch (const stream::StreamFormatError&) {
      platform::ui().ShowMessage("Chyba při čtení elementu: ", platform::Severity::kPassedOver);
      return false;
    }
    while (true) {
      std::string name;
      try {
        if (reader_.EndOfList()) return true;
        name = platform::Cp1250ToUtf8(reader_.ReadString());
      } catch (const stream::StreamFormatError&) {
        platform::ui().ShowMessage("Chyba při čtení elementu: " + name,
                                   platform::Severity::kPassedOver);
        return false;
      }
      const TClassInfo* info = FindElementClass(name);
      if (!info) {
        platform::ui().ShowMessage("Neregistrovaný element: " + name,
                                   platform::Severity::kPassedOver);
        return false;
      }
      try {
        ReadRecord(*info);
      } catch (const std::exception&) {
        platform::ui().ShowMessage("Chyba při čtení elementu: " + name,
                                   platform::Severity::kPassedOver);
        return false;
      }
    }
  }

  // The last loaded element when `keep` (nil otherwise); frees the other unheld elements.
  TElement* Finish(const TElement* keep) {
    TElement* root = nullptr;
    for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it) {
      TElement* element = it->element.Get();
      if (!element) continue;
      if (element == keep) {
        root = element;
      } else if (element->Holders().empty()) {
        delete element;
      }
    }
    loaded_.clear();
    return root;
  }
  TElement* Last() const { return loaded_.empty() ? nullptr : loaded_.back().element.Get(); }

 private:
  struct Loaded {
    TElementRef element;
    int depth = 1;
  };

  void ReadRecord(const TClassInfo& info) {
    TElement* element = info.Create();
    loaded_.push_back(Loaded{element, 1});
    const size_t position = loaded_.size() - 1;
    reader_.ReadInteger();  // the element number: its position among the records
    if (auto* entity = dynamic_cast<TEntity*>(element)) {
      reader_.ReadListBegin();
      int depth = 1;
      while (!reader_.EndOfList()) {
        const int32_t number = reader_.ReadInteger();
        if (number < 0 || static_cast<size_t>(number) >= position) continue;
        const Loaded& child = loaded_[static_cast<size_t>(number)];
        TElement* child_element = child.element.Get();
        if (!child_element || child.depth >= kMaxLoadedTreeDepth) continue;
        entity->AddElement(child_element);
        depth = std::max(depth, child.depth + 1);
      }
      loaded_[position].depth = depth;
    }
    if (element->Is<TNameElement>() || element->Is<TNameEntity>()) {
      element->SetName(platform::Cp1250ToUtf8(reader_.ReadString()));
    }
    if (const auto* data = stream::FindClassStreamData(info); data && data->read) {
      data->read(*element, reader_);
    }
  }

  stream::ValueReader reader_;
  std::vector<Loaded> loaded_;
};

std::string BadNameText(const std::string& name) { return "Chybné jméno souboru : " + name + " !"; }

}  // namespace

TARNIK_DEFINE_CLASS(TKelvaLoader, TTool, DefineKelvaLoader)
TARNIK_DEFINE_CLASS(TStreamLoader, TKelvaLoader, nullptr)
TARNIK_DEFINE_CLASS(TLoad, TStreamLoader, nullptr)
TARNIK_DEFINE_CLASS(TLoader, TTool, DefineNamedFileTool)

std::string TKelvaLoader::GetParameterName(int /*index*/) { return "FileName"; }

std::string TKelvaLoader::ReadWholeFile() const {
  if (file_name_.empty()) throw EBadStreamName(BadNameText(file_name_));
  if (!platform::FileExists(file_name_)) {
    throw EBadStream("Soubor " + file_name_ + " neexistuje!");
  }
  std::optional<std::string> bytes = platform::ReadFileBytes(file_name_);
  if (!bytes) throw EBadStream("Soubor " + file_name_ + " nelze přečíst!");
  return std::move(*bytes);
}

void TKelvaLoader::Execute() {
  TTool::Execute();
  const std::string bytes = ReadWholeFile();
  LoadBytes(bytes, file_name_);
}

void TKelvaLoader::LoadBytes(std::string_view bytes, const std::string& name) {
  LoadScope scope(*this, name, bytes.size());
  ProgressBuilder builder(this);
  stream::KlvParser parser(bytes, &builder);
  try {
    parser.Parse();
  } catch (const stream::StreamFormatError& error) {
    builder.Finish(false);
    throw EBadStream("Soubor " + name + " je poškozen: " + error.what());
  }
  SetOutput(builder.Finish(true));
}

void TStreamLoader::Execute() {
  TTool::Execute();
  const std::string bytes = ReadWholeFile();
  const std::string_view signature = std::string_view(bytes).substr(0, 4);
  if (signature == stream::kTpfSignature) {
    TLoader loader;
    loader.SetName(FileName());
    loader.LoadBytes(bytes);
    SetOutput(loader.Output());
  } else if (signature == stream::kKlvSignature) {
    LoadBytes(bytes, FileName());
  } else {
    throw EBadStream(FileName() + " ... neznámý typ souboru");
  }
}

TLoader::TLoader() { SetName("KELVA.KLV"); }

std::string TLoader::GetParameterName(int /*index*/) { return "FileName"; }

void TLoader::Execute() {
  TTool::Execute();
  const std::string name = GetName();
  if (name.empty()) throw EBadStreamName(BadNameText(name));
  std::optional<std::string> bytes = platform::ReadFileBytes(name);
  if (!bytes) throw EBadStream("Soubor " + name + " neexistuje!");
  LoadBytes(*bytes);
}

void TLoader::LoadBytes(std::string_view bytes) {
  if (bytes.substr(0, 4) != stream::kTpfSignature) {
    throw EBadStream(GetName() + " ... neznámý typ souboru");
  }
  TpfReader reader(bytes);
  if (reader.Read()) {
    SetOutput(reader.Finish(reader.Last()));
  } else {
    reader.Finish(nullptr);
  }
}

}  // namespace tarnik::framework
