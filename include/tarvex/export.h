/* Marks what the engine library exports: the entry points of the public
 * headers. Everything else in the library stays hidden.
 *
 * On Windows LGO is exported from tarvex.dll by its plain name with the
 * standard Windows calling convention (__stdcall: the callee removes its
 * argument; the same as the C convention in 64-bit Windows); only the DLL's
 * own build marks it for export, and a host calls it through the import
 * library or GetProcAddress. Elsewhere LGO is a plain C function of
 * libtarvex.so. */
#ifndef TARVEX_EXPORT_H_
#define TARVEX_EXPORT_H_

#if defined(_WIN32)
#define TARVEX_CALL __stdcall
#if defined(TARVEX_BUILDING_DLL)
#define TARVEX_API __declspec(dllexport)
#else
#define TARVEX_API
#endif
#else
#define TARVEX_CALL
#if defined(__GNUC__) || defined(__clang__)
#define TARVEX_API __attribute__((visibility("default")))
#else
#define TARVEX_API
#endif
#endif

#endif /* TARVEX_EXPORT_H_ */
