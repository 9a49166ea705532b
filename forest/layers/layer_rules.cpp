#include "forest/layers/layer_rules.h"

#include <cmath>

#include <fmt/format.h>

#include "forest/codelists/species.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string ShortCodeRule(std::string_view text) {
  const std::string lower = platform::LowerCz(text);
  const std::string t = platform::RemoveBlanks(lower);
  if (t.size() == 1) return " " + t + " ";
  if (t.size() == 2) return IsDigit(t[1]) ? t + " " : " " + t;
  return lower;
}

std::string RegionCodeRule(std::string_view text) {
  const std::string t = platform::RemoveBlanks(text);
  std::string result(text);
  if (t.size() == 1 || (t.size() == 2 && !IsDigit(t[1]))) result = " " + t;
  if (result == "XXX") return result;
  return platform::LowerCz(result);
}

std::string SpeciesCodeRule(std::string_view text) {
  return PadRight(platform::RemoveBlanks(platform::UpperCz(text)), 3);
}

std::string PadRight(std::string_view text, size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

std::string UrgencyXml(std::string_view urgency) {
  if (urgency == "0" || urgency == "2" || urgency == "3" || urgency == "5") return "0";
  if (urgency == "1" || urgency == "4") return "1";
  return "";
}

int32_t UrgencyInt(std::string_view urgency) {
  return platform::TextToInt(platform::RemoveBlanks(urgency)).value_or(0);
}

double Round2HalfEven(double x) { return static_cast<double>(RoundHalfEven(x * 100.0)) / 100.0; }

std::string Area2Xml(double x) { return Fixed2Dot(Round2HalfEven(x)); }

std::string Fixed2Dot(double x) { return platform::FloatToFixedDot(x, 2); }

std::string Area6Display(double x) {
  std::string text = fmt::format("{:6.2f}", x);
  const char sep = platform::DecimalSeparator();
  for (char& c : text)
    if (c == '.') c = sep;
  return text;
}

std::string AfforestationAreaXml(double area) {
  if (area == 0) return "";
  std::string text = fmt::format("{:6.2f}", area);
  for (char& c : text)
    if (c == ',') c = '.';
  return platform::Trim(text);
}

double DecimalFromText(std::string_view text) {
  return platform::DecimalTextToFloat(platform::RemoveBlanks(text));
}

int32_t IntFromText(std::string_view text) { return platform::TextToInt(text).value_or(0); }

int32_t RegenerationPercent(int32_t vek, int32_t obmyti, int32_t obn_doba) {
  static constexpr int32_t kTable[8][6] = {
      {0, 0, 0, 0, 0, 0},           {0, 0, 0, 0, 2, 8},
      {0, 0, 4, 12, 18, 18},        {12, 25, 30, 29, 25, 22},
      {86, 67, 50, 40, 33, 29},     {100, 100, 88, 67, 50, 40},
      {100, 100, 100, 100, 88, 67}, {100, 100, 100, 100, 100, 100},
  };
  const long c = RoundHalfEven(obn_doba / 10.0);
  if (c < 1 || c > 6) return 0;
  int64_t r = (static_cast<int64_t>(vek) - obmyti + 49) / 10;  // truncates toward zero
  if (r < 0) r = 0;
  if (r > 7) r = 7;
  return kTable[r][c - 1];
}

int StemVolumeRow(int32_t k) {
  if (k >= 1 && k <= 9) return 1;
  if (k >= 10 && k <= 18) return 2;
  if (k >= 20 && k <= 29) return 3;
  if (k >= 30 && k <= 39) return 4;
  if ((k >= 40 && k <= 48) || (k >= 60 && k <= 62) || (k >= 70 && k <= 72)) return 5;
  if (k == 50 || (k >= 74 && k <= 82)) return 6;
  if (k == 51) return 7;
  if (k >= 52 && k <= 59) return 8;
  if (k == 63) return 9;
  if (k == 64 || k == 65) return 10;
  return 11;
}

double StemVolume(int32_t species_code, int32_t diameter, int32_t height) {
  struct Coefficients {
    long double a, b, c, d;
  };
  static constexpr Coefficients kRows[11] = {
      {2.5L, -0.00846L, -0.1071L, 0.0053L},   {4.51L, -0.0421L, -0.2185L, 0.00755L},
      {-0.042L, 0.00367L, 0.0475L, 0.00375L}, {2.2874L, -0.02958L, -0.2737L, 0.00813L},
      {-0.667L, -0.00449L, 0.0369L, 0.005L},  {-1.2748L, -0.0024L, 0.0188L, 0.00539L},
      {-1.0275L, 0.0003L, 0.0812L, 0.00403L}, {-1.3458L, -0.0226L, -0.0604L, 0.00713L},
      {-2.539L, 0.033L, 0.0874L, 0.00297L},   {2.6548L, -0.02764L, -0.1349L, 0.00604L},
      {3.533L, 0.0378L, -0.0719L, 0.005276L},
  };
  if (diameter < 7 || height < 7) return 0;
  const Coefficients& k = kRows[StemVolumeRow(species_code) - 1];
  const long double d = diameter;
  const long double s = 100.0L * height / d;
  return static_cast<double>(0.785L * d * d * 0.0001L * (k.a + k.b * s + d * (k.c + k.d * s)));
}

int32_t StemCount(double total_volume, double mean_stem_volume) {
  if (!(mean_stem_volume > 0.0001)) return 0;
  return static_cast<int32_t>(RoundHalfEven(total_volume / mean_stem_volume));
}

std::vector<double> SpreadAfforestation(double area, const std::vector<int32_t>& shares) {
  std::vector<double> areas;
  if (shares.empty()) return areas;
  const double x = Round2HalfEven(area);
  size_t largest = 0;
  double sum = 0;
  for (size_t i = 0; i < shares.size(); ++i) {
    areas.push_back(static_cast<double>(RoundHalfEven(x * shares[i])) / 100.0);
    sum += areas.back();
    if (shares[i] > shares[largest]) largest = i;
  }
  areas[largest] += x - sum;
  return areas;
}

int32_t InterventionKind(int64_t etaz_tv, int64_t etaz_to, double tv_p, double pro_p) {
  if (etaz_tv < etaz_to) return 10;
  if (tv_p - pro_p > 0.005) return 11;
  if (pro_p > 0.005) return 12;
  return 0;
}

std::string MainCategoryNumber(std::string_view kategorie) {
  const std::string t = platform::UpperCz(platform::Trim(kategorie));
  if (t.size() == 2) return std::to_string(static_cast<int64_t>(IntFromText(t)) * 10);
  if (t.size() == 3) {
    const int64_t letter = static_cast<unsigned char>(t[2]) - 'A' + 1;
    return std::to_string(static_cast<int64_t>(IntFromText(t.substr(0, 2))) * 10 + letter);
  }
  return "";
}

}  // namespace tarnik::plan
