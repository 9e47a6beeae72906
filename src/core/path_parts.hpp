// Splitting a file path into the parts the report shows.
#ifndef TARVEX_CORE_PATH_PARTS_HPP_
#define TARVEX_CORE_PATH_PARTS_HPP_

#include <string>
#include <string_view>

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

}  // namespace tarvex

#endif  // TARVEX_CORE_PATH_PARTS_HPP_
