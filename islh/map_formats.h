// The number formats of the map in the ISLH document, the stand group's map symbol code and the
// kind substitutions of "SubstituceDruhu.ini". Pure functions except LoadFrom (reads one file).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarnik::framework {
class TElement;
}

namespace tarnik::islh {

// `<B S="|y|$|x|"/>` with six decimals, the y coordinate first.
std::string PointElement(double x, double y);
// "|x|$|y|" of the texts X and Y, each read as a number, three decimals; an unreadable text
// counts as 0.
std::string ReferenceText(const std::string& x, const std::string& y);
// The angle in radians brought into [0, 2π), two decimals.
std::string NormalizedAngle(double radians);
// The angle of a point symbol generated from a line: angle + π/2 less whole turns (toward
// zero), two decimals.
std::string GeneratedSymbolAngle(double radians);

struct TLayerStocking {
  int vek = 0;   // age, years
  int zakm = 0;  // stocking
};
// The code behind PSK_ZNACKA from the stand group's layers in their order.
int StandGroupSymbolCode(const std::vector<TLayerStocking>& layers);
// The same for a plan stand group (its layers' VEK and ZAKM); 10100 for nil.
int StandGroupSymbolCode(framework::TElement* stand_group);

// The sections "LIN", "ARE", "PNT" and "TXT" of "SubstituceDruhu.ini".
class TKindSubstitutions {
 public:
  // Empty tables when the file does not exist.
  void LoadFrom(const std::string& path);
  // The value for the key in the section, empty when none.
  std::string Find(const std::string& section, const std::string& key) const;

 private:
  std::map<std::string, std::map<std::string, std::string>> tables_;
};

}  // namespace tarnik::islh
