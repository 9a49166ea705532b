// The element explorer on the world: a read-only tree of the elements below a root element
// (children filled in when a branch is opened) and the published properties of the element
// selected, name, type and value as text. Elements are held by handle, so an element freed
// meanwhile shows nothing.
#pragma once

#include <QDialog>

class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnik::framework {
class TElement;
}

namespace tarnik::gui {

class TWorldExplorer : public QDialog {
 public:
  explicit TWorldExplorer(framework::TElement* root, QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }
  QTableWidget* properties() const { return properties_; }

 private:
  QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, framework::TElement* element);
  void Expand(QTreeWidgetItem* item);
  void ShowProperties(QTreeWidgetItem* item);

  QTreeWidget* tree_;
  QTableWidget* properties_;
};

// The text of an element in the tree: its class, then its name when it has one.
std::string ElementCaption(framework::TElement& element);

}  // namespace tarnik::gui
