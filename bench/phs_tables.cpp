#include "bench/phs_tables.h"

#include <map>

#include "bench/row_writer.h"

namespace tarnik::bench {

void WritePhsTables(sqlite3* phs, const std::set<int>& management_sets,
                    const std::vector<PhsStand>& stands, UnitCounts& counts) {
  static const std::map<int, const char*> kSetNames = {
      {53, "kyselá stanoviště stř. poloh"},   {55, "živná stanoviště stř. poloh"},
      {57, "oglejená stanoviště stř. poloh"}, {73, "kyselá stan. vyšších poloh"},
      {75, "živná stan. vyšších poloh"},      {77, "oglejená stan. vyšších poloh"}};
  RowWriter hs(phs, "TAB_HS",
               {"CISLO_HS", "NAZEV_HS", "OBMYTI", "OBN_DOBA", "POC_OBNOVY", "POC_PROR",
                "POC_MYTKLID", "POD_MEL_DR", "ODVOZ_TEZ", "SEST_DTO"});
  for (int set : management_sets) {
    auto name = kSetNames.find(set);
    hs.Write({int64_t{set}, std::string(name != kSetNames.end() ? name->second : "soubor"),
              int64_t{110}, int64_t{30}, int64_t{95}, int64_t{2}, int64_t{1}, 25.0,
              std::string("1"), std::string("A")});
  }
  counts["TAB_HS"] = hs.rows();

  RowWriter owners(phs, "MAJETKY", {"MAJ_KOD", "MAJ_DRUH", "OLH", "MAJ_NAZ"});
  owners.Write({1.0, 1.0, 1.0, std::string("Česká republika - Lesy České republiky, s.p.")});
  owners.Write({104.0, 2.0, 2.0, std::string("Obec Samotín")});
  counts["MAJETKY"] = owners.rows();

  RowWriter managers(phs, "OLH", {"KOD", "POPIS", "ICO_RC", "OKR_URAD", "CIS_LIC", "OLH_LIC"});
  managers.Write({std::string("1"), std::string("Lesy ČR, s.p., LS Nové Město na Moravě"),
                  std::string("42196451"), std::string("ZR"), std::string("OLH/0128/20"),
                  std::string("OLH/0128/20")});
  managers.Write({std::string("2"), std::string("Ing. Tomáš Kratochvíl"), std::string("74125896"),
                  std::string("ZR"), std::string("OLH/1189/17"), std::string("OLH/1189/17")});
  counts["OLH"] = managers.rows();

  RowWriter level1(phs, "ORGUR1", {"KOD", "POPIS"});
  level1.Write({int64_t{128}, std::string("LS Nové Město na Moravě")});
  RowWriter level2(phs, "ORGUR2", {"KOD", "POPIS"});
  level2.Write({int64_t{1}, std::string("revír Sněžné")});
  level2.Write({int64_t{2}, std::string("revír Krátká")});
  level2.Write({int64_t{3}, std::string("revír Samotín")});
  counts["ORGUR1"] = level1.rows();
  counts["ORGUR2"] = level2.rows();

  static const char* kCadastreNames[] = {"Sněžné na Moravě", "Krátká", "Kadov u Sněžného",
                                         "Samotín"};
  RowWriter cadastres(phs, "KATASTRY", {"Kod", "POPIS", "ORP"});
  for (size_t i = 0; i < kCadastres.size(); ++i)
    cadastres.Write(
        {static_cast<double>(kCadastres[i]), std::string(kCadastreNames[i]), int64_t{6108}});
  counts["KATASTRY"] = cadastres.rows();

  RowWriter categories(phs, "PorKtg", {"ODDELENI", "DILEC", "POROST", "ID", "KTG"});
  RowWriter statuses(phs, "PorZvl", {"ODDELENI", "DILEC", "POROST", "ID", "ZVL_KOD"});
  int64_t category_id = 0, status_id = 0;
  for (const PhsStand& s : stands) {
    categories.Write({s.compartment, s.sub_compartment, s.stand, ++category_id, s.category});
    for (int status : s.statuses)
      statuses.Write(
          {s.compartment, s.sub_compartment, s.stand, ++status_id, static_cast<double>(status)});
  }
  counts["PorKtg"] = categories.rows();
  counts["PorZvl"] = statuses.rows();
}

}  // namespace tarnik::bench
