// LGO: the host's entry point in libtarvex.so.
#include "tarvex/lgo.h"

#include "tarvex/engine.hpp"

extern "C" int32_t LGO(int32_t version) {
  if (version != TARVEX_INTERFACE_VERSION) return 99;
  return tarvex::run_with_control_file("NAMES.DAT");
}
