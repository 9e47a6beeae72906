// Reading the input data file: the format tag of its first line selects the reader.
#ifndef TARVEX_INPUT_READER_HPP_
#define TARVEX_INPUT_READER_HPP_

#include <string>
#include <string_view>

#include "engine/model.hpp"
#include "input/input_file.hpp"

namespace tarvex {

// The first token of the file (blanks and commas delimit tokens), cut to 7
// characters; "3" followed by six blanks when the file holds no token. After
// the call the file is positioned after the record that held the token.
std::string ReadFormatTag(InputFile& file);

// Reads the whole input data file into the model, or reports the first input
// error. Files tagged "TARVEX6" are read section by section; other formats
// are refused with input error 6.
void ReadInputData(AnalysisModel& model, InputFile& file);

// The keyword sections of a "TARVEX6" file, from its second record to "END".
void ReadKeywordFile(AnalysisModel& model, InputFile& file);

}  // namespace tarvex

#endif  // TARVEX_INPUT_READER_HPP_
