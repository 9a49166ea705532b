// Per-property metadata of forest elements and the column descriptions of grids.
// TVlastnosti holds the colour and the mark count of one property of one element; the element's
// TVlastnostiMN (prefix "VLAS") holds one per property, keyed by the property name.
// TVlastnostiSloupcu describes one grid column (one property of a class); TVlastnostiSloupcuMN
// (prefix "SLOUP") holds the columns of a class. All are plain owned children of their holders.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "forest/colour.h"
#include "forest/forest_set.h"
#include "framework/entity.h"

namespace tarnik::plan {

class TVlastnosti : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TVlastnosti)
  uint32_t Barva() const { return barva_; }
  void SetBarva(uint32_t colour) { barva_ = colour; }
  int32_t PocetZnacek() const { return znacky_; }
  void SetPocetZnacek(int32_t count) { znacky_ = count; }
  // The colour as its small code (ColorCode).
  int barva_cis() const { return ColorCode(barva_); }

 private:
  uint32_t barva_ = kColorInfoBk;
  int32_t znacky_ = 0;
};

class TVlastnostiMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TVlastnostiMN)
  TVlastnostiMN();
  // The entry of a property (names compare case-insensitively); nil when absent.
  TVlastnosti* Entry(std::string_view property) const;
};

class TVlastnostiSloupcu : public framework::TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TVlastnostiSloupcu)
  std::string titulek;
  std::string jmeno_property;
  int32_t index_sloupce = -1;
  int32_t index_property = -1;
  int32_t sirka = 0;
  bool viditelny = false;
  uint8_t zarovnani = 0;
};

// A column description as read from a column set; absent columns read as the defaults.
struct SloupecPopis {
  std::string titulek = "neni";
  std::string jmeno_property;
  int32_t index_sloupce = -1;
  int32_t index_property = -1;
  int32_t sirka = 0;
  bool viditelny = false;
  uint8_t zarovnani = 0;
};

class TVlastnostiSloupcuMN : public TLesniMnozina {
 public:
  TARNIK_ELEMENT_CLASS(TVlastnostiSloupcuMN)
  TVlastnostiSloupcuMN();

  // Replaces the columns by one per published property of the class after the framework's own:
  // keyed and titled by the property name, column index from 0, property index = its position
  // in the class's property list, width 80, visible.
  void VytvorProTridu(const framework::TClassInfo& c);
  // Consecutive column indices for the visible columns (in set order), -1 for the hidden ones.
  void Precisluj();
  TVlastnostiSloupcu* Sloupec(std::string_view key) const;
  SloupecPopis Popis(std::string_view key) const;
};

}  // namespace tarnik::plan
