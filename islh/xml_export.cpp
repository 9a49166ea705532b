#include "islh/xml_export.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string_view>

#include "forest/option_flags.h"
#include "framework/errors.h"
#include "framework/property_text.h"
#include "islh/ascii_names.h"
#include "islh/xml_names.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"
#include "spatial/area_element.h"
#include "spatial/space_elements.h"

namespace tarnik::islh {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;
using framework::TTypeKind;

void DefineExport(std::vector<TPropInfo>& out) {
  TPropDefs<TExportLHC_XML> d(out);
  d.String("XMLFileName", &TExportLHC_XML::XMLFileName, &TExportLHC_XML::SetXMLFileName);
  d.String("DTDFileName", &TExportLHC_XML::DTDFileName, &TExportLHC_XML::SetDTDFileName);
  d.String("ErrorFileName", &TExportLHC_XML::ErrorFileName, &TExportLHC_XML::SetErrorFileName);
  d.Object("LHC", TElement::StaticClass(), &TExportLHC_XML::LHC, &TExportLHC_XML::SetLHC);
  d.Object("HeleLes", TElement::StaticClass(), &TExportLHC_XML::HeleLes,
           &TExportLHC_XML::SetHeleLes);
  d.Boolean("EmptyXML", &TExportLHC_XML::EmptyXML, &TExportLHC_XML::SetEmptyXML);
  d.String("TypIshul", &TExportLHC_XML::TypIshul, &TExportLHC_XML::SetTypIshul);
  d.String("KU_DATUM", &TExportLHC_XML::KU_DATUM, &TExportLHC_XML::SetKU_DATUM);
}

// Nesting deeper than this comes only from a damaged DTD; the walk stops there instead of
// exhausting the stack.
constexpr int kMaxDepth = 200;

bool IsRepeatMark(char c) { return c == '*' || c == '+'; }
bool IsOccurrenceMark(char c) { return IsRepeatMark(c) || c == '?'; }

// A token as it can stand in a message: control bytes shown as '?'.
std::string Printable(const std::string& token) {
  std::string out = token;
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return out;
}

bool IsPolyline(TElement* object) {
  if (!object) return false;
  for (const framework::TClassInfo* c = &object->ClassType(); c; c = c->Parent()) {
    if (c->Name() == "TPolyLineElement") return true;
  }
  return false;
}

bool IsFloat(const TPropInfo& prop) { return prop.kind == TTypeKind::tkFloat; }

}  // namespace

bool ExportTuningDisabled() {
  const char* v = std::getenv("TARNIK_EXPORT_UNTUNED");
  return v && *v && std::string_view(v) != "0";
}

TARNIK_DEFINE_CLASS(TExportLHC_XML, framework::TElement, DefineExport)

namespace {

// Control characters other than tab, line feed and carriage return cannot stand in an XML
// document, not even as references.
bool IsForbiddenControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

bool NeedsEscaping(const std::string& value) {
  for (unsigned char c : value) {
    if (c == '&' || c == '\'' || c == '"' || c == '<' || c == '>' || IsForbiddenControl(c))
      return true;
  }
  return false;
}

}  // namespace

std::string EscapeAttributeString(const std::string& attribute, const std::string& value) {
  if (!NeedsEscaping(value)) return value;
  // One pass does what replacing "&" first and then the other four would do: the texts put in
  // for "&" hold none of the other characters.
  const bool telephone = attribute.size() == 9 && platform::SameTextCz(attribute, "CISLO_TEL");
  std::string text;
  text.reserve(value.size() + 16);
  for (char c : value) {
    switch (c) {
      case '&':
        // In a telephone number the ampersand stays data; as an entity the document stays
        // well-formed.
        text += telephone ? "&amp;" : " a ";
        break;
      case '\'':
        text += "&apos;";
        break;
      case '"':
        text += "&quot;";
        break;
      case '>':
        text += "&gt;";
        break;
      case '<':
        text += "&lt;";
        break;
      default:
        text += IsForbiddenControl(static_cast<unsigned char>(c)) ? ' ' : c;
    }
  }
  return text;
}

