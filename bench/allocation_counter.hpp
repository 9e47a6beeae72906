// Counts every allocation of the benchmark program through a replaced global
// operator new, to show which work allocates. Include it in one source file of
// a benchmark program only.
#ifndef TARVEX_BENCH_ALLOCATION_COUNTER_HPP_
#define TARVEX_BENCH_ALLOCATION_COUNTER_HPP_

#include <atomic>
#include <cstdlib>
#include <new>

namespace tarvex::bench {
inline std::atomic<long long> allocations{0};
}  // namespace tarvex::bench

void* operator new(std::size_t size) {
  ++tarvex::bench::allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

#endif  // TARVEX_BENCH_ALLOCATION_COUNTER_HPP_
