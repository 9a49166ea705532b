// TLHC_XMLLoader: reads an ISLH document (root DATAISLH) and rebuilds its numerical part in a
// forest unit, element by element in document order: the LHC record and the code lists the
// document brings (management sets, SCHU, organisational levels, forest managers, MZD records)
// into the unit, each compartment with everything below it into the LHC's compartment set. Each
// element is created by its class, named by one attribute, added under the element it stands in
// (the open element of the parent's kind; without one it is reported and passed over with its
// content) and filled attribute by attribute (a property named attribute + "_XML" first).
// Elements the numerical part does not hold are passed over with their content (the map part
// silently, other names reported once each); attributes the model lacks are reported once per
// name, attributes the model only computes as information.
//
// The sink gets the unit once LHC is read and each compartment when the next one begins; the
// last compartment stays in the unit for the caller. Memory holds one compartment at a time.
// Problems are reported through the Ui seam; only a file that cannot be read throws, and what a
// sink throws passes through. The unit and the sink must outlive the run.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/stream/stream_tools.h"
#include "islh/xml_scanner.h"

namespace tarnik::plan {
class TLesniCelek;
class TLHC;
class TOddeleni;
class TObecnyLesniPrvek;
}  // namespace tarnik::plan

namespace tarnik::islh {

// What the loader hands the rebuilt unit to.
class TUnitSink {
 public:
  virtual ~TUnitSink() = default;
  // The unit record, filled from LHC (its RId is 1).
  virtual void WriteUnit(plan::TLHC& lhc) = 0;
  // A finished compartment, handed over when the next one begins; freed afterwards.
  virtual void WriteCompartment(plan::TOddeleni& compartment) = 0;
};

class TLHC_XMLLoader : public framework::TKelvaLoader {
 public:
  TARNIK_ELEMENT_CLASS(TLHC_XMLLoader)

  // Deepest element nesting read; deeper elements are reported and passed over.
  static constexpr size_t kMaxDepth = 64;
  // Progress is reported after every this many bytes.
  static constexpr uint64_t kProgressStep = 102400;

  int64_t XMLSize() const { return xml_size_; }
  framework::TElement* AreaEntity() const { return area_entity_.Get(); }
  void SetAreaEntity(framework::TElement* entity) { area_entity_ = entity; }

  void SetUnit(plan::TLesniCelek* unit) { unit_ = unit; }
  void SetSink(TUnitSink* sink) { sink_ = sink; }

  // Loads FileName; a file that cannot be opened or read throws std::runtime_error.
  void Execute() override;
  // Loads a document held in memory (`name` for messages).
  void LoadBytes(std::string_view bytes);

  // Model elements built, by element name.
  const std::map<std::string, long>& ReadCounts() const { return read_counts_; }

 private:
  struct Open {
    std::string name;
    framework::TElement* element = nullptr;  // nil for an element read through (DATAISLH)
  };

  void Parse(XmlScanner& scanner);
  // The element built for a start tag, nil when it is read through; false when it and its
  // content are passed over.
  bool Dispatch(const XmlTag& tag, framework::TElement*& built);
  framework::TElement* Parent() const;
  // The parent the element needs, or nil (after the report) when it does not stand in one.
  template <class T>
  T* Require(const XmlTag& tag, const char* parent_name);
  void Fill(plan::TObecnyLesniPrvek& element, const XmlTag& tag);
  framework::TElement* BuildCodeElement(const XmlTag& tag);
  void Counted(const std::string& name) { ++read_counts_[name]; }
  // Reports a text once per key and document.
  void ReportOnce(const std::string& key, const std::string& text, platform::Severity severity);

  plan::TLesniCelek* unit_ = nullptr;
  TUnitSink* sink_ = nullptr;
  int64_t xml_size_ = 0;
  framework::TElementRef area_entity_;
  std::vector<Open> open_;
  std::map<std::string, long> read_counts_;
  std::set<std::string> reported_;
  // The MZD records the unit held before the document: a record of the document repeats only
  // them (the document's own records may repeat each other, as an export's expansion does).
  std::set<const framework::TElement*> earlier_mzd_;
  // Properties resolved per class and attribute name (nil: the class has neither).
  std::unordered_map<const framework::TClassInfo*,
                     std::unordered_map<std::string, const framework::TPropInfo*>>
      properties_;
};

// The value of an attribute, names compared without regard to ASCII case; "" when absent.
std::string AttributeValue(const XmlTag& tag, std::string_view name);

}  // namespace tarnik::islh
