#include "input/reader.hpp"

namespace tarvex {
namespace {

bool IsDelimiter(char c) { return c == ' ' || c == ',' || c == '\t'; }

// Input error 6: a file in a format this engine does not read.
void RefuseFormat(RunOutput& run_out, std::string_view tag) {
  RaiseError(run_out, ErrorId::kInputFormatRefused,
             {ErrorTextValue("format tag", std::string(tag))});
}

}  // namespace

std::string ReadFormatTag(InputFile& file) {
  std::string_view line;
  while (file.ReadLine(&line)) {
    std::size_t i = 0;
    while (i < line.size() && IsDelimiter(line[i])) ++i;
    if (i == line.size()) continue;  // a blank record: the free-format read goes on
    if (line[i] == '/') break;       // a slash ends the read without a value
    std::string tag;
    if (line[i] == '\'' || line[i] == '"') {
      const char quote = line[i++];
      while (i < line.size() && line[i] != quote) tag.push_back(line[i++]);
    } else {
      while (i < line.size() && !IsDelimiter(line[i]) && line[i] != '/') tag.push_back(line[i++]);
    }
    tag.resize(7, ' ');
    return tag;
  }
  return "3      ";
}

void ReadInputData(InputFile& file, std::string_view input_path, InputModel& input,
                   RunOutput& out) {
  input.format_tag = ReadFormatTag(file);
  if (input.format_tag == "TARVEX6") {
    ReadKeywordFile(file, input_path, input, out);
  } else {
    RefuseFormat(out, input.format_tag);
  }
}

}  // namespace tarvex
