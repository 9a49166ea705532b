// The window tests' fixture: the program's classes and plan sources, a program directory, the
// sample unit's plan and PHS databases in a temporary directory, the Qt UI installed with the
// fixture's recorder answering its dialogs, and one SQL value read straight from a database.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "app/commands/program_start.h"
#include "forest/unit/source_register.h"
#include "testing/unit_test_support.h"
#include "app/gui/qt_ui.h"
#include "forest/option_flags.h"
#include "testing/engine_test_util.h"

namespace tarnik::gui::test {

// Every class and plan source of the program registered, the sources in a register of the
// fixture's own, as the program's start registers them.
class ProgramSources : public plan::test::UnitFixture {
 public:
  ProgramSources() {
    app::RegisterProgramClasses();
    app::RegisterPlanSources();
  }
  plan::SourceRegister sources;

 private:
  plan::ScopedPlanSources scoped_{&sources};
};

class GuiFixture : public ::testing::Test, public ProgramSources {
 protected:
  GuiFixture() {
    engine::test::BuildSqlDirectory("samples/demo/DATA", tmp.File("demo/DATA"));
    engine::test::BuildSqlDirectory("samples/demo/PHS", tmp.File("demo/PHS"));
    data_ = tmp.File("demo/DATA");
    qt_.SetDialogDelegate(&ui);
    forest::Flags() = forest::OptionFlags();
  }
  ~GuiFixture() override { forest::Flags() = forest::OptionFlags(); }

  // The first value of a query on the tables.sqlite of `dir`; "<null>" for NULL, "<error>" when
  // the query fails.
  static std::string SqlValue(const std::string& dir, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string out = "<error>";
    const std::string file = dir + "/tables.sqlite";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
      sqlite3_stmt* st = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) {
          const unsigned char* text = sqlite3_column_text(st, 0);
          out = text ? reinterpret_cast<const char*>(text) : "<null>";
        } else if (rc == SQLITE_DONE) {
          out = "";
        }
      }
      sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
  }

  std::string data_;
  QtUi qt_;
  platform::ScopedUi scoped_qt_{&qt_};
};

// A child widget by its object name; fails the test when missing.
template <class W>
W* Child(QWidget& parent, const char* name) {
  W* widget = parent.findChild<W*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

}  // namespace tarnik::gui::test
