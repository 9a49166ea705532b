// TExportMapping: the objects behind the element names of the numerical ISLH document. One call
// of NextObject advances the position of its element kind within the current parent and yields
// the object there, or nil past the last one; the compartments come one after another from the
// unit, each prepared for the export first and skipped when nothing of it is left (except the
// last). With the SestavitMZD option the MZD keys of every compartment are collected into the
// code lists' MZD list, which RozvinMZDHospSoub expands after the last compartment. The unit
// must outlive the mapping; the objects yielded stay owned by the unit.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "islh/export_source.h"
#include "islh/export_unit.h"

namespace tarnik::plan {
class TLesniMnozina;
}

namespace tarnik::islh {

// One element kind's walk: the position among the elements its current parent had when the
// walk began (-1 before the first).
struct TExportMappingCursor {
  int position = -1;
  framework::TElementRef set;
  std::vector<framework::TElementRef> items;
};

class TExportMapping : public TExportSource {
 public:
  explicit TExportMapping(TExportUnit& unit) : unit_(unit) {}

  void ZnovuNacti() override;
  framework::TElement* LhcRecord() override;
  void ResetIterator() override;
  framework::TElement* NextObject(const std::string& element_name) override;
  void RozvinMZDHospSoub() override;

  // The preparation of one compartment before it is written, in this order: current parcel
  // parts, merged equal plots, category "10" for stands without one, empty afforestation rows
  // removed, left-out statuses removed (SmazZvlSt), empty stands and sub-compartments removed
  // (not for the LČR exports).
  void PrepareCompartment(plan::TOddeleni& compartment);

  // The object of that element name at the walk's present position (the compartment loaded for
  // "ODD", the LHC record for "LHC"); nil before the first or past the last.
  framework::TElement* CurrentObject(const std::string& element_name);

  // "exportuji oddělění <ODD>" goes to the status line before each further compartment.
  void SetProgressLine(bool on) { progress_line_ = on; }

 private:
  enum Kind {
    HS,
    SCHU,
    OU1,
    OU2,
    OLH,
    MZD,
    DIL,
    POR,
    KAT,
    PSK,
    BZL,
    JP,
    OP,
    ETZ,
    CPP,
    CPB,
    CPJ,
    DRV,
    ZAL,
    POS,
    kKindCount
  };
  using Cursor = TExportMappingCursor;

  framework::TElement* NextCompartment();
  framework::TElement* Step(Kind kind);
  framework::TElement* Advance(Kind kind);
  // The kind whose current element holds this kind's elements (kKindCount for the compartment's
  // sub-compartments and the code lists' kinds).
  Kind Parent(Kind kind) const;
  // A cursor moved or restarted: the current elements of it and of the kinds below it are found
  // anew.
  void Moved(Kind kind) { moved_at_[kind] = ++moves_; }
  void MovedAll();
  plan::TLesniMnozina* SourceSet(Kind kind);
  framework::TElement* Current(Kind kind);
  // What Current answers, found through the chain of current elements above.
  framework::TElement* Find(Kind kind);
  void Restart(std::initializer_list<Kind> kinds);
  void Taken(Kind kind);
  void CollectMzdKeys(plan::TOddeleni& compartment);

  TExportUnit& unit_;
  std::array<Cursor, kKindCount> cursors_;
  // Current(kind) as last found, valid while neither that cursor nor one above it moved since
  // (found_at_ after every moved_at_ along the chain); the chain of look-ups up to the
  // compartment is otherwise walked for every element written.
  uint64_t moves_ = 0;
  std::array<uint64_t, kKindCount> moved_at_{};
  std::array<uint64_t, kKindCount> found_at_{};
  std::array<framework::TElementRef, kKindCount> found_{};
  bool first_compartment_ = true;
  bool parcels_of_other_land_ = false;  // CPJ follows OP (true) or JP (false)
  bool progress_line_ = false;
};

}  // namespace tarnik::islh
