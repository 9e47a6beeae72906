// The text fields the pile reports share.
#ifndef TARVEX_REPORT_REPORT_UNITS_HPP_
#define TARVEX_REPORT_REPORT_UNITS_HPP_

#include <string>

#include "core/units.hpp"

namespace tarvex {

// An LRFD combination's name as it was read and is printed: a text field of
// 256 characters.
inline std::string CombinationNameField(const std::string& name) {
  std::string field = name;
  if (field.size() < 256) field.resize(256, ' ');
  return field;
}

}  // namespace tarvex

#endif  // TARVEX_REPORT_REPORT_UNITS_HPP_
