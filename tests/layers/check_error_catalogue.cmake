# Checks that every error identity ("INP00095", "RUN00009") and every error
# heading ("**** Input Data Error No. 95 ****") of src/ is spelled in the
# error catalogue (src/core/error_catalogue.hpp) and nowhere else: a string
# literal elsewhere that holds one fails the check with its file and line.
# A stage raises an error by its ErrorId and prints the row's heading. Run
# with: cmake -DSOURCE_DIR=<repository> -P <this file>
cmake_minimum_required(VERSION 3.20)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(catalogue "core/error_catalogue.hpp")

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
     "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.hpp" "${SOURCE_DIR}/src/*.h"
     "${SOURCE_DIR}/src/*.c")

set(faults 0)
set(rows 0)
foreach(path ${sources})
  # One list item per line: a ';' or a bracket inside a line must not split
  # or join lines.
  file(READ "${SOURCE_DIR}/src/${path}" content)
  string(REPLACE ";" "<semicolon>" content "${content}")
  string(REPLACE "[" "<open>" content "${content}")
  string(REPLACE "]" "<close>" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    # Comments may name an error: a whole-line comment, and a comment after
    # code (two blanks before it, as the formatter sets it).
    string(REGEX REPLACE "^[ \t]*//.*$" "" code "${line}")
    string(REGEX REPLACE "  // .*$" "" code "${code}")
    set(what "")
    if(code MATCHES "\"[^\"]*(INP|RUN)[0-9]")
      set(what "an error identity")
    elseif(code MATCHES "\"[^\"]*Error No")
      set(what "an error heading")
    endif()
    if(what STREQUAL "")
      continue()
    endif()
    if(path STREQUAL catalogue)
      math(EXPR rows "${rows} + 1")
      continue()
    endif()
    string(STRIP "${line}" shown)
    string(REPLACE "<semicolon>" ";" shown "${shown}")
    string(REPLACE "<open>" "[" shown "${shown}")
    string(REPLACE "<close>" "]" shown "${shown}")
    message(SEND_ERROR "src/${path}:${number}: spells ${what} outside the error catalogue "
                       "(src/${catalogue}); raise the error by its ErrorId and print "
                       "ErrorHeading(id): ${shown}")
    math(EXPR faults "${faults} + 1")
  endforeach()
endforeach()

# The catalogue itself must hold the identities, or the check above would
# pass on a tree that has moved them somewhere it does not look.
if(rows EQUAL 0)
  message(SEND_ERROR "src/${catalogue} holds no error identity or heading")
  math(EXPR faults "${faults} + 1")
endif()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} error identity or heading literal(s) outside the catalogue")
endif()
message(STATUS "${rows} identities and headings, all in src/${catalogue}")
