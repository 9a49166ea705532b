// Loading and saving an element as a model file ("*.KLV") for the stored sets. NactiBlok answers
// a new tree owned by the caller, or nil after reporting why; UlozBlok keeps numbered backups
// and writes under a temporary name first, so a failed save leaves the file and its backups as
// they were (see block_rotation.h). Both report through the Ui seam and never throw.
#pragma once

#include <string>

#include "framework/entity.h"

namespace tarnik::plan {

// The root of the model file when it is a TOwnerEntity. Messages: "Soubor "<file>" nejde načíst
// jako Klv." when loading fails, "Soubor "<file>" neobsahuje TOwnerEntity." for a root of
// another class (which is freed), and, only when `report` is set, "Soubor "<file>" neexistuje."
// for a missing file.
framework::TOwnerEntity* NactiBlok(const std::string& file, bool report);

// Saves the element with everything below it to `file`, keeping `backups` older versions
// (X.KLV, X1.KLV, X2.KLV, ...). False after the message "Chyba při ukládání do bloku "<file>"
// č.<step>".
bool UlozBlok(framework::TElement* element, const std::string& file, int backups);

}  // namespace tarnik::plan