TExportLHC_XML::~TExportLHC_XML() {
  try {
    out_.Close();
  } catch (...) {
  }
  if (ran_) platform::ui().ShowMessage("Konec exportu do XML");
}

void TExportLHC_XML::SetXMLFileName(const std::string& path) {
  out_.Open(path);
  out_.SetBuffered(memoise_);
  xml_file_name_ = path;
}

TExportLHC_XML::DtdEntry& TExportLHC_XML::LookUp(const std::string& name) {
  std::string key = platform::UpperAscii(name);
  auto it = dtd_cache_.find(key);
  if (it != dtd_cache_.end() && memoise_) return it->second;
  if (!dtd_) throw std::runtime_error("Soubor DTD není otevřen");
  dtd_->ReadElement(name);
  // Unmemoised, the declaration is read again on every lookup; an entry already handed out stays
  // as it is, since a caller up the stack may still hold it.
  DtdEntry entry = CheckedEntry();
  if (it != dtd_cache_.end()) return it->second;
  return dtd_cache_.emplace(key, std::move(entry)).first->second;
}

void TExportLHC_XML::ReportBadToken(size_t line, const std::string& token) {
  if (!reported_tokens_.insert({line, token}).second) return;
  platform::ui().ShowMessage("Soubor DTD " + dtd_->path() + ", řádek " + std::to_string(line) +
                                 ": \"" + Printable(token) + "\" není jméno XML, vynecháno.",
                             platform::Severity::kPassedOver);
}

TExportLHC_XML::DtdEntry TExportLHC_XML::CheckedEntry() {
  DtdEntry entry;
  const std::vector<std::string>& attributes = dtd_->attributes();
  const std::vector<size_t>& lines = dtd_->attribute_lines();
  for (size_t i = 0; i < attributes.size(); ++i) {
    const std::string& attribute = attributes[i];
    if (!IsXmlName(attribute)) {
      ReportBadToken(i < lines.size() ? lines[i] : 0, attribute);
      continue;
    }
    // Declared twice, written once: an element cannot carry an attribute twice.
    if (std::find(entry.attributes.begin(), entry.attributes.end(), attribute) ==
        entry.attributes.end())
      entry.attributes.push_back(attribute);
  }
  for (const std::string& child : dtd_->children()) {
    if (child.empty()) continue;
    std::string_view name = child;
    if (IsOccurrenceMark(name.back())) name.remove_suffix(1);
    if (!IsXmlName(name)) {
      ReportBadToken(dtd_->declaration_line(), child);
      continue;
    }
    entry.children.push_back(child);
  }
  return entry;
}

const TExportLHC_XML::TAttributeSource& TExportLHC_XML::Resolve(TElement& object,
                                                                const std::string& attribute) {
  auto& per_class = attribute_cache_[&object.ClassType()];
  auto it = per_class.find(attribute);
  if (it != per_class.end() && memoise_) return it->second;
  TAttributeSource source;
  const framework::TClassInfo& c = object.ClassType();
  std::string with_suffix = attribute + "_xml";
  if (const TPropInfo* p = c.Find(with_suffix)) {
    source.prop = p;
    source.property_name = p->name;
  } else if (const TPropInfo* q = c.Find(attribute)) {
    source.prop = q;
    source.property_name = q->name;
  }
  if (it != per_class.end()) return it->second = std::move(source);
  return per_class.emplace(attribute, std::move(source)).first->second;
}

void TExportLHC_XML::Protocol(const std::string& line) {
  if (!protocol_.IsOpen()) return;
  protocol_.WriteLine(line);
  platform::ui().ReportProtocolLine(
      protocol_name_.empty() ? platform::FileNameOf(error_file_name_) : protocol_name_, line);
}

