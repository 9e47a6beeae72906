#include "engine/report_header.hpp"

#include <array>

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

void WriteReportHeader(RecordWriter& r, const std::array<std::string, 4>& paths,
                       const DateTime& now) {
  r.Write("(80('=')/)");
  r.Write("(15X,A,A/)", {"    Tarvex for Windows, Version 6 ", TrimRight(version_text())});
  r.Write("(15X,A)", {" Analysis of Individual Piles and Drilled Shafts "});
  r.Write("(15X,A/)", {"Subjected to Lateral Loading Using the p-y Method"});
  r.Write("(80('=')/)");

  r.Write("(80('-')/28X,A/80('-')/)", {"Files Used for Analysis"});
  const PathParts input = SplitPath(TrimRight(paths[0]));
  r.Write("(A,A)", {"Path to file locations:        ", TrimRight(input.drive + input.directory)});
  r.Write("(A,A)", {"Name of input data file:       ", TrimRight(input.name + input.extension)});
  r.Write("(A,A)", {"Name of output report file:    ", TrimRight(NameAndExtension(paths[1]))});
  r.Write("(A,A)", {"Name of plot output file:      ", TrimRight(NameAndExtension(paths[2]))});
  r.Write("(A,A/)", {"Name of runtime messeage file: ", TrimRight(NameAndExtension(paths[3]))});

  r.Write("(80('-')/27X,A/80('-')/)", {"Date and Time of Analysis"});
  const int month = now.month >= 1 && now.month <= 12 ? now.month : 1;
  r.Write("(15X,'Date:  ',A,1X,I0,', ',I4,5X,'Time:  ',I2,':',I2.2,':',I2.2)",
          {kMonths[static_cast<std::size_t>(month - 1)], now.day, now.year, now.hour, now.minute,
           now.second});
}

}  // namespace tarvex
