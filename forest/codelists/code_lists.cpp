#include "forest/codelists/code_lists.h"

#include <cstring>
#include <exception>
#include <optional>

#include "data/engine/table.h"
#include "forest/codelists/cadastre_and_decisions.h"
#include "forest/codelists/code_lookup.h"
#include "forest/codelists/territory.h"
#include "platform/fs.h"

namespace tarnik::plan {

CodeLists::CodeLists() = default;
CodeLists::~CodeLists() = default;

std::unordered_map<std::string, std::string>* CodeLists::Memo(const std::string& list,
                                                              engine::Table* table) {
  if (tables_.IsProgramList(list)) {
    if (memo_generation_ != tables_.generation()) {
      memo_.clear();
      memo_generation_ = tables_.generation();
    }
    return &memo_;
  }
  // A list being edited answers from its edit buffer.
  if (!table || table->state() != engine::TableState::kBrowse) return nullptr;
  std::optional<engine::Database::ContentToken> content = table->database().CurrentContent();
  if (!content) return nullptr;
  BoundMemo& memo = bound_memo_[table];
  if (memo.generation != tables_.generation() || memo.row_set != table->row_set_version() ||
      memo.content != *content) {
    memo.answers.clear();
    memo.generation = tables_.generation();
    memo.row_set = table->row_set_version();
    memo.content = *content;
  }
  return &memo.answers;
}

namespace {
// The memo key of one question; names as the caller spells them (another spelling only makes
// another entry).
std::string Question(char kind, const std::string& list, const std::string& key_column,
                     const std::string& value_column, bool exact, const std::string& code) {
  std::string q;
  q.reserve(list.size() + key_column.size() + value_column.size() + code.size() + 8);
  q.push_back(kind);
  for (const std::string* part : {&list, &key_column, &value_column})
    q.append(*part).push_back('\x1f');
  q.push_back(exact ? '1' : '0');
  q.push_back('\x1f');
  q.append(code);
  return q;
}
}  // namespace

std::string CodeLists::Description(const std::string& list, const std::string& code,
                                   const std::string& description_column,
                                   const std::string& key_column, bool exact) {
  const std::string question = Question('D', list, key_column, description_column, exact, code);
  // Only answers of program lists are in memo_, and a binding starts a new generation: a hit of
  // this generation needs no look at the list.
  if (memo_generation_ == tables_.generation()) {
    if (auto it = memo_.find(question); it != memo_.end()) return it->second;
  }
  engine::Table* table = tables_.Get(list);
  auto* memo = table ? Memo(list, table) : nullptr;
  if (memo) {
    if (auto it = memo->find(question); it != memo->end()) return it->second;
  }
  std::string answer = CodeDescription(table, key_column, code, description_column, exact);
  if (memo) memo->emplace(question, answer);
  return answer;
}

bool CodeLists::Contains(const std::string& list, const std::string& code, bool if_empty,
                         const std::string& key_column, bool exact) {
  const std::string question = Question('C', list, key_column, std::string(), exact, code);
  if (!code.empty() && memo_generation_ == tables_.generation()) {
    if (auto it = memo_.find(question); it != memo_.end()) return it->second == "1";
  }
  engine::Table* table = tables_.Get(list);
  if (code.empty() || !table) return CodeInList(table, key_column, code, if_empty, exact);
  auto* memo = Memo(list, table);
  if (memo) {
    if (auto it = memo->find(question); it != memo->end()) return it->second == "1";
  }
  bool answer = CodeInList(table, key_column, code, if_empty, exact);
  if (memo) memo->emplace(question, answer ? "1" : "0");
  return answer;
}

int CodeLists::CountExact(const std::string& list, const std::string& column,
                          const std::string& text) {
  return CountRowsWithText(tables_.Get(list), column, text);
}

int64_t CodeLists::OfficeOfCadastralArea(int64_t cadastral_code) {
  return plan::OfficeOfCadastralArea(tables_.Get("tb_KU6b"), tables_.Get("tbObce6"),
                                     cadastral_code);
}

StandCategoryRows CodeLists::StandCategories(const std::string& odd, const std::string& dil,
                                             const std::string& por) {
  return StandCategoryRowsOf(tables_.Get("Tb_PorKtg1"), odd, dil, por);
}

namespace {
// A memo answer of the growth table: empty for no values, else the three values' bytes.
std::string GrowthAnswer(const std::optional<GrowthValues>& values) {
  std::string answer;
  if (!values) return answer;
  answer.resize(sizeof(double) + 2 * sizeof(int));
  std::memcpy(answer.data(), &values->bezny_prir, sizeof(double));
  std::memcpy(answer.data() + sizeof(double), &values->pmp, sizeof(int));
  std::memcpy(answer.data() + sizeof(double) + sizeof(int), &values->cpp, sizeof(int));
  return answer;
}

std::optional<GrowthValues> GrowthOfAnswer(const std::string& answer) {
  if (answer.size() != sizeof(double) + 2 * sizeof(int)) return std::nullopt;
  GrowthValues values;
  std::memcpy(&values.bezny_prir, answer.data(), sizeof(double));
  std::memcpy(&values.pmp, answer.data() + sizeof(double), sizeof(int));
  std::memcpy(&values.cpp, answer.data() + sizeof(double) + sizeof(int), sizeof(int));
  return values;
}
}  // namespace

GrowthValues CodeLists::Growth(const std::string& species, int vek, int obmyti, int bon_a,
                               bool under_bark) {
  static const std::string kList = "Tb_RustTab";
  engine::Table* table = tables_.Get(kList);
  if (!table) return GrowthValues{};
  // Every species of a layer asks, and the table has few rows per key: the rows' values are kept
  // by key as the answers of the other lists are.
  const GrowthRowKey key = GrowthRowKeyOf(species, vek, obmyti, bon_a);
  auto* memo = Memo(kList, table);
  if (!memo) return GrowthValuesFrom(GrowthRowValues(table, key), species, under_bark);
  const std::string question =
      Question('G', kList, key.species, std::to_string(key.bon_a), false,
               std::to_string(key.age) + '\x1f' + std::to_string(key.rotation));
  auto it = memo->find(question);
  if (it == memo->end())
    it = memo->emplace(question, GrowthAnswer(GrowthRowValues(table, key))).first;
  return GrowthValuesFrom(GrowthOfAnswer(it->second), species, under_bark);
}

std::string CodeLists::CadastreName(int64_t code) {
  if (!katas_cel_attempted_) {
    katas_cel_attempted_ = true;
    try {
      const std::string dir = CodeListTables::Directory();
      if (platform::FileExists(platform::JoinPath(dir, engine::kDatabaseFileName)))
        katas_cel_ = engine::Table::OpenPath(platform::JoinPath(dir, "KatasCel.DB"),
                                             engine::OpenMode::kReadOnly);
    } catch (const std::exception&) {
      katas_cel_.reset();
    }
  }
  return CadastreNameOf(katas_cel_.get(), code);
}

}  // namespace tarnik::plan
