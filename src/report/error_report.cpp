#include "report/error_report.hpp"

#include "core/error_catalogue.hpp"
#include "format/error_text.hpp"
#include "format/record_writer.hpp"

namespace tarvex {

RenderedError RenderError(const Diagnostic& error) {
  RenderedError rendered;
  ErrorId id{};
  if (!ErrorIdNamed(error.name, id)) return rendered;
  RecordWriter report;
  RecordWriter message;
  rendered.has_text = WriteErrorText(id, error.values, report, message);
  rendered.report = report.contents();
  rendered.message = message.contents();
  return rendered;
}

}  // namespace tarvex
