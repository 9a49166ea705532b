#include "app/gui/world_explorer.h"

#include <QHeaderView>
#include <QSplitter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

#include "app/gui/qt_text.h"
#include "framework/class_info.h"
#include "framework/element.h"
#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::gui {
namespace {

constexpr int kHandleRole = Qt::UserRole;
constexpr int kFilledRole = Qt::UserRole + 1;

framework::TElement* ElementOf(QTreeWidgetItem* item) {
  if (!item) return nullptr;
  return framework::FindElementByHandle(item->data(0, kHandleRole).toInt());
}

std::string PropertyText(framework::TElement& element, const framework::TPropInfo& prop) {
  if (prop.kind == framework::TTypeKind::tkMethod) return std::string();
  try {
    return element.GetPropertyText(prop.name);
  } catch (const std::exception& e) {
    return std::string("(") + e.what() + ")";
  }
}

}  // namespace

std::string ElementCaption(framework::TElement& element) {
  const std::string name = element.GetName();
  const std::string& class_name = element.ClassType().Name();
  return name.empty() ? class_name : class_name + ": " + name;
}

TWorldExplorer::TWorldExplorer(framework::TElement* root, QWidget* parent) : QDialog(parent) {
  setObjectName("TWorldExplorer");
  setWindowTitle(QStringLiteral("Svět"));
  tree_ = new QTreeWidget(this);
  tree_->setObjectName("TreeSvet");
  tree_->setHeaderLabels({QStringLiteral("Prvek")});
  properties_ = new QTableWidget(0, 3, this);
  properties_->setObjectName("GridVlastnosti");
  properties_->setHorizontalHeaderLabels(
      {QStringLiteral("Vlastnost"), QStringLiteral("Typ"), QStringLiteral("Hodnota")});
  properties_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  properties_->verticalHeader()->hide();
  properties_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  properties_->horizontalHeader()->setStretchLastSection(true);
  auto* split = new QSplitter(this);
  split->addWidget(tree_);
  split->addWidget(properties_);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split);
  resize(820, 520);

  connect(tree_, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { Expand(item); });
  connect(tree_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item, QTreeWidgetItem*) { ShowProperties(item); });
  if (root) {
    QTreeWidgetItem* top = AddItem(nullptr, root);
    tree_->setCurrentItem(top);
    top->setExpanded(true);
  }
}

QTreeWidgetItem* TWorldExplorer::AddItem(QTreeWidgetItem* parent, framework::TElement* element) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
  item->setText(0, Q(ElementCaption(*element)));
  item->setData(0, kHandleRole, framework::TElementRef(element).Handle());
  item->setData(0, kFilledRole, false);
  auto* entity = dynamic_cast<framework::TEntity*>(element);
  if (entity && entity->GetCount() > 0) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  }
  return item;
}

void TWorldExplorer::Expand(QTreeWidgetItem* item) {
  if (item->data(0, kFilledRole).toBool()) return;
  item->setData(0, kFilledRole, true);
  auto* entity = dynamic_cast<framework::TEntity*>(ElementOf(item));
  if (!entity) return;
  for (framework::TElement* child : entity->Children()) {
    if (child) AddItem(item, child);
  }
  if (item->childCount() == 0) {
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  }
}

void TWorldExplorer::ShowProperties(QTreeWidgetItem* item) {
  properties_->setRowCount(0);
  framework::TElement* element = ElementOf(item);
  if (!element) return;
  for (const framework::TPropInfo& prop : element->ClassType().Properties()) {
    const int row = properties_->rowCount();
    properties_->insertRow(row);
    properties_->setItem(row, 0, new QTableWidgetItem(Q(prop.name)));
    properties_->setItem(row, 1, new QTableWidgetItem(Q(prop.type_name)));
    properties_->setItem(row, 2, new QTableWidgetItem(Q(PropertyText(*element, prop))));
  }
}

}  // namespace tarnik::gui
