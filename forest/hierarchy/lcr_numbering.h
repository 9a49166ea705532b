// The unit code written to the XML: for the LČR export variants a state-administration code
// (above 99999) is translated through "\ciselnik\LHC_LCR.DB", for the other variants an LČR code
// (below 100000) back through "\ciselnik\LHC_SSL_LCR.DB" (both tables in the program directory's
// code-list database). When a table cannot be opened, the code is missing or its partner is not
// an integer, the user is told once per call and the code itself is answered. Never throws.
#pragma once

#include <cstdint>

namespace tarnik::plan {

int32_t LhcKodProXml(int32_t lhc_kod, bool export_pro_lcr);

}  // namespace tarnik::plan
