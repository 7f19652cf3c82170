# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a Linguist source holds an entry that is not translated yet or no longer used, or one
# left empty (a plural form included), which the game would show in English. Entries are found
# whatever stands between their source and translation (a translator's or a developer's comment).
if(DEFINED TS_LIST)
  string(REPLACE "|" ";" TS_FILES "${TS_LIST}")
endif()
set(open_patterns "<translation type=\"(unfinished|vanished|obsolete)\"" "<translation( type=\"[a-z]+\")?/>"
                  "<translation></translation>" "<numerusform></numerusform>" "<numerusform/>")
foreach(ts IN LISTS TS_FILES)
  file(READ "${ts}" text)
  set(count 0)
  set(first -1)
  foreach(pattern IN LISTS open_patterns)
    string(REGEX MATCHALL "${pattern}" open "${text}")
    list(LENGTH open found)
    if(found GREATER 0)
      math(EXPR count "${count} + ${found}")
      list(GET open 0 match)
      string(FIND "${text}" "${match}" at)
      if(first EQUAL -1 OR at LESS first)
        set(first ${at})
      endif()
    endif()
  endforeach()
  if(count GREATER 0)
    # The source of the first such entry, for the translator to look for.
    string(SUBSTRING "${text}" 0 ${first} before)
    string(FIND "${before}" "<source>" source_at REVERSE)
    string(SUBSTRING "${before}" ${source_at} -1 source)
    string(REGEX REPLACE "</source>.*" "</source>" source "${source}")
    message(FATAL_ERROR "${ts}: ${count} entries are unfinished, empty or dropped, first: ${source}")
  endif()
endforeach()
