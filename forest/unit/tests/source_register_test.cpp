#include "forest/unit/source_register.h"

#include <gtest/gtest.h>

#include "forest/unit/source_without_reader.h"
#include "platform/fs.h"
#include "testing/test_env.h"

namespace tarnik::plan {
namespace {

// A recogniser that notes each query and matches with the kind given (or not at all for -1).
Recogniser Noting(std::vector<std::string>& seen, std::string name, int kind,
                  std::optional<int32_t> lhc_kod = std::nullopt) {
  return [&seen, name, kind, lhc_kod](const SourceQuery&) -> std::optional<SourceMatch> {
    seen.push_back(name);
    if (kind < 0) return std::nullopt;
    SourceMatch match;
    match.source = std::make_unique<SourceWithoutReader>(static_cast<uint8_t>(kind));
    match.lhc_kod = lhc_kod;
    match.settings.emplace_back(name, "ANO");
    return match;
  };
}

TEST(SourceRegister, RecognisersRunInStepOrderAndTheLastMatchWins) {
  std::vector<std::string> seen;
  SourceRegister sources;
  sources.Add(DetectionStep::kDatabase, "database", Noting(seen, "database", 2));
  sources.Add(DetectionStep::kExchangeFiles, "exchange", Noting(seen, "exchange", -1));
  sources.Add(DetectionStep::kPartFiles, "parts", Noting(seen, "parts", 0, 123));
  sources.Add(DetectionStep::kChoice, "choice", Noting(seen, "choice", 9));
  sources.Add(DetectionStep::kPartFiles, "more parts", Noting(seen, "more parts", -1));
  const std::vector<std::string> order = {"choice", "parts", "more parts", "exchange", "database"};
  EXPECT_EQ(sources.Names(), order);

  SourceChoice choice = sources.Choose("dir", false);
  EXPECT_EQ(seen, order);
  ASSERT_NE(choice.source, nullptr);
  EXPECT_EQ(choice.source->Kind(), 2);
  // The database read no code: the part files' one stays; every match's settings are kept.
  EXPECT_EQ(choice.lhc_kod, 123);
  EXPECT_EQ(choice.settings,
            (std::vector<Setting>{{"choice", "ANO"}, {"parts", "ANO"}, {"database", "ANO"}}));
  EXPECT_FALSE(choice.exchange_files);
}

TEST(SourceRegister, ANameIsRegisteredOnce) {
  std::vector<std::string> seen;
  SourceRegister sources;
  sources.Add(DetectionStep::kDatabase, "database", Noting(seen, "first", 1));
  sources.Add(DetectionStep::kChoice, "database", Noting(seen, "second", 2));
  EXPECT_TRUE(sources.Contains("database"));
  EXPECT_FALSE(sources.Contains("exchange"));
  EXPECT_EQ(sources.Choose("x", false).source->Kind(), 1);
  EXPECT_EQ(seen, std::vector<std::string>{"first"});
}

TEST(SourceRegister, TheQueryIsTheCleanedTextAndWhetherItNamesADirectory) {
  testing::ScopedProgramDir program;  // also the working directory
  testing::TempDir tmp;
  std::vector<SourceQuery> queries;
  SourceRegister sources;
  sources.Add(DetectionStep::kChoice, "any", [&queries](const SourceQuery& query) {
    queries.push_back(query);
    return std::optional<SourceMatch>();
  });
  SourceChoice none = sources.Choose("  " + tmp.path() + "/  ", true);
  EXPECT_EQ(none.source, nullptr);
  EXPECT_EQ(none.directory, tmp.path());
  ASSERT_EQ(queries.size(), 1u);
  EXPECT_EQ(queries[0].text, tmp.path());
  EXPECT_TRUE(queries[0].is_directory);
  EXPECT_TRUE(queries[0].write_manager);

  // Backslashes are separators of the path, not of the text; the cancel answer is no directory
  // even when the working directory holds one of that name.
  platform::ForceDirectories(tmp.File("a/b"));
  sources.Choose(tmp.path() + "\\a\\b\\", false);
  EXPECT_EQ(queries[1].text, tmp.path() + "\\a\\b");
  EXPECT_EQ(queries[1].path, tmp.path() + "/a/b");
  EXPECT_TRUE(queries[1].is_directory);
  platform::ForceDirectories(program.File("NicSeNavybralo"));
  sources.Choose("NicSeNavybralo", false);
  EXPECT_FALSE(queries[2].is_directory);
  sources.Choose("/", false);
  EXPECT_EQ(queries[3].text, "/");
  sources.Choose(tmp.File("missing"), false);
  EXPECT_FALSE(queries[4].is_directory);
}

TEST(SourceRegister, AScopedRegisterIsTheUnitsForItsScope) {
  SourceRegister& process_wide = PlanSources();
  SourceRegister mine;
  {
    ScopedPlanSources scoped(&mine);
    EXPECT_EQ(&PlanSources(), &mine);
    SourceRegister inner;
    {
      ScopedPlanSources nested(&inner);
      EXPECT_EQ(&PlanSources(), &inner);
    }
    EXPECT_EQ(&PlanSources(), &mine);
  }
  EXPECT_EQ(&PlanSources(), &process_wide);
}

}  // namespace
}  // namespace tarnik::plan
