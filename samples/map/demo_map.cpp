#include "samples/map/demo_map.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "gis/code_pages.h"
#include "gis/dbf_table.h"
#include "platform/fs.h"
#include "platform/numtext.h"
#include "testing/block_writer.h"
#include "testing/dbf_writer.h"

namespace tarnik::samples {
namespace {

using gis::testing::FilePoint;
using gis::testing::MapBuilder;

// The map's south-west corner (S-JTSK X 1,109,000, Y 616,000, north of Sněžné na Moravě) and
// its width from west to east.
constexpr double kX0 = 1109000;
constexpr double kY0 = 616000;
constexpr double kWidth = 500;
constexpr int16_t kStandGroupKind = 110;
constexpr int16_t kNonForestKind = 120;
constexpr int16_t kOtherPlotKind = 130;
constexpr int16_t kOtherLandKind = 140;

// A file point of the map view: e metres east, n metres north of the south-west corner.
FilePoint At(double e, double n) { return {kX0 - n, kY0 - e}; }

// One area of the map.
struct Item {
  int16_t kind = kStandGroupKind;
  std::string skupina;  // the group's designation or the plot's number
  int32_t plot = 0;     // the plot's number (non-forest land, other plots, other land)
  double hectares = 0;
  std::string popis;
  int32_t number = 0;  // the area's number in the block
  double west = 0, east = 0;
};

struct Row {
  std::string odd, dil, por;
  std::vector<Item> items;
  std::optional<Item> island;  // lies in items[host]
  size_t host = 0;
  double south = 0, north = 0;
  double Hectares() const {
    double sum = island ? island->hectares : 0;
    for (const Item& i : items) sum += i.hectares;
    return sum;
  }
};

class Query {
 public:
  Query(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &st_, nullptr); }
  ~Query() { sqlite3_finalize(st_); }
  bool ok() const { return st_ != nullptr; }
  Query& Bind(int64_t v) {
    sqlite3_bind_int64(st_, 1, v);
    return *this;
  }
  bool Step() { return st_ && sqlite3_step(st_) == SQLITE_ROW; }
  int64_t Int(int c) { return sqlite3_column_int64(st_, c); }
  double Real(int c) { return sqlite3_column_double(st_, c); }
  std::string Text(int c) {
    const unsigned char* t = sqlite3_column_text(st_, c);
    return t ? reinterpret_cast<const char*>(t) : "";
  }

