#include <algorithm>
#include <exception>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <fmt/format.h>

#include "framework/class_register.h"
#include "framework/stamp.h"
#include "framework/stream/class_stream_data.h"
#include "framework/stream/klv_parser.h"
#include "framework/stream/stream_tools.h"
#include "framework/stream/value_io.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::framework {
namespace {

void DefineKelvaSaver(std::vector<TPropInfo>& out) {
  TPropDefs<TKelvaSaver> d(out);
  d.String("FileName", &TKelvaSaver::FileName, &TKelvaSaver::SetFileName);
  d.String("Comment", &TKelvaSaver::Comment, &TKelvaSaver::SetComment);
}

void DefineSaver(std::vector<TPropInfo>& out) {
  TPropDefs<TElement> d(out);
  d.String("FileName", &TElement::GetName, &TElement::SetName).NotStored();
}

std::string ToCp1250(const std::string& text) {
  std::string out;
  platform::Utf8ToCp1250(text, &out);
  return out;
}

void WriteFileOrThrow(const std::string& name, const std::string& bytes) {
  if (name.empty()) throw EBadStreamName("Chybné jméno souboru : " + name + " !");
  if (!platform::WriteFileBytes(name, bytes)) {
    throw EBadStream("Soubor " + name + " nelze vytvořit!");
  }
}

}  // namespace

struct TKelvaSaver::State {
  stream::ValueWriter out;
  int32_t stamp = 0;
  int32_t counter = 0;
  bool progress = false;
  std::unordered_map<const TElement*, int32_t> written;
  std::vector<const TClassInfo*> classes;
  // Elements outside the tree being written inline, and the nesting of inline lists.
  std::unordered_set<const TElement*> inline_members;
  int inline_depth = 0;
};

struct TSaver::State {
  stream::ValueWriter out;
  int32_t stamp = 0;
  int32_t counter = 0;
  std::unordered_map<const TElement*, int32_t> written;
};

TARNIK_DEFINE_CLASS(TKelvaSaver, TRecursor, DefineKelvaSaver)
TARNIK_DEFINE_CLASS(TStreamSaver, TKelvaSaver, nullptr)
TARNIK_DEFINE_CLASS(TSave, TStreamSaver, nullptr)
TARNIK_DEFINE_CLASS(TSaver, TRecursor, DefineSaver)

TKelvaSaver::TKelvaSaver() : state_(std::make_unique<State>()) {}
TKelvaSaver::~TKelvaSaver() = default;

std::string TKelvaSaver::GetParameterName(int /*index*/) { return "FileName"; }

const std::string& TKelvaSaver::Bytes() const { return state_->out.bytes(); }

void TKelvaSaver::Execute() {
  state_ = std::make_unique<State>();
  State& s = *state_;
  TElement* input = Input();
  if (!input) {
    TTool::Execute();
    s.out.WriteListEnd();
    return;
  }
  auto* entity = dynamic_cast<TEntity*>(input);
  const int count = entity ? entity->WholeCount() : 500;
  s.progress = entity && count > 500;
  if (s.progress) {
    BeginProgress(
        fmt::format("Ukládání modelu do souboru {} -celkem {} Elementů", file_name_, count), 0,
        count);
  }
  input->MarkAll();
  s.stamp = CurrentTraversalStamp();
  s.out.WriteRaw(stream::kKlvSignature);
  s.out.WriteString(stream::kProgramName);
  s.out.WriteString(stream::kFormatVersion);
  s.out.WriteString(ToCp1250(comment_.empty() ? std::string(stream::kNoComment) : comment_));
  s.out.WriteListBegin();
  TRecursor::Execute();
  s.out.WriteListEnd();
  if (s.progress) EndProgress();
}

bool TKelvaSaver::QGoInside(TElement* element) {
  if (!dynamic_cast<TEntity*>(element)) return false;
  return state_->inline_depth == 0 || state_->inline_members.count(element) > 0;
}

