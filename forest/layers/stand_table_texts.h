// The stand's texts from the stand-category table of the code lists: its categories and special
// statuses including the overlaps, and the remarks of its rows, found for the stand's
// compartment number, DIL and POR. Without a code-list container they read as a table without
// rows ("10", empty, empty).
#pragma once

#include <vector>

#include "framework/class_info.h"

namespace tarnik::plan {

// KategorieVcetnePrekryvu_zTabulkyPorostu, ZvlStVcetnePrekryvu_zTabulkyPorostu and
// Texty_Z_KategPor of TPorost.
void DefineStandTableProperties(std::vector<framework::TPropInfo>& out);

}  // namespace tarnik::plan
