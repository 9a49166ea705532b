// `tarnik map-info --map DIR [--json]`: what a map directory holds, as ogrinfo tells a GIS user:
// the map blocks found below DIR (or DIR itself when it is a block), per layer ("<TYPE>_<block>")
// the objects read by kind, the attribute tables with their record counts, code pages and
// fields, the extent in EPSG:5514 (S-JTSK / Krovak East North: easting -Y, northing -X of the
// files) and every message the reading reported. Exit 1 when DIR does not exist or holds no
// block; 3 when the reading passed objects over.
#include <fmt/format.h>

#include <memory>
#include <ostream>

#include "app/cli/commands.h"
#include "app/cli/json_text.h"
#include "app/tool/main_tool.h"
#include "framework/models/world.h"
#include "gis/gis_classes.h"
#include "gis/map_survey.h"
#include "platform/console_ui.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/ui.h"

namespace tarnik::cli {
namespace {

struct MapInfoArgs {
  std::string map;
  bool json = false;
};

std::string Kinds(const gis::LayerSurvey& layer, bool json) {
  std::string out;
  for (const auto& [kind, count] : layer.by_kind) {
    if (!out.empty()) out += json ? "," : ", ";
    out += json ? fmt::format("\"{}\":{}", kind, count) : fmt::format("druh {}: {}", kind, count);
  }
  return out;
}

void WriteText(std::ostream& out, const std::string& dir, const gis::MapSurvey& s) {
  out << fmt::format("Mapa: {}\n", dir);
  out << fmt::format("Počet bloků: {}\n", s.blocks.size());
  for (const std::string& block : s.blocks) out << fmt::format("Blok: {}\n", block);
  for (const gis::LayerSurvey& layer : s.layers) {
    out << fmt::format("Vrstva {} ({}): objektů {}", layer.name, layer.block, layer.objects);
    if (layer.holes > 0) out << fmt::format(", otvorů {}", layer.holes);
    if (!layer.by_kind.empty()) out << " (" << Kinds(layer, false) << ")";
    out << "\n";
  }
  for (const gis::TableSurvey& t : s.tables) {
    if (!t.records) {
      out << fmt::format("Tabulka {}: nečitelná ({})\n", t.path, t.problem);
      continue;
    }
    std::string fields;
    for (const std::string& f : t.fields) fields += (fields.empty() ? "" : ", ") + f;
    out << fmt::format("Tabulka {}: záznamů {}, kódová stránka {}, pole {}\n", t.path, *t.records,
                       t.code_page, fields);
  }
  if (spatial::IsValid(s.extent)) {
    out << fmt::format("Rozsah (EPSG:5514): ({:.2f}, {:.2f}) - ({:.2f}, {:.2f})\n", s.extent.min_y,
                       s.extent.min_x, s.extent.max_y, s.extent.max_x);
  } else {
    out << "Rozsah (EPSG:5514): -\n";
  }
}

void WriteJson(std::ostream& out, const std::string& dir, const gis::MapSurvey& s,
               const platform::ConsoleUi& console) {
  out << "{\"map\":" << JsonText(dir) << ",\"blocks\":[";
  for (size_t i = 0; i < s.blocks.size(); ++i) out << (i ? "," : "") << JsonText(s.blocks[i]);
  out << "],\"layers\":[";
  for (size_t i = 0; i < s.layers.size(); ++i) {
    const gis::LayerSurvey& l = s.layers[i];
    out << (i ? "," : "")
        << fmt::format(
               "{{\"name\":{},\"type\":{},\"block\":{},\"objects\":{},\"holes\":{},"
               "\"kinds\":{{{}}}}}",
               JsonText(l.name), JsonText(l.type), JsonText(l.block), l.objects, l.holes,
               Kinds(l, true));
  }
  out << "],\"tables\":[";
  for (size_t i = 0; i < s.tables.size(); ++i) {
    const gis::TableSurvey& t = s.tables[i];
    out << (i ? "," : "") << "{\"path\":" << JsonText(t.path)
        << ",\"records\":" << (t.records ? std::to_string(*t.records) : "null");
    if (t.records) {
      out << ",\"code_page\":" << JsonText(t.code_page) << ",\"fields\":[";
      for (size_t f = 0; f < t.fields.size(); ++f) out << (f ? "," : "") << JsonText(t.fields[f]);
      out << "]";
    } else {
      out << ",\"problem\":" << JsonText(t.problem);
    }
    out << "}";
  }
  out << "],\"extent\":";
  if (spatial::IsValid(s.extent)) {
    out << fmt::format(
        "{{\"crs\":\"EPSG:5514\",\"min_x\":{:.2f},\"min_y\":{:.2f},\"max_x\":{:.2f},"
        "\"max_y\":{:.2f}}}",
        s.extent.min_y, s.extent.min_x, s.extent.max_y, s.extent.max_x);
  } else {
    out << "null";
  }
  out << "," << JsonMessages(console.log()) << "}\n";
}

int RunMapInfo(const MapInfoArgs& args, const GlobalOptions& g) {
  gis::RegisterGisClasses();
  const std::string dir = platform::ResolvePath(platform::AbsolutePath(args.map));
  if (!platform::DirectoryExists(dir)) {
    platform::ui().ShowMessage("Adresář mapy \"" + args.map + "\" neexistuje!",
                               platform::Severity::kFailure);
    return kExitFailure;
  }
  // The reader reports what it passes over to the main tool: each report is shown as such.
  auto* tool = dynamic_cast<apptool::TMainTool*>(framework::World().MainTool());
  if (tool) {
    tool->SetUseProtocol(true);
    tool->SetProtocolListener([](const std::string& text) {
      platform::ui().ShowMessage(text, platform::Severity::kPassedOver);
    });
  }
  const gis::MapSurvey survey = gis::SurveyMap(dir);
  platform::ui().ProcessPendingEvents();
  if (tool) tool->SetProtocolListener(nullptr);
  if (survey.blocks.empty()) {
    platform::ui().ShowMessage("V adresáři \"" + dir + "\" není žádný blok mapy (*.BLK)",
                               platform::Severity::kFailure);
  }
  if (args.json) {
    WriteJson(*g.out, dir, survey, *g.console);
  } else {
    WriteText(*g.out, dir, survey);
  }
  return survey.blocks.empty() ? kExitFailure : kExitOk;
}

}  // namespace

void RegisterMapInfoCommand(CLI::App& root, std::vector<Command>& commands) {
  auto args = std::make_shared<MapInfoArgs>();
  Command c;
  c.sub = root.add_subcommand(
      "map-info",
      "Vypíše bloky mapy, počty objektů vrstev podle druhu, atributové tabulky s počty záznamů, "
      "rozsah v EPSG:5514 a hlášení čtení");
  c.sub->add_option("--map", args->map, "Adresář mapy (s bloky *.BLK) nebo jeden blok")->required();
  c.sub->add_flag("--json", args->json, "Vypíše údaje jako objekt JSON");
  c.run = [args](const GlobalOptions& g) { return RunMapInfo(*args, g); };
  commands.push_back(std::move(c));
}

}  // namespace tarnik::cli
