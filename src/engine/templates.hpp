// Starter inputs: complete TARVEX6 files for a first analysis, one per kind
// of pile and unit system, that run to a normal end as they stand. The
// command line writes them (tarvex --template) and the web page may offer
// them; both read them from here.
//
// The file format has no comment line. A free-format row may carry a remark
// after its values, and every row of a starter input does; keyword lines,
// title lines and the fixed-column loading line cannot, so each line also
// has a note, which a host shows beside the file (the command line on the
// standard error stream).
#ifndef TARVEX_ENGINE_TEMPLATES_HPP_
#define TARVEX_ENGINE_TEMPLATES_HPP_

#include <span>
#include <string>
#include <string_view>

namespace tarvex {

// One line of a starter input and what it means.
struct TemplateLine {
  std::string_view text;  // the line as written to the file
  std::string_view note;  // what it is and how to change it; empty for a
                          // row whose remark on the line says it
};

struct InputTemplate {
  std::string_view units;    // "uscs" or "si"
  std::string_view kind;     // "shaft", "pipe"
  std::string_view summary;  // one line: what the file describes
  std::span<const TemplateLine> lines;
};

// Every starter input, the USCS drilled shaft first (the default).
std::span<const InputTemplate> InputTemplates();

// The starter input of `units` and `kind` (as InputTemplate names them), or
// null when there is none.
const InputTemplate* FindInputTemplate(std::string_view units, std::string_view kind);

// The input file: its lines, each ended by LF.
std::string TemplateText(const InputTemplate& t);

// The notes of the lines that have one, each as "line N  text  note", under
// a heading that names the file.
std::string TemplateNotes(const InputTemplate& t);

}  // namespace tarvex

#endif  // TARVEX_ENGINE_TEMPLATES_HPP_
