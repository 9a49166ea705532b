#include <gtest/gtest.h>

#include <cstdio>

#include "platform/console_ui.h"
#include "platform/recording_ui.h"

namespace tarnik::platform {
namespace {

std::string Captured(std::FILE* f) {
  std::fflush(f);
  std::rewind(f);
  std::string out;
  char buf[256];
  while (size_t n = std::fread(buf, 1, sizeof buf, f)) out.append(buf, n);
  return out;
}

TEST(ConsoleUi, QuestionsWithoutAnAnswerStopTheCommand) {
  std::FILE* f = std::tmpfile();
  ConsoleUi console(f);
  try {
    console.Ask("Převést tabulky?", {Button::kYes, Button::kNo});
    FAIL() << "a question must not be answered silently";
  } catch (const QuestionUnanswered& q) {
    EXPECT_EQ(q.text, "Převést tabulky?");
  }
  EXPECT_THROW(console.ChooseDirectory("Vyberte adresář", "/"), QuestionUnanswered);
  EXPECT_THROW(console.ChooseFile("Vyberte soubor", "/", "*.xml"), QuestionUnanswered);
  console.ShowMessage("Export proveden.");
  EXPECT_EQ(Captured(f), "Export proveden.\n");
  std::fclose(f);
}

TEST(ConsoleUi, ExplicitAnswersAreUsed) {
  std::FILE* f = std::tmpfile();
  ConsoleUi console(f);
  console.set_assume_yes(true);
  console.set_directory_answer("/data");
  EXPECT_EQ(console.Ask("Pokračovat?", {Button::kNo, Button::kYes}), Button::kYes);
  EXPECT_EQ(console.Ask("Uložit?", {Button::kOk, Button::kCancel}), Button::kOk);
  EXPECT_EQ(console.ChooseDirectory("Adresář", ""), "/data");
  // A message with one button is no question.
  ConsoleUi plain(f);
  EXPECT_EQ(plain.MessageBox("Chyba", "", MsgType::kError, {Button::kOk}), Button::kOk);
  std::fclose(f);
}

TEST(ConsoleUi, YesNoQuitQuestionsAreAnsweredOnlyByTheCommandLine) {
  std::FILE* f = std::tmpfile();
  ConsoleUi console(f);
  EXPECT_THROW(console.AskYesNoQuit("Dotaz", "Vymazat?", {"řádek"}), QuestionUnanswered);
  console.set_assume_yes(true);
  EXPECT_EQ(console.AskYesNoQuit("Dotaz", "Vymazat?", {"Data obsahují 2 různých oddělení."}),
            Button::kYes);
  // An explicit answer (--append) wins over --yes.
  console.set_yes_no_quit_answer(Button::kNo);
  EXPECT_EQ(console.AskYesNoQuit("Dotaz", "Vymazat?", {}), Button::kNo);
  EXPECT_EQ(Captured(f), "Vymazat?\nData obsahují 2 různých oddělení.\n-> Ano\nVymazat?\n-> Ne\n");
  ASSERT_EQ(console.log().size(), 2u);
  EXPECT_EQ(console.log()[0].text, "Vymazat?");
  EXPECT_EQ(ButtonText(Button::kQuit), "ukončit");
  std::fclose(f);
}

TEST(ConsoleUi, StatusLinesAreShownButNotKept) {
  std::FILE* f = std::tmpfile();
  ConsoleUi console(f);
  for (int i = 0; i < 1000; ++i) console.SetStatus("Oddělení " + std::to_string(i));
  console.SetStatus("Oddělení 999");  // the same line again is not shown twice
  console.ShowMessage("Konec exportu do XML", Severity::kInformation);
  const std::string shown = Captured(f);
  EXPECT_NE(shown.find("Oddělení 0\n"), std::string::npos);
  EXPECT_EQ(shown.find("Oddělení 999\nOddělení 999"), std::string::npos);
  ASSERT_EQ(console.log().size(), 1u);
  EXPECT_EQ(console.log()[0].text, "Konec exportu do XML");
  std::fclose(f);
}

// A Ui that only has message boxes: the three-button question comes to it as one.
class BoxOnlyUi : public RecordingUi {
 public:
  Button AskYesNoQuit(const std::string& caption, const std::string& question,
                      const std::vector<std::string>& lines) override {
    return Ui::AskYesNoQuit(caption, question, lines);
  }
};

TEST(Ui, YesNoQuitFallsBackToAMessageBoxWithTheThreeButtons) {
  BoxOnlyUi ui;
  ui.answers = {Button::kNo, Button::kCancel};
  EXPECT_EQ(ui.AskYesNoQuit("Dotaz", "Vymazat?", {"a", "b"}), Button::kNo);
  EXPECT_EQ(ui.AskYesNoQuit("Dotaz", "Vymazat?", {}), Button::kQuit);  // closed otherwise
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].kind, "box");
  EXPECT_EQ(ui.shown[0].text, "Vymazat?\na\nb");
  EXPECT_EQ(ui.shown[0].buttons, (Buttons{Button::kYes, Button::kNo, Button::kQuit}));
  RecordingUi recording;
  recording.answers = {Button::kQuit};
  EXPECT_EQ(recording.AskYesNoQuit("Dotaz", "Vymazat?", {"a"}), Button::kQuit);
  EXPECT_EQ(recording.AskYesNoQuit("Dotaz", "Vymazat?", {"a"}), Button::kYes);
  EXPECT_EQ(recording.Messages(), (std::vector<std::string>{"Vymazat?\na", "Vymazat?\na"}));
}

