# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page in every language from one template (spectrumix.6.in): each language file in
# man/ sets the words of its placeholders, and the build stops when a language lacks one or sets
# one the template does not have, so the pages cannot drift apart.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/spectrumix.6.in man_template)
string(REGEX MATCHALL "@MAN_[A-Z_]+@" man_placeholders "${man_template}")
list(TRANSFORM man_placeholders REPLACE "@" "")
list(REMOVE_DUPLICATES man_placeholders)
list(SORT man_placeholders)

# Fills the template with the words of `language` into OUT_DIR/spectrumix.6.
function(spectrumix_manual_page language out_dir)
  get_cmake_property(before VARIABLES)
  include(${CMAKE_CURRENT_SOURCE_DIR}/man/${language}.cmake)
  get_cmake_property(after VARIABLES)
  set(defined)
  foreach(name IN LISTS after)
    if(name MATCHES "^MAN_" AND NOT name IN_LIST before)
      list(APPEND defined ${name})
      string(CONFIGURE "${${name}}" ${name} @ONLY)
    endif()
  endforeach()
  list(SORT defined)
  if(NOT defined STREQUAL man_placeholders)
    message(FATAL_ERROR "packaging/man/${language}.cmake sets ${defined}\n"
                        "but the manual page's template asks for ${man_placeholders}")
  endif()
  # groff hyphenates by English rules only: a page in another language is not hyphenated at all,
  # rather than broken in the wrong places.
  if(language STREQUAL "en")
    set(SPECTRUMIX_MAN_HYPHENATION [=[.\" Hyphenated by groff's English rules.]=])
  else()
    set(SPECTRUMIX_MAN_HYPHENATION ".nh")
  endif()
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/spectrumix.6.in ${out_dir}/spectrumix.6 @ONLY)
endfunction()
