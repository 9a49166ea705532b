#include "data/codelists/code_list_container.h"

namespace tarnik::plan {

TARNIK_DEFINE_CLASS(tciselnik, framework::TOwnerEntity, nullptr)

tciselnik::tciselnik() = default;
tciselnik::~tciselnik() = default;

}  // namespace tarnik::plan
