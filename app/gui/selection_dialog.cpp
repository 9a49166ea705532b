#include "app/gui/selection_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <cmath>

#include "app/gui/qt_text.h"
#include "app/tool/data_sources.h"

namespace tarnik::gui {
namespace {

const QDateTime& Epoch() {
  static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::LocalTime);
  return epoch;
}

QStringList Masks(const std::string& mask) {
  QStringList out;
  for (const QString& part : Q(mask).split(';', Qt::SkipEmptyParts)) out << part.trimmed();
  if (out.isEmpty() || out.contains("*.*")) out = QStringList{"*"};
  return out;
}

}  // namespace

double NowAsDays() {
  return static_cast<double>(Epoch().msecsTo(QDateTime::currentDateTime())) / 86400000.0;
}

QString DaysAsText(double days) {
  if (days == 0 || !std::isfinite(days) || std::fabs(days) > 1e7) return QString();
  const QDateTime when = Epoch().addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
  return when.toString("d.M.yyyy h:mm:ss");
}

TS_VyhlSoub1::TS_VyhlSoub1(const platform::Selection& selection, apptool::TDataSources& sources,
                           QWidget* parent)
    : QDialog(parent), selection_(selection), sources_(sources) {
  setObjectName("TS_VyhlSoub1");
  setWindowTitle(Q(selection.prompt));
  setModal(true);
  const bool wide = selection.form == platform::SelectionForm::kWide;

  dirs_ = new QFileSystemModel(this);
  dirs_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  dirs_->setRootPath(QDir::rootPath());
  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::Files);
  files_->setNameFilters(Masks(selection.mask));
  files_->setNameFilterDisables(false);

  tree_ = new QTreeView(this);
  tree_->setObjectName("DirectoryListBox1");
  tree_->setModel(dirs_);
  for (int c = 1; c < dirs_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  tree_->setRootIndex(dirs_->index(QDir::rootPath()));
  list_ = new QListView(this);
  list_->setObjectName("FileListBox1");
  list_->setModel(files_);
  edit_ = new QLineEdit(this);
  edit_->setObjectName("Edit1");

  auto* choose = new QPushButton(QStringLiteral("Vybrat"), this);
  choose->setObjectName("BVybrat");
  choose->setDefault(true);
  auto* leave = new QPushButton(QStringLiteral("Opustit"), this);
  leave->setObjectName("BOpustit");
  auto* new_dir = new QPushButton(QStringLiteral("Vytvoř nový adresář"), this);
  new_dir->setObjectName("BNovyAdresar");
  new_dir->hide();
  auto* alias = new QPushButton(QStringLiteral("ALIAS"), this);
  alias->setObjectName("BAlias");
  alias->hide();

  auto* dir_label = new QLabel(QStringLiteral("&Adresáře"), this);
  dir_label->setBuddy(tree_);
  auto* file_label = new QLabel(QStringLiteral("&Soubory (") + Q(selection.mask) + ")", this);
  file_label->setBuddy(list_);
  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(dir_label);
  left->addWidget(tree_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(file_label);
  right->addWidget(list_, 1);
  lists->addLayout(left, 3);
  lists->addLayout(right, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new_dir);
  buttons->addWidget(alias);
  buttons->addStretch(1);
  buttons->addWidget(choose);
  buttons->addWidget(leave);

  table_ = new QTableWidget(0, 4, this);
  table_->setObjectName("GridZdroje");
  table_->setHorizontalHeaderLabels({QStringLiteral("LHC_KOD"), QStringLiteral("LHC_NAZ"),
                                     QStringLiteral("Adresář zdroje dat LHC"),
                                     QStringLiteral("Poslední přihlášení")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  remove_ = new QPushButton(QStringLiteral("Uber řádek"), this);
  remove_->setObjectName("BUberRadek");
  auto* sources_box = new QGroupBox(QStringLiteral("Naposledy použité zdroje dat"), this);
  sources_box->setObjectName("PanelZdroje");
  auto* sources_layout = new QVBoxLayout(sources_box);
  sources_layout->addWidget(table_, 1);
  auto* remove_row = new QHBoxLayout;
  remove_row->addStretch(1);
  remove_row->addWidget(remove_);
  sources_layout->addLayout(remove_row);
  sources_box->setVisible(wide);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 3);
  layout->addWidget(edit_);
  layout->addWidget(sources_box, 2);
  layout->addLayout(buttons);

  setTabOrder(tree_, list_);
  setTabOrder(list_, edit_);
  setTabOrder(edit_, table_);
  setTabOrder(table_, remove_);
  setTabOrder(remove_, choose);
  setTabOrder(choose, leave);

  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) {
            if (index.isValid()) SetDirectory(dirs_->filePath(index));
          });
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) {
            if (index.isValid()) edit_->setText(files_->filePath(index));
          });
  // The tree fills itself in the background: the current directory is shown once it is there.
  connect(dirs_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (directory_.startsWith(loaded)) QTimer::singleShot(0, this, [this] { ShowInTree(); });
  });
  connect(list_, &QListView::doubleClicked, this, [this] { Choose(); });
  connect(edit_, &QLineEdit::returnPressed, this, [this] {
    const QString text = edit_->text();
    if (QDir(text).exists()) SetDirectory(text);
  });
  connect(choose, &QPushButton::clicked, this, [this] { Choose(); });
  connect(leave, &QPushButton::clicked, this, [this] { reject(); });
  connect(remove_, &QPushButton::clicked, this, [this] { RemoveRow(); });
  connect(table_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { SourceActivated(row); });

  QString start = Q(selection.start);
  if (start.isEmpty() || !QDir(start).exists()) start = QDir::rootPath();
  SetDirectory(start);
  if (wide) RefreshSources();
  resize(wide ? kWideWidth : kNarrowWidth, wide ? 560 : 420);
  tree_->setFocus();
}

