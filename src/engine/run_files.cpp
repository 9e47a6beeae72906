#include "engine/run_files.hpp"

#include <filesystem>

#include "platform/platform.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;

}  // namespace

PathTarget Locate(const std::string& path) {
  PathTarget t;
  if (platform::IdentifyExistingFile(path, &t.identity, &t.shareable)) {
    t.exists = true;
    return t;
  }
  std::error_code ec;
  fs::path p = platform::FollowDanglingLinks(fs::absolute(fs::path(path), ec));
  if (ec) p = fs::path(path);
  // The directory as the system resolves it (links and "..", as far as it
  // exists), then the name the file would be created under.
  const fs::path name = p.filename();
  fs::path directory = fs::weakly_canonical(p.parent_path(), ec);
  if (ec) directory = p.parent_path().lexically_normal();
  t.created_as = platform::ComparablePath(directory / name);
  return t;
}

bool SameFile(const PathTarget& a, const PathTarget& b) {
  if (a.exists != b.exists) return false;
  if (a.exists) return a.identity == b.identity && !a.shareable;
  return a.created_as == b.created_as;
}

std::vector<SameFilePair> FindSameFiles(std::span<const std::string> paths) {
  std::vector<PathTarget> targets;
  targets.reserve(paths.size());
  for (const std::string& path : paths) targets.push_back(Locate(path));
  // The input data file counts only as an existing file: a path to nothing is
  // refused as an input of its own, and nothing can be lost by writing there.
  std::vector<SameFilePair> pairs;
  const int count = static_cast<int>(targets.size());
  for (int i = 0; i < count; ++i) {
    const PathTarget& a = targets[static_cast<std::size_t>(i)];
    if (i == 0 && !a.exists) continue;
    for (int j = i + 1; j < count; ++j) {
      if (SameFile(a, targets[static_cast<std::size_t>(j)])) pairs.push_back({i, j});
    }
  }
  return pairs;
}

}  // namespace tarvex
