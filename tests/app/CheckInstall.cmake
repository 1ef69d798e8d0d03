# Installs the build into a scratch prefix and checks that both programs, the desktop entry and
# the icon arrive. Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE result
                OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/zat2kor bin/zat2kor-gui share/applications/zat2kor.desktop
             share/icons/hicolor/scalable/apps/zat2kor.svg)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/zat2kor.desktop entry)
if(NOT entry MATCHES "\nExec=zat2kor-gui\n" OR NOT entry MATCHES "\nIcon=zat2kor\n")
  message(FATAL_ERROR "the desktop entry does not start zat2kor-gui with the zat2kor icon")
endif()
file(REMOVE_RECURSE ${PREFIX})
