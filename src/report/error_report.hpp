// The run's error rendered again from its diagnostic in the results: the
// lines its block printed in the report and the message file, made from the
// error's name and values alone.
#ifndef TARVEX_REPORT_ERROR_REPORT_HPP_
#define TARVEX_REPORT_ERROR_REPORT_HPP_

#include <string>

#include "tarvex/results.hpp"

namespace tarvex {

struct RenderedError {
  bool has_text = false;  // false: the error has no text of its own in the catalogue
  std::string report;     // the lines of its block in the report
  std::string message;    // and in the message file
};

RenderedError RenderError(const Diagnostic& error);

}  // namespace tarvex

#endif  // TARVEX_REPORT_ERROR_REPORT_HPP_
