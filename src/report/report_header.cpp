#include "report/report_header.hpp"

#include <array>
#include <string>
#include <string_view>

#include "core/path_parts.hpp"

namespace tarvex {
namespace {

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string NameAndExtension(std::string_view path) {
  const PathParts p = SplitPath(path);
  return p.name + p.extension;
}

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

void WriteReportHeader(RecordWriter& r, const RunResults& results) {
  const RunFiles& files = results.files;
  const DateTime& now = results.analysed_at;
  r.Write("(80('=')/)");
  // Built by appending: GCC 12 takes `"(" + std::string` at -O3 for an
  // overlapping copy (-Wrestrict).
  std::string version = "(";
  version += results.engine_version;
  version += ')';
  r.Write("(15X,A,A/)", {"    Tarvex for Windows, Version 6 ", version});
  r.Write("(15X,A)", {" Analysis of Individual Piles and Drilled Shafts "});
  r.Write("(15X,A/)", {"Subjected to Lateral Loading Using the p-y Method"});
  r.Write("(80('=')/)");

  r.Write("(80('-')/28X,A/80('-')/)", {"Files Used for Analysis"});
  const PathParts input = SplitPath(TrimRight(files.input));
  r.Write("(A,A)", {"Path to file locations:        ", TrimRight(input.drive + input.directory)});
  r.Write("(A,A)", {"Name of input data file:       ", TrimRight(input.name + input.extension)});
  r.Write("(A,A)", {"Name of output report file:    ", TrimRight(NameAndExtension(files.report))});
  r.Write("(A,A)", {"Name of plot output file:      ", TrimRight(NameAndExtension(files.plot))});
  r.Write("(A,A/)",
          {"Name of runtime messeage file: ", TrimRight(NameAndExtension(files.message))});

  r.Write("(80('-')/27X,A/80('-')/)", {"Date and Time of Analysis"});
  const int month = now.month >= 1 && now.month <= 12 ? now.month : 1;
  r.Write("(15X,'Date:  ',A,1X,I0,', ',I4,5X,'Time:  ',I2,':',I2.2,':',I2.2)",
          {kMonths[static_cast<std::size_t>(month - 1)], now.day, now.year, now.hour, now.minute,
           now.second});
}

void WritePlotHeader(const Options& options, RecordWriter& plot) {
  plot.Write("(4I5,60X,A)", {static_cast<int>(options.run_kind), options.iunits, options.kyl,
                             options.stiffness_matrix ? 1 : 0, "Line 1 : ICOM, IUNITS, KYL, KXX"});
}

}  // namespace tarvex