void TExportLHC_XML::ShowProgress(const std::string& text) {
  if (!progress_line_ || text == progress_text_) return;
  progress_text_ = text;
  platform::ui().SetStatus(text);
}

std::string TExportLHC_XML::AttributeValue(const std::string& attribute, TElement* object,
                                           const TAttributeSource* source) {
  std::string value;
  bool found = false;
  if (object) {
    if (!source) source = &Resolve(*object, attribute);
    if (source->prop) {
      found = true;
      value = framework::PropertyText(*object, *source->prop);
      if (IsFloat(*source->prop)) {
        std::replace(value.begin(), value.end(), ',', '.');
      } else if (NeedsEscaping(value)) {
        // Every other kind is escaped as well: enumeration and object names are texts too.
        value = EscapeAttributeString(attribute, value);
      }
    } else if (object->HasProperty(attribute + "_xml") || object->HasProperty(attribute)) {
      // Classes whose properties are not all in their table (named values, property bags).
      found = true;
      value = object->HasProperty(attribute + "_xml") ? object->GetPropertyText(attribute + "_xml")
                                                      : object->GetPropertyText(attribute);
      value = EscapeAttributeString(attribute, value);
    }
  }
  if (!found && platform::UpperAscii(attribute) != "PSK_ZNACKA") {
    Protocol(current_element_name_ + "->" + attribute + " ... missing property");
  }
  return value;
}

std::string TExportLHC_XML::AttributeText(const std::string& attribute, TElement* object) {
  return attribute + "=\"" + AttributeValue(attribute, object, nullptr) + "\"";
}

void TExportLHC_XML::WriteAttributes(DtdEntry& entry, TElement& object,
                                     const std::string& element_name) {
  if (source_->HasOwnAttributes()) {
    std::string text;
    for (size_t i = 0; i < entry.attributes.size(); ++i) {
      const std::string& attribute = entry.attributes[i];
      current_element_name_ = element_name;
      if (source_->AttributeFor(attribute, &object, &text)) {
        out_.WriteText(" " + text);
      } else {
        out_.WriteText(" " + AttributeText(attribute, &object));
      }
    }
    return;
  }
  if (!memoise_) {
    for (const std::string& attribute : entry.attributes) {
      current_element_name_ = element_name;
      out_.WriteText(" " + AttributeText(attribute, &object));
    }
    return;
  }
  // Elements of one name are nearly always of one class: its attribute sources are resolved
  // once, and each attribute goes to the output buffer piece by piece.
  if (entry.resolved_class != &object.ClassType()) {
    entry.resolved.clear();
    for (const std::string& attribute : entry.attributes)
      entry.resolved.push_back(&Resolve(object, attribute));
    entry.resolved_class = &object.ClassType();
  }
  // Only this writer sets the element name the protocol reports; the getters cannot.
  current_element_name_ = element_name;
  for (size_t i = 0; i < entry.attributes.size(); ++i) {
    const std::string& attribute = entry.attributes[i];
    out_.WriteAttribute(attribute, AttributeValue(attribute, &object, entry.resolved[i]));
  }
}

void TExportLHC_XML::WriteHeader() {
  TElement* lhc = source_ ? source_->LhcRecord() : nullptr;
  std::string lho = lhc ? lhc->GetPropertyText("LHO") : std::string();
  std::string code = lhc ? lhc->GetPropertyText("LHC_KOD_XML") : std::string();
  out_.WriteLine("<?xml version=\"1.0\" encoding=\"Windows-1250\" ?>");
  out_.WriteLine("<?ISLH " + typ_ishul_ + (lho == "A" ? " LHO $ ?>" : " LHP $ ?>"));
  out_.WriteLine("<!DOCTYPE DATAISLH SYSTEM \"" + code + ".dtd\">");
}

