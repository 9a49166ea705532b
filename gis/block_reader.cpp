#include "gis/block_reader.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "framework/models/world.h"
#include "framework/values/string_element.h"
#include "gis/karmo_props.h"

namespace tarnik::gis {
namespace {

using framework::TElement;
using framework::TPropDefs;
using framework::TPropInfo;

void DefineBlockReader(std::vector<TPropInfo>& out) {
  using R = TKarmoLBlokReader;
  TPropDefs<R> d(out);
  d.Enum<TCodePage>("CodePage", "TCodePage", {"cpIBM", "cpLatin2", "cpKamenickych", "cpWindows"},
                    &R::CodePage, nullptr);
  d.Boolean("ReadAreaAsBoundary", &R::ReadAreaAsBoundary, &R::SetReadAreaAsBoundary);
}

std::string Num(int64_t n) { return std::to_string(n); }

bool Holds(const framework::TEntity* output, const TElement* element) {
  const auto& holders = element->Holders();
  return std::find(holders.begin(), holders.end(), output) != holders.end();
}

void AddToOutput(framework::TEntity* output, TElement* element) {
  if (auto* rect = framework::ClassCast<spatial::TRectEntity>(output)) {
    rect->AddWithBounds(element);
  } else {
    output->AddElement(element);
  }
}

// Reads one block file: creates the object reader, hands over the settings, runs `loop` between
// BeginReading and EndReading and frees the reader. `bad_file` is reported when the reader
// cannot be created (no string then), `bad_read` when the loop fails.
template <class Reader, class S, class Settings, class Loop>
S* ReadBlockFile(TKarmoLBlokReader& block, S* string, const std::string& bad_file,
                 const std::string& bad_read, bool events_on_bad_file, Settings settings,
                 Loop loop) {
  std::unique_ptr<S> owned(string);
  std::unique_ptr<Reader> reader;
  try {
    reader = std::make_unique<Reader>();
    reader->Create(block.BlockName(), block.GetWCS());
  } catch (const std::exception&) {
    block.ReportProblem(bad_file + block.BlockName(), events_on_bad_file);
    return nullptr;
  }
  settings(*reader);
  reader->BeginReading();
  try {
    loop(*reader, *owned);
  } catch (const std::exception&) {
    block.PostTextMessage(framework::kReportMessage, bad_read + block.BlockName(), nullptr);
  }
  reader->EndReading();
  return owned.release();
}

}  // namespace

TARNIK_DEFINE_CLASS(TKarmoLBlokInfoReader, TKarmoManipulator, nullptr)
TARNIK_DEFINE_CLASS(TKarmoLBlokReader, TKarmoLReader, DefineBlockReader)

framework::TWCS* TKarmoLBlokInfoReader::GetWCS() { return framework::World().GetWCS(1); }

void TKarmoLBlokInfoReader::Create(const std::string& block_directory) {
  SetBlockName(block_directory);
  values_ = ReadBlockInfoValues(block_directory);
}

std::optional<spatial::Bounds> TKarmoLBlokInfoReader::ReadBlockRectangle() const {
  return RectangleFromInfoValue(values_.rectangle);
}

TCodePage TKarmoLBlokInfoReader::ReadCodePage() const {
  return CodePageFromInfoValue(values_.code_page);
}

bool BlockInWindow(const std::string& block_directory, const spatial::TRectEntity& window) {
  TKarmoLBlokInfoReader info;
  info.Create(block_directory);
  const std::optional<spatial::Bounds> rect = info.ReadBlockRectangle();
  return !rect || spatial::Intersects(*rect, window.bounds());
}

TKarmoLBlokReader::~TKarmoLBlokReader() = default;

void TKarmoLBlokReader::Create(const std::string& block_directory) {
  SetBlockName(block_directory);
  info_ = new TKarmoLBlokInfoReader();
  AddElement(info_);
  info_->Create(block_directory);
  SetWCS(info_->GetWCS());
  code_page_ = info_->ReadCodePage();
}

void TKarmoLBlokReader::ApplySettings(const framework::TStringListElement* settings) {
  if (!settings) return;
  for (TElement* child : settings->Children()) {
    auto* entry = framework::ClassCast<framework::TStringElement>(child);
    if (!entry || !entry->IsNameStored()) continue;
    const std::string name = entry->GetName();
    if (name.size() < 2 || name[0] != '@') continue;
    TElement::SetPropertyText(name.substr(1), entry->GetAsString());
  }
}

void TKarmoLBlokReader::CopySettingsTo(TKarmoLReader& reader) const {
  reader.SetFilter(Filter());
  reader.SetClip(Clip());
  reader.SetMinSize(MinSize());
  reader.SetCondition(Condition());
  reader.SetOnNewObject(OnNewObject());
  if (BarvaOn()) reader.SetBarva(Barva());
  if (ZnackaOn()) reader.SetZnacka(Znacka());
}

template <class S>
S* TKarmoLBlokReader::NewString(const std::string& type) const {
  auto* string = new S();
  string->SetName(BlockName() + " " + type);
  string->SetPropertyText("BlockName", BlockName());
  string->SetPropertyText("TYPE", type);
  return string;
}

spatial::TPointString* TKarmoLBlokReader::ReadPoints() {
  return ReadBlockFile<TKarmoPointReader>(
      *this, NewString<spatial::TPointString>("PNT"), "Chybný soubor Bodů -", "Chyba čtení Bodů -",
      true, [this](TKarmoPointReader& r) { CopySettingsTo(r); },
      [this](TKarmoPointReader& r, spatial::TPointString& string) {
        for (int64_t n = 0; n < r.GetRecordCount(); ++n) {
          r.SeekRecord(n);
          spatial::TPointElement* point = r.ReadPoint();
          if (!point) continue;
          // The point reader has tested the condition already (the same text).
          if (PointInClip(point->X(), point->Y())) {
            string.AddWithBounds(point);
          } else if (point->GetOwnersCount() < 2) {
            delete point;
          }
        }
      });
}

spatial::TPolyLineString* TKarmoLBlokReader::ReadLines() {
  return ReadBlockFile<TKarmoLinReader>(
      *this, NewString<spatial::TPolyLineString>("LIN"), "Chybný soubor Linií -",
      "Chyba čtení Linií -", true, [this](TKarmoLinReader& r) { CopySettingsTo(r); },
      [](TKarmoLinReader& r, spatial::TPolyLineString& string) {
        for (int64_t n = 0; n < r.GetRecordCount(); ++n) {
          r.SeekRecord(n);
          if (spatial::TPolyLineElement* line = r.ReadLine()) string.AddWithBounds(line);
        }
      });
}

spatial::TPointString* TKarmoLBlokReader::ReadLineSymbols() {
  return ReadBlockFile<TKarmoLinReader>(
      *this, NewString<spatial::TPointString>("LINSYM"), "Chybný soubor Linií -",
      "Chyba čtení liniových symbolů -", true,
      [this](TKarmoLinReader& r) {
        r.SetFilter(Filter());
        r.SetClip(Clip());
      },
      [this](TKarmoLinReader& r, spatial::TPointString& string) {
        for (int64_t n = 0; n < r.GetRecordCount(); ++n) {
          r.SeekRecord(n);
          spatial::TPointElement* symbol = r.ReadLineSymbol();
          if (!symbol) continue;
          if (!PointInClip(symbol->X(), symbol->Y())) {
            delete symbol;
            continue;
          }
          string.AddWithBounds(symbol);
          if (!PassesCondition(symbol)) string.FreeElement(symbol);
        }
      });
}

spatial::TAreaString* TKarmoLBlokReader::ReadAreas() {
  return ReadBlockFile<TKarmoAreaReader>(
      *this, NewString<spatial::TAreaString>("ARE"), "Chybný soubor Ploch -",
      "Chyba čtení Ploch - ", true, [this](TKarmoAreaReader& r) { CopySettingsTo(r); },
      [this](TKarmoAreaReader& r, spatial::TAreaString& string) {
        struct Current {
          TKarmoAreaReader*& slot;
          ~Current() { slot = nullptr; }
        } current{areas_};
        areas_ = &r;
        without_parent_.clear();
        for (int64_t n = 1; n < r.GetRecordCount(); ++n) ReadArea(&string, n);
      });
}

spatial::TTextString* TKarmoLBlokReader::ReadTexts() {
  return ReadBlockFile<TKarmoTextReader>(
      *this, NewString<spatial::TTextString>("TXT"), "Chybný soubor Textů -",
      "Chyba čtení Textů - ", false,
      [this](TKarmoTextReader& r) {
        CopySettingsTo(r);
        r.SetTextCodePage(TextCodePageOf(code_page_));
      },
      [this](TKarmoTextReader& r, spatial::TTextString& string) {
        const int64_t count = r.GetRecordCount();
        for (int64_t k = 0; k < count; ++k) {
          spatial::TTextElement* text = r.ReadText(static_cast<int32_t>(k));
          if (!text) continue;
          if (auto* props = framework::ClassCast<TKarmoTextProps>(text->Properties())) {
            props->SetCodePage(code_page_);
            string.AddWithBounds(text);
            if (!PassesCondition(text)) string.FreeElement(text);
          }
        }
      });
}

spatial::TSpaceEntity* TKarmoLBlokReader::ReadArea(framework::TEntity* output, int64_t n) {
  std::set<int64_t> chain;
  return ReadAreaInChain(output, n, chain);
}

spatial::TSpaceEntity* TKarmoLBlokReader::ReadAreaInChain(framework::TEntity* output, int64_t n,
                                                          std::set<int64_t>& chain) {
  if (!areas_ || !output) return nullptr;
  const std::optional<AreaRecord> record = areas_->ReadAreaRecord(n);
  if (!record || !record->Valid() || n == 0 ||
      !areas_->RecordInClip(record->max_x, record->max_y, record->min_x, record->min_y)) {
    return nullptr;
  }
  const AreaRecord& r = *record;
  spatial::TBlockRegister* reg = areas_->GetRegister();
  spatial::TSpaceEntity* area = reg ? reg->GetObject("P", static_cast<int32_t>(n)) : nullptr;
  std::unique_ptr<spatial::TAreaElement> built;
  if (!area) {
    built.reset(read_area_as_boundary_ ? areas_->ReadBoundaryArea(r) : areas_->ReadLineArea(r));
    if (!built) return nullptr;
    area = built.get();
  }

  if (r.pater_no == r.cislo) {
    if (without_parent_.insert(n).second) {
      ReportProblem("Jako otce má plocha č." + Num(r.cislo) + " sama sebe !");
    }
  } else if (r.pater_no > 0 && !without_parent_.count(n)) {
    spatial::TSpaceEntity* parent = nullptr;
    if (r.pater_no >= areas_->GetRecordCount()) {
      without_parent_.insert(n);
      ReportProblem(BlockName() + ": Plocha č." + Num(r.cislo) + " má otce č." + Num(r.pater_no) +
                    ", který v souboru " + kAreaFile + " není; plocha bude bez otce");
    } else if (chain.count(r.pater_no)) {
      without_parent_.insert(n);
      ReportProblem(BlockName() + ": Otcové plochy č." + Num(r.cislo) + " se vracejí k ploše č." +
                    Num(r.pater_no) + "; plocha bude bez otce");
    } else if (static_cast<int>(chain.size()) >= kMaxParentDepth) {
      without_parent_.insert(n);
      ReportProblem(BlockName() + ": Plocha č." + Num(r.cislo) + " je vnořena hlouběji než " +
                    Num(kMaxParentDepth) + " ploch; bude bez otce");
    } else {
      chain.insert(n);
      parent = ReadAreaInChain(output, r.pater_no, chain);
      chain.erase(n);
    }
    auto* parent_area = framework::ClassCast<spatial::TAreaElement>(parent);
    if (parent_area && !parent_area->FindHoleContaining(area->X(), area->Y())) {
      if (spatial::TAreaElement* ring = areas_->ReadIslandRing(r)) parent_area->AddHole(ring);
    }
  }

  if (!built) {
    if (!PassesFilter('P', area) || !PassesCondition(area)) return nullptr;
    if (!Holds(output, area)) AddToOutput(output, area);
    return area;
  }
  if (reg) reg->Register(area);
  spatial::TAreaElement* result = built.release();
  if (PassesFilter('P', result) && PassesCondition(result)) {
    areas_->NotifyNewObject(result);
    AddToOutput(output, result);
    return result;
  }
  delete result;
  return nullptr;
}

}  // namespace tarnik::gis
