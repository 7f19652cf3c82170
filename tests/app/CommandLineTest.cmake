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
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
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

# A worksheet is written without any display: six puzzles four a page are two pages, and their
# answers two more.
set(sheets ${CMAKE_CURRENT_BINARY_DIR}/worksheets)
file(REMOVE_RECURSE ${sheets})
file(MAKE_DIRECTORY ${sheets})
function(page_count pdf)
  find_program(PDFINFO pdfinfo)
  if(PDFINFO)
    execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info)
    string(REGEX MATCH "Pages: *([0-9]+)" _ "${info}")
    set(pages "${CMAKE_MATCH_1}" PARENT_SCOPE)
  else()
    file(STRINGS ${pdf} page_lines REGEX "/Type /Page$")
    list(LENGTH page_lines count)
    set(pages ${count} PARENT_SCOPE)
  endif()
endfunction()
# Sixty puzzles of random sizes six a page fill at least ten pages, more where large puzzles take
# fewer a page, and as many again with their answers; puzzles of 16 vertices take a page each.
foreach(case "4;--answers" "2" "20-120;--puzzles;60;--per-page;6;--vertices;random;--colors;random;--answers"
        "3;--puzzles;3;--per-page;1;--vertices;16;--colors;4" "6;--puzzles;6;--per-page;6;--vertices;16"
        "1;--puzzles;6;--per-page;6;--vertices;10")
  list(POP_FRONT case expected)
  run(C --worksheet ${sheets}/sheet.pdf ${case})
  page_count(${sheets}/sheet.pdf)
  set(counted FALSE)
  if(expected MATCHES "^([0-9]+)-([0-9]+)$")
    math(EXPR halves "${pages} % 2")
    if(pages GREATER_EQUAL ${CMAKE_MATCH_1} AND pages LESS_EQUAL ${CMAKE_MATCH_2} AND halves EQUAL 0)
      set(counted TRUE)
    endif()
  elseif(pages STREQUAL "${expected}")
    set(counted TRUE)
  endif()
  if(NOT rc STREQUAL "0" OR NOT err STREQUAL "" OR NOT counted)
    fault("worksheet '${case}': status ${rc}, ${pages} pages (not ${expected}), errors '${err}'")
  endif()
endforeach()
run(C --help)
string(REGEX REPLACE "[ \n]+" " " flat "${out}")
if(NOT flat MATCHES "a page holds 6 puzzles of up to 10 vertices, 4 of up to 13")
  fault("--help does not say how many large puzzles a page holds: '${out}'")
endif()
run(de_DE --help)
if(NOT out MATCHES "--worksheet <DATEI>" OR NOT out MATCHES "Lösungsseiten")
  fault("--help in German tells nothing of the worksheet: '${out}'")
endif()

# A value out of range, or a worksheet option without a worksheet: one line, status 2, no file.
foreach(arguments "--worksheet;${sheets}/bad.pdf;--puzzles;0" "--worksheet;${sheets}/bad.pdf;--puzzles;61"
        "--worksheet;${sheets}/bad.pdf;--per-page;3" "--worksheet;${sheets}/bad.pdf;--vertices;5"
        "--worksheet;${sheets}/bad.pdf;--colors;blue" "--worksheet" "--puzzles;6" "--answers")
  run(C ${arguments})
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines line_count)
  if(NOT rc STREQUAL "2" OR NOT line_count EQUAL 1 OR NOT err MATCHES "^spectrumix: " OR EXISTS ${sheets}/bad.pdf)
    fault("'${arguments}': status ${rc}, errors '${err}'")
  endif()
endforeach()

# One line, status 1 and the system's reason for a name the sheet cannot be written to; the
# folder, a file in the way and a device stay as they were.
function(refused target reason)
  run(C --worksheet ${target} ${ARGN})
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines line_count)
  string(FIND "${err}" "${target}': ${reason}" said)
  if(NOT rc STREQUAL "1" OR NOT line_count EQUAL 1 OR said LESS 0)
    fault("'${target}' ${ARGN}: status ${rc}, errors '${err}' (not '${reason}')")
  endif()
endfunction()

