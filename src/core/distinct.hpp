// Sorting a list of values and keeping each value once.
#ifndef TARVEX_CORE_DISTINCT_HPP_
#define TARVEX_CORE_DISTINCT_HPP_

#include <vector>

namespace tarvex {

// Sorts ascending by exchange sort and keeps the first of equal values.
void KeepDistinctSorted(std::vector<double>& values);

}  // namespace tarvex

#endif  // TARVEX_CORE_DISTINCT_HPP_
