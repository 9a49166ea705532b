// The PHS planner's sets of CiselKelva reloaded from their model files.
#include <string>
#include <type_traits>

#include "forest/block_io.h"
#include "forest/codelists/cisel_kelva.h"
#include "platform/fs.h"

namespace tarnik::plan {
namespace {

// Loads the set saved in `file`; nil (the root freed) when the file gives no set of class T.
template <class T>
T* LoadSet(const std::string& file) {
  framework::TOwnerEntity* root = NactiBlok(file, false);
  if (root == nullptr) return nullptr;
  if (auto* set = dynamic_cast<T*>(root)) return set;
  delete root;
  return nullptr;
}

}  // namespace

int TCiselKelva::NactiPhsZKlv(const std::string& dir) {
  int replaced = 0;
  auto reload = [&](auto* current, const std::string& file) {
    using Set = std::remove_pointer_t<decltype(current)>;
    Set* loaded = LoadSet<Set>(platform::JoinPath(dir, file));
    if (loaded == nullptr) return;
    const std::string name = current->GetName();
    FreeElement(current);
    loaded->SetName(name);
    AddElement(loaded);
    ++replaced;
  };
  reload(HospSoubPhsMN(), "HsPhs.KLV");
  reload(LesTypPhsMN(), "LTPhs.KLV");
  reload(DrKtgPhsMN(), "DrKtgPhs.KLV");
  reload(SpecPodHSPhsMN(), "SpecPPhs.KLV");
  reload(CisHsMN(), "CisHsPhs.KLV");
  return replaced;
}

}  // namespace tarnik::plan
