#include "framework/script/script_engine.h"

#include <unordered_set>

#include "framework/class_register.h"
#include "framework/errors.h"
#include "framework/int_text.h"
#include "framework/property_text.h"
#include "framework/script/script_list_value.h"
#include "framework/script/script_messages.h"
#include "framework/script/script_path.h"
#include "framework/script/script_var.h"
#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::framework::script {
namespace {

bool SameWord(const std::string& token, const char* word) {
  return platform::UpperAscii(token) == word;
}

TEntity* AsEntity(TElement* element) { return dynamic_cast<TEntity*>(element); }

// The element of a handle written as text; nullopt when the text is not an integer, nil for 0
// and for handles of elements that no longer exist.
std::optional<TElement*> HandleText(const std::string& text) {
  std::optional<int32_t> handle = WholeTextToInteger(text);
  if (!handle) return std::nullopt;
  return FindElementByHandle(*handle);
}

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[i]);
    size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > bytes.size()) return false;
    if (len == 2 && c < 0xC2) return false;
    for (size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 2) return false;
    }
    i += len;
  }
  return true;
}

}  // namespace

std::string CompleteClassName(const std::string& name) {
  if (!name.empty() && (name[0] == 'T' || name[0] == 't')) return name;
  return "T" + name;
}

std::optional<std::vector<std::string>> ReadScriptLines(const std::string& path) {
  auto lines = platform::ReadLines(path);
  if (!lines) return std::nullopt;
  if (!lines->empty() && (*lines)[0].rfind("\xEF\xBB\xBF", 0) == 0) (*lines)[0].erase(0, 3);
  bool utf8 = true;
  for (const std::string& l : *lines) {
    if (!IsValidUtf8(l)) {
      utf8 = false;
      break;
    }
  }
  if (!utf8) {
    for (std::string& l : *lines) l = platform::Cp1250ToUtf8(l);
  }
  return lines;
}

TScriptEngine::TScriptEngine(TScriptHost& host) : host_(host) {}

void TScriptEngine::KeepCreated(TElement* element) {
  std::erase_if(created_, [](const TElementRef& r) { return !r.Get(); });
  created_.push_back(element);
}

TScriptEngine::~TScriptEngine() {
  for (TElementRef& ref : created_) {
    TElement* e = ref.Get();
    if (e && e->Holders().empty() && e->HasNoOwners() && !IsProtected(e)) delete e;
  }
}

void TScriptEngine::SetFileName(const std::string& name) {
  file_name_ = name;
  line_.clear();
  lines_.clear();
}

void TScriptEngine::SetActualDirectory(const std::string& dir) {
  if (dir.empty() || dir.back() == '/' || dir.back() == '\\') {
    actual_directory_ = dir;
  } else {
    actual_directory_ = dir + "/";
  }
}

TElement* TScriptEngine::ActiveElement() {
  TElement* active = active_.Get();
  if (!active) {
    active = host_.ScriptWorld();
    active_ = active;
  }
  return active;
}

void TScriptEngine::Emit(const std::string& line) {
  output_.push_back(line);
  if (listener_) listener_(line);
}

void TScriptEngine::ReportError(int code, const std::string& message) {
  if (by_dde_) {
    Emit(ErrorLine(code, message));
  } else {
    platform::ui().ShowMessage(message);
  }
}

bool TScriptEngine::LoadScript() {
  std::string path = actual_directory_ + file_name_;
  std::string resolved = platform::ResolvePath(platform::NormalizePath(path));
  std::optional<std::vector<std::string>> lines;
  if (platform::FileExists(resolved)) lines = ReadScriptLines(resolved);
  if (!lines) {
    ReportError(kErrMissingScript, MissingScriptText(path));
    return false;
  }
  lines_ = std::move(*lines);
  return true;
}

bool TScriptEngine::ExecuteGuarded(const std::string& line) {
  try {
    ExecuteStatement(line);
    return true;
  } catch (const std::exception& e) {
    ReportError(kErrException, ExceptionText(file_name_, line_number_ + 1, line, e.what()));
    return false;
  }
}

