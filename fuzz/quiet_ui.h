// The fuzz targets' Ui: the quiet one, installed once per process.
#pragma once

#include "platform/quiet_ui.h"

namespace tarnik::fuzzing {

using platform::QuietUi;

// Installs the quiet Ui on first call.
inline void InstallQuietUi() {
  static QuietUi ui;
  static bool installed = (platform::SetUi(&ui), true);
  (void)installed;
}

}  // namespace tarnik::fuzzing
