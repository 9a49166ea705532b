// The fixed-size records of the binary block files and their raw decoders. A decoder reads
// exactly one record of its size from the bytes it is given (the caller has checked that many
// are there) and never looks past them; it checks nothing about what the numbers mean. Indexes
// and numbers that point into other files are checked by the readers against those files.
// Little-endian integers; reals are Real48.
#pragma once

#include <cstdint>

namespace tarnik::gis {

// Record sizes of "TN.CRD", "TN.LIN", "TN.ARE", "TN.PNT" and "TN.TBX".
inline constexpr int kVertexRecordSize = 12;
inline constexpr int kLineRecordSize = 103;
inline constexpr int kAreaRecordSize = 71;
inline constexpr int kPointRecordSize = 35;
inline constexpr int kTextRecordSize = 85;

struct VertexRecord {
  double x = 0;
  double y = 0;
};

struct LineRecord {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t presnost = 0;
  uint8_t flags = 0;  // bit 0 deleted; bit 2 or 3: not read as a line
  int16_t barva = 0;
  int16_t znacka = 0;
  int16_t symbol = 0;
  int32_t first_vertex = 0;
  int32_t last_vertex = 0;
  int32_t next_forward = 0;  // the next boundary line when this one is walked forward
  bool next_forward_walks_forward = false;
  int32_t next_backward = 0;  // ... when this one is walked backward
  bool next_backward_walks_forward = false;
  int32_t left_area = 0;
  int32_t right_area = 0;
  double max_x = 0, max_y = 0, min_x = 0, min_y = 0;
  double ref_x = 0, ref_y = 0;
  double angle = 0;

  bool Deleted() const { return flags & 1; }
  bool NotALine() const { return flags & 0x0C; }
};

struct AreaRecord {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t flags = 0;  // any of bits 0 to 2: invalid
  int16_t barva = 0;
  int16_t znacka = 0;
  int32_t line_no = 0;
  bool has_children = false;
  int32_t pater_no = 0;
  double ref_x = 0, ref_y = 0;
  double max_x = 0, max_y = 0, min_x = 0, min_y = 0;
  double area = 0;

  // Neither flagged invalid nor of an area of 0.001 or less.
  bool Valid() const { return (flags & 0x07) == 0 && area > 0.001; }
};

struct PointRecord {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t presnost = 0;
  uint8_t flags = 0;  // bit 0 deleted
  int16_t barva = 0;
  int16_t znacka = 0;
  double x = 0, y = 0;
  double angle = 0;

  bool Deleted() const { return flags & 1; }
};

// Bits of TextRecord::text_atrib.
inline constexpr uint8_t kZrusenT = 1;
inline constexpr uint8_t kOkT = 2;
inline constexpr uint8_t kTxtZmena = 4;
inline constexpr uint8_t kT30 = 8;

struct TextRecord {
  int32_t cislo = 0;
  int16_t druh = 0;
  uint8_t text_atrib = 0;
  uint8_t text_mode = 0;
  uint8_t karmo_font = 0;
  double x = 0, y = 0;
  double height = 0;
  double width_coef = 0;
  double direction = 0;
  double slope = 0;  // degrees
  double distance = 0;
  int16_t barva = 0;
  int16_t znacka = 0;

  bool Deleted() const { return text_atrib & kZrusenT; }
};

VertexRecord DecodeVertexRecord(const uint8_t* bytes);
LineRecord DecodeLineRecord(const uint8_t* bytes);
AreaRecord DecodeAreaRecord(const uint8_t* bytes);
PointRecord DecodePointRecord(const uint8_t* bytes);
TextRecord DecodeTextRecord(const uint8_t* bytes);

}  // namespace tarnik::gis