 private:
  sqlite3_stmt* st_ = nullptr;
};

std::string Number(int64_t v) { return std::to_string(v); }

// The stands in map order with their areas.
std::vector<Row> ReadRows(sqlite3* db, std::string* lhc) {
  Query unit(db, "SELECT LHC_KOD FROM LHC");
  if (unit.Step()) *lhc = Number(unit.Int(0));
  std::vector<Row> rows;
  Query stands(db,
               "SELECT p.ID, o.ODD, d.DIL, p.POR FROM POROST p JOIN DILEC d ON p.VAZBA = d.ID "
               "JOIN ODDELENI o ON d.VAZBA = o.ID ORDER BY o.ODD, d.DIL, p.POR");
  while (stands.Step()) {
    Row row;
    row.odd = Number(stands.Int(1));
    row.dil = stands.Text(2);
    row.por = stands.Text(3);
    const int64_t stand = stands.Int(0);
    const std::string name = row.odd + row.dil + row.por;
    Query groups(db, "SELECT ID, PSK, PSK_P FROM PS WHERE VAZBA = ? ORDER BY ID");
    groups.Bind(stand);
    while (groups.Step()) {
      Item item;
      item.skupina = groups.Text(1);
      item.hectares = groups.Real(2);
      Query remark(db, "SELECT Poznamka FROM PS_POZN WHERE Vazba = ? ORDER BY ID");
      remark.Bind(groups.Int(0));
      item.popis =
          remark.Step() ? remark.Text(0) : "Porostní skupina " + item.skupina + " porostu " + name;
      row.items.push_back(item);
    }
    const struct {
      const char* sql;
      int16_t kind;
    } plots[] = {
        {"SELECT BZL, BZL_P, BZL_VYUZ FROM BEZLESI WHERE VAZBA = ? ORDER BY ID", kNonForestKind},
        {"SELECT JP, JP_P, JP_VYUZ FROM JINE_POZ WHERE VAZBA = ? ORDER BY ID", kOtherPlotKind},
        {"SELECT OST, OST_P, OST_VYUZ FROM OST_POZ WHERE VAZBA = ? ORDER BY ID", kOtherLandKind},
    };
    for (const auto& p : plots) {
      Query q(db, p.sql);
      q.Bind(stand);
      while (q.Step()) {
        Item item;
        item.kind = p.kind;
        item.skupina = Number(q.Int(0));
        item.plot = static_cast<int32_t>(q.Int(0));
        item.hectares = q.Real(1);
        item.popis = q.Text(2);
        // A pond lies inside the forest: an island in the stand's largest group.
        if (p.kind == kOtherLandKind && item.popis.find("nádrž") != std::string::npos &&
            !row.items.empty() && !row.island) {
          row.island = item;
          row.host = 0;
          for (size_t i = 0; i < row.items.size(); ++i) {
            if (row.items[i].kind == kStandGroupKind &&
                row.items[i].hectares > row.items[row.host].hectares) {
              row.host = i;
            }
          }
          continue;
        }
        row.items.push_back(item);
      }
    }
    if (!row.items.empty()) rows.push_back(std::move(row));
  }
  return rows;
}

// A boundary between two neighbours of a row, from south to north, zigzagging east and west of
// its line so that both keep their size.
std::vector<FilePoint> Zigzag(double e, double south, double north, double amplitude) {
  const double h = north - south;
  return {At(e, south), At(e + amplitude, south + h / 4), At(e, south + h / 2),
          At(e - amplitude, south + 3 * h / 4), At(e, north)};
}

// The kind of the line between two stands: 1 compartments, 2 sub-compartments, 3 stands.
int16_t BoundaryKind(const Row& a, const Row& b) {
  if (a.odd != b.odd) return 1;
  return a.dil != b.dil ? 2 : 3;
}

// The item of a row at position e.
const Item& ItemAt(const Row& row, double e) {
  for (const Item& item : row.items) {
    if (e < item.east) return item;
  }
  return row.items.back();
}

gis::testing::DbfTableLayout TableLayout(int16_t kind) {
  gis::testing::DbfTableLayout t;
  t.fields = {{"CISLO", 'N', 6, 0}, {"LHC", 'C', 6, 0},    {"ODDELENI", 'C', 4, 0},
              {"DILEC", 'C', 2, 0}, {"POROST", 'C', 2, 0}, {"SKUPINA", 'C', 6, 0}};
  if (kind == kNonForestKind) t.fields.push_back({"BZL", 'N', 3, 0});
  if (kind == kOtherPlotKind) t.fields.push_back({"JP", 'N', 3, 0});
  if (kind == kOtherLandKind) t.fields.push_back({"OP", 'N', 3, 0});
  t.fields.push_back({"PLOCHA", 'N', 10, 2});
  t.fields.push_back({"POPIS", 'C', 80, 0});
  // The tables come from several programs: DOS ones in 852, Windows ones marked or not.
  switch (kind) {
    case kNonForestKind:
      t.code_page = gis::TextCodePage::kCp1250;
      t.language_driver = 0xC8;
      break;
    case kOtherPlotKind:
      t.code_page = gis::TextCodePage::kCp1250;
      t.language_driver = 0;
      break;
    default:
      t.code_page = gis::TextCodePage::kCp852;
      t.language_driver = 0x64;
  }
  return t;
}

std::string Encoded852(const std::string& text) {
  std::string bytes;
  gis::EncodeText(text, gis::TextCodePage::kCp852, &bytes);
  return bytes;
}

}  // namespace

