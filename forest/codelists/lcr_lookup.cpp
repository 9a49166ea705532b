#include "forest/codelists/lcr_lookup.h"

#include <exception>

#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// Codes travel as bound parameters, never spliced into the statement text.
engine::Value Param(const std::string& text) {
  if (auto number = platform::TextToInt64(text)) return engine::Value(*number);
  return engine::Value(platform::Trim(text));
}

std::string Answer(LcrCodeSource* source, const LcrQuery& query, const std::string& code) {
  const std::string missing = "-" + code + "-";
  if (source == nullptr) return missing;
  try {
    if (auto value = source->FirstValue(query.sql, query.params, query.column)) return *value;
  } catch (const std::exception&) {
  }
  return missing;
}

}  // namespace

LcrQuery LcrManagerQuery(const std::string& lhc_id, const std::string& code) {
  return {"select * from C_054 where (LHC_ID=?)and(KOD=?)", {Param(lhc_id), Param(code)}, "JMENO"};
}

LcrQuery LcrOwnerQuery(const std::string& lhc_id, const std::string& owner_code,
                       const std::string& owner_kind) {
  return {"select * from C_MAJ where (LHC_ID=?)and(MAJ_KOD=?)and(MAJ_DRUH=?)",
          {Param(lhc_id), Param(owner_code), Param(owner_kind)},
          "MAJ_NAZ"};
}

LcrQuery LcrOrgLevelQuery(const std::string& lhc_id, const std::string& code, int level) {
  return {"select * from C_ORG_UR where (KOD=?)and(LHC_ID=?)and(PORADI=?)",
          {Param(code), Param(lhc_id), engine::Value(level)},
          "POPIS"};
}

LcrQuery LcrCadastreQuery(const std::string& code) {
  return {"select * from C_KU where (KOD=?)", {Param(code)}, "POPIS"};
}

std::string LcrManagerName(LcrCodeSource* source, const std::string& lhc_id,
                           const std::string& code) {
  return Answer(source, LcrManagerQuery(lhc_id, code), code);
}

std::string LcrOwnerName(LcrCodeSource* source, const std::string& lhc_id,
                         const std::string& owner_code, const std::string& owner_kind) {
  return Answer(source, LcrOwnerQuery(lhc_id, owner_code, owner_kind), owner_code);
}

std::string LcrOrgLevelName(LcrCodeSource* source, const std::string& lhc_id,
                            const std::string& code, int level) {
  return Answer(source, LcrOrgLevelQuery(lhc_id, code, level), code);
}

std::string LcrCadastreName(LcrCodeSource* source, const std::string& code) {
  return Answer(source, LcrCadastreQuery(code), code);
}

}  // namespace tarnik::plan