void TKelvaSaver::WriteClassDefinition(const TClassInfo& info) {
  State& s = *state_;
  if (!FindElementClass(info.Name())) {
    RegisterElementClass(info);
    Report(info.Name() + " - Unknown class !");
  }
  s.out.WriteInteger(-1);
  s.out.WriteString(ToCp1250(info.Name()));
  s.out.WriteInteger(static_cast<int32_t>(s.classes.size()));
  s.classes.push_back(&info);
  s.out.WriteListBegin();
  for (const TPropInfo& prop : info.Properties()) {
    s.out.WriteString(ToCp1250(prop.name));
    s.out.WriteInteger(static_cast<int32_t>(prop.kind));
    if (prop.DeclaredStored() && (!prop.HasReader() || !prop.HasWriter())) {
      Report(info.Name() + " property \"" + prop.name + "\" is Read or Write Only!");
    }
  }
  s.out.WriteListEnd();
}

void TKelvaSaver::WriteReference(TElement* target) {
  State& s = *state_;
  if (auto it = s.written.find(target); it != s.written.end()) {
    s.out.WriteInteger(it->second);
    return;
  }
  // Elements of the tree not written yet (forward references) cannot be resolved on reading.
  if (target->ID() == s.stamp || s.inline_members.count(target) > 0 ||
      s.inline_depth + 1 >= stream::kMaxInlineDepth) {
    s.out.WriteInteger(-1);
    return;
  }
  // Outside the tree: written inline with everything below it that is outside the tree too.
  std::vector<const TElement*> members;
  std::vector<TElement*> pending{target};
  while (!pending.empty()) {
    TElement* e = pending.back();
    pending.pop_back();
    if (s.written.count(e) || e->ID() == s.stamp || s.inline_members.count(e)) continue;
    s.inline_members.insert(e);
    members.push_back(e);
    if (auto* entity = dynamic_cast<TEntity*>(e)) {
      for (TElement* child : entity->Children()) pending.push_back(child);
    }
  }
  const TElementRef target_ref(target);
  s.out.WriteInteger(-2);
  s.out.WriteListBegin();
  ++s.inline_depth;
  Visit(target_ref);
  --s.inline_depth;
  s.out.WriteListEnd();
  for (const TElement* e : members) s.inline_members.erase(e);
  if (TElement* t = target_ref.Get()) t->SetID(-1);
}

void TKelvaSaver::WriteProperties(TElement& element) {
  State& s = *state_;
  const auto& props = element.ClassType().Properties();
  s.out.WriteListBegin();
  for (size_t i = 0; i < props.size(); ++i) {
    const TPropInfo& prop = props[i];
    if (!prop.HasReader() || !prop.HasWriter()) continue;
    const auto index = static_cast<int32_t>(i);
    try {
      if (!prop.IsStoredFor(element)) continue;
      switch (prop.kind) {
        case TTypeKind::tkInteger:
        case TTypeKind::tkEnumeration:
        case TTypeKind::tkSet: {
          const auto v = static_cast<int32_t>(prop.get_ord(element));
          if (v == prop.default_value.value_or(0)) break;
          s.out.WriteInteger(index);
          s.out.WriteInteger(v);
          break;
        }
        case TTypeKind::tkChar: {
          // A character travels as a one-character string.
          const auto c = static_cast<char>(prop.get_ord(element));
          s.out.WriteInteger(index);
          s.out.WriteString(std::string(1, c));
          break;
        }
        case TTypeKind::tkFloat: {
          const double v = prop.get_float(element);
          if (v == prop.default_float.value_or(0)) break;
          s.out.WriteInteger(index);
          s.out.WriteFloat(v);
          break;
        }
        case TTypeKind::tkString:
        case TTypeKind::tkLString: {
          const std::string v = prop.get_str(element);
          if (v.empty()) break;
          s.out.WriteInteger(index);
          s.out.WriteString(ToCp1250(v));
          break;
        }
        case TTypeKind::tkClass: {
          TElement* target = prop.get_obj(element);
          if (!target) break;
          s.out.WriteInteger(index);
          WriteReference(target);
          break;
        }
        default:
          break;
      }
    } catch (const std::exception&) {
      // A property whose reader fails is left out.
    }
  }
  s.out.WriteListEnd();
}

