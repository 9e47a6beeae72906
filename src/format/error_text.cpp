#include "format/error_text.hpp"

#include <stdexcept>

#include "format/error_text_parts.hpp"

namespace tarvex {
namespace {

const DiagnosticValue& ValueNamed(const ErrorValues& values, std::string_view name) {
  for (const DiagnosticValue& v : values) {
    if (v.name == name) return v;
  }
  throw std::logic_error("an error's text needs the value \"" + std::string(name) +
                         "\", which it was not raised with");
}

}  // namespace

double ErrorNumber(const ErrorValues& values, std::string_view name) {
  return ValueNamed(values, name).value;
}

int ErrorInteger(const ErrorValues& values, std::string_view name) {
  return static_cast<int>(ValueNamed(values, name).value);
}

const std::string& ErrorTextOf(const ErrorValues& values, std::string_view name) {
  return ValueNamed(values, name).text;
}

bool HasErrorValue(const ErrorValues& values, std::string_view name) {
  for (const DiagnosticValue& v : values) {
    if (v.name == name) return true;
  }
  return false;
}

bool WriteErrorText(ErrorId id, const ErrorValues& values, RecordWriter& report,
                    RecordWriter& message) {
  return WriteInputErrorText(id, values, report, message) ||
         WriteSoilErrorText(id, values, report, message) ||
         WriteAnalysisErrorText(id, values, report, message);
}

void WriteIterationRecord(const IterationRecord& record, RecordWriter& report) {
  report.Write("('Iteration ',I0,',',T16,' Y(top) = ',E12.4,', dYmax = ',E12.4)",
               {record.iteration, record.head_deflection, record.max_change});
}

}  // namespace tarvex
