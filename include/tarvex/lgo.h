/* Tarvex engine: the host's entry point.
 *
 * The host writes NAMES.DAT (four lines: input data file, output report file,
 * plot output file, runtime message file) and the input data file into the
 * working directory, then calls LGO(6028). One call is one complete analysis.
 * The result is 0 for a normal end, a negative warning number (-300 for
 * several warnings), a positive error code, or 99 when the interface version
 * is not 6028. Calls must not overlap in one working directory: NAMES.DAT
 * lives there. */
#ifndef TARVEX_LGO_H_
#define TARVEX_LGO_H_

#include <stdint.h>

#include "tarvex/export.h"
#include "tarvex/version.h" /* TARVEX_INTERFACE_VERSION, 6028 */

#ifdef __cplusplus
extern "C" {
#endif

TARVEX_API int32_t TARVEX_CALL LGO(int32_t version);

#ifdef __cplusplus
}
#endif

#endif /* TARVEX_LGO_H_ */
