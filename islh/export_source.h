// What the XML writer asks of the loaded forest unit: the object iterator behind the element
// names, the unit's reload and its LHC record, and the MZD list expansion. The export mapping of
// the forest plan implements it; tests give their own. Objects answered stay owned by the source.
#pragma once

#include <string>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::islh {

// What a source that writes geometry itself may do on the writer's output while it answers
// NextObject. Text is UTF-8, written at once where the output stands.
class TGeometryWriter {
 public:
  virtual ~TGeometryWriter() = default;
  virtual void WriteRaw(const std::string& text) = 0;
  virtual void WriteRawLine(const std::string& text) = 0;
  // The indentation of the element level being asked for.
  virtual std::string Indent() const = 0;
  // Writes ">" and a line end behind the open start tag of the innermost element, which the
  // writer still takes as open: its own closing then completes what the source wrote last.
  virtual void FinishOpenStartTag() = 0;
  // Closes the innermost open start tag as the writer does before a child.
  virtual void CloseOpenStartTag() = 0;
};

class TExportSource {
 public:
  virtual ~TExportSource() = default;

  // Rebuilds the compartment list and loads the first compartment.
  virtual void ZnovuNacti() = 0;
  // The LHC record (properties LHO, LHC_KOD_XML, KU_DATUM); may be nil.
  virtual framework::TElement* LhcRecord() = 0;
  // Every position before the first object, the first-compartment flag set.
  virtual void ResetIterator() = 0;
  // The next model object for the element name in the current context, or nil.
  virtual framework::TElement* NextObject(const std::string& element_name) = 0;
  // Expands the MZD list per management set after the last compartment.
  virtual void RozvinMZDHospSoub() = 0;
  // The writer's output for sources that write geometry; called before the walk.
  virtual void SetGeometryWriter(TGeometryWriter* /*writer*/) {}
  // Whether AttributeFor has anything to say (the writer asks it only then).
  virtual bool HasOwnAttributes() const { return false; }
  // The whole attribute text (name, "=", the quoted value and what follows it) when the source
  // decides this attribute of this object; false hands it to the writer's general rule.
  virtual bool AttributeFor(const std::string& /*attribute*/, framework::TElement* /*object*/,
                            std::string* /*text*/) {
    return false;
  }
};

}  // namespace tarnik::islh
