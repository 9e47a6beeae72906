// The head of the report: banner, the files of the run and the date and time.
#ifndef TARVEX_ENGINE_REPORT_HEADER_HPP_
#define TARVEX_ENGINE_REPORT_HEADER_HPP_

#include <string>
#include <string_view>

#include "engine/model.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {

// A path split Windows-style: the drive is a leading letter and colon, the
// directory runs up to and including the last '\' or '/', the extension is the
// text from the last '.' of the rest (with the dot), the name what lies between.
struct PathParts {
  std::string drive;
  std::string directory;
  std::string name;
  std::string extension;
};
PathParts SplitPath(std::string_view path);

// Writes the banner, the files block and the date block.
void WriteReportHeader(AnalysisModel& model, const DateTime& now);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_REPORT_HEADER_HPP_