bool WriteDemoMap(const std::string& data_directory, const std::string& map_directory,
                  std::string* error) {
  const std::string tables = platform::JoinPath(data_directory, "tables.sqlite");
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(tables.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    if (error) *error = "nelze otevřít " + tables;
    sqlite3_close(db);
    return false;
  }
  std::string lhc;
  std::vector<Row> rows = ReadRows(db, &lhc);
  sqlite3_close(db);
  if (rows.empty()) {
    if (error) *error = tables + " nemá žádné porosty";
    return false;
  }

  // Rows from north to south, each as high as its areas need at the map's width; areas side
  // by side from west to east.
  double total = 0;
  for (const Row& r : rows) total += r.Hectares() * 10000 / kWidth;
  double north = total;
  int32_t number = 0;
  for (Row& r : rows) {
    r.north = north;
    r.south = north - r.Hectares() * 10000 / kWidth;
    north = r.south;
    const double height = r.north - r.south;
    double e = 0;
    for (size_t i = 0; i < r.items.size(); ++i) {
      Item& item = r.items[i];
      const double m2 =
          (item.hectares + (r.island && i == r.host ? r.island->hectares : 0)) * 10000;
      item.west = e;
      item.east = i + 1 == r.items.size() ? kWidth : e + m2 / height;
      e = item.east;
      item.number = ++number;
      if (r.island && i == r.host) r.island->number = ++number;
    }
  }

  MapBuilder b;
  const MapBuilder::LineOptions border{.druh = 1};
  for (size_t k = 0; k < rows.size(); ++k) {
    const Row& r = rows[k];
    const double height = r.north - r.south;
    // West and east border, and the boundaries between neighbours.
    b.AddLine({At(0, r.north), At(0, r.south)}, r.items.front().number, 0, border);
    b.AddLine({At(kWidth, r.south), At(kWidth, r.north)}, r.items.back().number, 0, border);
    for (size_t i = 0; i + 1 < r.items.size(); ++i) {
      const Item& west = r.items[i];
      const Item& east = r.items[i + 1];
      const double amplitude =
          std::min({4.0, (west.east - west.west) / 5, (east.east - east.west) / 5});
      b.AddLine(Zigzag(west.east, r.south, r.north, amplitude), west.number, east.number,
                {.druh = 4});
    }
    // The line along the row's north side, split wherever a boundary meets it.
    const Row* above = k > 0 ? &rows[k - 1] : nullptr;
    std::vector<double> breaks{0, kWidth};
    for (const Item& item : r.items) breaks.push_back(item.east);
    if (above) {
      for (const Item& item : above->items) breaks.push_back(item.east);
    }
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    const int16_t kind = above ? BoundaryKind(*above, r) : 1;
    for (size_t i = 0; i + 1 < breaks.size(); ++i) {
      const double mid = (breaks[i] + breaks[i + 1]) / 2;
      b.AddLine({At(breaks[i], r.north), At(breaks[i + 1], r.north)},
                above ? ItemAt(*above, mid).number : 0, ItemAt(r, mid).number, {.druh = kind});
    }
    if (k + 1 == rows.size()) {
      std::vector<double> south{0};
      for (const Item& item : r.items) south.push_back(item.east);
      for (size_t i = 0; i + 1 < south.size(); ++i) {
        const double mid = (south[i] + south[i + 1]) / 2;
        b.AddLine({At(south[i], r.south), At(south[i + 1], r.south)}, ItemAt(r, mid).number, 0,
                  border);
      }
    }
    // The island: a rectangle half as high as the row in the middle of its host.
    if (r.island) {
      const Item& host = r.items[r.host];
      const double ih = height / 2;
      const double iw = r.island->hectares * 10000 / ih;
      const double ec = (host.west + host.east) / 2;
      const double w = ec - iw / 2, e = ec + iw / 2, s = r.south + height / 4, n = s + ih;
      b.AddLine({At(w, s), At(e, s), At(e, n), At(w, n), At(w, s)}, r.island->number, host.number,
                {.druh = 5});
    }
  }

  // The areas, in their numbers' order, with their attribute rows.
  std::map<int16_t, gis::testing::DbfTableLayout> tables_of;
  std::optional<FilePoint> house;
  const auto add_area = [&](const Row& r, const Item& item, int32_t pater, FilePoint reference) {
    b.AddArea({.druh = item.kind,
               .barva = static_cast<int16_t>(item.kind / 10),
               .pater_no = pater,
               .reference = reference});
    auto [it, fresh] = tables_of.try_emplace(item.kind, TableLayout(item.kind));
    std::vector<std::string> values{Number(item.number), lhc, r.odd, r.dil, r.por, item.skupina};
    if (item.kind != kStandGroupKind) values.push_back(Number(item.plot));
    values.push_back(platform::FloatToFixedDot(item.hectares, 2));
    values.push_back(item.popis);
    it->second.rows.push_back(values);
  };
  for (const Row& r : rows) {
    const double height = r.north - r.south;
    for (size_t i = 0; i < r.items.size(); ++i) {
      const Item& item = r.items[i];
      const double ec = (item.west + item.east) / 2;
      // The host's reference point lies below its island.
      const double nr = r.island && i == r.host ? r.south + height / 8 : r.south + height / 2;
      add_area(r, item, 0, At(ec, nr));
      if (item.popis.find("hájovna") != std::string::npos) {
        house = At(ec, r.south + height / 2);
      }
      if (r.island && i == r.host) {
        add_area(r, *r.island, item.number, At(ec, r.south + height / 2));
      }
    }
  }

  // Free lines: the power line along its ride (a line symbol) and a brook in compartment 13.
  for (const Row& r : rows) {
    for (const Item& item : r.items) {
      const double ec = (item.west + item.east) / 2;
      if (item.popis.find("elektrick") != std::string::npos) {
        b.AddLine({At(ec, r.south + 3), At(ec, (r.south + r.north) / 2), At(ec, r.north - 3)}, 0, 0,
                  {.druh = 60, .barva = 12, .symbol = 1200});
      }
    }
  }
  {
    const Row& r = rows.back();
    const Item& wide = *std::max_element(r.items.begin(), r.items.end(), [](auto& a, auto& c) {
      return a.east - a.west < c.east - c.west;
    });
    const double h = r.north - r.south, w = wide.east - wide.west;
    b.AddLine(
        {At(wide.west + w * 0.2, r.south + h * 0.2), At(wide.west + w * 0.4, r.south + h * 0.6),
         At(wide.west + w * 0.6, r.south + h * 0.4), At(wide.west + w * 0.8, r.south + h * 0.8)},
        0, 0, {.druh = 70, .barva = 9});
  }

  // Points: boundary stones at the map's corners, a hunting stand, a spring and the house.
  int32_t point = 0;
  const auto add_point = [&](int16_t druh, int16_t znacka, FilePoint p) {
    b.AddPoint({.cislo = ++point, .druh = druh, .barva = 1, .znacka = znacka, .x = p.x, .y = p.y});
  };
  add_point(20, 201, At(0, 0));
  add_point(20, 201, At(kWidth, total));
  add_point(12, 121, At(kWidth * 0.3, total * 0.55));
  add_point(40, 401, At(kWidth * 0.8, total * 0.25));
  if (house) add_point(30, 301, *house);

  // Texts in code page 852: the compartments, names of places.
  int32_t text = 0;
  const auto add_text = [&](const std::string& words, FilePoint p, double height) {
    b.AddText({.cislo = text++,
               .druh = 1,
               .karmo_font = 1,
               .x = p.x,
               .y = p.y,
               .height = height,
               .width_coef = 1,
               .text = Encoded852(words)});
  };
  std::string last_odd;
  for (const Row& r : rows) {
    if (r.odd == last_odd) continue;
    last_odd = r.odd;
    add_text(r.odd, At(10, r.north - 10), 8);
  }
  add_text("Žďárské vrchy", At(kWidth / 2, total - 5), 5);
  add_text("Sněžné", At(kWidth / 2, -15), 5);
  if (house) add_text("Hájovna U Tří studní", *house, 3);
  for (const Row& r : rows) {
    if (r.island) {
      const Item& host = r.items[r.host];
      add_text("Požární nádrž", At((host.west + host.east) / 2, (r.south + r.north) / 2), 2.5);
    }
  }

  gis::testing::BlockRecords records = b.Build();
  const FilePoint corner_sw = At(0, 0), corner_ne = At(kWidth, total);
  records.info = "NAZEV=DET\r\nCODEPAGE=852\r\nOPSANYOBDELNIKBLOKU=" +
                 platform::FloatToFixedDot(corner_ne.x, 2) + " " +
                 platform::FloatToFixedDot(corner_ne.y, 2) + " " +
                 platform::FloatToFixedDot(corner_sw.x, 2) + " " +
                 platform::FloatToFixedDot(corner_sw.y, 2) + "\r\n";
  const std::string block = platform::JoinPath(map_directory, "DET.BLK");
  platform::RemoveTree(block);
  if (!records.Write(block)) {
    if (error) *error = "nelze zapsat " + block;
    return false;
  }
  for (const auto& [kind, table] : tables_of) {
    const std::string path = gis::DbfFileName(block, 'P', kind);
    if (!gis::testing::WriteDbf(path, table)) {
      if (error) *error = "nelze zapsat " + path;
      return false;
    }
  }
  return true;
}

}  // namespace tarnik::samples
