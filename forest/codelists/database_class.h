// Database classes of the code-list container: TDatabaseClass shows the rows of one code-list
// table as elements addressed by the key column, TDatabaseMel_DrevClass adds the texts of an
// ameliorating-species row. The table is never held: it is looked up in the container's lists
// on every use, so a class that outlives its container (or a list that could not be opened)
// simply finds no rows. Row elements are name=value lists (column = value), created on first
// request, kept as children and owned by the class.
#pragma once

#include <string>

#include "framework/entity.h"
#include "framework/handles.h"

namespace tarnik::engine {
class Table;
}
namespace tarnik::framework {
class TStringListElement;
}

namespace tarnik::plan {

class tciselnik;

class TDatabaseClass : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TDatabaseClass)

  // Binds the class to a list of the container; the name and key column as the list's
  // database class describes them.
  void Bind(tciselnik* container, const std::string& list, const std::string& key);

  const std::string& SourceType() const { return source_type_; }
  std::string SourcePath() const;  // the table's database directory
  std::string Source() const;      // the table's name
  const std::string& AddressField() const { return key_; }
  const std::string& NameField() const { return key_; }
  const std::string& List() const { return list_; }

  // The row with this key (compared as the code lists compare codes), positioned as the
  // current row; nil when there is none.
  framework::TStringListElement* Prvek(const std::string& key);
  // Positions the table on the row of the key; false when there is none.
  bool NastavAdresu(const std::string& key);
  const std::string& Adresa() const { return address_; }

 protected:
  // The bound table; nil when the container or the list is gone.
  engine::Table* Table() const;
  // The current row's text of a column, empty without a row.
  std::string CurrentText(const std::string& column) const;

 private:
  framework::TElementRef container_;
  std::string list_;
  std::string key_;
  std::string source_type_ = "table";
  std::string address_;
  bool on_row_ = false;
};

class TDatabaseMel_DrevClass : public TDatabaseClass {
 public:
  TARNIK_ELEMENT_CLASS(TDatabaseMel_DrevClass)
  // The non-empty Mel_DR1 ... Mel_DR10 of the current row joined with "&".
  std::string DR_ZKR() const;
  // The LT text of the current row without its last character, trimmed, blanks collapsed.
  std::string LT_SLT() const;
};

}  // namespace tarnik::plan
