// Writes every file the web page offers for each input given, as the page's
// engine makes them (tarvex::web::RunForPage), with a fixed date:
//   tarvex_page_files --portable|--standard OUT_DIR INPUT.tv6 ...
// The first argument says which number conversions the program must have
// been built with; it fails when it was built with the other, so that a test
// comparing the two builds' files cannot compare one build with itself.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/number_text.hpp"
#include "web/page_run.hpp"

namespace {

bool Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: tarvex_page_files --portable|--standard OUT_DIR INPUT.tv6 ...\n";
    return 2;
  }
  const std::string path = argv[1];
  if (path != (tarvex::PortableNumberText() ? "--portable" : "--standard")) {
    std::cerr << "tarvex_page_files: asked for " << path << " but built with the "
              << (tarvex::PortableNumberText() ? "portable" : "standard")
              << " number conversions\n";
    return 1;
  }
  const std::filesystem::path dir = argv[2];
  std::filesystem::create_directories(dir);
  for (int i = 3; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
      std::cerr << "tarvex_page_files: cannot read " << argv[i] << "\n";
      return 1;
    }
    const std::string stem = std::filesystem::path(argv[i]).stem().string();
    const tarvex::web::PageRun run =
        tarvex::web::RunForPage(text.str(), stem, tarvex::DateTime{2026, 12, 10, 9, 30, 0});
    bool ok = Write(dir / (stem + ".json"), run.results_json) &&
              Write(dir / (stem + ".out"), run.report) && Write(dir / (stem + ".plt"), run.plot) &&
              Write(dir / (stem + ".msg"), run.message) &&
              Write(dir / (stem + ".html"), run.html) &&
              Write(dir / (stem + ".cases.csv"), run.cases_csv);
    for (std::size_t c = 0; c < run.case_csvs.size(); ++c) {
      ok = ok && Write(dir / (stem + ".case" + std::to_string(c + 1) + ".csv"), run.case_csvs[c]);
    }
    if (!ok) {
      std::cerr << "tarvex_page_files: cannot write the files of " << stem << " in " << dir << "\n";
      return 1;
    }
  }
  return 0;
}
