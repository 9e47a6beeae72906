/* Marks what libtarvex.so exports: the entry points of the public headers.
 * Everything else in the library stays hidden. */
#ifndef TARVEX_EXPORT_H_
#define TARVEX_EXPORT_H_

#if defined(__GNUC__) || defined(__clang__)
#define TARVEX_API __attribute__((visibility("default")))
#else
#define TARVEX_API
#endif

#endif /* TARVEX_EXPORT_H_ */