void TExportLHC_XML::Run() {
  if (!source_) throw framework::EKelvaError("Export nemá zdroj dat");
  ran_ = true;
  if (!error_file_name_.empty()) protocol_.Open(error_file_name_);
  depth_ = 0;
  open_.clear();
  mzd_expanded_ = false;
  dtd_cache_.clear();
  written_counts_.clear();
  reported_tokens_.clear();
  try {
    if (dtd_file_name_.empty()) throw framework::EKelvaError("Není zadán soubor DTD");
    dtd_ = std::make_unique<TDTDelement>(dtd_file_name_);
    WriteHeader();
    source_->ZnovuNacti();
    std::string date_key = platform::UpperCz(platform::RemoveBlanks(ku_datum_));
    if (!date_key.empty() && date_key != "DLEMERKU") {
      if (TElement* lhc = source_->LhcRecord()) lhc->SetPropertyText("KU_DATUM", ku_datum_);
    }
    if (empty_xml_) {
      WriteSkeleton("DATAISLH");
    } else {
      source_->SetGeometryWriter(&geometry_output_);
      source_->ResetIterator();
      WriteElement(source_->NextObject("DATAISLH"), "DATAISLH");
      source_->SetGeometryWriter(nullptr);
    }
  } catch (...) {
    source_->SetGeometryWriter(nullptr);
    try {
      out_.Flush();
    } catch (...) {
    }
    try {
      protocol_.Close();
    } catch (...) {
    }
    throw;
  }
  out_.Close();
  protocol_.Close();
}

void TExportLHC_XML::GeometryOutput::FinishOpenStartTag() {
  if (!writer_.open_.empty() && writer_.open_.back().start_tag_open) writer_.out_.WriteLine(">");
}

bool TExportLHC_XML::SymbolFitsObject(const std::string& name, TElement* object) {
  if (name == "KLO") return IsPolyline(object);
  if (name == "KBO") return framework::ClassCast<spatial::TPointElement>(object) != nullptr;
  if (name == "KTO") return framework::ClassCast<spatial::TTextElement>(object) != nullptr;
  if (name == "KPO") return framework::ClassCast<spatial::TAreaElement>(object) != nullptr;
  return true;
}

void TExportLHC_XML::CloseStartTag() {
  if (!open_.empty() && open_.back().start_tag_open) {
    out_.WriteLine(">");
    open_.back().start_tag_open = false;
  }
}

void TExportLHC_XML::CloseOpenedDownTo(size_t level) {
  while (open_.size() > level) {
    OpenElement& top = open_.back();
    if (top.start_tag_open) {
      out_.WriteLine("/>");
    } else {
      out_.WriteLine(std::string(static_cast<size_t>(top.depth) * 2, ' ') + "</" + top.name + ">");
    }
    open_.pop_back();
  }
}

