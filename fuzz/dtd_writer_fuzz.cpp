// Fuzz target of the DTD-driven writer: the input is a DTD. The writer's skeleton and a document
// of a small unit that answers a few objects for every element name are written through it; a
// run that completes must give a well-formed document, whatever the DTD holds. Runs that end
// with an error (an element inside itself, nesting too deep) are allowed: the command then
// keeps the previous document.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <string>

#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "fuzz/quiet_ui.h"
#include "islh/export_source.h"
#include "islh/xml_export.h"
#include "testing/xml_check.h"

namespace {

using tarnik::framework::TElement;

// A model object whose values hold everything an attribute value must escape.
class TFuzzThing : public tarnik::framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TFuzzThing)
};

void DefineThing(std::vector<tarnik::framework::TPropInfo>& out) {
  tarnik::framework::TPropDefs<TFuzzThing> d(out);
  d.String(
      "TEXT",
      [](TFuzzThing&) { return std::string("A&B <x> \"y\" 'z' \x01\x1f\t\xc5\xa1\xe2\x82\xac"); },
      nullptr);
  d.String(
      "LHC_KOD_XML", [](TFuzzThing&) { return std::string("615203"); }, nullptr);
  d.Float(
      "PLOCHA", [](TFuzzThing&) { return 12.5; }, nullptr);
  d.Integer(
      "ODD", [](TFuzzThing&) { return -7; }, nullptr);
}

TARNIK_DEFINE_CLASS(TFuzzThing, tarnik::framework::TOwnerEntity, DefineThing)

// Answers the same object twice for every element name asked, then nothing, per name. The map
// writer opens BOD_OBRAZ, TXT_OBRAZ and LIN_OBRAZ itself before the walk closes them, so a
// source answers no object for them unless it wrote their start tags.
class Source : public tarnik::islh::TExportSource {
 public:
  void ZnovuNacti() override {}
  TElement* LhcRecord() override { return &thing_; }
  void ResetIterator() override { asked_.clear(); }
  TElement* NextObject(const std::string& name) override {
    if (name == "BOD_OBRAZ" || name == "TXT_OBRAZ" || name == "LIN_OBRAZ") return nullptr;
    return ++asked_[name] <= 2 ? &thing_ : nullptr;
  }
  void RozvinMZDHospSoub() override {}

 private:
  TFuzzThing thing_;
  std::map<std::string, int> asked_;
};

std::string TempDir() {
  static const std::string dir = [] {
    char pattern[] = "/tmp/tarnik-fuzz-dtd-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (!made) std::abort();
    return std::string(made);
  }();
  return dir;
}

std::string ReadAll(const std::string& path) {
  std::string bytes;
  if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
    char block[65536];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0) bytes.append(block, n);
    std::fclose(f);
  }
  return bytes;
}

void WriteThrough(const std::string& dtd, bool skeleton) {
  const std::string xml = TempDir() + "/out.xml";
  Source source;
  bool completed = false;
  try {
    tarnik::islh::TExportLHC_XML exporter;
    exporter.SetSource(&source);
    exporter.SetXMLFileName(xml);
    exporter.SetDTDFileName(dtd);
    exporter.SetErrorFileName(TempDir() + "/error.txt");
    exporter.SetTypIshul("2010");
    exporter.SetKU_DATUM("Dle Merku");
    exporter.SetEmptyXML(skeleton);
    exporter.Run();
    completed = true;
  } catch (const std::exception&) {
  }
  if (!completed) return;
  const std::string document = ReadAll(xml);
  if (auto error = tarnik::testing::XmlWellFormednessError(document)) {
    std::fprintf(stderr, "ill-formed document (%s): %s\n%s\n", skeleton ? "skeleton" : "data",
                 error->c_str(), document.substr(0, 4000).c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tarnik::framework::RegisterFrameworkClasses();
  tarnik::fuzzing::InstallQuietUi();
  const std::string dtd = TempDir() + "/fuzz.dtd";
  if (std::FILE* f = std::fopen(dtd.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }
  WriteThrough(dtd, true);
  WriteThrough(dtd, false);
  return 0;
}
