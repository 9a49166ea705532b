#include "data/sources/exchange/fst_code_lists.h"

#include "data/sources/exchange/fst_readers.h"
#include "data/sources/exchange/fst_values.h"
#include "forest/forest_set.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

void FillElement(framework::TElement& element, const std::vector<std::string>& columns,
                 const std::vector<std::string>& values, const char* suffix) {
  for (size_t i = 0; i < columns.size() && i < values.size(); ++i) {
    const std::string property = platform::Trim(columns[i]) + suffix;
    if (element.HasProperty(property)) element.SetPropertyText(property, fst::CodePage(values[i]));
  }
}

}  // namespace

void NaplnSeznamZFST(const std::string& file, TLesniMnozina& set) {
  TPrenasecZeStandarduCiselnik reader;
  reader.Open(file);
  while (!reader.Konec()) {
    reader.NactiDalsiRadek();
    if (reader.Konec()) break;
    set.SetNovyPrvekVzdy(std::to_string(reader.CisloNactenehoRadku()));
    if (framework::TElement* element = set.AktualniPrvek())
      FillElement(*element, reader.columns(), reader.values(), "");
  }
}

void NaplnMajetkyZFST(const std::string& file, TLesniMnozina& owners) {
  TPrenasecZeStandarduData reader;
  reader.Open(file);
  while (!reader.Konec()) {
    reader.NactiDalsiRadek();
    if (reader.Konec()) break;
    owners.SetNovyPrvekVzdy(std::to_string(reader.CisloNactenehoRadku()));
    if (framework::TElement* element = owners.AktualniPrvek())
      FillElement(*element, reader.decoder().columns(), reader.decoder().values(), "_C");
  }
}

}  // namespace tarnik::plan