void TExportLHC_XML::WriteElement(TElement* object, const std::string& name) {
  if (name == "BOD_OBRAZ" || name == "TXT_OBRAZ" || name == "LIN_OBRAZ") {
    out_.WriteLine(Indent() + "</" + name + ">");
    return;
  }
  if (name == "PLO_OBRAZ") return;
  if (!SymbolFitsObject(name, object)) return;

  CheckNesting(name);
  current_element_name_ = name;
  DtdEntry& entry = LookUp(name);
  const std::vector<std::string>& attributes = entry.attributes;
  const std::vector<std::string>& children = entry.children;

  if (name == "MZD" && progress_line_) {
    std::string text = "MZD pro";
    if (attributes.size() >= 2) text += AttributeText(attributes[1], object);
    ShowProgress(text);
  }

  out_.WriteText(Indent() + "<" + name);
  ++written_counts_[name];
  open_.push_back({name, depth_, true});
  if (name == "MP") {
    out_.WriteText(">");
    open_.back().start_tag_open = false;
  }
  // MP's start tag is closed at once: it carries no attributes, whatever the DTD declares.
  if (object && name != "MP") WriteAttributes(entry, *object, name);
  if (children.empty()) {
    if (name == "DRV") {
      out_.WriteLine(">");
      out_.WriteLine(Indent() + "</DRV>");
    } else if (name == "MP") {
      out_.WriteLine(Indent() + "</MP>");  // its start tag is closed already
    } else {
      out_.WriteLine("/>");
    }
    open_.pop_back();
    return;
  }

  bool written = false;
  for (std::string child : children) {
    // A child marked '?' is asked once, as one without a mark.
    const bool repeats = IsRepeatMark(child.back());
    if (IsOccurrenceMark(child.back())) child.pop_back();
    ++depth_;
    if (!repeats || child == "MP") {
      if (TElement* next = source_->NextObject(child)) {
        CloseStartTag();
        written = true;
        WriteElement(next, child);
      }
    } else {
      framework::TElementRef previous;
      while (TElement* next = source_->NextObject(child)) {
        if (previous.Get() == next) {
          platform::ui().ShowMessage(
              "Element " + child + " dostává stále tentýž objekt " + next->GetName(),
              platform::Severity::kPassedOver);
          break;
        }
        previous = next;
        CloseStartTag();
        written = true;
        size_t level = open_.size();
        int depth = depth_;
        std::string object_name = next->GetName();
        try {
          WriteElement(next, child);
        } catch (const std::exception&) {
          if (out_.Failed()) throw;  // write failures end the export
          platform::ui().ShowMessage("chyba v aAktObject.name=" + object_name + " aElem=" + child,
                                     platform::Severity::kPassedOver);
          depth_ = depth;
          CloseOpenedDownTo(level);
        }
      }
      if (child == "ODD" && forest::Flags().sestavit_mzd && !mzd_expanded_) {
        mzd_expanded_ = true;
        try {
          source_->RozvinMZDHospSoub();
        } catch (const std::exception&) {
          platform::ui().ShowMessage("chyba v RozvinMZDHospSoub", platform::Severity::kPassedOver);
        }
      }
    }
    --depth_;
  }

  if (written) {
    out_.WriteLine(Indent() + "</" + name + ">");
  } else if (name == "MP") {
    out_.WriteLine(Indent() + "</MP>");
  } else if (name == "DRV") {
    out_.WriteLine(">");
    out_.WriteLine(Indent() + "</DRV>");
  } else {
    out_.WriteLine("/>");
  }
  open_.pop_back();
}

void TExportLHC_XML::CheckNesting(const std::string& name) const {
  for (const OpenElement& open : open_) {
    if (SameAsciiNoCase(open.name, name)) {
      throw framework::EKelvaError("Element " + name + " obsahuje sám sebe");
    }
  }
  if (open_.size() >= static_cast<size_t>(kMaxDepth)) {
    throw framework::EKelvaError("Elementy DTD jsou vnořeny hlouběji než " +
                                 std::to_string(kMaxDepth) + " úrovní");
  }
}

void TExportLHC_XML::WriteSkeleton(const std::string& name) {
  CheckNesting(name);
  const DtdEntry& entry = LookUp(name);
  const std::vector<std::string>& attributes = entry.attributes;
  const std::vector<std::string>& children = entry.children;
  out_.WriteText(Indent() + "<" + name);
  ++written_counts_[name];
  for (const std::string& attribute : attributes) out_.WriteText(" " + attribute + "=\"\"");
  if (children.empty()) {
    out_.WriteLine("/>");
    return;
  }
  out_.WriteLine(">");
  open_.push_back({name, depth_, false});
  for (std::string child : children) {
    if (IsOccurrenceMark(child.back())) child.pop_back();
    ++depth_;
    WriteSkeleton(child);
    --depth_;
  }
  open_.pop_back();
  out_.WriteLine(Indent() + "</" + name + ">");
}

}  // namespace tarnik::islh
