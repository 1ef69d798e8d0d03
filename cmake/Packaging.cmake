# Installation extras and the Debian package.
#
# - zat2kor.1: the manual page, made at build time from the built program's own --help and
#   --version texts (cmake/HelpToMan.sh), installed gzip-compressed to share/man/man1.
# - The AppStream metadata of the window (data/io.zat2kor.Zat2kor.metainfo.xml) goes to
#   share/metainfo when the window is built; the window's rules (src/app) install the window,
#   its desktop entry and its icon.
# - CPack makes one .deb of everything installed:  cpack -G DEB  or  ninja package  (in the
#   build folder, after the build).
#   Its dependencies come from dpkg-shlibdeps over the installed programs.

set(ZAT2KOR_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(ZAT2KOR_MAN_PAGE ${ZAT2KOR_MAN_DIR}/zat2kor.1)
find_program(ZAT2KOR_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${ZAT2KOR_MAN_PAGE} ${ZAT2KOR_MAN_PAGE}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAT2KOR_MAN_DIR}
  COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.sh $<TARGET_FILE:zat2kor> ${ZAT2KOR_MAN_PAGE}
  # -n: no name or time stamp inside the archive, so the package is reproducible.
  COMMAND ${ZAT2KOR_GZIP} -9 -n -k -f ${ZAT2KOR_MAN_PAGE}
  DEPENDS zat2kor ${PROJECT_SOURCE_DIR}/cmake/HelpToMan.sh
  COMMENT "Writing the zat2kor manual page from zat2kor --help"
  VERBATIM)
add_custom_target(zat2kor_man_page ALL DEPENDS ${ZAT2KOR_MAN_PAGE} ${ZAT2KOR_MAN_PAGE}.gz)
install(FILES ${ZAT2KOR_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET zat2kor-gui)
  install(FILES ${PROJECT_SOURCE_DIR}/data/io.zat2kor.Zat2kor.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(ZAT2KOR_PACKAGE_MAINTAINER "zat2kor developers <zat2kor@localhost>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zat2kor)
set(CPACK_PACKAGE_VENDOR "zat2kor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converts ZAT projects into KOR projects and workspaces")
set(CPACK_PACKAGE_CONTACT ${ZAT2KOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
if(TARGET zat2kor-gui)
  set(zat2kor_programs "a command-line program (zat2kor) and a Qt window (zat2kor-gui)")
else()
  set(zat2kor_programs "a command-line program (zat2kor)")
endif()
# The Description field: the summary above as its first line, then this text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "zat2kor reads a ZAT project (.zat), translates its files, build phases,
configurations and every tool's command-line options into KOR's tables and
structured option strings, and writes the KOR project (.krp) beside it and a
KOR workspace (.krs). It converts one project, or every project of one CPU
family found under a folder.
This package holds ${zat2kor_programs}.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# cpack --config CPackSourceConfig.cmake: the sources without build folders and version control.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/\\.cache/")
include(CPack)
