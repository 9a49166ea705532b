// The code lists of the program's CISELNIK directory.
#include "data/engine/schema_tables.h"

namespace tarnik::engine::schema_internal {

std::vector<SchemaTable> BuildCodeListTables() {
  return {
      // management methods (HOSP_ZP)
      {"ZPUSOB", "Kod", {}, {{"Kod", kF}, {"POPIS", A(15)}}},
      // methods of stock determination
      {"CIS_ZJZ", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // special statuses
      {"ZVL_STAT", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // special statuses without the nature-protection ones
      {"ZVL_STBzOchr", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // special statuses, short names
      {"ZVL_St_Zkr", "Kod", {}, {{"Kod", kS}, {"POPIS", A(20)}}},
      // kinds of ownership
      {"DRUH_VLA", "KOD", {}, {{"KOD", kS}, {"POPIS", A(40)}}},
      // zones of air-pollution threat
      {"CIS_PAOH", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(30)}}},
      // natural forest regions
      {"CIS_LEOB", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // natural forest regions, 1999 list
      {"CISLOB99", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // natural forest regions, 1999 list (name used by the code lists)
      {"CisLeOb99", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // natural forest sub-regions (none in this part of the country)
      {"Cis_Podob", "Kod", {}, {{"Kod", A(4)}, {"POPIS", A(40)}}},
      // joined stands
      {"SDR_POR", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(28)}}},
      // land kinds of the land register
      {"DRUH_POZ", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // kinds of parcel records
      {"POT_VLA", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // forest types
      {"CIS_LT", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(30)}}},
      // groups of forest types (SLT)
      {"Cis_SLT", "Kod", {}, {{"Kod", A(2)}, {"POPIS", A(30)}}},
      // terrain types
      {"CIS_TETY", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // forest offices
      {"CIS_LDU", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // quality of the area figure
      {"KVAL_P", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // reasons of regeneration felling
      {"DUV_TEZB", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // kinds of afforestation
      {"DRUH_ZAL", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // tax groups
      {"CIS_DAN", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(40)}}},
      // forest forms
      {"TVAR", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(15)}}},
      // urgency of interventions
      {"CIS_NALEKomb", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // urgency of interventions (name used by the code lists)
      {"Cis_nale", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // genetic classes
      {"GEN_KLAS", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(40)}}},
      // air-pollution damage zones
      {"IMISE", "Kod", {}, {{"Kod", A(2)}, {"POPIS", A(40)}}},
      // air-pollution damage zones, 1999 list
      {"IMISE99", "Kod", {}, {{"Kod", A(2)}, {"POPIS", A(40)}}},
      // origin of species
      {"PUVOD_DR", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // kinds of damage
      {"CISPOSK1", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // kinds of damage (name used by the code lists)
      {"Cis_Posk", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // kinds of other plots
      {"Cis_jine", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // kinds of non-forest land
      {"CIS_BEZL", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // uses of other land
      {"Cis_ost", "Kod", {}, {{"Kod", A(2)}, {"POPIS", A(40)}}},
      // methods of regeneration felling
      {"ZP_TEZBY", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(40)}}},
      // timber transport
      {"ODV_TEZ", "Kod", {}, {{"Kod", A(1)}, {"POPIS", A(40)}}},
      // habitat types
      {"Biotop", "Kod", {}, {{"Kod", A(10)}, {"POPIS", A(60)}}},
      // PLT codes
      {"CIS_PLT", "Kod", {}, {{"Kod", A(5)}, {"POPIS", A(40)}}},
      // genetic origin
      {"CIS_Gen_PUV", "Kod", {}, {{"Kod", kS}, {"POPIS", A(40)}}},
      // forest vegetation zones
      {"CIS_LVS", "Kod", {}, {{"Kod", kS}, {"POPIS", A(30)}}},
      // management types
      {"CISManag", "Kod", {}, {{"Kod", A(4)}, {"POPIS", A(40)}}},
      // technology types
      {"technTyp", "Kod", {}, {{"Kod", A(2)}, {"POPIS", A(40)}}},
      // European sites (EVL)
      {"C_OCHR_EVL", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // bird areas
      {"C_OCHR_PO", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // protected landscape areas
      {"C_OCHR_CHKO", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // national parks
      {"C_OCHR_NP", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // zones of protected landscape areas and national parks
      {"C_OCHR_ZONY", "Kod", {}, {{"Kod", kI}, {"POPIS", A(30)}}},
      // national nature monuments
      {"C_OCHR_NPP", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // national nature reserves
      {"C_OCHR_NPR", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // nature monuments
      {"C_OCHR_PP", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // nature reserves
      {"C_OCHR_PR", "Kod", {}, {{"Kod", kI}, {"POPIS", A(60)}}},
      // forest categories
      {"KATEGORI", "Kod", {}, {{"Kod", A(3)}, {"POPIS", A(45)}, {"KATEGOR", A(19)}}},
      // tree species
      {"CIS_DREV",
       "CKOD",
       {},
       {{"CKOD", A(3)},
        {"POPIS_CS", A(30)},
        {"NKOD", kS},
        {"POPIS_INT", A(30)},
        {"CISLO_SLHP", kS},
        {"POP_NEMEC", A(30)},
        {"KOD_NEM", A(4)}}},
      // growth table: (species class, absolute site class, age, age + 5) gives the current
      // increment, (species class, site class, age, rotation) the main-felling and total production
      {"RustTab",
       "DREVINA;BONITA;VEK1;VEK2",
       {},
       {{"DREVINA", A(3)},
        {"BONITA", kS},
        {"VEK1", kS},
        {"VEK2", kS},
        {"BEZNPRIR", kF},
        {"Z_HR_H", kF},
        {"CELKPROD", kF}}},
      // municipalities with their ORP number
      {"Obce", "KODOB", {}, {{"KODOB", kI}, {"NAZOB", A(40)}, {"CISORP", kI}}},
      // cadastral areas (six-digit codes) with their municipality
      {"KU", "KODKU6", {}, {{"KODKU6", kI}, {"NAZKU", A(40)}, {"KODOB", kI}}},
      // cadastral area names by six-digit code
      {"KU6", "Kod", {}, {{"Kod", kI}, {"POPIS", A(40)}}},
      // nine-digit to six-digit cadastral codes
      {"9_6_WIN", "KODKU9", {}, {{"KODKU9", kI}, {"KODKU6", kI}}},
      // municipalities with extended powers: code 200000 + ORP number, name, region
      {"Orp", "Kod", {}, {{"Kod", kI}, {"POPIS", A(40)}, {"KN", A(5)}}},
      // cadastral areas, 2001 edition
      {"2001ku3q852", "KODKU6", {}, {{"KODKU6", kI}, {"NAZKU", A(40)}, {"KODOB", kI}}},
      // cadastral areas of the whole country (excerpt)
      {"KatasCel", "Kod", {}, {{"Kod", kI}, {"POPIS", A(40)}}},
      // types of decisions
      {"CisDokum", "Typ_Dokum;Kod", {}, {{"Typ_Dokum", A(4)}, {"Kod", A(4)}, {"Popis", A(60)}}},
      // unit code of the state administration -> unit code of LČR
      {"LHC_LCR", "LHC_KOD", {}, {{"LHC_KOD", kI}, {"LHC_KOD_LCR", kI}, {"LHC_NAZ", A(40)}}},
      // unit code of LČR -> unit code of the state administration
      {"LHC_SSL_LCR",
       "LHC_KOD_LCR",
       {},
       {{"LHC_KOD_LCR", kI}, {"LHC_KOD", kI}, {"LHC_NAZ", A(40)}}},
      // the units of the old plan part files: name and plan years by the unit code as text (A is
      // empty for the unit's own row)
      {"SEZLHC00",
       "LHC_KOD;A",
       {},
       {{"LHC_KOD", A(6)}, {"A", A(1)}, {"LHC_NAZ", A(40)}, {"LHP_OD", A(10)}, {"LHP_DO", A(10)}}},
  };
}

}  // namespace tarnik::engine::schema_internal
