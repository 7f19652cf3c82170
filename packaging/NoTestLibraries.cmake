# SPDX-License-Identifier: GPL-3.0-or-later
# Read before the project by the package build (CMAKE_PROJECT_INCLUDE_BEFORE): any search for a
# test library stops the configuration, so a package that builds is proof that the game needs
# neither GoogleTest nor Google Benchmark, not merely that they were not installed.
macro(find_package name)
  if("${name}" MATCHES "^(GTest|GMock|gtest|gmock|benchmark)$")
    message(FATAL_ERROR "The game's package must not need the test library ${name}")
  endif()
  _find_package(${ARGV})
endmacro()
