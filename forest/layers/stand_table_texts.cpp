#include "forest/layers/stand_table_texts.h"

#include <string>

#include "forest/codelists/code_list_container.h"
#include "forest/hierarchy/porost.h"
#include "forest/layers/owner_names.h"

namespace tarnik::plan {
namespace {

using Lookup = std::string (tciselnik::*)(const std::string&, const std::string&,
                                          const std::string&);

std::string FromTable(TPorost& stand, Lookup lookup, const char* without_table) {
  tciselnik* container = stand.Ciselnik();
  if (!container) return without_table;
  const StandRef ref = StandRefOf(stand);
  return (container->*lookup)(ref.odd, ref.dil, ref.por);
}

}  // namespace

void DefineStandTableProperties(std::vector<framework::TPropInfo>& out) {
  using P = TPorost;
  framework::TPropDefs<P> d(out);
  d.String(
      "KategorieVcetnePrekryvu_zTabulkyPorostu",
      [](P& p) { return FromTable(p, &tciselnik::KategorieVcetnePrekryvu, "10"); }, nullptr);
  d.String(
      "ZvlStVcetnePrekryvu_zTabulkyPorostu",
      [](P& p) { return FromTable(p, &tciselnik::ZvlStVcetnePrekryvu, ""); }, nullptr);
  d.String(
      "Texty_Z_KategPor", [](P& p) { return FromTable(p, &tciselnik::TextyZKategPor, ""); },
      nullptr);
}

}  // namespace tarnik::plan
