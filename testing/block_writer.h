// Writing map blocks for fixtures, the sample unit's map and the benchmark: the binary files
// "TN.CRD", "TN.LIN", "TN.ARE", "TN.PNT", "TN.TBX", the text files "TN.TTX" and "INFO.TXT",
// byte for byte in the record layouts the readers expect (every offset is written here on its
// own, not taken from the readers). BlockRecords holds the records as they go into the files
// (index = record number; record 0 is written as given). MapBuilder makes a consistent block from
// polylines with the areas on their two sides: it appends the vertices, computes every line's
// rectangle, reference point and the links to the next boundary line in either direction, and
// each area's line, rectangle and size. Left and right are taken in the map's view (east = -Y,
// north = -X of the file), in which an area's boundary runs counter-clockwise when walked with
// the area on the left.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnik::gis::testing {

struct FilePoint {
  double x = 0;  // file X (grows southwards)
  double y = 0;  // file Y (grows westwards)
  bool operator==(const FilePoint&) const = default;
};

struct LineRow {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t presnost = 0;
  uint8_t flags = 0;
  int16_t barva = 0;
  int16_t znacka = 0;
  int16_t symbol = 0;
  int32_t first = 0;
  int32_t last = 0;
  int32_t next_forward = 0;
  bool next_forward_walks_forward = true;
  int32_t next_backward = 0;
  bool next_backward_walks_forward = false;
  int32_t left = 0;
  int32_t right = 0;
  double max_x = 0, max_y = 0, min_x = 0, min_y = 0;
  double ref_x = 0, ref_y = 0;
  double angle = 0;
};

struct AreaRow {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t flags = 0;
  int16_t barva = 0;
  int16_t znacka = 0;
  int32_t line_no = 0;
  bool has_children = false;
  int32_t pater_no = 0;
  double ref_x = 0, ref_y = 0;
  double max_x = 0, max_y = 0, min_x = 0, min_y = 0;
  double area = 0;
};

struct PointRow {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t presnost = 0;
  uint8_t flags = 0;
  int16_t barva = 0;
  int16_t znacka = 0;
  double x = 0, y = 0;
  double angle = 0;
};

struct TextRow {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t text_atrib = 0;
  uint8_t text_mode = 0;
  uint8_t karmo_font = 0;
  double x = 0, y = 0;
  double height = 0, width_coef = 0, direction = 0, slope = 0, distance = 0;
  int16_t barva = 0;
  int16_t znacka = 0;
  std::string text;  // the line of "TN.TTX", bytes as written
};

std::string EncodeVertex(const FilePoint& p);
std::string EncodeLine(const LineRow& line);
std::string EncodeArea(const AreaRow& area);
std::string EncodePoint(const PointRow& point);
std::string EncodeText(const TextRow& text);

// The records of a block. Files of an empty vector are not written unless listed in `always`.
struct BlockRecords {
  std::vector<FilePoint> vertices;
  std::vector<LineRow> lines;
  std::vector<AreaRow> areas;
  std::vector<PointRow> points;
  std::vector<TextRow> texts;
  std::optional<std::string> info;  // "INFO.TXT", written as given
  std::string text_line_end = "\r\n";

  // Creates the directory and writes the files; false when a file cannot be written.
  bool Write(const std::string& block_directory) const;
  // The bytes each file would get.
  std::string VertexBytes() const;
  std::string LineBytes() const;
  std::string AreaBytes() const;
  std::string PointBytes() const;
  std::string TextBytes() const;
  std::string TextContentBytes() const;
};

// Builds a block whose areas are rings of shared lines. Record 0 of every file is an empty
// record; numbers count from 1.
class MapBuilder {
 public:
  struct LineOptions {
    int16_t druh = 0;
    int16_t barva = 0;
    int16_t znacka = 0;
    int16_t symbol = 0;
    uint8_t flags = 0;
  };
  struct AreaOptions {
    int16_t druh = 0;
    int16_t barva = 0;
    int16_t znacka = 0;
    int32_t pater_no = 0;
    FilePoint reference;  // a point inside the area (inside its island when it is one)
  };

  // A line through the points (at least two) with the areas on its left and right (0: none).
  int32_t AddLine(std::vector<FilePoint> points, int32_t left, int32_t right,
                  const LineOptions& options);
  int32_t AddLine(std::vector<FilePoint> points, int32_t left, int32_t right) {
    return AddLine(std::move(points), left, right, LineOptions{});
  }
  // The next area number; lines may name it before it is added.
  int32_t NextAreaNumber() const { return static_cast<int32_t>(areas_.size()) + 1; }
  int32_t AddArea(const AreaOptions& options);
  void AddPoint(const PointRow& point) { points_.push_back(point); }
  void AddText(const TextRow& text) { texts_.push_back(text); }

  // The records with links, rectangles, sizes (the outer ring's size less its holes', in m²)
  // and each area's line (one of its outer ring).
  BlockRecords Build() const;

 private:
  struct Line {
    std::vector<FilePoint> points;
    int32_t left = 0;
    int32_t right = 0;
    LineOptions options;
  };
  std::vector<Line> lines_;  // lines_[i] is line i + 1
  std::vector<AreaOptions> areas_;
  std::vector<PointRow> points_;
  std::vector<TextRow> texts_;
};

}  // namespace tarnik::gis::testing