void TScriptEngine::RunLines() {
  for (size_t i = 0; i < lines_.size(); ++i) {
    line_number_ = static_cast<int>(i);
    line_ = lines_[i];
    if (line_.empty()) continue;
    // The statement gets a copy: a statement may load other lines into this engine.
    std::string statement = line_;
    bool ok = ExecuteGuarded(statement);
    platform::ui().ProcessPendingEvents();
    if (!ok || abort_) break;
  }
  line_number_ = 0;
  line_.clear();
}

bool TScriptEngine::Step() {
  while (line_number_ < static_cast<int>(lines_.size()) &&
         lines_[static_cast<size_t>(line_number_)].empty()) {
    ++line_number_;
  }
  if (line_number_ >= static_cast<int>(lines_.size())) return false;
  line_ = lines_[static_cast<size_t>(line_number_)];
  std::string statement = line_;
  if (ExecuteGuarded(statement) && !abort_) {
    ++line_number_;
  } else {
    line_number_ = static_cast<int>(lines_.size());
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Statements

void TScriptEngine::ExecuteStatement(const std::string& line) {
  output_.clear();
  TStatementSides sides = SplitStatement(line);
  if (sides.left.empty() && !sides.has_right) return;
  if (!sides.left.empty() && sides.left[0] == ';') return;
  if (!sides.left.empty() && sides.left[0] == '*') {
    skip_ = !skip_;
    if (skip_) return;
  } else if (skip_) {
    return;
  }

  if (SameWord(sides.left, "ACTIVEELEMENT")) {
    ExecuteActiveElement(line, sides.right, sides.has_right);
    return;
  }

  TOperand left = Evaluate(sides.left);
  if (!sides.has_right) {
    if (left.declared) return;  // a bare declaration outputs nothing
    std::vector<std::string> lines = ValueLines(left);
    for (const std::string& l : lines) Emit(l);
    return;
  }

  TOperand right;
  if (sides.right.empty()) {
    right.is_literal = true;
  } else {
    right = Evaluate(sides.right);
  }
  bool text_value = right.is_literal || !right.name.empty();
  bool list_value = text_value && right.is_list;
  std::vector<std::string> text_lines;
  TElement* object = nullptr;
  if (text_value) {
    text_lines = ValueLines(right);
    output_.insert(output_.end(), text_lines.begin(), text_lines.end());
  } else {
    object = right.object.Get();
    if (!object) {
      ReportError(kErrBadRightObject, StatementErrorText(kErrBadRightObject, line));
      return;
    }
  }

  if (left.is_list) {
    TEntity* base = AsEntity(left.object.Get());
    if (!base) {
      ReportError(kErrListBaseNotEntity, StatementErrorText(kErrListBaseNotEntity, line));
      return;
    }
    std::vector<TElementRef> children(base->Children().begin(), base->Children().end());
    for (TElementRef& child : children) {
      if (TElement* c = child.Get()) AssignTo(c, left.name, list_value, object, text_lines);
    }
    return;
  }
  if (left.is_variable) {
    auto* var = left.var.As<TVar>();
    if (!var) {
      ReportError(kErrBadLeftSide, StatementErrorText(kErrBadLeftSide, line));
      return;
    }
    if (object) {
      var->SetElement(object);
      return;
    }
    std::optional<TElement*> element = HandleText(text_lines.empty() ? "" : text_lines[0]);
    bool zero = element && WholeTextToInteger(text_lines[0]) == 0;
    if (!element || (!*element && !zero)) {
      // Not an integer, or the handle of no live element.
      ReportError(kErrNotElement, StatementErrorText(kErrNotElement, line));
      return;
    }
    var->SetElement(*element);
    return;
  }
  TElement* target = left.object.Get();
  if (!target || left.name.empty()) {
    ReportError(kErrBadLeftSide, StatementErrorText(kErrBadLeftSide, line));
    return;
  }
  AssignTo(target, left.name, list_value, object, text_lines);
}

void TScriptEngine::ExecuteActiveElement(const std::string& line, const std::string& right_text,
                                         bool has_right) {
  if (!has_right) {
    ReportError(kErrActiveElementSyntax, StatementErrorText(kErrActiveElementSyntax, line));
    return;
  }
  TOperand right = Evaluate(right_text);
  if (right.is_list) {
    ReportError(kErrActiveElementList, StatementErrorText(kErrActiveElementList, line));
    return;
  }
  TElement* result = right.object.Get();
  if (result && !right.name.empty()) {
    TElement* found = GetPropertyObject(result, right.name);
    if (!found) {
      if (TEntity* entity = AsEntity(result)) found = entity->FindElementByName(right.name);
    }
    if (!found) {
      ReportError(kErrObjectNotFound, StatementErrorText(kErrObjectNotFound, right.name));
      return;
    }
    result = found;
  }
  if (!result) {
    // A path that ran into nil leaves the active element as it was.
    ReportError(kErrObjectNotFound, StatementErrorText(kErrObjectNotFound, right_text));
    return;
  }
  active_ = result;
}

void TScriptEngine::AssignTo(TElement* target, const std::string& name, bool is_list,
                             TElement* object, const std::vector<std::string>& text_lines) {
  if (object) {
    SetPropertyObject(target, name, object);
    return;
  }
  if (is_list) {
    // A fresh list per target; one that nothing holds afterwards dies with the engine.
    TElement* list = MakeListValue(text_lines);
    KeepCreated(list);
    SetPropertyObject(target, name, list);
    return;
  }
  target->SetPropertyText(name, text_lines.empty() ? std::string() : text_lines[0]);
}

// Step 7: the value of an operand as output lines.
std::vector<std::string> TScriptEngine::ValueLines(const TOperand& op) {
  std::vector<std::string> lines;
  TElement* object = op.object.Get();
  if (op.is_list) {
    TEntity* entity = AsEntity(object);
    if (!entity) return lines;
    std::vector<TElementRef> children(entity->Children().begin(), entity->Children().end());
    for (TElementRef& child : children) {
      if (TElement* c = child.Get()) lines.push_back(c->GetPropertyText(op.name));
    }
    return lines;
  }
  if (op.is_literal) {
    lines.push_back(op.literal);
  } else if (!op.name.empty() && object) {
    std::string text = object->GetPropertyText(op.name);
    if (text.empty()) {
      if (TEntity* entity = AsEntity(object)) {
        TElement* child = entity->FindElementByName(op.name);
        text = std::to_string(child ? child->Handle() : 0);
      }
    }
    lines.push_back(text);
  } else if (op.is_variable) {
    // A variable stands for its element: the handle, the text form of object properties.
    lines.push_back(std::to_string(object ? object->Handle() : 0));
  } else if (!op.name.empty()) {
    lines.push_back(std::string());
  }
  return lines;
}

void TScriptEngine::OutputValue(const TOperand& op) {
  for (const std::string& l : ValueLines(op)) Emit(l);
}

std::string TScriptEngine::EvaluateToText(const std::string& text) {
  TOperand op = Evaluate(text);
  std::vector<std::string> lines = ValueLines(op);
  return lines.empty() ? std::string() : lines[0];
}

// ---------------------------------------------------------------------------------------------
// Paths

TOperand TScriptEngine::Evaluate(const std::string& text) {
  TOperand op;
  EvaluateInto(text, op);
  return op;
}

void TScriptEngine::EvaluateInto(const std::string& text, TOperand& op) {
  op.object = ActiveElement();
  size_t pos = 0;
  while (pos <= text.size()) {
    if (!op.object.Get()) {
      op.nil_object = true;
      return;
    }
    TPathToken token = NextPathToken(text, pos);
    switch (token.delimiter) {
      case '\0':
        EndToken(token.text, op);
        return;
      case '"':
      case '\'': {
        size_t close = text.find(token.delimiter, token.delimiter_pos + 1);
        size_t end = close == std::string::npos ? text.size() : close;
        op.literal = text.substr(token.delimiter_pos + 1, end - token.delimiter_pos - 1);
        op.is_literal = true;
        pos = end + 1;
        if (pos >= text.size()) return;
        break;
      }
      case '.':
        StepToken(token.text, op);
        pos = token.delimiter_pos + 1;
        break;
      case ':':
        pos = Declare(text, token.text, token.delimiter_pos, op);
        break;
      case '(':
        pos = CallFunction(text, token.text, token.delimiter_pos, op);
        break;
      default:  // ")" and "," outside a call
        pos = token.delimiter_pos + 1;
        break;
    }
  }
}

TElement* TScriptEngine::FindVar(const std::string& name) {
  if (name.empty()) return nullptr;
  return host_.ScriptVars().FindElementByName(platform::UpperCz(name));
}

void TScriptEngine::EndToken(const std::string& token, TOperand& op) {
  if (token.empty()) return;
  if (SameWord(token, "WORLD")) {
    op.object = host_.ScriptWorld();
  } else if (SameWord(token, "ACTIVEELEMENT")) {
    op.object = ActiveElement();
  } else if (SameWord(token, "VAR")) {
    // nothing
  } else if (auto* var = dynamic_cast<TVar*>(FindVar(token))) {
    op.object = var->Element();
    op.is_variable = true;
    op.var = var;
    actual_var_ = var;
  } else {
    op.name = token;
  }
}

void TScriptEngine::StepToken(const std::string& token, TOperand& op) {
  if (SameWord(token, "ELEMENT")) {
    op.is_list = true;
    return;
  }
  if (SameWord(token, "WORLD")) {
    op.object = host_.ScriptWorld();
    return;
  }
  if (SameWord(token, "ACTIVEELEMENT")) {
    op.object = ActiveElement();
    return;
  }
  if (SameWord(token, "SELF")) {
    op.object = host_.ScriptSelf();
    return;
  }
  if (auto* var = dynamic_cast<TVar*>(FindVar(token))) {
    actual_var_ = var;
    op.object = var->Element();
    return;
  }
  TElement* object = op.object.Get();
  TElement* next = GetPropertyObject(object, token);
  if (!next && object->HasProperty(token)) {
    if (auto handle = HandleText(object->GetPropertyText(token))) next = *handle;
  }
  if (!next) {
    if (TEntity* entity = AsEntity(object)) next = entity->FindElementByName(token);
  }
  if (!next) throw EKelvaError(ElementNotFoundText(token));
  op.object = next;
}

size_t TScriptEngine::Declare(const std::string& text, const std::string& token, size_t colon,
                              TOperand& op) {
  size_t semicolon = text.find(';', colon + 1);
  size_t end = semicolon == std::string::npos ? text.size() : semicolon;
  std::string class_name = TrimSpaces(text.substr(colon + 1, end - colon - 1));
  if (!FindElementClass(class_name)) throw EKelvaError(UnknownClassText(class_name));
  auto* var = dynamic_cast<TVar*>(FindVar(token));
  if (!var) {
    var = new TVar();
    var->SetName(platform::UpperCz(token));
    host_.ScriptVars().AddElement(var);
  }
  actual_var_ = var;
  op.object = var->Element();
  op.is_variable = true;
  op.declared = true;
  op.var = var;
  op.name.clear();
  return end + 1;
}

// ---------------------------------------------------------------------------------------------
// Function calls

size_t TScriptEngine::CallFunction(const std::string& text, const std::string& token, size_t open,
                                   TOperand& op) {
  TCallArguments scanned = ScanCallArguments(text, open);
  if (!scanned.closed) throw EKelvaError(MissingCloseText(scanned.close_pos + 1));

  TScriptCall call;
  call.function = platform::UpperAscii(token);
  call.args = scanned.args;
  call.open_position = open + 1;
  call.object = op.object;
  call.input = op.object.Get() ? op.object.Get() : ActiveElement();
  const std::string arg0 = call.args.size() > 0 ? call.args[0] : std::string();
  const std::string arg1 = call.args.size() > 1 ? call.args[1] : std::string();

  if (call.function == "FREE") {
    BuiltinFree(call);
  } else if (call.function == "FREEALL") {
    BuiltinFreeAll(call);
  } else if (call.function == "FINDELEMENTBYNAME") {
    TEntity* entity = AsEntity(call.object.Get());
    if (!entity) throw EKelvaError(NotEntityText(call.open_position));
    call.object = entity->FindElementByName(arg0);
  } else if (call.function == "FINDELEMENTBYCLASS") {
    TEntity* entity = AsEntity(call.object.Get());
    if (!entity) throw EKelvaError(NotEntityText(call.open_position));
    call.object = entity->FindElementByClass(GetElementClass(CompleteClassName(arg0)));
  } else if (call.function == "CREATE") {
    const TClassInfo& info = GetElementClass(CompleteClassName(arg0));
    TElement* element = info.Create();
    element->SetName(arg1);
    KeepCreated(element);
    call.object = element;
  } else if (call.function == "CREATEELEMENT") {
    TEntity* entity = AsEntity(call.object.Get());
    if (!entity) throw EKelvaError(NotEntityText(call.open_position));
    const TClassInfo& info = GetElementClass(CompleteClassName(arg0));
    call.object = entity->NewElement(info.Name(), arg1);
  } else {
    host_.ScriptCall(*this, call);
  }
  op.object = call.object;
  if (call.has_literal) {
    op.literal = call.literal;
    op.is_literal = true;
  }

  size_t after = scanned.close_pos + 1;
  while (after < text.size() && text[after] == ' ') ++after;
  if (after >= text.size()) return text.size() + 1;
  if (text[after] != '.') throw EKelvaError(BadAfterCallText(scanned.close_pos + 1));
  return after + 1;
}

// The world, the interpreter, the main tool, the variables and every entity that holds the
// interpreter or the main tool (directly or further up) cannot be freed by a script.
bool TScriptEngine::IsProtected(TElement* element) {
  if (!element) return false;
  TElement* self = host_.ScriptSelf();
  TElement* main_tool = host_.ScriptMainTool();
  if (element == host_.ScriptWorld() || element == self || element == main_tool) return true;
  std::vector<TElement*> pending;
  if (self) pending.push_back(self);
  if (main_tool) pending.push_back(main_tool);
  std::unordered_set<TElement*> seen;
  while (!pending.empty()) {
    TElement* e = pending.back();
    pending.pop_back();
    if (!seen.insert(e).second) continue;
    for (TEntity* holder : e->Holders()) {
      if (holder == element) return true;
      pending.push_back(holder);
    }
  }
  return false;
}

void TScriptEngine::BuiltinFree(TScriptCall& call) {
  TElement* element = call.object.Get();
  if (!element) return;
  if (IsProtected(element)) throw EKelvaError(CannotFreeText(call.open_position));
  TElementRef ref(element);
  std::vector<TEntity*> holders = element->Holders();
  for (TEntity* holder : holders) {
    if (!ref.Get()) break;
    holder->FreeElement(element);
  }
  if (ref.Get()) delete element;
  call.object = nullptr;
  // A freed active element gives way to the world.
  ActiveElement();
}

void TScriptEngine::BuiltinFreeAll(TScriptCall& call) {
  TEntity* entity = AsEntity(call.object.Get());
  if (!entity) throw EKelvaError(NotEntityText(call.open_position));
  if (IsProtected(entity)) throw EKelvaError(CannotFreeText(call.open_position));
  entity->FreeAll();
  ActiveElement();
}

}  // namespace tarnik::framework::script
