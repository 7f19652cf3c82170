# Installs the desktop files into a scratch prefix and checks that each lands where desktops look.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} --component desktop
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path share/applications/${APP_ID}.desktop share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/metainfo/${APP_ID}.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
message(STATUS "desktop files installed under ${PREFIX}")
