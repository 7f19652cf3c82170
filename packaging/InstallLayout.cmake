# SPDX-License-Identifier: GPL-3.0-or-later
# The names a desktop looks the game up by, the bitmap icon sizes drawn from its SVG, and the
# languages of the manual page besides English (one packaging/man/CODE.cmake each). Read by the
# build (packaging/CMakeLists.txt) and by the check of an installed tree (CheckInstall.cmake), so
# what is installed and what is checked never drift apart.
set(SPECTRUMIX_APP_ID org.spectrumix.spectrumix)
set(SPECTRUMIX_ICON_SIZES 48 64 128 256)

# A language file added later is seen by the next build, not only by a fresh configure.
if(CMAKE_SCRIPT_MODE_FILE)
  set(man_glob_options)
else()
  set(man_glob_options CONFIGURE_DEPENDS)
endif()
file(GLOB man_language_files ${man_glob_options} RELATIVE ${CMAKE_CURRENT_LIST_DIR}/man
     ${CMAKE_CURRENT_LIST_DIR}/man/*.cmake)
set(SPECTRUMIX_MAN_LANGUAGES)
foreach(file IN LISTS man_language_files)
  string(REGEX REPLACE "\\.cmake$" "" language "${file}")
  if(NOT language STREQUAL "en")
    list(APPEND SPECTRUMIX_MAN_LANGUAGES ${language})
  endif()
endforeach()
list(SORT SPECTRUMIX_MAN_LANGUAGES)
