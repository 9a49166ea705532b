// The transfer of a rebuilt unit into the planning database: the source emptied, the unit row,
// each compartment with everything below it as new rows (identifiers from ID, each row linked to
// its parent by VAZBA) and the unit's code lists into the plan-wide tables. The writers are the
// inverse of the plan readers: each level writes the columns its reader reads, from the same
// properties, so that reading the rows back gives the model that was written.
//
// Everything goes into the ImportDatabase's transaction; the caller commits or rolls back.
// A value the model cannot give (a property that fails) is reported with the element's
// designation and the row is written without it (data passed over); a failure of the database
// throws and ends the transfer. The database must outlive the transfer.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "islh/import_database.h"
#include "islh/xml_loader.h"

namespace tarnik::plan {
class TCiselKelva;
class TLesniMnozina;
class TMZDHospSoubMN;
class TDrevina;
class TEtaz;
class TLesniPlosnyNeporostniPrvek;
class TLesniPlosnyPrvek;
class TObecnyLesniPrvek;
class TPorost;
class TPorostniSkupina;
}  // namespace tarnik::plan

namespace tarnik::islh {

struct TransferOptions {
  bool no_colours = false;     // the unit's no-colours flag: colour columns left as they are
  bool national_park = false;  // the zone and national-park columns
  // The unit's log line for the progress of each compartment write; none when empty.
  std::function<void(const std::string&)> log;
};

class PlanTransfer : public TUnitSink {
 public:
  PlanTransfer(ImportDatabase& db, const TransferOptions& options);
  ~PlanTransfer() override;

  // Rows of ODDELENI, and whether they are only the single row of compartment 0.
  int64_t CompartmentRows();
  bool OnlyCompartmentZero();
  // Empties every plan table of the unit's data (ID is kept, so identifiers continue).
  void EmptySource();

  void WriteUnit(plan::TLHC& lhc) override;
  void WriteCompartment(plan::TOddeleni& compartment) override;
  // The container's lists into the plan-wide tables (nothing without a PHS database; then the
  // lists that hold anything are reported as passed over).
  void WriteCodeLists(plan::TCiselKelva& codes);

  // The MZD records into MEL_DREV (part of WriteCodeLists).
  void WriteMzdRecords(plan::TLesniMnozina& records);

  // Rows written, by table.
  const std::map<std::string, long>& written() const { return written_; }
  int64_t compartments() const { return compartments_; }

 private:
  struct Proposal {
    int64_t rowid;
    int kind;
    std::string species;  // as the species-code tables compare it
  };

  int64_t Insert(TableWriter& w, const std::string& table);
  void Log(const std::string& text) const {
    if (options_.log) options_.log(text);
  }
  // The colour code of a property of the element (-1 without metadata) into a colour column.
  void Colour(TableWriter& w, plan::TObecnyLesniPrvek& element, const std::string& column,
              const std::string& key);
  // The colour column X_br from the property X.
  void Colour(TableWriter& w, plan::TObecnyLesniPrvek& element, const std::string& column);

  void WriteStand(plan::TPorost& stand, int64_t dilec_id);
  void WriteRemarks(plan::TPorost& stand, int64_t stand_id);
  void WriteStatuses(plan::TPorost& stand, int64_t stand_id);
  void WritePlot(plan::TLesniPlosnyNeporostniPrvek& plot, const char* kind, int64_t stand_id);
  void WriteSpecialAreaColumns(TableWriter& w, plan::TLesniPlosnyPrvek& element,
                               const std::string& kind);
  void WriteGroup(plan::TPorostniSkupina& group, int64_t stand_id);
  void WriteLayer(plan::TEtaz& layer, int64_t group_id);
  void WriteLayerProposals(plan::TEtaz& layer, int64_t layer_id);
  void WriteSpecies(plan::TDrevina& species, plan::TEtaz& layer, int64_t layer_id, int k);
  void WriteShares(plan::TDrevina& species, plan::TEtaz& layer, int64_t layer_id, int k);
  // The proposals the database held for a layer before the import (none for a new identifier).
  void LoadProposals(int64_t layer_id);
  const Proposal* FindShare(int kind, const std::string& species, int k) const;
  void DeleteProposals(int first_kind, int last_kind);
  void DeleteProposal(int64_t rowid);
  // The largest VAZBA a table held when the transfer began: rows of a new parent above it exist
  // only when ID had fallen behind.
  int64_t LargestLink(const std::string& table);

  ImportDatabase& db_;
  TransferOptions options_;
  std::map<std::string, long> written_;
  std::map<std::string, int64_t> largest_link_;
  int64_t compartments_ = 0;
  int64_t unit_id_ = 1;
  bool layer_columns_checked_ = false;
  std::vector<Proposal> proposals_;  // of the layer being written
  // The MZD keys of the compartments written, as the export collects them: when the document's
  // MZD records are their expansion, they were derived, not the unit's own list.
  std::unique_ptr<plan::TMZDHospSoubMN> mzd_keys_;
};

// The two-digit year of the stock survey as the layer table stores it (nullopt for none).
std::optional<int64_t> StoredSurveyYear(int64_t year);

}  // namespace tarnik::islh
