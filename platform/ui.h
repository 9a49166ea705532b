// The user-interface seam. Every library reports to and asks the user through the one process-wide
// Ui; the window installs a Qt implementation, the CLI a console one, tests a recorder. The Ui
// object is owned by whoever installs it and must outlive its installation (see ScopedUi).
//
// A question that the current front end cannot answer (the console without an explicit option
// such as --yes) throws QuestionUnanswered. It deliberately does not derive from std::exception:
// code that catches failures per record or per object catches std::exception and lets it pass,
// so the command stops with the question's text instead of taking a default silently.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnik::platform {

enum class MsgType { kWarning, kError, kInformation, kConfirmation, kCustom };
enum class Button {
  kYes,
  kNo,
  kOk,
  kCancel,
  kAbort,
  kRetry,
  kIgnore,
  kAll,
  kNoToAll,
  kYesToAll,
  kQuit,  // "ukončit": ends the program
};
using Buttons = std::vector<Button>;

enum class Cursor { kDefault, kWait, kCustom };

// The selection dialog's two forms: narrow (directories, files, the edit line) and wide (also the
// list of recently used data sources).
enum class SelectionForm { kNarrow, kWide };

// What the selection dialog is asked for: a directory, or a file of the file list.
struct Selection {
  bool file = false;
  std::string prompt;        // the dialog's caption
  std::string start;         // the directory shown first (a missing one shows the root)
  std::string mask = "*.*";  // the file list's filter
  SelectionForm form = SelectionForm::kNarrow;
};

// What a message means for the outcome of a command. The CLI's exit code follows the counts: a
// command that reported data passed over finished, but not with everything.
enum class Severity {
  kProgress,     // what the program is doing now
  kInformation,  // a notice; nothing was lost
  kPassedOver,   // a record, element, value or compartment was not read or not written
  kFailure,      // the command could not do what was asked
};

// The identifier of a severity in machine-readable output ("progress", "information",
// "passed_over", "failure").
const char* SeverityName(Severity severity);

// Messages shown or reported through one Ui, by severity.
struct MessageCounts {
  long progress = 0;
  long information = 0;
  long passed_over = 0;
  long failure = 0;
};

struct QuestionUnanswered {
  std::string text;  // the question as it would have been shown
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message with one OK button ("ShowMessage"), counted by its severity.
  void ShowMessage(const std::string& text, Severity severity = Severity::kInformation);
  // An item passed over that a command wrote as a line of its protocol file (error.txt)
  // instead of showing it: counted as data passed over; the console lists it, the window does
  // not show it.
  void ReportProtocolLine(const std::string& file, const std::string& line);
  // What was shown and reported through this Ui since it was created or the counts were reset.
  const MessageCounts& counts() const { return counts_; }
  void ResetCounts() { counts_ = {}; }
  // A modal message box with a caption, a type and buttons; answers the pressed button.
  virtual Button MessageBox(const std::string& text, const std::string& caption, MsgType type,
                            const Buttons& buttons) = 0;
  // A directory chooser; nullopt when the user cancels.
  virtual std::optional<std::string> ChooseDirectory(const std::string& caption,
                                                     const std::string& initial) = 0;
  // A file chooser (mask like "*.xml"); nullopt when the user cancels.
  virtual std::optional<std::string> ChooseFile(const std::string& caption,
                                                const std::string& initial_dir,
                                                const std::string& mask) = 0;
  // The selection dialog with its mask and form; nullopt when the user cancels. The default asks
  // ChooseDirectory or ChooseFile, so a front end without the dialog answers as those do.
  virtual std::optional<std::string> Select(const Selection& selection);
  // The status line (repainted at once).
  virtual void SetStatus(const std::string& text) = 0;
  // Progress of a long loop; max 0 clears it.
  virtual void Progress(long position, long max) = 0;
  virtual void Beep() = 0;
  virtual void SetCursor(Cursor cursor) = 0;

  // Lets the interface process pending events; also drains the registered pending-work handler
  // (the framework message queue). Front ends that override it must call DrainPendingWork().
  virtual void ProcessPendingEvents() { DrainPendingWork(); }

  // A modal question with the three buttons "Ano", "Ne" and "ukončit" (kYes, kNo, kQuit), the
  // further lines shown under the question. A front end that cannot ask throws
  // QuestionUnanswered. The default shows it as a message box with those buttons; any answer
  // other than kYes or kNo counts as kQuit.
  virtual Button AskYesNoQuit(const std::string& caption, const std::string& question,
                              const std::vector<std::string>& lines);

  // Convenience: a question with the given buttons and type kConfirmation.
  Button Ask(const std::string& text, const Buttons& buttons) {
    return MessageBox(text, "", MsgType::kConfirmation, buttons);
  }

 protected:
  // Shows the message (ShowMessage has counted it).
  virtual void Show(const std::string& text, Severity severity) = 0;
  // Lists a protocol line; nothing by default.
  virtual void ShowProtocolLine(const std::string& file, const std::string& line) {}
  static void DrainPendingWork();

 private:
  void Count(Severity severity);
  MessageCounts counts_;
};

// The installed Ui; a console Ui writing to stderr when nothing was installed.
Ui& ui();
// Installs a Ui (nullptr restores the default console one) and answers the previous one.
Ui* SetUi(Ui* ui);

// Work to run whenever pending events are processed (the framework message queue).
void SetPendingWorkHandler(std::function<void()> handler);

// Installs a Ui for a scope.
class ScopedUi {
 public:
  explicit ScopedUi(Ui* ui) : previous_(SetUi(ui)) {}
  ~ScopedUi() { SetUi(previous_); }
  ScopedUi(const ScopedUi&) = delete;
  ScopedUi& operator=(const ScopedUi&) = delete;

 private:
  Ui* previous_;
};

// Display name of a button ("Ano", "Ne", "OK", ...), as the console prints it.
std::string ButtonText(Button button);

}  // namespace tarnik::platform