# A file that cannot be written (its folder missing, a folder in its place: root writes
# anywhere else): one line naming it, status 1, and nothing half-written left in the folder.
file(MAKE_DIRECTORY ${sheets}/taken.pdf)
file(GLOB before ${sheets}/*)
refused(${sheets}/missing/sheet.pdf "No such file or directory" --answers)
refused(${sheets}/taken.pdf "Is a directory" --answers)
file(GLOB after ${sheets}/*)
if(NOT before STREQUAL after OR NOT IS_DIRECTORY ${sheets}/taken.pdf)
  fault("an unwritable worksheet left '${after}' behind")
endif()

# A device is never replaced, even by root: one of the test's own where it may be made.
set(device ${sheets}/device)
execute_process(COMMAND mknod ${device} c 1 3 RESULT_VARIABLE made ERROR_QUIET)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT made STREQUAL "0" AND NOT uid STREQUAL "0")
  set(device /dev/null)
endif()
if(made STREQUAL "0" OR NOT uid STREQUAL "0")
  refused(${device} "Not a regular file or a pipe")
  execute_process(COMMAND test -c ${device} RESULT_VARIABLE still_device)
  if(NOT still_device STREQUAL "0")
    fault("--worksheet replaced the device ${device}")
  endif()
endif()

# A file-size limit (a full disk, for root too): the system's words, the old sheet kept whole,
# no temporary file left.
file(WRITE ${sheets}/kept.pdf "the sheet of yesterday")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY LC_ALL=C LANGUAGE=C
          sh -c "ulimit -f 8 && exec \"$0\" --worksheet \"$1\" --puzzles 60" ${GAME} ${sheets}/kept.pdf
  RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 60)
file(READ ${sheets}/kept.pdf kept)
file(GLOB temporaries ${sheets}/.kept.pdf.* ${sheets}/kept.pdf.*)
if(NOT rc STREQUAL "1" OR NOT err MATCHES "kept.pdf': File too large\n$"
   OR NOT kept STREQUAL "the sheet of yesterday" OR temporaries)
  fault("a full disk: status ${rc}, errors '${err}', file '${kept}', left '${temporaries}'")
endif()

# A named pipe is written into, for the program reading it, and stays a pipe.
execute_process(COMMAND mkfifo ${sheets}/pipe RESULT_VARIABLE made)
if(made STREQUAL "0")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY ${GAME} --worksheet ${sheets}/pipe
    COMMAND cat ${sheets}/pipe
    RESULTS_VARIABLE results OUTPUT_FILE ${sheets}/from-pipe.pdf ERROR_VARIABLE err TIMEOUT 60)
  page_count(${sheets}/from-pipe.pdf)
  execute_process(COMMAND test -p ${sheets}/pipe RESULT_VARIABLE still_pipe)
  if(NOT results STREQUAL "0;0" OR NOT pages STREQUAL "2" OR NOT still_pipe STREQUAL "0")
    fault("a pipe: status ${results}, ${pages} pages read, errors '${err}', still a pipe: ${still_pipe}")
  endif()
endif()

# A name that begins with "-" is an option taken by mistake, unless it comes after "--"; a
# temporary file a killed write of the sheet left is cleared, the player's own files are not.
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/--answers)
run(C --worksheet --answers)
if(NOT rc STREQUAL "2" OR NOT err MATCHES "^spectrumix: [^\n]*'--answers'[^\n]*--help'[.]\n$"
   OR EXISTS ${CMAKE_CURRENT_BINARY_DIR}/--answers)
  fault("--worksheet --answers: status ${rc}, errors '${err}'")
endif()
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/.-sheet.pdf.part-0123456789abcdef "killed")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf.backup "the player's")
run(C --answers --worksheet -- -sheet.pdf)
page_count(${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf)
if(NOT rc STREQUAL "0" OR NOT pages STREQUAL "4"
   OR EXISTS ${CMAKE_CURRENT_BINARY_DIR}/.-sheet.pdf.part-0123456789abcdef
   OR NOT EXISTS ${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf.backup)
  fault("--worksheet -- -sheet.pdf: status ${rc}, ${pages} pages, errors '${err}'")
endif()
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf ${CMAKE_CURRENT_BINARY_DIR}/-sheet.pdf.backup)

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} command-line answers were wrong")
endif()
