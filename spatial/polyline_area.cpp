#include "spatial/polyline_area.h"

#include <algorithm>

namespace tarnik::spatial {
namespace {

using framework::TElement;

void DefinePolyLineArea(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TPolyLineAreaElement> d(out);
  d.String("LinesOriginesHex", &TPolyLineAreaElement::LinesOriginesHex,
           &TPolyLineAreaElement::SetLinesOriginesHex);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The line of a ring and its vertex count when it adds to the ring (two vertices or more).
const TPolyLineElement* RingLine(const TElement* child, int* count) {
  auto* line = framework::ClassCast<TPolyLineElement>(const_cast<TElement*>(child));
  if (!line) return nullptr;
  *count = line->GetCoordsCount();
  return *count >= 2 ? line : nullptr;
}

// Calls fn(line, vertex count, forward) for each line of the ring in order, skipping children
// that add nothing, until fn answers false.
template <class Fn>
void WalkLines(const TPolyLineAreaElement& area, Fn fn) {
  const auto& children = area.Children();
  for (size_t k = 0; k < children.size(); ++k) {
    int n = 0;
    const TPolyLineElement* line = RingLine(children[k], &n);
    if (line && !fn(*line, n, area.LineForward(static_cast<int>(k)))) return;
  }
}

// The j-th vertex of a line of n vertices in walking direction.
T2DCoordinate* Walked(const TPolyLineElement& line, int n, int j, bool forward) {
  return line.GetCoord(forward ? j : n - 1 - j);
}

bool WalkedPoint(const TPolyLineElement& line, int n, int j, bool forward, Point* out) {
  return line.PointAt(forward ? j : n - 1 - j, out);
}

// A new plain area with the points as its vertices and a copy of the rectangle.
TAreaElement* AreaOf(const std::vector<Point>& points, uint8_t cs, const Bounds& bounds) {
  auto* area = new TAreaElement();
  for (const Point& p : points) area->AddPoint(p.x, p.y, cs);
  area->bounds() = bounds;
  return area;
}

}  // namespace

TARNIK_DEFINE_CLASS(TPolyLineAreaElement, TAreaElement, DefinePolyLineArea)

bool TPolyLineAreaElement::LineForward(int i) const {
  if (i < 0) return false;
  const size_t byte = static_cast<size_t>(i) / 8;
  if (byte >= bits_.size()) return false;
  return (static_cast<unsigned char>(bits_[byte]) >> (i % 8) & 1) != 0;
}

void TPolyLineAreaElement::SetLineForward(int i, bool forward) {
  if (i < 0) return;
  const size_t byte = static_cast<size_t>(i) / 8;
  if (byte >= bits_.size()) {
    if (!forward) return;
    bits_.resize(byte + 1, '\0');
  }
  const auto mask = static_cast<unsigned char>(1u << (i % 8));
  auto value = static_cast<unsigned char>(bits_[byte]);
  value = forward ? (value | mask) : (value & ~mask);
  bits_[byte] = static_cast<char>(value);
}

std::string TPolyLineAreaElement::LinesOriginesHex() const {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bits_.size() * 2);
  for (char c : bits_) {
    const auto b = static_cast<unsigned char>(c);
    hex.push_back(kDigits[b >> 4]);
    hex.push_back(kDigits[b & 15]);
  }
  return hex;
}

void TPolyLineAreaElement::SetLinesOriginesHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  bits_ = std::move(bytes);
}

void TPolyLineAreaElement::ShiftBitsUp(int from) {
  const int n = static_cast<int>(bits_.size()) * 8;
  if (from < 0 || from >= n) return;
  for (int i = n; i > from; --i) SetLineForward(i, LineForward(i - 1));
  SetLineForward(from, false);
}

void TPolyLineAreaElement::ShiftBitsDown(int from) {
  const int n = static_cast<int>(bits_.size()) * 8;
  if (from < 0 || from >= n) return;
  for (int i = from; i + 1 < n; ++i) SetLineForward(i, LineForward(i + 1));
  SetLineForward(n - 1, false);
}

void TPolyLineAreaElement::AddLine(TPolyLineElement* line, bool forward) {
  if (!line) return;
  AddWithBounds(line);
  SetLineForward(GetCount() - 1, forward);
}

void TPolyLineAreaElement::InsertLine(int index, TPolyLineElement* line, bool forward) {
  if (!line) return;
  index = std::clamp(index, 0, GetCount());
  ShiftBitsUp(index);
  InsertElement(index, line);
  ExtendByElement(line);
  SetLineForward(index, forward);
}

