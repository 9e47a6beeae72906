// Reading the input data file: the format tag of its first line selects the reader.
#ifndef TARVEX_INPUT_READER_HPP_
#define TARVEX_INPUT_READER_HPP_

#include <string>
#include <string_view>
#include <vector>

#include "core/input_model.hpp"
#include "format/run_output.hpp"
#include "input/input_file.hpp"

namespace tarvex {

// The first token of the file (blanks and commas delimit tokens), cut to 7
// characters; "3" followed by six blanks when the file holds no token. After
// the call the file is positioned after the record that held the token.
std::string ReadFormatTag(InputFile& file);

// Reads the whole input data file into `input`, or reports the first input
// error to `out`. Files tagged "TARVEX6" are read section by section; other
// formats are refused with input error 6. Messages name the file by the name
// and extension of `input_path`.
void ReadInputData(InputFile& file, std::string_view input_path, InputModel& input, RunOutput& out);

// The keyword sections of a "TARVEX6" file, from its second record to "END".
void ReadKeywordFile(InputFile& file, std::string_view input_path, InputModel& input,
                     RunOutput& out);

// The axial thrusts of section analysis as the input gives them: the distinct
// axial loads of the load cases (or the axial forces of the LRFD load
// groups), in kips for USCS, ascending; empty without pile sections.
std::vector<double> ThrustTable(const InputModel& input);

}  // namespace tarvex

#endif  // TARVEX_INPUT_READER_HPP_
