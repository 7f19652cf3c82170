# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version answer on standard output with status 0, any other argument gets one line
# on standard error and status 2; no window system is there to open a window on.
set(faults 0)
macro(fault text)
  message(SEND_ERROR "${text}")
  math(EXPR faults "${faults} + 1")
endmacro()

# Runs the game with these arguments and no display; sets rc, out and err.
function(run language)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
            LANGUAGE=${language} LANG=${language}.UTF-8 LC_ALL=
            ${GAME} ${ARGN}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(C --version)
if(NOT rc STREQUAL "0" OR NOT out STREQUAL "spectrumix ${VERSION}\n" OR NOT err STREQUAL "")
  fault("--version: status ${rc}, output '${out}', errors '${err}'")
endif()

foreach(option --help -h)
  run(C ${option})
  if(NOT rc STREQUAL "0" OR NOT out MATCHES "Usage: spectrumix" OR NOT out MATCHES "--version"
     OR NOT err STREQUAL "")
    fault("${option}: status ${rc}, output '${out}', errors '${err}'")
  endif()
endforeach()

# The usage in the player's language.
run(de_DE --help)
if(NOT rc STREQUAL "0" OR NOT out MATCHES "Rätsel" OR NOT out MATCHES "--help")
  fault("--help in German: status ${rc}, output '${out}'")
endif()

foreach(arguments "--bogus" "-x" "puzzle.txt" "--version=2" "--;--help" "--help;extra")
  run(C ${arguments})
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines line_count)
  if(NOT rc STREQUAL "2" OR NOT out STREQUAL "" OR NOT line_count EQUAL 1 OR NOT err MATCHES "^spectrumix: ")
    fault("'${arguments}': status ${rc}, output '${out}', errors '${err}'")
  endif()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} command-line answers were wrong")
endif()
