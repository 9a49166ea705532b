#include "data/engine/identifiers.h"

#include "data/engine/field_value.h"
#include "data/engine/sqlite_util.h"
#include "data/engine/table.h"
#include "platform/fs.h"

namespace tarnik::engine {

int64_t NewIdentifier(Database& plan, const std::string& table_key) {
  Transaction tx(plan, /*immediate=*/true);
  Table ids(plan, "ID");
  Value key = ValueForField(ids.FieldByName("Tabulka"), Value(table_key));
  std::string actual = ids.name();
  int64_t last = 0;
  {
    Statement st(plan.handle(), "SELECT " + QuoteIdentifier("ID") + " FROM " +
                                    QuoteIdentifier(actual) + " WHERE " +
                                    QuoteIdentifier("Tabulka") + " = ?");
    st.Bind(1, key);
    if (st.Step()) {
      last = ValueAsInteger(ids.FieldByName("ID"), st.Column(0));
    } else {
      plan.Execute("INSERT INTO " + QuoteIdentifier(actual) + " (" + QuoteIdentifier("Tabulka") +
                       ", " + QuoteIdentifier("ID") + ") VALUES (?, 0)",
                   {key});
    }
  }
  int64_t next = last + 1;
  plan.Execute("UPDATE " + QuoteIdentifier(actual) + " SET " + QuoteIdentifier("ID") +
                   " = ? WHERE " + QuoteIdentifier("Tabulka") + " = ?",
               {Value(next), key});
  tx.Commit();
  return next;
}

uint32_t ColourOfCode(int code) {
  switch (code) {
    case 0:
      return 0x80000018u;
    case 1:
      return 0xFFFFFFu;
    case 2:
      return 0xFFFFu;
    case 5:
      return 0xFFFF00u;
    default:
      return 0x80000016u;
  }
}

int CodeOfColour(uint32_t colour) {
  for (int code : {0, 1, 2, 5}) {
    if (ColourOfCode(code) == colour) return code;
  }
  return -1;
}

bool HoldsParadoxTablesOnly(const std::string& directory) {
  if (!platform::DirectoryExists(directory)) return false;
  if (platform::FindInDirectory(directory, kDatabaseFileName)) return false;
  return !platform::ListDirectory(directory, "*.db").empty();
}

}  // namespace tarnik::engine
