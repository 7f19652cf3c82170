# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a Linguist source holds an entry that is not translated yet or no longer used.
if(DEFINED TS_LIST)
  string(REPLACE "|" ";" TS_FILES "${TS_LIST}")
endif()
foreach(ts IN LISTS TS_FILES)
  file(READ "${ts}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation type=\"(unfinished|vanished|obsolete)\"" open
         "${text}")
  list(LENGTH open count)
  if(count GREATER 0)
    list(GET open 0 first)
    message(FATAL_ERROR "${ts}: ${count} entries are unfinished or dropped, first: ${first}")
  endif()
endforeach()
