// The one seam between the forest unit and the sources of its plan data (the planning database,
// the exchange files, the old part files, the LČR Oracle database). A recogniser registered with
// the unit (source_register.h) answers a source for a directory it recognises; from then on the
// unit asks only its source for the compartment list, the unit header with the first
// compartment, each next compartment and the end of the data, and answers from it what depends
// on where the data lie. The unit owns its source until it is destroyed or locates its data
// again. A source opens its data on first use. Failures are reported through the Ui and answered
// as false or nil, never thrown, except an unanswerable question (platform::QuestionUnanswered).
#pragma once

#include <cstdint>
#include <string>

namespace tarnik::engine {
class Database;
}

namespace tarnik::plan {

class CompartmentList;
class TLesniCelek;
class TOddeleni;
class tciselnik;

// What ZdrojNazev reads for a source without a database of its own.
inline constexpr const char* kNoSourceName = "Pěkná blbost";

class PlanSource {
 public:
  virtual ~PlanSource() = default;

  // The source kind, which the unit keeps as its TypZdroje.
  virtual uint8_t Kind() const = 0;
  // The reader's name (JakBylNacten once the first compartment is loaded); empty for a source
  // without a reader, which leaves JakBylNacten as it is.
  virtual std::string ReaderName() const = 0;

  // What the unit answers from its source: the data and code-list directories of a database, the
  // table of split owners, and whether the standard item lists exist for this source.
  virtual std::string ZdrojNazev() const { return kNoSourceName; }
  virtual std::string PHSNazev() const { return std::string(); }
  virtual std::string AdresarTabulky_TBSepMaj() const { return std::string(); }
  virtual bool HasStandardItemLists() const { return false; }

  // Whether the source's data are open (after the compartment list or the first load succeeded).
  virtual bool IsOpen() const = 0;
  // A source that lends tables to the unit's code lists binds them when it opens; this drops the
  // bindings again, before the container can outlive the source. Does nothing when none are bound.
  virtual void UnbindCodeLists(tciselnik& code_lists) = 0;
  // The database of the plan-wide code lists while the source is open; nil when it has none.
  virtual engine::Database* CodeListDatabase() { return nullptr; }

  // The planning database an import may write into while the source is open: the plan's
  // connection, its PHS database (nil when the plan has none) and whether the plan is the
  // national-park edition. A source that cannot take an import answers plan nil.
  struct ImportTarget {
    engine::Database* plan = nullptr;
    engine::Database* phs = nullptr;
    bool national_park = false;
  };
  virtual ImportTarget WritableDatabase() { return {}; }

  // Fills `out` (empty on entry) with the unit's compartment numbers; false when the source has
  // no list or cannot be opened (reported).
  virtual bool ListCompartments(TLesniCelek& unit, CompartmentList& out) = 0;
  // Reads the unit header into the unit's LHC and positions on the first compartment; false
  // after a message.
  virtual bool ReadHeader(TLesniCelek& unit) = 0;
  // Reads the compartment at the position and moves past it; nil at the end or after a message.
  // The answer is a fresh element no entity holds yet; the unit adds it to the LHC.
  virtual TOddeleni* ReadCompartment(TLesniCelek& unit, bool show_progress) = 0;
  // Whether no compartment follows the one read last.
  virtual bool AtEnd() = 0;
};

}  // namespace tarnik::plan
