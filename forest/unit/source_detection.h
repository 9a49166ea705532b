// Recognising the plan source in a chosen directory text: old plan part files, standard exchange
// files of the 97, 98 and 2000 forms, the two Merk planning databases told apart by the LHC
// table's columns, the alias choice and the LČR Oracle database. The tests run in a fixed order
// and a later one overrides an earlier kind. Only what the decision needs is read: file names,
// JP.FST's header, KATALOG.FST's first line and the LHC table of a read-only probe. A directory
// that holds Paradox tables but no tables.sqlite is offered for conversion first (a question
// through the Ui; an unanswerable question stops the caller with QuestionUnanswered).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarnik::plan {

// The source kinds of a forest unit.
inline constexpr uint8_t kSourcePartFiles = 0;
inline constexpr uint8_t kSourceMerk97 = 1;
inline constexpr uint8_t kSourceMerk98 = 2;
inline constexpr uint8_t kSourceStandard97 = 3;
inline constexpr uint8_t kSourceStandard98 = 4;
inline constexpr uint8_t kSourceAlias = 5;
inline constexpr uint8_t kSourceNone = 7;
inline constexpr uint8_t kSourceStandard2000 = 8;
inline constexpr uint8_t kSourceLcrOracle = 9;

// The answer of the directory dialog's alias button.
inline constexpr const char* kAliasChoice = "ALIAS";

struct SourceDetection {
  std::string directory;  // the text trimmed, without a trailing separator
  uint8_t kind = kSourceNone;
  std::optional<int32_t> lhc_kod;  // from the first part file or the LHC table
  bool standard_files = false;     // PP.FST found: the directory of the exchange files
};

// The directory text as the detection takes it: trimmed, one trailing "\" or "/" removed.
std::string CleanDirectoryText(const std::string& text);

// Runs the tests on the directory text. Messages (two units' part files, a failed probe) go
// through the Ui.
SourceDetection DetectSource(const std::string& text);

// The probe of a Merk database: the kind by the LHC table's columns (2 with LHC_PN_PRO, else 1)
// and the first row's LHC_KOD. The directory is opened read-only and never written to, apart from
// the writability test file that is removed again; no statement contains the path, so any
// character in it is fine. Throws EngineError when the directory holds no LHC table.
struct ProbeResult {
  uint8_t kind = kSourceMerk97;
  int32_t lhc_kod = 0;
};
ProbeResult ProbeMerkDatabase(const std::string& directory);

// Offers to convert the Paradox tables of the directory (and of its PHS sibling when that holds
// Paradox tables only) into tables.sqlite; answers whether the directory holds tables.sqlite
// afterwards. Nothing is asked when the directory holds no Paradox tables or already has
// tables.sqlite.
bool OfferParadoxConversion(const std::string& directory);

}  // namespace tarnik::plan
