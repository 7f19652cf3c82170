# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the whole game into a scratch prefix, as a player's `cmake --install` would, and checks
# that the binary, the desktop files, the icons and the manual page land where desktops look and
# still validate there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected ${GAMESDIR}/spectrumix share/applications/${APP_ID}.desktop
             share/icons/hicolor/scalable/apps/${APP_ID}.svg share/metainfo/${APP_ID}.metainfo.xml
             share/man/man6/spectrumix.6.gz share/doc/spectrumix/copyright)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/${GAMESDIR}/spectrumix RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${GAMESDIR}/spectrumix is not executable")
endif()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${APP_ID}.desktop
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed desktop entry does not validate")
  endif()
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net
                          ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed metainfo does not validate")
  endif()
endif()
if(APPSTREAM_UTIL)
  execute_process(COMMAND ${APPSTREAM_UTIL} validate-relax --nonet ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installed metainfo does not pass appstream-util")
  endif()
endif()
message(STATUS "game, desktop entry, icons, metainfo and manual page installed and valid under ${PREFIX}")