TEST(RecordingUi, RecordsInOrderAndAnswersFromTheQueue) {
  RecordingUi rec;
  ScopedUi scoped(&rec);
  int drained = 0;
  SetPendingWorkHandler([&] { ++drained; });
  rec.answers.push_back(Button::kNo);
  ui().ShowMessage("první");
  EXPECT_EQ(ui().Ask("druhá?", {Button::kYes, Button::kNo}), Button::kNo);
  EXPECT_EQ(ui().Ask("třetí?", {Button::kYes, Button::kNo}), Button::kYes);  // first offered
  ui().SetStatus("stav");
  EXPECT_EQ(ui().ChooseDirectory("adresář", "/"), std::nullopt);
  ui().ProcessPendingEvents();
  SetPendingWorkHandler(nullptr);
  EXPECT_EQ(rec.Messages(), (std::vector<std::string>{"první", "druhá?", "třetí?"}));
  EXPECT_EQ(rec.Statuses(), (std::vector<std::string>{"stav"}));
  EXPECT_EQ(rec.pending_events, 1);
  EXPECT_EQ(drained, 1);
}

}  // namespace
}  // namespace tarnik::platform

namespace tarnik::platform {
namespace {

TEST(Selection, TheRecorderKeepsMaskAndFormAndTheConsoleAnswersFromItsOptions) {
  RecordingUi recorder;
  recorder.files.push_back(std::string("/d/a.xml"));
  EXPECT_EQ(recorder.Select({true, "Najdi", "/d", "*.xml", SelectionForm::kNarrow}), "/d/a.xml");
  EXPECT_EQ(recorder.Select({false, "Vyhledej", "/e", "*.*", SelectionForm::kWide}), std::nullopt);
  EXPECT_EQ(recorder.ChooseDirectory("Obecné hledání", "/f"), std::nullopt);
  ASSERT_EQ(recorder.shown.size(), 3u);
  EXPECT_EQ(recorder.shown[0].kind, "file");
  EXPECT_EQ(recorder.shown[0].mask, "*.xml");
  EXPECT_EQ(recorder.shown[1].kind, "directory");
  EXPECT_EQ(recorder.shown[1].caption, "Vyhledej");
  EXPECT_EQ(recorder.shown[1].text, "/e");
  EXPECT_EQ(recorder.shown[1].form, SelectionForm::kWide);
  EXPECT_EQ(recorder.shown[2].form, SelectionForm::kNarrow);

  std::FILE* f = std::tmpfile();
  ConsoleUi console(f);
  EXPECT_THROW(console.Select({false, "Vyhledej", "/", "*.*", SelectionForm::kWide}),
               QuestionUnanswered);
  console.set_file_answer("/g/b.xml");
  EXPECT_EQ(console.Select({true, "Najdi", "/", "*.xml", SelectionForm::kNarrow}), "/g/b.xml");
  std::fclose(f);
}

}  // namespace
}  // namespace tarnik::platform
