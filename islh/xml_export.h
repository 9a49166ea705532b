// TExportLHC_XML: writes one ISLH document for the loaded forest unit. The document structure
// comes only from the DTD: the writer walks it from DATAISLH downward, asks its TExportSource for
// the objects behind each element name and fills every declared attribute from the object's
// published property of that name (with "_xml" preferred). The output streams through a bounded
// buffer; a failing piece still leaves the file complete up to it and well-formed where the
// writer could close what it opened. One exporter serves one export; the source must outlive it.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/element.h"
#include "islh/dtd_element.h"
#include "islh/export_source.h"
#include "islh/xml_output.h"

namespace tarnik::islh {

// Whether the environment variable TARNIK_EXPORT_UNTUNED is set to a non-empty value other than
// "0".
bool ExportTuningDisabled();

class TExportLHC_XML : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TExportLHC_XML)
  TExportLHC_XML() = default;
  // Closes the output and shows "Konec exportu do XML" when an export ran.
  ~TExportLHC_XML() override;

  // Creates or truncates the output file at once; throws when it cannot.
  void SetXMLFileName(const std::string& path);
  const std::string& XMLFileName() const { return xml_file_name_; }
  const std::string& DTDFileName() const { return dtd_file_name_; }
  void SetDTDFileName(const std::string& path) { dtd_file_name_ = path; }
  const std::string& ErrorFileName() const { return error_file_name_; }
  void SetErrorFileName(const std::string& path) { error_file_name_ = path; }
  bool EmptyXML() const { return empty_xml_; }
  void SetEmptyXML(bool v) { empty_xml_ = v; }
  const std::string& TypIshul() const { return typ_ishul_; }
  void SetTypIshul(const std::string& v) { typ_ishul_ = v; }
  const std::string& KU_DATUM() const { return ku_datum_; }
  void SetKU_DATUM(const std::string& v) { ku_datum_ = v; }
  framework::TElement* LHC() const { return lhc_.Get(); }
  void SetLHC(framework::TElement* e) { lhc_ = e; }
  framework::TElement* HeleLes() const { return hele_les_.Get(); }
  void SetHeleLes(framework::TElement* e) { hele_les_ = e; }

  // The name under which lines of the protocol are reported through the UI seam as data passed
  // over (the error file's own name when not set).
  void SetProtocolName(const std::string& name) { protocol_name_ = name; }

  // Elements written, by element name (the skeleton's included).
  const std::map<std::string, long>& WrittenCounts() const { return written_counts_; }

  void SetSource(TExportSource* source) { source_ = source; }
  // Progress texts go to the status line through the UI seam when set.
  void SetProgressLine(bool on) { progress_line_ = on; }

  // Writes the whole document and closes the output and the protocol, each flushed to the disk;
  // errors while closing throw. Errors that end the export propagate after the output has been
  // flushed and the protocol closed.
  void Run();
  void WriteElement(framework::TElement* object, const std::string& name);
  std::string AttributeText(const std::string& attribute, framework::TElement* object);
  std::string Indent() const { return std::string(static_cast<size_t>(depth_) * 2, ' '); }
  int Depth() const { return depth_; }

  // Where an attribute value comes from for a class: the property table entry (nullptr when the
  // class publishes neither name) and the name that was found.
  struct TAttributeSource {
    const framework::TPropInfo* prop = nullptr;
    std::string property_name;
  };

 private:
  struct DtdEntry {
    std::vector<std::string> attributes;
    std::vector<std::string> children;
    // The attributes resolved for the class last written under this name (memoised only).
    const framework::TClassInfo* resolved_class = nullptr;
    std::vector<const TAttributeSource*> resolved;
  };
  struct OpenElement {
    std::string name;
    int depth = 0;
    bool start_tag_open = true;
  };

  DtdEntry& LookUp(const std::string& name);
  // The declaration the DTD reader holds, with every token that is not a name passed over
  // (reported once each) and every attribute declared again left out.
  DtdEntry CheckedEntry();
  void ReportBadToken(size_t line, const std::string& token);
  const TAttributeSource& Resolve(framework::TElement& object, const std::string& attribute);
  // The value text of an attribute (escaped) through its resolved source.
  std::string AttributeValue(const std::string& attribute, framework::TElement* object,
                             const TAttributeSource* source);
  void WriteAttributes(DtdEntry& entry, framework::TElement& object,
                       const std::string& element_name);
  // The writer's output as a source that writes geometry sees it.
  class GeometryOutput : public TGeometryWriter {
   public:
    explicit GeometryOutput(TExportLHC_XML& writer) : writer_(writer) {}
    void WriteRaw(const std::string& text) override { writer_.out_.WriteText(text); }
    void WriteRawLine(const std::string& text) override { writer_.out_.WriteLine(text); }
    std::string Indent() const override { return writer_.Indent(); }
    void FinishOpenStartTag() override;
    void CloseOpenStartTag() override { writer_.CloseStartTag(); }

   private:
    TExportLHC_XML& writer_;
  };
  // A symbol element whose object is not of the class its geometry needs is not written.
  static bool SymbolFitsObject(const std::string& name, framework::TElement* object);
  void WriteHeader();
  void WriteSkeleton(const std::string& name);
  // Refuses an element inside itself and nesting deeper than the walk allows (throws).
  void CheckNesting(const std::string& name) const;
  void CloseStartTag();
  void CloseOpenedDownTo(size_t level);
  void Protocol(const std::string& line);
  void ShowProgress(const std::string& text);

  std::string xml_file_name_;
  std::string dtd_file_name_;
  std::string error_file_name_;
  std::string typ_ishul_;
  std::string ku_datum_;
  bool empty_xml_ = false;
  framework::TElementRef lhc_;
  framework::TElementRef hele_les_;

  TExportSource* source_ = nullptr;
  bool progress_line_ = false;
  std::string progress_text_;
  std::string protocol_name_;
  std::map<std::string, long> written_counts_;
  std::set<std::pair<size_t, std::string>> reported_tokens_;
  bool ran_ = false;
  bool mzd_expanded_ = false;

  // Off when TARNIK_EXPORT_UNTUNED is set (for measurements): every DTD lookup and attribute
  // resolution is done anew and every piece of output goes to the file at once.
  bool memoise_ = !ExportTuningDisabled();
  TXmlOutput out_;
  TXmlOutput protocol_;
  std::unique_ptr<TDTDelement> dtd_;
  std::unordered_map<std::string, DtdEntry> dtd_cache_;
  std::unordered_map<const framework::TClassInfo*,
                     std::unordered_map<std::string, TAttributeSource>>
      attribute_cache_;
  int depth_ = 0;
  std::string current_element_name_;
  std::vector<OpenElement> open_;
  GeometryOutput geometry_output_{*this};
};

// The attribute value rules: floats with "." as separator; strings with "&" → " a " (except for
// CISLO_TEL, whose "&" becomes "&amp;") and the XML escapes for ', ", > and <.
std::string EscapeAttributeString(const std::string& attribute, const std::string& value);

}  // namespace tarnik::islh
