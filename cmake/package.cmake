# The Debian package (scripts/package builds it with CPack): the command line
# /usr/bin/tarvex, libtarvex.so with its headers and CMake package files, the
# Python package for Debian's python3, the manual page and the guides and
# examples under /usr/share/doc/tarvex. The install rules below serve
# 'cmake --install' as well.

set(TARVEX_MAINTAINER "Tarvex developers <tarvex@localhost.invalid>" CACHE STRING
    "Maintainer field of the Debian package")

# The manual page, written as roff in docs/tarvex.1 and installed compressed
# (gzip -n: no name or time stamp in the file, so that builds are reproducible).
set(TARVEX_MAN_PAGE ${PROJECT_BINARY_DIR}/package-files/tarvex.1.gz)
set(TARVEX_DEBIAN_CHANGELOG ${PROJECT_BINARY_DIR}/package-files/changelog.gz)
set(TARVEX_CHANGELOG ${PROJECT_BINARY_DIR}/package-files/CHANGELOG.md.gz)
configure_file(cmake/debian/changelog.in ${PROJECT_BINARY_DIR}/package-files/changelog @ONLY)
function(tarvex_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9 -n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()
tarvex_gzip(${PROJECT_SOURCE_DIR}/docs/tarvex.1 ${TARVEX_MAN_PAGE})
tarvex_gzip(${PROJECT_BINARY_DIR}/package-files/changelog ${TARVEX_DEBIAN_CHANGELOG})
tarvex_gzip(${PROJECT_SOURCE_DIR}/CHANGELOG.md ${TARVEX_CHANGELOG})
add_custom_target(tarvex_package_files ALL
  DEPENDS ${TARVEX_MAN_PAGE} ${TARVEX_DEBIAN_CHANGELOG} ${TARVEX_CHANGELOG})

install(FILES ${TARVEX_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md ${TARVEX_CHANGELOG} ${TARVEX_DEBIAN_CHANGELOG}
              cmake/debian/copyright docs/results.schema.json
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.svg")
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.tv6" PATTERN "*.toml" PATTERN "*.py")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VENDOR "Tarvex developers")
set(CPACK_PACKAGE_CONTACT "${TARVEX_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "lateral analysis of piles and drilled shafts by the p-y method
Tarvex analyses single piles and drilled shafts under lateral and axial
loads as beam-columns on nonlinear p-y springs, with the soil and rock
criteria, cross-sections and load cases of its TARVEX6 input file, and
writes a report, a plot file and a message file, with the results as JSON,
CSV tables and an HTML page on request.

This package holds the command line tarvex, the engine library
libtarvex.so with its C and C++ headers and CMake package files
(find_package(tarvex)), the Python package for python3 (import tarvex), the
manual page, the guides and the example inputs.")
# Library dependencies from the binaries (dpkg-shlibdeps), and a shlibs file
# so that a package built against libtarvex.so depends on this one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The loader's cache is brought up to date by dpkg's ldconfig trigger, not by
# maintainer scripts calling ldconfig (CPack's default); postinst byte-compiles
# the Python package and prerm removes what it compiled.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers
    ${PROJECT_SOURCE_DIR}/cmake/debian/postinst ${PROJECT_SOURCE_DIR}/cmake/debian/prerm
    ${PROJECT_SOURCE_DIR}/cmake/debian/postrm)
# The compiled Python module is built for one python3 (its ABI tag is in its
# file name): the package depends on that version and on NumPy, which the
# package imports; pandas and matplotlib give frames and plots.
if(TARVEX_PYTHON_DEPENDS)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${TARVEX_PYTHON_DEPENDS}")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3-pandas, python3-matplotlib")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-scipy, python3-dask, python3-distributed")
endif()
include(CPack)
