#include "app/gui/main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <iterator>

#include "app/commands/numerical_import.h"
#include "app/commands/unit_export_adapter.h"
#include "app/gui/lho_record.h"
#include "app/gui/progress_export_unit.h"
#include "app/gui/qt_text.h"
#include "app/gui/world_explorer.h"
#include "app/tool/main_tool.h"
#include "app/tool/version_label.h"
#include "forest/hierarchy/lhc.h"
#include "forest/option_flags.h"
#include "forest/unit/lesni_celek.h"
#include "framework/models/world.h"
#include "gis/map_panel.h"
#include "platform/ui.h"

namespace tarnik::gui {

TMainForm::TMainForm(apptool::TMainTool* tool, QWidget* parent) : QMainWindow(parent), tool_(tool) {
  FormCreate();
}

TMainForm::~TMainForm() { plan::CloseUnitSession(session_); }

QPushButton* TMainForm::AddButton(const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

void TMainForm::FormCreate() {
  setObjectName("MainForm");
  setWindowTitle(QStringLiteral("Prevod do XML"));

  PanelProHel = new QFrame(this);
  PanelProHel->setObjectName("PanelProHel");
  PanelProHel->setFrameShape(QFrame::StyledPanel);
  PanelProHel->setFocusPolicy(Qt::TabFocus);
  PanelProHel->setMinimumSize(320, 260);
  helePan = new QFrame(PanelProHel);
  helePan->setObjectName("helePan");
  helePan->setAutoFillBackground(true);
  helePan->setBackgroundRole(QPalette::Base);
  helePanText = new QLabel(helePan);
  helePanText->setObjectName("helePanText");
  helePanText->setAlignment(Qt::AlignCenter);
  helePanText->setWordWrap(true);
  helePanText->setTextFormat(Qt::PlainText);
  helePanText->setText(QStringLiteral("helePan"));
  (new QVBoxLayout(helePan))->addWidget(helePanText);
  auto* host = new QVBoxLayout(PanelProHel);
  host->setContentsMargins(1, 1, 1, 1);
  host->addWidget(helePan);

  ButSvet = AddButton("ButSvet", "Svět");
  ButExpNumer = AddButton("ButExpNumer", "XML Export numerika");
  btXMLExport = AddButton("btXMLExport", "XML Export včetně mapy pro státní správu.");
  Edit1 = new QLineEdit(QStringLiteral("Edit1"), this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Button1 = AddButton("Button1", "XML import numerika");
  CombTypIS = new QComboBox(this);
  CombTypIS->setObjectName("CombTypIS");
  CombTypIS->setEditable(true);
  for (int year = 2001; year <= 2010; ++year) CombTypIS->addItem(QString::number(year));
  CombTypIS->setCurrentText(QStringLiteral("2010"));
  Ch_Odkor = new QCheckBox(QStringLiteral("V XML odkorněno"), this);
  Ch_Odkor->setObjectName("Ch_Odkor");
  Ch_Odkor->setChecked(true);
  ButXMLExpiOst = AddButton("ButXMLExpiOst", "XML Export včetně mapy a ost. pozemků");
  Ch_32eDedEt = new QCheckBox(QStringLiteral("Kateg. 32e zahrnout do induktivního etátu"), this);
  Ch_32eDedEt->setObjectName("Ch_32eDedEt");
  Ch_mzdPod80let =
      new QCheckBox(QStringLiteral("Exportovat mzd pod 80 let, je-li těžební procento"), this);
  Ch_mzdPod80let->setObjectName("Ch_mzdPod80let");
  Ch_mzdPod80let->setChecked(true);
  Ch_LHO = new QCheckBox(QStringLiteral("Lesní hospodářské osnovy"), this);
  Ch_LHO->setObjectName("Ch_LHO");
  Ch_LHO->setChecked(true);
  CombKU_DATUM = new QComboBox(this);
  CombKU_DATUM->setObjectName("CombKU_DATUM");
  CombKU_DATUM->setEditable(true);
  CombKU_DATUM->addItems({QStringLiteral(" 1.1.2001"), QStringLiteral("30.6.2004"),
                          QStringLiteral("30.6.2005"), QStringLiteral("30.6.2006"),
                          QStringLiteral("30.6.2007"), QStringLiteral("30.6.2008"),
                          QStringLiteral("30.6.2009"), QStringLiteral("Dle Merku")});
  CombKU_DATUM->setCurrentText(QStringLiteral("30.6.2009"));
  Button3 = AddButton("Button3", "XML Export včetně mapy a ost. pozemků  pro LČR");
  Button4 = AddButton("Button4", "XML Export numerika pro LČR");
  Ch_SmazZvlSt = new QCheckBox(QStringLiteral("Neexportovat zrušene statuty ochany přirody"), this);
  Ch_SmazZvlSt->setObjectName("Ch_SmazZvlSt");
  Ch_SmazZvlSt->setChecked(true);

  const std::string version = apptool::FileVersionText();
  LFileVersion = new QLabel(Q("Verze:" + version), this);
  LFileVersion->setObjectName("LFileVersion");
  LPopisVerze = new QLabel(Q(apptool::VersionLabel(version)), this);
  LPopisVerze->setObjectName("LPopisVerze");
  Label2 = new QLabel(QStringLiteral("Snižování etatu o induktivní těžbu se provádí vždy"), this);
  Label2->setObjectName("Label2");
  Label2->setWordWrap(true);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setMaximumWidth(220);
  LOddeleni = new QLabel(this);
  LOddeleni->setObjectName("LOddeleni");
  LOddeleni->setMinimumWidth(110);

  // The buttons of the commands, grouped by what they write.
  auto* exports = new QGroupBox(QStringLiteral("Export do XML"), this);
  auto* exports_layout = new QVBoxLayout(exports);
  for (QPushButton* b : {ButExpNumer, Button4, btXMLExport, ButXMLExpiOst, Button3})
    exports_layout->addWidget(b);
  auto* imports = new QGroupBox(QStringLiteral("Import z XML"), this);
  (new QVBoxLayout(imports))->addWidget(Button1);
  auto* options = new QGroupBox(QStringLiteral("Možnosti exportu"), this);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto* typ_label = new QLabel(QStringLiteral("Typ ISHUL"), this);
  typ_label->setBuddy(CombTypIS);
  auto* ku_label = new QLabel(QStringLiteral("Datum vydání číselníku KÚ"), this);
  ku_label->setBuddy(CombKU_DATUM);
  form->addRow(typ_label, CombTypIS);
  form->addRow(ku_label, CombKU_DATUM);
  auto* options_layout = new QVBoxLayout(options);
  options_layout->addLayout(form);
  for (QCheckBox* box : {Ch_Odkor, Ch_mzdPod80let, Ch_32eDedEt, Ch_LHO, Ch_SmazZvlSt})
    options_layout->addWidget(box);
  options_layout->addWidget(Label2);

  auto* side = new QVBoxLayout;
  side->addWidget(ButSvet);
  side->addWidget(exports);
  side->addWidget(imports);
  side->addWidget(options);
  side->addStretch(1);
  auto* versions = new QHBoxLayout;
  versions->addWidget(LFileVersion);
  versions->addStretch(1);
  versions->addWidget(LPopisVerze);
  side->addLayout(versions);

  auto* top = new QHBoxLayout;
  top->addWidget(PanelProHel, 1);
  top->addLayout(side, 0);
  auto* status = new QHBoxLayout;
  status->addWidget(Edit1, 1);
  status->addWidget(LOddeleni);
  status->addWidget(ProgressBar1);
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top, 1);
  layout->addLayout(status);
  setCentralWidget(central);

  // The tab stops in the form's order.
  QWidget* order[] = {PanelProHel,  ButSvet,  ButExpNumer,   btXMLExport, Edit1,          Button1,
                      CombTypIS,    Ch_Odkor, ButXMLExpiOst, Ch_32eDedEt, Ch_mzdPod80let, Ch_LHO,
                      CombKU_DATUM, Button3,  Button4,       Ch_SmazZvlSt};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(ButSvet, &QPushButton::clicked, this, [this] { ButSvetClick(); });
  connect(ButExpNumer, &QPushButton::clicked, this,
          [this] { ExportClick(ExportButton::kButExpNumer); });
  connect(Button4, &QPushButton::clicked, this, [this] { ExportClick(ExportButton::kButton4); });
  connect(btXMLExport, &QPushButton::clicked, this,
          [this] { ExportClick(ExportButton::kBtXMLExport); });
  connect(ButXMLExpiOst, &QPushButton::clicked, this,
          [this] { ExportClick(ExportButton::kButXMLExpiOst); });
  connect(Button3, &QPushButton::clicked, this, [this] { ExportClick(ExportButton::kButton3); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Ch_Odkor, &QCheckBox::clicked, this,
          [this] { forest::Flags().odkorneno = Ch_Odkor->isChecked(); });
  connect(Ch_SmazZvlSt, &QCheckBox::clicked, this,
          [this] { forest::Flags().smaz_zvl_st = Ch_SmazZvlSt->isChecked(); });
  connect(Ch_LHO, &QCheckBox::clicked, this, [this] { Ch_LHOExit(); });
  Ch_LHO->installEventFilter(this);
  Ch_SmazZvlSt->installEventFilter(this);

  resize(minimumSizeHint().expandedTo(QSize(900, 560)));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // Leaving a box means the focus moved to another control of the window, not that the window
  // lost it (to a dialog or another program).
  const auto* focus =
      event->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(event) : nullptr;
  if (focus && focus->reason() != Qt::ActiveWindowFocusReason &&
      focus->reason() != Qt::PopupFocusReason) {
    if (watched == Ch_LHO && !Ch_LHO->signalsBlocked()) Ch_LHOExit();
    if (watched == Ch_SmazZvlSt) forest::Flags().smaz_zvl_st = Ch_SmazZvlSt->isChecked();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (tool_ && !quit_done_) {
    quit_done_ = true;
    tool_->Quit();
  }
  QMainWindow::closeEvent(event);
}

void TMainForm::FormShow() {
  forest::Flags().odkorneno = Ch_Odkor->isChecked();
  if (!session_.unit) {
    plan::UnitSessionOptions options;
    options.log = [](const std::string& text) { platform::ui().SetStatus(text); };
    options.no_colours = false;
    try {
      session_ = plan::OpenUnitSession(std::string(), options);
    } catch (const platform::QuestionUnanswered& q) {
      session_.failure = q.text;
    }
    if (!session_.ok()) {
      platform::ui().ShowMessage(plan::kNoPlanData, platform::Severity::kFailure);
      ended_ = true;
      QTimer::singleShot(0, this, [this] { close(); });
      return;
    }
    // Setting the box from the unit writes nothing: its handlers are detached meanwhile.
    const QSignalBlocker detached(Ch_LHO);
    Ch_LHO->setChecked(session_.unit->LHC()->LHO() == "A");
  }
  setWindowTitle(
      Q(apptool::WindowTitle(apptool::FileVersionText(), session_.unit->adresarObecnychDatLHP())));
  RunCommand([this] { PrepareMapPanel(panel_, *session_.unit, tool_, forest_reader_); });
  UpdateMapPanel();
}

void TMainForm::UpdateMapPanel() {
  plan::TLesniCelek* unit = session_.unit;
  if (!unit) return;
  plan::TLHC* lhc = unit->LHC();
  QString text = Q("LHC " + std::to_string(lhc->LHC_KOD()) + " " + lhc->GetPropertyText("LHC_NAZ") +
                   "\n" + unit->adresarObecnychDatLHP()) +
                 "\n\n";
  if (HasHierarchy(panel_)) {
    text += Q("Mapa: " + panel_.lhc_dir);
  } else {
    text += Q(kNoMapExport);
  }
  helePanText->setText(text);
}

void TMainForm::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const platform::QuestionUnanswered& q) {
    platform::ui().ShowMessage(q.text, platform::Severity::kFailure);
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
  platform::ui().Progress(0, 0);
}

app::ExportOptions TMainForm::Options() const {
  app::ExportOptions options;
  options.typ_ishul = S(CombTypIS->currentText());
  options.ku_datum = S(CombKU_DATUM->currentText());
  options.odkorneno = Ch_Odkor->isChecked();
  options.mzd_pod_80_let = Ch_mzdPod80let->isChecked();
  options.smaz_zvl_st = Ch_SmazZvlSt->isChecked();
  return options;
}

void TMainForm::ButSvetClick() {
  TWorldExplorer explorer(&framework::World(), this);
  explorer.exec();
}

void TMainForm::ExportClick(ExportButton button) {
  plan::TLesniCelek* unit = session_.unit;
  if (!unit) return;
  RunCommand([&] {
    app::TLesniCelekExportUnit adapter(*unit);
    const long count = static_cast<long>(unit->SeznamOddeleni().size());
    ProgressExportUnit progress(adapter, count,
                                [this](long position, long all, const std::string& odd) {
                                  ShowCompartment(position, all, odd);
                                });
    RunExportVariant(VariantOf(button), progress, Options(), map_.get());
  });
  LOddeleni->clear();
}

void TMainForm::Button1Click() {
  plan::TLesniCelek* unit = session_.unit;
  if (!unit) return;
  app::ImportResult result;
  RunCommand([&] { result = app::ImportNumerical(*unit, {Ch_Odkor->isChecked()}); });
  // "ukončit" ends the program.
  if (result.status == app::ImportResult::Status::kQuit) close();
}

void TMainForm::Ch_LHOExit() {
  if (!session_.unit) return;
  WriteLhoRecord(*session_.unit, Ch_LHO->isChecked());
}

void TMainForm::ShowCompartment(long position, long count, const std::string& odd) {
  platform::ui().Progress(position, count);
  LOddeleni->setText(Q("Oddělení " + odd));
  LOddeleni->repaint();
}

void TMainForm::ShowStatus(const std::string& text) {
  Edit1->setText(Q(text));
  Edit1->repaint();
}

void TMainForm::ShowProgress(long position, long max) {
  if (max <= 0) {
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
  } else {
    ProgressBar1->setRange(0, static_cast<int>(max));
    ProgressBar1->setValue(static_cast<int>(std::min(position, max)));
  }
  ProgressBar1->repaint();
}

}  // namespace tarnik::gui
