// The per-cadastre area table of a stand: TFPole holds exactly kFPoleRows TRadekPole rows (its
// children, created with it, numbered from 1); a row carries a cadastral code (at most 30
// characters), an area and a count. The stand owns its table; rows live as long as the table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/entity.h"

namespace tarnik::plan {

inline constexpr int kFPoleRows = 40;
inline constexpr size_t kKlasifikatorMax = 30;

class TRadekPole : public framework::TElement {
 public:
  TARNIK_ELEMENT_CLASS(TRadekPole)
  const std::string& Klasifikator() const { return klasifikator_; }
  // Texts longer than 30 characters are cut, with a warning.
  void SetKlasifikator(const std::string& text);
  double ProPlocha() const { return pro_plocha_; }
  void SetProPlocha(double v) { pro_plocha_ = v; }
  int32_t Soucet() const { return soucet_; }
  void SetSoucet(int32_t v) { soucet_ = v; }

 private:
  static void DefineProperties(std::vector<framework::TPropInfo>& out);
  std::string klasifikator_;
  double pro_plocha_ = 0;
  int32_t soucet_ = 0;
};

class TFPole : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TFPole)
  TFPole();
  // Row 1..kFPoleRows; nil outside.
  TRadekPole* Radek(int number) const;
  // Empties every row.
  void Vycisti();
};

}  // namespace tarnik::plan
