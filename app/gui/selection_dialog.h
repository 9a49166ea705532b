// The selection dialog TS_VyhlSoub1: a directory tree (in place of a drive box and a directory
// list), the file list filtered by the mask, the edit line with the current directory or file,
// "Vybrat" and "Opustit"; the wide form adds the recently used data sources and "Uber řádek".
// "Vybrat" answers the directory (or, for a file, the file chosen in the list) and records the
// directory among the data sources; "Opustit" and closing answer "NicSeNavybralo". The data
// sources are the caller's and must outlive the dialog.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "platform/ui.h"

class QFileSystemModel;
class QLineEdit;
class QListView;
class QPushButton;
class QTableWidget;
class QTreeView;

namespace tarnik::apptool {
class TDataSources;
}

namespace tarnik::gui {

inline constexpr const char* kNothingChosen = "NicSeNavybralo";
inline constexpr int kWideWidth = 665;
inline constexpr int kNarrowWidth = 360;

// The current local time as the data sources store it: days since 30 December 1899.
double NowAsDays();
// A stored time as "d.M.yyyy h:mm:ss" (empty for 0).
QString DaysAsText(double days);

class TS_VyhlSoub1 : public QDialog {
 public:
  TS_VyhlSoub1(const platform::Selection& selection, apptool::TDataSources& sources,
               QWidget* parent = nullptr);

  // "NicSeNavybralo" until "Vybrat" was pressed.
  const std::string& Result() const { return result_; }

  // The directory the lists show now; changing it moves the tree, the file list and the edit line.
  QString CurrentDirectory() const { return directory_; }
  void SetDirectory(const QString& path);
  // Selects a file of the file list by name (the edit line then shows its path).
  bool SelectFile(const QString& name);
  // The sources list, filled from the data sources.
  void RefreshSources();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowInTree();
  void Choose();
  void RemoveRow();
  void SourceActivated(int row);

  platform::Selection selection_;
  apptool::TDataSources& sources_;
  QString directory_;
  std::string result_ = kNothingChosen;
  QFileSystemModel* dirs_;
  QFileSystemModel* files_;
  QTreeView* tree_;
  QListView* list_;
  QLineEdit* edit_;
  QTableWidget* table_;
  QPushButton* remove_;
};

}  // namespace tarnik::gui
