# SPDX-License-Identifier: GPL-3.0-or-later
# puzzle-dump reproduces both worked examples and refuses bad arguments with status 2.
function(expect_output args expected)
  execute_process(COMMAND ${DUMP} ${args} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  string(STRIP "${out}" out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
    message(FATAL_ERROR "puzzle-dump ${args}\n  gave (${rc}): ${out}\n  expected: ${expected}")
  endif()
endfunction()

expect_output("--time-ms;43200000;--vertices;6;--colors;3;--edge-probability;63"
  [=[{"vertices":6,"colors":3,"edgeProbability":63,"hiddenColoring":[2,2,3,1,2,3],"edges":[[3,4],[3,5],[4,5],[1,3],[1,4],[1,6],[2,3],[5,6]],"edgeCount":8,"parShown":6,"parHidden":12}]=])
expect_output("--time-ms;43200000;--vertices;8;--colors;4;--edge-probability;63"
  [=[{"vertices":8,"colors":4,"edgeProbability":63,"hiddenColoring":[2,2,4,2,2,3,3,1],"edges":[[4,6],[4,8],[4,3],[6,8],[6,3],[8,3],[1,3],[1,6],[1,7],[1,8],[2,3],[2,6],[2,7],[3,5],[3,7],[4,7],[5,7],[5,8],[7,8]],"edgeCount":19,"parShown":8,"parHidden":19}]=])

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/batch.txt "43200000 6 3 63 0 0 0\n43200000 8 4 63 0 0 0\n")
execute_process(COMMAND ${DUMP} --batch INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/batch.txt
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT rc EQUAL 0 OR NOT count EQUAL 2 OR NOT out MATCHES "\"edgeCount\":19")
  message(FATAL_ERROR "batch mode gave (${rc}): ${out}")
endif()

foreach(bad "--time-ms;x;--vertices;6" "--vertices;6" "--time-ms;1;--vertices;17" "--time-ms;1;--colors;5"
            "--time-ms;1;--bogus" "--time-ms;-1" "--time-ms;1;--edge-probability;0" "--time-ms")
  execute_process(COMMAND ${DUMP} ${bad} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCHALL "\n" errlines "${err}")
  list(LENGTH errlines errcount)
  if(NOT rc EQUAL 2 OR NOT errcount EQUAL 1 OR NOT out STREQUAL "")
    message(FATAL_ERROR "puzzle-dump ${bad}: expected one error line and status 2, got (${rc}) ${err}")
  endif()
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/badbatch.txt "43200000 6 3 63 0 0 2\n")
execute_process(COMMAND ${DUMP} --batch INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/badbatch.txt RESULT_VARIABLE rc
                OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "a bad batch line must exit with status 2, got ${rc}")
endif()
