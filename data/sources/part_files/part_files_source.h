// The old plan part files as a plan source (kind 0, reader "LHP160"): files named
// "<unit>.<two-digit part>V" in the chosen directory. The compartment list and the part index
// (compartment = number of the first part that holds it, also the unit's child
// "SeznamLHP160_elem") come from reading every part of the unit; the header comes from the first
// record of the part with the smallest number, and the compartments follow in the order of the
// records, part after part (a compartment that continues into the next part is one compartment).
// Failures are reported through the Ui; nothing is thrown.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forest/unit/plan_source.h"
#include "forest/unit/source_register.h"

namespace tarnik::plan {

class PartChain;

inline constexpr uint8_t kSourcePartFiles = 0;

class PartFilesSource : public PlanSource {
 public:
  // `directory` as the user chose it; `unit` the code the part files are named by.
  PartFilesSource(std::string directory, int32_t unit);
  ~PartFilesSource() override;

  uint8_t Kind() const override { return kSourcePartFiles; }
  std::string ReaderName() const override { return "LHP160"; }
  bool IsOpen() const override { return opened_; }
  void UnbindCodeLists(tciselnik&) override {}

  // Every record of every part is read; the compartments in the order of their padded numbers.
  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  // The header from the first record; false (after the readers' messages) without any record.
  bool ReadHeader(TLesniCelek& unit) override;
  TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) override;
  bool AtEnd() override;

  // The parts of the unit: part number -> path, in the order of the numbers.
  std::map<int32_t, std::string> Parts() const;
  // Compartment (padded to three) -> the number of the first part holding it, after the list.
  const std::map<std::string, int32_t>& PartIndex() const { return index_; }

 private:
  std::vector<std::string> PartPaths() const;

  std::string directory_;
  int32_t unit_;
  std::map<std::string, int32_t> index_;
  std::unique_ptr<PartChain> chain_;
  bool opened_ = false;
};

// The recogniser (detection step kPartFiles): any part file makes a match; the first one names
// the unit, and part files of another unit are reported ("V adresáři <dir>jsou data lhc č.<first>
// i lhc č.<other>. Načítám pouze lhc č.<first> .") and ignored.
std::optional<SourceMatch> RecognisePartFiles(const SourceQuery& query);

// Registers the part-file source with the forest unit and its reader class with the class
// register; further calls do nothing.
void RegisterPartFilesSource();

}  // namespace tarnik::plan
