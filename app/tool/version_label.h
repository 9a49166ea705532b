// The program's version label and the main window's title, as pure functions of the file version
// text (four dotted numbers, e.g. "9.0.6.0") and the unit's data directory.
#pragma once

#include <string>

namespace tarnik::apptool {

// The descriptive label of a released version; "pracovni nepojmenovaná" for any other version.
std::string VersionLabel(const std::string& file_version);

// "Tarnik 20" + the major number padded with '0' to two digits, then one blank and the data
// directory ("9.0.6.0", "D" gives "Tarnik 2009 D"). A version without a readable major number
// counts as major 0.
std::string WindowTitle(const std::string& file_version, const std::string& data_directory);

// The running program's file version ("Verze:" label text follows it).
std::string FileVersionText();

}  // namespace tarnik::apptool
