# Checks every #include "..." of src/ and include/tarvex against the layers of
# the engine, lowest first:
#
#   core <- format (the record writer) <- input, soil, section <- pile <- report
#        <- engine, json (the results as JSON) <- cli, web (the hosts)
#
# with the operating-system calls in platform, beside the core at the bottom:
# any layer but the core may use it, and it sees only the public headers.
#
# A file may include its own layer and the layers it is allowed to see below
# it; an include that reaches up (or sideways between input, soil and
# section, except as the table says) fails the check with the file, the line
# and the edge at fault. The core includes nothing but the C++ standard library.
#
# The public results header tarvex/results.hpp (the numbers of a run as data,
# standard library only) lies beside the core: every layer, the core and the
# other public headers included, may use it. Run with:
# cmake -DSOURCE_DIR=<repository> -P <this file>
cmake_minimum_required(VERSION 3.20)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# Allowed edges: the layers each layer may include (its own is always allowed).
set(allowed_results "")
set(allowed_core "results")
set(allowed_platform "public;results")
set(allowed_format "core;platform;results")
# input -> soil: the readers, the unit conversion and the input echo read the
# p-y criterion table of src/soil. Soil never includes input.
set(allowed_input "core;platform;format;soil;results")
set(allowed_soil "core;platform;format;results")
set(allowed_section "core;platform;format;results")
set(allowed_pile "core;platform;format;soil;section;results")
set(allowed_report "core;platform;format;input;soil;section;pile;results")
set(allowed_engine "core;platform;format;input;soil;section;pile;report;public;results")
# json: the results as JSON, written from the public results alone.
set(allowed_json "core;results")
set(allowed_cli "core;platform;format;input;soil;section;pile;report;json;engine;public;results")
set(allowed_web "core;platform;format;input;soil;section;pile;report;json;engine;public;results")
set(allowed_public "results")

# The layer of a path below src/ or include/ (e.g. "soil/py_curves.hpp",
# "tarvex/engine.hpp"); empty when it belongs to none.
function(layer_of path out)
  set(layer "")
  if(path MATCHES "^tarvex/results\\.hpp$")
    set(layer results)
  elseif(path MATCHES "^tarvex/")
    set(layer public)
  elseif(path MATCHES "^(core|platform|format|input|soil|section|pile|report|json|engine|cli|web)/")
    set(layer ${CMAKE_MATCH_1})
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src"
     "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.hpp" "${SOURCE_DIR}/src/*.h"
     "${SOURCE_DIR}/src/*.c")
file(GLOB_RECURSE public RELATIVE "${SOURCE_DIR}/include"
     "${SOURCE_DIR}/include/tarvex/*")

set(files "")
foreach(f ${sources})
  list(APPEND files "src|${f}")
endforeach()
foreach(f ${public})
  list(APPEND files "include|${f}")
endforeach()

set(faults 0)
set(checked 0)
foreach(entry ${files})
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 root)
  list(GET parts 1 path)
  layer_of("${path}" from)
  if(from STREQUAL "")
    message(SEND_ERROR "${root}/${path}: the file lies in no layer; add its folder to ${CMAKE_CURRENT_LIST_FILE}")
    math(EXPR faults "${faults} + 1")
    continue()
  endif()
  # One list item per line; a ';' inside a line must not split it.
  file(READ "${SOURCE_DIR}/${root}/${path}" content)
  string(REPLACE ";" "<semicolon>" content "${content}")
  string(REPLACE "\n" ";" lines "${content}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    # The core and the results header are the standard library's only: no
    # system or other headers.
    if((from STREQUAL "core" OR from STREQUAL "results") AND line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
      set(header "${CMAKE_MATCH_1}")
      if(header MATCHES "[./]")
        message(SEND_ERROR "${root}/${path}:${number}: includes <${header}>: ${from} includes only the C++ standard library")
        math(EXPR faults "${faults} + 1")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(target_path "${CMAKE_MATCH_1}")
    math(EXPR checked "${checked} + 1")
    layer_of("${target_path}" to)
    if(to STREQUAL "")
      message(SEND_ERROR "${root}/${path}:${number}: \"${target_path}\" lies in no layer")
      math(EXPR faults "${faults} + 1")
    elseif(NOT to STREQUAL from AND NOT to IN_LIST allowed_${from})
      message(SEND_ERROR "${root}/${path}:${number}: includes \"${target_path}\": ${from} may not include ${to}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
message(STATUS "${checked} includes follow the layers")
