// Writes the HTML report page of a results JSON file, as the command line will:
//   tarvex_html_page RESULTS.json PAGE.html
// The browser tests open the pages it writes.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "report/html_report.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tarvex_html_page RESULTS.json PAGE.html\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "tarvex_html_page: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream json;
  json << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << tarvex::RenderHtmlReport(json.str());
  out.close();
  if (!out) {
    std::cerr << "tarvex_html_page: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
