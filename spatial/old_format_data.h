// The data the geometry classes add to their records in the old model format: a coordinate
// its system code (integer), X and Y as 16 raw bytes (two little-endian doubles) and, in three
// dimensions, Z as an extended float; a rectangle and a rectangle entity their four bounds as
// extended floats. Reading checks every length and refuses codes outside 0..255 and values
// that are not finite (StreamFormatError).
#pragma once

namespace tarnik::spatial {

// Registers the writers and readers with the model stream; called by RegisterSpatialClasses.
void RegisterOldFormatData();

}  // namespace tarnik::spatial
