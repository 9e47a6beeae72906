#include "core/distinct.hpp"

#include <utility>

namespace tarvex {
namespace {

// Exchange sort, ascending.
void ExchangeSort(std::vector<double>& v) {
  const std::size_t n = v.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (v[i] > v[j]) std::swap(v[i], v[j]);
    }
  }
}

}  // namespace

void KeepDistinctSorted(std::vector<double>& values) {
  ExchangeSort(values);
  if (values.size() < 2) return;
  std::vector<double> kept;
  kept.reserve(values.size());
  for (double v : values) {
    bool seen = false;
    for (double k : kept) seen = seen || k == v;
    if (!seen) kept.push_back(v);
  }
  values = kept;
}

}  // namespace tarvex
