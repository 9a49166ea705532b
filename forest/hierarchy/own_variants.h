// The "own" variants of the hierarchy classes: descendants that add nothing, registered so that
// model files and scripts naming them create the hierarchy's elements.
#pragma once

#include "forest/hierarchy/dilec.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/hierarchy/porost.h"
#include "forest/hierarchy/porostni_skupina.h"

namespace tarnik::plan {

class TLHCMoje : public TLHC {
 public:
  TARNIK_ELEMENT_CLASS(TLHCMoje)
};
class TOddeleniMoje : public TOddeleni {
 public:
  TARNIK_ELEMENT_CLASS(TOddeleniMoje)
};
class TDilecMoje : public TDilec {
 public:
  TARNIK_ELEMENT_CLASS(TDilecMoje)
};
class TPorostMoje : public TPorost {
 public:
  TARNIK_ELEMENT_CLASS(TPorostMoje)
};
class TPorostniSkupinaMoje : public TPorostniSkupina {
 public:
  TARNIK_ELEMENT_CLASS(TPorostniSkupinaMoje)
};

}  // namespace tarnik::plan
