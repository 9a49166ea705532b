// The standard exchange files as a plan source (kinds 3, 4 and 8): PP.FST, BZL.FST and JP.FST
// of one directory (with LHC.FST, the code-list files Cis_051.FST to Cis_055.FST and Maj.FST in
// the 98 and 2000 forms). On first use it opens a reader and a translator per file, indexes the
// compartments of the three files (compartment -> the first line of its run) and lists them as
// the union of the indexes. The header comes from LHC.FST (98 and 2000 forms; the 97 form has it
// in PP.FST's lines). A compartment is the merge of the three files' lines of the smallest
// current compartment number, PP.FST first, then BZL.FST, then JP.FST; the data end when all
// three readers are at their ends. A PP.FST that cannot be opened or has no complete header
// leaves the source closed ("Neumím načíst seznam oddělení."). Failures are reported through the
// Ui; nothing is thrown.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "forest/unit/plan_source.h"

namespace tarnik::plan {

class TImportStandardPP_FST;
class TPrenasecZeStandarduData;

inline constexpr uint8_t kSourceStandard97 = 3;
inline constexpr uint8_t kSourceStandard98 = 4;
inline constexpr uint8_t kSourceStandard2000 = 8;

class FstSource : public PlanSource {
 public:
  // Where a compartment's run starts in a file: its byte offset and the count of data lines
  // before it.
  struct Start {
    uint64_t offset = 0;
    int32_t lines_before = 0;
  };
  using Index = std::map<int32_t, Start>;

  FstSource(std::string directory, uint8_t kind);
  ~FstSource() override;

  uint8_t Kind() const override { return kind_; }
  std::string ReaderName() const override { return std::string(); }
  bool IsOpen() const override { return opened_; }
  void UnbindCodeLists(tciselnik&) override {}

  bool ListCompartments(TLesniCelek& unit, CompartmentList& out) override;
  // The code lists and the LHC header (98 and 2000 forms), then the readers positioned on the
  // first listed compartment.
  bool ReadHeader(TLesniCelek& unit) override;
  TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) override;
  bool AtEnd() override;

  // The indexes of PP.FST, BZL.FST and JP.FST (after the list).
  const Index& PPIndex() const { return indexes_[0]; }
  const Index& BZLIndex() const { return indexes_[1]; }
  const Index& JPIndex() const { return indexes_[2]; }

 private:
  struct File;
  bool Open(TLesniCelek& unit);
  void BuildIndexes();
  void FillCodeLists(TLesniCelek& unit);
  // Positions every reader at the first line of the compartment, or, when a file lacks it, at
  // the first line of its next indexed compartment (at its end when none follows).
  void PositionAt(int32_t compartment);
  bool older_form() const { return kind_ == kSourceStandard97; }

  std::string directory_;
  uint8_t kind_;
  bool opened_ = false;
  // PP.FST, BZL.FST, JP.FST; LHC.FST separately.
  std::unique_ptr<File> files_[3];
  std::unique_ptr<File> lhc_;
  Index indexes_[3];
  int32_t first_ = 0;
};

}  // namespace tarnik::plan