void TPolyLineAreaElement::RemoveElement(TElement* element) {
  const int index = IndexOf(element);
  TAreaElement::RemoveElement(element);
  if (index >= 0) ShiftBitsDown(index);
}

void TPolyLineAreaElement::FreeElement(TElement* element) {
  const int index = IndexOf(element);
  TAreaElement::FreeElement(element);
  if (index >= 0) ShiftBitsDown(index);
}

void TPolyLineAreaElement::FreeAll() {
  TAreaElement::FreeAll();
  bits_.clear();
}

void TPolyLineAreaElement::HandleMessage(framework::TKelvaMessage& message, bool& handled) {
  if (message.Message() != kNewPartMessage) return;
  auto* old_line = framework::ClassCast<TPolyLineElement>(message.Sender());
  auto* new_line = framework::ClassCast<TPolyLineElement>(message.Data());
  if (!old_line || !new_line || old_line == new_line) return;
  const int index = IndexOf(old_line);
  if (index < 0) return;
  const bool forward = LineForward(index);
  InsertLine(forward ? index : index + 1, new_line, forward);
  handled = true;
}

int TPolyLineAreaElement::GetCoordsCount() const {
  int total = 0;
  WalkLines(*this, [&](const TPolyLineElement&, int n, bool) {
    total += n - 1;
    return true;
  });
  return total;
}

T2DCoordinate* TPolyLineAreaElement::GetCoord(int i) const {
  T2DCoordinate* found = nullptr;
  if (i < 0) return found;
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    if (i >= n - 1) {
      i -= n - 1;
      return true;
    }
    found = Walked(line, n, i, forward);
    return false;
  });
  return found;
}

bool TPolyLineAreaElement::PointAt(int i, Point* out) const {
  bool found = false;
  if (i < 0) return found;
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    if (i >= n - 1) {
      i -= n - 1;
      return true;
    }
    found = WalkedPoint(line, n, i, forward, out);
    return false;
  });
  return found;
}

std::vector<Point> TPolyLineAreaElement::Points(bool* complete) const {
  std::vector<Point> points;
  bool all = true;
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    for (int j = 0; j + 1 < n; ++j) {
      Point p;
      if (WalkedPoint(line, n, j, forward, &p)) {
        points.push_back(p);
      } else {
        all = false;
      }
    }
    return true;
  });
  if (complete) *complete = all;
  return points;
}

void TPolyLineAreaElement::ForEachCoord(
    const std::function<void(const T2DCoordinate*)>& visit) const {
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    for (int j = 0; j + 1 < n; ++j) visit(Walked(line, n, j, forward));
    return true;
  });
}

std::vector<const T2DCoordinate*> TPolyLineAreaElement::RingVertices() const {
  std::vector<const T2DCoordinate*> vertices;
  bool first = true;
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    for (int j = first ? 0 : 1; j < n; ++j) {
      if (const T2DCoordinate* v = Walked(line, n, j, forward)) vertices.push_back(v);
    }
    first = false;
    return true;
  });
  return vertices;
}

std::vector<Point> TPolyLineAreaElement::RingPoints(uint8_t* cs) const {
  std::vector<Point> points;
  bool first = true;
  WalkLines(*this, [&](const TPolyLineElement& line, int n, bool forward) {
    if (first && cs) *cs = line.VertexCS();
    for (int j = first ? 0 : 1; j < n; ++j) {
      Point p;
      if (WalkedPoint(line, n, j, forward, &p)) points.push_back(p);
    }
    first = false;
    return true;
  });
  return points;
}

TAreaElement* TPolyLineAreaElement::ToAreaElement() const {
  uint8_t cs = 0;
  std::vector<Point> points = RingPoints(&cs);
  return AreaOf(points, cs, bounds());
}

TAreaElement* TPolyLineAreaElement::ToAreaWithHoles() const {
  TAreaElement* area = ToAreaElement();
  const THolesEntity* holes = Holes();
  if (!holes) return area;
  for (TElement* child : holes->Children()) {
    if (auto* lines = framework::ClassCast<TPolyLineAreaElement>(child)) {
      if (lines != this) area->AddHole(lines->ToAreaElement());
    } else if (auto* plain = framework::ClassCast<TAreaElement>(child)) {
      area->AddHole(AreaOf(plain->Points(), plain->VertexCS(), plain->bounds()));
    }
  }
  return area;
}

bool TPolyLineAreaElement::ContainsPoint(double x, double y) {
  return RingContains(RingPoints(), x, y);
}

}  // namespace tarnik::spatial
