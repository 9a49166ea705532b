// make-demo-map DATA MAP: writes the sample unit's map (MAP/DET.BLK) from the plan tables in
// DATA/tables.sqlite. Exit 1 with the reason on stderr when it cannot.
#include <cstdio>
#include <string>

#include "samples/map/demo_map.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Použití: make-demo-map ADRESÁŘ_DAT ADRESÁŘ_MAPY\n");
    return 2;
  }
  std::string error;
  if (!tarnik::samples::WriteDemoMap(argv[1], argv[2], &error)) {
    std::fprintf(stderr, "Mapu nelze vytvořit: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
