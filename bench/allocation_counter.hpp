// Counts every allocation of the benchmark program through a replaced global
// operator new, to show which work allocates, and keeps the bytes live and
// their peak, to show the memory a run takes. Include it in one source file of
// a benchmark program only.
#ifndef TARVEX_BENCH_ALLOCATION_COUNTER_HPP_
#define TARVEX_BENCH_ALLOCATION_COUNTER_HPP_

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace tarvex::bench {
inline std::atomic<long long> allocations{0};
inline std::atomic<long long> live_bytes{0};
inline std::atomic<long long> peak_bytes{0};

// Starts a new peak from the bytes live now.
inline void ResetPeak() { peak_bytes.store(live_bytes.load()); }
}  // namespace tarvex::bench

void* operator new(std::size_t size) {
  ++tarvex::bench::allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    const long long live = tarvex::bench::live_bytes +=
        static_cast<long long>(malloc_usable_size(p));
    long long peak = tarvex::bench::peak_bytes.load();
    while (live > peak && !tarvex::bench::peak_bytes.compare_exchange_weak(peak, live)) {
    }
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (p != nullptr) tarvex::bench::live_bytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

#endif  // TARVEX_BENCH_ALLOCATION_COUNTER_HPP_
