#include "gis/block_records.h"

#include <cstring>

#include "gis/real48.h"

namespace tarnik::gis {
namespace {

int32_t I32(const uint8_t* p) {
  const uint32_t v =
      uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
  int32_t out;
  std::memcpy(&out, &v, sizeof out);
  return out;
}

int16_t I16(const uint8_t* p) {
  const uint16_t v = static_cast<uint16_t>(p[0] | p[1] << 8);
  int16_t out;
  std::memcpy(&out, &v, sizeof out);
  return out;
}

double Real(const uint8_t* p) { return DecodeReal48(p); }

}  // namespace

VertexRecord DecodeVertexRecord(const uint8_t* b) { return {Real(b), Real(b + 6)}; }

LineRecord DecodeLineRecord(const uint8_t* b) {
  LineRecord r;
  r.cislo = I32(b);
  r.druh = I16(b + 4);
  r.presnost = b[6];
  r.flags = b[7];
  r.barva = I16(b + 9);
  r.znacka = I16(b + 11);
  r.symbol = I16(b + 13);
  r.first_vertex = I32(b + 19);
  r.last_vertex = I32(b + 23);
  r.next_forward = I32(b + 32);
  r.next_forward_walks_forward = b[36] != 0;
  r.next_backward = I32(b + 37);
  r.next_backward_walks_forward = b[41] != 0;
  r.left_area = I32(b + 47);
  r.right_area = I32(b + 51);
  r.max_x = Real(b + 61);
  r.max_y = Real(b + 67);
  r.min_x = Real(b + 73);
  r.min_y = Real(b + 79);
  r.ref_x = Real(b + 85);
  r.ref_y = Real(b + 91);
  r.angle = Real(b + 97);
  return r;
}

AreaRecord DecodeAreaRecord(const uint8_t* b) {
  AreaRecord r;
  r.cislo = I32(b);
  r.druh = I16(b + 4);
  r.flags = b[6];
  r.barva = I16(b + 8);
  r.znacka = I16(b + 10);
  r.line_no = I32(b + 16);
  r.has_children = b[24] != 0;
  r.pater_no = I32(b + 25);
  r.ref_x = Real(b + 29);
  r.ref_y = Real(b + 35);
  r.max_x = Real(b + 41);
  r.max_y = Real(b + 47);
  r.min_x = Real(b + 53);
  r.min_y = Real(b + 59);
  r.area = Real(b + 65);
  return r;
}

PointRecord DecodePointRecord(const uint8_t* b) {
  PointRecord r;
  r.cislo = I32(b);
  r.druh = I16(b + 4);
  r.presnost = b[6];
  r.flags = b[7];
  r.barva = I16(b + 9);
  r.znacka = I16(b + 11);
  r.x = Real(b + 17);
  r.y = Real(b + 23);
  r.angle = Real(b + 29);
  return r;
}

TextRecord DecodeTextRecord(const uint8_t* b) {
  TextRecord r;
  r.cislo = I32(b);
  r.druh = I16(b + 4);
  r.text_atrib = b[11];
  r.text_mode = b[12];
  r.karmo_font = b[13];
  r.x = Real(b + 14);
  r.y = Real(b + 20);
  r.height = Real(b + 26);
  r.width_coef = Real(b + 32);
  r.direction = Real(b + 38);
  r.slope = Real(b + 45);
  r.distance = Real(b + 51);
  r.barva = I16(b + 57);
  r.znacka = I16(b + 59);
  return r;
}

}  // namespace tarnik::gis
