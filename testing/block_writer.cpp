#include "testing/block_writer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

#include "gis/real48.h"
#include "platform/fs.h"

namespace tarnik::gis::testing {
namespace {

class Record {
 public:
  explicit Record(size_t size) : bytes_(size, '\0') {}
  void I32(size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
  }
  void I16(size_t at, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    bytes_[at] = static_cast<char>(u & 0xFF);
    bytes_[at + 1] = static_cast<char>(u >> 8);
  }
  void U8(size_t at, uint8_t v) { bytes_[at] = static_cast<char>(v); }
  void Real(size_t at, double v) {
    uint8_t b[6];
    EncodeReal48(v, b);
    for (int i = 0; i < 6; ++i) bytes_[at + i] = static_cast<char>(b[i]);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The map's view of a file point: east = -Y, north = -X.
struct View {
  double e;
  double n;
};
View ViewOf(const FilePoint& p) { return {-p.y, -p.x}; }

double SignedViewArea(const std::vector<FilePoint>& ring) {
  double sum = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const View a = ViewOf(ring[i]);
    const View b = ViewOf(ring[(i + 1) % ring.size()]);
    sum += a.e * b.n - b.e * a.n;
  }
  return sum / 2;  // counter-clockwise positive
}

// A line walked in one direction.
struct HalfEdge {
  int32_t line;  // 1-based
  bool forward;
  bool operator<(const HalfEdge& o) const {
    return line != o.line ? line < o.line : forward < o.forward;
  }
  bool operator==(const HalfEdge& o) const = default;
};

template <class Write>
std::string Join(size_t count, Write write) {
  std::string out;
  for (size_t i = 0; i < count; ++i) out += write(i);
  return out;
}

bool WriteIfAny(const std::string& dir, const char* name, const std::string& bytes, bool any) {
  if (!any) return true;
  return platform::WriteFileBytes(platform::JoinPath(dir, name), bytes);
}

}  // namespace

std::string EncodeVertex(const FilePoint& p) {
  Record r(12);
  r.Real(0, p.x);
  r.Real(6, p.y);
  return r.bytes();
}

std::string EncodeLine(const LineRow& l) {
  Record r(103);
  r.I32(0, l.cislo);
  r.I16(4, l.druh);
  r.U8(6, l.presnost);
  r.U8(7, l.flags);
  r.I16(9, l.barva);
  r.I16(11, l.znacka);
  r.I16(13, l.symbol);
  r.I32(19, l.first);
  r.I32(23, l.last);
  r.I32(32, l.next_forward);
  r.U8(36, l.next_forward_walks_forward ? 1 : 0);
  r.I32(37, l.next_backward);
  r.U8(41, l.next_backward_walks_forward ? 1 : 0);
  r.I32(47, l.left);
  r.I32(51, l.right);
  r.Real(61, l.max_x);
  r.Real(67, l.max_y);
  r.Real(73, l.min_x);
  r.Real(79, l.min_y);
  r.Real(85, l.ref_x);
  r.Real(91, l.ref_y);
  r.Real(97, l.angle);
  return r.bytes();
}

std::string EncodeArea(const AreaRow& a) {
  Record r(71);
  r.I32(0, a.cislo);
  r.I16(4, a.druh);
  r.U8(6, a.flags);
  r.I16(8, a.barva);
  r.I16(10, a.znacka);
  r.I32(16, a.line_no);
  r.U8(24, a.has_children ? 1 : 0);
  r.I32(25, a.pater_no);
  r.Real(29, a.ref_x);
  r.Real(35, a.ref_y);
  r.Real(41, a.max_x);
  r.Real(47, a.max_y);
  r.Real(53, a.min_x);
  r.Real(59, a.min_y);
  r.Real(65, a.area);
  return r.bytes();
}

std::string EncodePoint(const PointRow& p) {
  Record r(35);
  r.I32(0, p.cislo);
  r.I16(4, p.druh);
  r.U8(6, p.presnost);
  r.U8(7, p.flags);
  r.I16(9, p.barva);
  r.I16(11, p.znacka);
  r.Real(17, p.x);
  r.Real(23, p.y);
  r.Real(29, p.angle);
  return r.bytes();
}

std::string EncodeText(const TextRow& t) {
  Record r(85);
  r.I32(0, t.cislo);
  r.I16(4, t.druh);
  r.U8(11, t.text_atrib);
  r.U8(12, t.text_mode);
  r.U8(13, t.karmo_font);
  r.Real(14, t.x);
  r.Real(20, t.y);
  r.Real(26, t.height);
  r.Real(32, t.width_coef);
  r.Real(38, t.direction);
  r.Real(45, t.slope);
  r.Real(51, t.distance);
  r.I16(57, t.barva);
  r.I16(59, t.znacka);
  return r.bytes();
}

std::string BlockRecords::VertexBytes() const {
  return Join(vertices.size(), [&](size_t i) { return EncodeVertex(vertices[i]); });
}
std::string BlockRecords::LineBytes() const {
  return Join(lines.size(), [&](size_t i) { return EncodeLine(lines[i]); });
}
std::string BlockRecords::AreaBytes() const {
  return Join(areas.size(), [&](size_t i) { return EncodeArea(areas[i]); });
}
std::string BlockRecords::PointBytes() const {
  return Join(points.size(), [&](size_t i) { return EncodePoint(points[i]); });
}
std::string BlockRecords::TextBytes() const {
  return Join(texts.size(), [&](size_t i) { return EncodeText(texts[i]); });
}
std::string BlockRecords::TextContentBytes() const {
  return Join(texts.size(), [&](size_t i) { return texts[i].text + text_line_end; });
}

bool BlockRecords::Write(const std::string& dir) const {
  if (!platform::ForceDirectories(dir)) return false;
  return WriteIfAny(dir, "TN.CRD", VertexBytes(), !vertices.empty()) &&
         WriteIfAny(dir, "TN.LIN", LineBytes(), !lines.empty()) &&
         WriteIfAny(dir, "TN.ARE", AreaBytes(), !areas.empty()) &&
         WriteIfAny(dir, "TN.PNT", PointBytes(), !points.empty()) &&
         WriteIfAny(dir, "TN.TBX", TextBytes(), !texts.empty()) &&
         WriteIfAny(dir, "TN.TTX", TextContentBytes(), !texts.empty()) &&
         WriteIfAny(dir, "INFO.TXT", info.value_or(""), info.has_value());
}

int32_t MapBuilder::AddLine(std::vector<FilePoint> points, int32_t left, int32_t right,
                            const LineOptions& options) {
  lines_.push_back({std::move(points), left, right, options});
  return static_cast<int32_t>(lines_.size());
}

int32_t MapBuilder::AddArea(const AreaOptions& options) {
  areas_.push_back(options);
  return static_cast<int32_t>(areas_.size());
}

BlockRecords MapBuilder::Build() const {
  BlockRecords out;
  out.vertices.push_back({});
  out.lines.push_back({});
  out.areas.push_back({});
  if (!points_.empty()) out.points.push_back({});
  const auto end_of = [&](HalfEdge h) {
    const auto& pts = lines_[static_cast<size_t>(h.line - 1)].points;
    return h.forward ? pts.back() : pts.front();
  };
  const auto before_end = [&](HalfEdge h) {
    const auto& pts = lines_[static_cast<size_t>(h.line - 1)].points;
    return h.forward ? pts[pts.size() - 2] : pts[1];
  };
  const auto after_start = [&](HalfEdge h) {
    const auto& pts = lines_[static_cast<size_t>(h.line - 1)].points;
    return h.forward ? pts[1] : pts[pts.size() - 2];
  };
  const auto start_of = [&](HalfEdge h) {
    const auto& pts = lines_[static_cast<size_t>(h.line - 1)].points;
    return h.forward ? pts.front() : pts.back();
  };
  // The next half-edge around the face on the left: at the end vertex, the outgoing half-edge
  // reached first turning clockwise from the way back.
  std::map<std::pair<double, double>, std::vector<HalfEdge>> outgoing;
  for (int32_t n = 1; n <= static_cast<int32_t>(lines_.size()); ++n) {
    for (const bool forward : {true, false}) {
      const FilePoint s = start_of({n, forward});
      outgoing[{s.x, s.y}].push_back({n, forward});
    }
  }
  std::map<HalfEdge, HalfEdge> next;
  for (int32_t n = 1; n <= static_cast<int32_t>(lines_.size()); ++n) {
    for (const bool forward : {true, false}) {
      const HalfEdge h{n, forward};
      const FilePoint v = end_of(h);
      const View back = ViewOf(before_end(h));
      const View at = ViewOf(v);
      const double back_angle = std::atan2(back.n - at.n, back.e - at.e);
      std::optional<HalfEdge> best;
      double best_turn = 0;
      for (const HalfEdge& c : outgoing[{v.x, v.y}]) {
        const View out_point = ViewOf(after_start(c));
        const double out_angle = std::atan2(out_point.n - at.n, out_point.e - at.e);
        double turn = back_angle - out_angle;
        while (turn <= 1e-12) turn += 2 * std::numbers::pi;
        while (turn > 2 * std::numbers::pi + 1e-12) turn -= 2 * std::numbers::pi;
        if (!best || turn < best_turn) {
          best = c;
          best_turn = turn;
        }
      }
      next[h] = best.value_or(HalfEdge{n, !forward});
    }
  }
  // Rings: the half-edges with an area on their left, followed until they come back.
  const auto area_on_left = [&](HalfEdge h) {
    const Line& l = lines_[static_cast<size_t>(h.line - 1)];
    return h.forward ? l.left : l.right;
  };
  struct Ring {
    HalfEdge start;
    std::vector<FilePoint> points;
    double signed_area = 0;
  };
  std::map<int32_t, std::vector<Ring>> rings;
  std::set<HalfEdge> seen;
  for (int32_t n = 1; n <= static_cast<int32_t>(lines_.size()); ++n) {
    for (const bool forward : {true, false}) {
      HalfEdge h{n, forward};
      const int32_t area = area_on_left(h);
      if (area == 0 || seen.count(h)) continue;
      Ring ring{h, {}, 0};
      for (size_t guard = 0; guard <= 2 * lines_.size() && !seen.count(h); ++guard) {
        seen.insert(h);
        const auto& pts = lines_[static_cast<size_t>(h.line - 1)].points;
        if (h.forward) {
          ring.points.insert(ring.points.end(), pts.begin(), pts.end() - 1);
        } else {
          ring.points.insert(ring.points.end(), pts.rbegin(), pts.rend() - 1);
        }
        h = next[h];
      }
      ring.signed_area = SignedViewArea(ring.points);
      rings[area].push_back(std::move(ring));
    }
  }
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& l = lines_[i];
    const int32_t n = static_cast<int32_t>(i + 1);
    LineRow row;
    row.cislo = n;
    row.druh = l.options.druh;
    row.barva = l.options.barva;
    row.znacka = l.options.znacka;
    row.symbol = l.options.symbol;
    row.flags = l.options.flags;
    row.first = static_cast<int32_t>(out.vertices.size());
    out.vertices.insert(out.vertices.end(), l.points.begin(), l.points.end());
    row.last = static_cast<int32_t>(out.vertices.size()) - 1;
    const HalfEdge f = next[{n, true}];
    const HalfEdge b = next[{n, false}];
    row.next_forward = f.line;
    row.next_forward_walks_forward = f.forward;
    row.next_backward = b.line;
    row.next_backward_walks_forward = b.forward;
    row.left = l.left;
    row.right = l.right;
    row.min_x = row.max_x = l.points[0].x;
    row.min_y = row.max_y = l.points[0].y;
    for (const FilePoint& p : l.points) {
      row.min_x = std::min(row.min_x, p.x);
      row.max_x = std::max(row.max_x, p.x);
      row.min_y = std::min(row.min_y, p.y);
      row.max_y = std::max(row.max_y, p.y);
    }
    const size_t mid = (l.points.size() - 1) / 2;
    const FilePoint& a = l.points[mid];
    const FilePoint& c = l.points[mid + 1];
    row.ref_x = (a.x + c.x) / 2;
    row.ref_y = (a.y + c.y) / 2;
    row.angle = std::atan2(ViewOf(c).n - ViewOf(a).n, ViewOf(c).e - ViewOf(a).e);
    out.lines.push_back(row);
  }
  // Each area's size: the shoelace sums of the lines walked with the area on their left, so
  // outer rings add and the rings around holes subtract.
  std::map<int32_t, double> sizes;
  for (const Line& l : lines_) {
    double forward = 0;
    for (size_t i = 0; i + 1 < l.points.size(); ++i) {
      const View a = ViewOf(l.points[i]);
      const View c = ViewOf(l.points[i + 1]);
      forward += (a.e * c.n - c.e * a.n) / 2;
    }
    if (l.left) sizes[l.left] += forward;
    if (l.right) sizes[l.right] -= forward;
  }
  std::map<int32_t, bool> has_children;
  for (const AreaOptions& o : areas_) has_children[o.pater_no] = true;
  for (size_t i = 0; i < areas_.size(); ++i) {
    const AreaOptions& o = areas_[i];
    const int32_t n = static_cast<int32_t>(i + 1);
    AreaRow row;
    row.cislo = n;
    row.druh = o.druh;
    row.barva = o.barva;
    row.znacka = o.znacka;
    row.pater_no = o.pater_no;
    row.ref_x = o.reference.x;
    row.ref_y = o.reference.y;
    row.has_children = has_children.count(n) > 0;
    row.area = sizes[n];
    for (const Ring& ring : rings[n]) {
      if (ring.signed_area <= 0) continue;
      row.line_no = ring.start.line;
      row.min_x = row.max_x = ring.points[0].x;
      row.min_y = row.max_y = ring.points[0].y;
      for (const FilePoint& p : ring.points) {
        row.min_x = std::min(row.min_x, p.x);
        row.max_x = std::max(row.max_x, p.x);
        row.min_y = std::min(row.min_y, p.y);
        row.max_y = std::max(row.max_y, p.y);
      }
      break;
    }
    out.areas.push_back(row);
  }
  out.points.insert(out.points.end(), points_.begin(), points_.end());
  out.texts = texts_;
  return out;
}

}  // namespace tarnik::gis::testing
