# Runs the page's files of every example through the build with the standard
# library's number conversions and the build with the portable ones, and fails
# unless every file is byte-identical. Run with:
# cmake -DSTANDARD=<tarvex_page_files> -DPORTABLE=<tarvex_page_files_portable>
#   -DEXAMPLES=<examples dir> -DWORK=<scratch dir> -P compare_page_files.cmake
cmake_minimum_required(VERSION 3.20)
foreach(var STANDARD PORTABLE EXAMPLES WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(GLOB inputs "${EXAMPLES}/*.tv6")
list(SORT inputs)
file(REMOVE_RECURSE "${WORK}")
foreach(path standard portable)
  string(TOUPPER "${path}" program)
  execute_process(COMMAND "${${program}}" --${path} "${WORK}/${path}" ${inputs}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${${program}} --${path} failed: ${status}")
  endif()
endforeach()

file(GLOB files RELATIVE "${WORK}/standard" "${WORK}/standard/*")
file(GLOB portable_files RELATIVE "${WORK}/portable" "${WORK}/portable/*")
list(LENGTH files count)
list(LENGTH portable_files portable_count)
if(NOT count EQUAL portable_count)
  message(FATAL_ERROR "the standard build wrote ${count} files, the portable build ${portable_count}")
endif()
list(LENGTH inputs examples)
if(count LESS examples)
  message(FATAL_ERROR "only ${count} files for ${examples} examples")
endif()
set(differ "")
foreach(f ${files})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/standard/${f}"
                          "${WORK}/portable/${f}" RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    list(APPEND differ "${f}")
  endif()
endforeach()
if(differ)
  message(FATAL_ERROR "files that differ between the two number conversions: ${differ}")
endif()
message(STATUS "${count} files of ${examples} examples are byte-identical with either conversion")
