// The recently used data sources of the selection dialog: TZdroje records kept in the model file
// "ZdrojeAdr.Klv" of the program's directory, at most nine. TDataSources owns its record list;
// a front end shows Records() and calls Choose on "Vybrat" and Remove on "Uber řádek".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/entity.h"

namespace tarnik::apptool {

inline constexpr int kMaxDataSources = 9;
inline constexpr const char* kDataSourcesFile = "ZdrojeAdr.Klv";

class TZdroje : public framework::TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TZdroje)
  int32_t lhc_kod = 0;
  std::string lhc_naz;
  std::string zdroj_adr;
  double s_date_time = 0;  // days since 1899-12-30
};

// LHC_KOD and LHC_NAZ of the first row of the directory's LHC table; nullopt when the directory
// holds no such table or it cannot be read.
struct TLhcIdentity {
  int32_t lhc_kod = 0;
  std::string lhc_naz;
};
std::optional<TLhcIdentity> ReadLhcIdentity(const std::string& directory);

class TDataSources {
 public:
  // `file` is the model file of the list (normally ProgramFile("ZdrojeAdr.Klv")).
  explicit TDataSources(std::string file);
  ~TDataSources();
  TDataSources(const TDataSources&) = delete;
  TDataSources& operator=(const TDataSources&) = delete;

  // Replaces the list by the file's records (an unreadable or missing file gives an empty list;
  // records beyond nine and elements of other classes are dropped).
  void Load();
  bool Save();
  framework::TOwnerEntity& Records() { return *records_; }
  int Count() const { return records_->GetCount(); }
  TZdroje* At(int index) const;

  // The choice of `directory`: only when the directory holds the LHC table, the record of that
  // directory (or a new one while there are fewer than nine, else the one used longest ago)
  // gets the directory, the unit's code and name and `now`, and the list is saved. A directory
  // without the table leaves the list unchanged and answers nil.
  TZdroje* Choose(const std::string& directory, double now);
  // Frees the record from the list and saves it ("Uber řádek").
  void Remove(TZdroje* record);

 private:
  std::string file_;
  framework::TOwnerEntity* records_;
};

void RegisterAppToolClasses();

}  // namespace tarnik::apptool