void TKelvaSaver::Process(TElement* element) {
  State& s = *state_;
  if (s.written.count(element)) return;
  if (s.inline_depth > 0) {
    if (s.inline_members.erase(element) == 0) return;
  } else if (element->ID() != s.stamp) {
    return;
  }
  const int32_t number = s.counter++;
  element->SetID(number);
  s.written[element] = number;
  if (s.progress && s.counter % 500 == 0) {
    ReportProgress(s.counter);
    ReportProgressText(fmt::format("Uloženo {} elementů", s.counter));
    platform::ui().ProcessPendingEvents();
  }
  const TClassInfo& info = element->ClassType();
  auto found = std::find(s.classes.rbegin(), s.classes.rend(), &info);
  int32_t class_number;
  if (found == s.classes.rend()) {
    class_number = static_cast<int32_t>(s.classes.size());
    WriteClassDefinition(info);
  } else {
    class_number = static_cast<int32_t>(s.classes.rend() - found - 1);
  }
  const TElementRef ref(element);
  s.out.WriteInteger(class_number);
  s.out.WriteInteger(number);
  WriteProperties(*element);
  auto* entity = ref.As<TEntity>();
  if (!entity || entity->GetCount() == 0) {
    s.out.WriteInteger(0);
    return;
  }
  s.out.WriteInteger(1);
  s.out.WriteListBegin();
  for (TElement* child : entity->Children()) {
    if (auto it = s.written.find(child); it != s.written.end()) {
      s.out.WriteInteger(it->second);
    } else {
      Report(fmt::format("{}: {}\r", child->GetName(), child->ID()));
    }
  }
  s.out.WriteListEnd();
}

void TStreamSaver::Execute() {
  if (FileName().empty()) throw EBadStreamName("Chybné jméno souboru : " + FileName() + " !");
  TKelvaSaver::Execute();
  WriteFileOrThrow(FileName(), Bytes());
}

TSaver::TSaver() : state_(std::make_unique<State>()) { SetName("KELVA.KLV"); }
TSaver::~TSaver() = default;

std::string TSaver::GetParameterName(int /*index*/) { return "FileName"; }

const std::string& TSaver::Bytes() const { return state_->out.bytes(); }

void TSaver::Execute() {
  state_ = std::make_unique<State>();
  State& s = *state_;
  s.stamp = CurrentTraversalStamp();
  s.out.WriteRaw(stream::kTpfSignature);
  s.out.WriteListBegin();
  TRecursor::Execute();
  s.out.WriteListEnd();
  WriteFileOrThrow(GetName(), s.out.bytes());
}

void TSaver::Process(TElement* element) {
  State& s = *state_;
  if (s.written.count(element) || element->ID() > s.stamp) return;
  const int32_t number = s.counter++;
  element->SetID(number);
  s.written[element] = number;
  s.out.WriteString(ToCp1250(element->ClassName()));
  s.out.WriteInteger(number);
  if (auto* entity = dynamic_cast<TEntity*>(element)) {
    s.out.WriteListBegin();
    for (TElement* child : entity->Children()) {
      if (auto it = s.written.find(child); it != s.written.end()) s.out.WriteInteger(it->second);
    }
    s.out.WriteListEnd();
  }
  if (element->Is<TNameElement>() || element->Is<TNameEntity>()) {
    s.out.WriteString(ToCp1250(element->IsNameStored() ? element->GetName() : std::string()));
  }
  if (const auto* data = stream::FindClassStreamData(element->ClassType()); data && data->write) {
    data->write(*element, s.out);
  }
}

void RegisterStreamToolClasses() {
  RegisterElementClass<TKelvaLoader>();
  RegisterElementClass<TStreamLoader>();
  RegisterElementClass<TLoad>();
  RegisterElementClass<TLoader>();
  RegisterElementClass<TKelvaSaver>();
  RegisterElementClass<TStreamSaver>();
  RegisterElementClass<TSave>();
  RegisterElementClass<TSaver>();
}

}  // namespace tarnik::framework
