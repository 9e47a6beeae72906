# Installs the engine built in BUILD_DIR into a fresh prefix under WORK_DIR
# (or takes the installed tree PREFIX, such as the Debian package unpacked),
# builds the consumer project in CONSUMER_DIR against it with
# find_package(tarvex), and runs it on EXAMPLE. Fails at the first step that
# fails.
cmake_minimum_required(VERSION 3.20)

foreach(var CONSUMER_DIR WORK_DIR EXAMPLE GENERATOR CXX_COMPILER C_COMPILER)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

function(step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  message(STATUS "${what}: done\n${out}")
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/run")
if(PREFIX)
  set(prefix "${PREFIX}")
elseif(BUILD_DIR)
  set(prefix "${WORK_DIR}/prefix")
  step("install" ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
else()
  message(FATAL_ERROR "neither BUILD_DIR nor PREFIX is set")
endif()
foreach(f include/tarvex/lgo.h include/tarvex/engine.hpp include/tarvex/version.h)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "the install holds no ${f}")
  endif()
endforeach()

set(flags "")
if(SANITIZE)
  set(flags "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined"
            "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined")
endif()
step("configure the consumer"
     ${CMAKE_COMMAND} -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
     "-DCMAKE_PREFIX_PATH=${prefix}" "-DCMAKE_C_COMPILER=${C_COMPILER}"
     "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" ${flags})
step("build the consumer" ${CMAKE_COMMAND} --build "${WORK_DIR}/build")
step("run the consumer" "${WORK_DIR}/build/consumer" "${EXAMPLE}" "${WORK_DIR}/run")
