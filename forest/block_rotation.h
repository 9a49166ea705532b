// Saving a file while keeping numbered older versions (BLOK.KLV, BLOK1.KLV, BLOK2.KLV, ...).
// The new content is written under a temporary name first; the older versions rotate only after
// that write succeeded, so a failed save leaves the previous files exactly as they were.
#pragma once

#include <functional>
#include <string>

namespace tarnik::plan {

// Version k of a file: the file itself for k = 0, else the file name with the decimal k inserted
// before its last "." (version 1 of BLOK.KLV is BLOK1.KLV; a name without "." gets k appended).
std::string BlockVersionName(const std::string& file, int k);

// The temporary name a save writes to before it rotates (beside the file).
std::string BlockTemporaryName(const std::string& file);

// Writes `file` through `write` (which writes the whole content to the path it is given and
// answers false or throws on failure), keeping `backups` older versions. On failure shows
// "Chyba při ukládání do bloku "<file>"  č.<step>" and answers false.
bool SaveWithBackups(const std::string& file, int backups,
                     const std::function<bool(const std::string& path)>& write);

}  // namespace tarnik::plan
