#include "core/path_parts.hpp"

namespace tarvex {

PathParts SplitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
    parts.drive = std::string(path.substr(0, 2));
    path.remove_prefix(2);
  }
  const std::size_t slash = path.find_last_of("\\/");
  if (slash != std::string_view::npos) {
    parts.directory = std::string(path.substr(0, slash + 1));
    path.remove_prefix(slash + 1);
  }
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string_view::npos) {
    parts.extension = std::string(path.substr(dot));
    path = path.substr(0, dot);
  }
  parts.name = std::string(path);
  return parts;
}

}  // namespace tarvex