void TS_VyhlSoub1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // A hidden view does not scroll; once laid out it shows the current directory.
  QTimer::singleShot(0, this, [this] { ShowInTree(); });
  QTimer::singleShot(250, this, [this] { ShowInTree(); });
}

void TS_VyhlSoub1::ShowInTree() {
  const QModelIndex index = dirs_->index(directory_);
  if (!index.isValid()) return;
  for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) tree_->expand(up);
  if (tree_->currentIndex() != index) tree_->setCurrentIndex(index);
  tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TS_VyhlSoub1::SetDirectory(const QString& path) {
  directory_ = QDir::cleanPath(QDir(path).absolutePath());
  ShowInTree();
  files_->setRootPath(directory_);
  list_->setRootIndex(files_->index(directory_));
  list_->clearSelection();
  edit_->setText(directory_);
}

bool TS_VyhlSoub1::SelectFile(const QString& name) {
  const QString path = QDir(directory_).filePath(name);
  if (!QFileInfo(path).isFile() || !QDir::match(files_->nameFilters(), name)) return false;
  edit_->setText(path);
  const QModelIndex index = files_->index(path);
  if (index.isValid()) list_->setCurrentIndex(index);
  return true;
}

void TS_VyhlSoub1::Choose() {
  const QString text = edit_->text();
  if (selection_.file) {
    // The file chosen in the list; with none the edit line as it stands.
    result_ = S(text);
  } else {
    result_ = S(directory_);
  }
  sources_.Choose(S(directory_), NowAsDays());
  accept();
}

void TS_VyhlSoub1::RefreshSources() {
  table_->setRowCount(0);
  for (int i = 0; i < sources_.Count(); ++i) {
    apptool::TZdroje* record = sources_.At(i);
    if (!record) continue;
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, 0, new QTableWidgetItem(QString::number(record->lhc_kod)));
    table_->setItem(row, 1, new QTableWidgetItem(Q(record->lhc_naz)));
    table_->setItem(row, 2, new QTableWidgetItem(Q(record->zdroj_adr)));
    table_->setItem(row, 3, new QTableWidgetItem(DaysAsText(record->s_date_time)));
    table_->item(row, 0)->setData(Qt::UserRole, i);
  }
  remove_->setEnabled(table_->rowCount() > 0);
}

void TS_VyhlSoub1::RemoveRow() {
  const int row = table_->currentRow();
  if (row < 0 || !table_->item(row, 0)) return;
  sources_.Remove(sources_.At(table_->item(row, 0)->data(Qt::UserRole).toInt()));
  RefreshSources();
}

void TS_VyhlSoub1::SourceActivated(int row) {
  QTableWidgetItem* item = table_->item(row, 2);
  if (item && QDir(item->text()).exists()) SetDirectory(item->text());
}

}  // namespace tarnik::gui
