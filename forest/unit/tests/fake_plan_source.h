// A plan source for the forest unit's tests: compartments numbered as given, each read as a bare
// TOddeleni, with every request of the unit written to a journal that outlives the source.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "forest/unit/plan_source.h"

namespace tarnik::plan::test {

struct SourceJournal {
  std::vector<std::string> calls;  // "list", "header", "read" in the order asked
  int unbound = 0;                 // UnbindCodeLists calls
};

class FakePlanSource : public PlanSource {
 public:
  FakePlanSource(uint8_t kind, std::vector<int32_t> numbers, SourceJournal* journal)
      : kind_(kind), numbers_(std::move(numbers)), journal_(journal) {}

  uint8_t Kind() const override { return kind_; }
  std::string ReaderName() const override { return "Zkušební zdroj"; }
  std::string ZdrojNazev() const override { return "/data/zdroj"; }
  std::string PHSNazev() const override { return "/data/PHS"; }
  std::string AdresarTabulky_TBSepMaj() const override { return "/data/zdroj/TBSepMaj.DB"; }
  bool HasStandardItemLists() const override { return true; }
  bool IsOpen() const override { return open_; }
  void UnbindCodeLists(tciselnik&) override { ++journal_->unbound; }

  bool ListCompartments(TLesniCelek&, CompartmentList& out) override {
    journal_->calls.push_back("list");
    open_ = true;
    for (int32_t number : numbers_) out.Add(std::to_string(number));
    return true;
  }
  bool ReadHeader(TLesniCelek& unit) override {
    journal_->calls.push_back("header");
    unit.LHC()->SetPropertyText("LHC_NAZ", "Zkušební celek");
    next_ = 0;
    return true;
  }
  TOddeleni* ReadCompartment(TLesniCelek&, bool) override {
    journal_->calls.push_back("read");
    if (next_ >= numbers_.size()) return nullptr;
    auto* compartment = new TOddeleni();
    compartment->SetODD(numbers_[next_++]);
    return compartment;
  }
  bool AtEnd() override { return next_ >= numbers_.size(); }

 private:
  uint8_t kind_;
  std::vector<int32_t> numbers_;
  SourceJournal* journal_;
  bool open_ = false;
  size_t next_ = 0;
};

}  // namespace tarnik::plan::test
