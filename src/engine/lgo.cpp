// LGO: the host's entry point in libtarvex.so and tarvex.dll.
#include "tarvex/lgo.h"

#include "tarvex/engine.hpp"

extern "C" TARVEX_API int32_t TARVEX_CALL LGO(int32_t version) {
  if (version != TARVEX_INTERFACE_VERSION) return 99;
  // No exception may leave the library: the host's frames cannot unwind it.
  try {
    return tarvex::run_with_control_file("NAMES.DAT");
  } catch (...) {
    return 219;  // an internal failure, such as lack of memory
  }
}
