# Installation extras and the two Debian packages.
#
# - Manual pages zat2kor.1 and zat2kor-gui.1, made by help2man from the built programs' own
#   --help-all / --help and --version texts and the include files cmake/*.h2m (exit status,
#   files, see also), installed gzip-compressed to share/man/man1.
# - Each package has its machine-readable copyright file and its changelog.gz under
#   share/doc/PACKAGE.
# - CPack makes one .deb per component:  cpack -G DEB  or  ninja package  (after the build):
#   zat2kor (component cli: the command line, no Qt) and zat2kor-gui (component gui: the window,
#   its desktop entry, icon and AppStream metadata; it depends on zat2kor of the same version).
#   The other dependencies come from dpkg-shlibdeps over the installed programs.

find_program(ZAT2KOR_GZIP gzip REQUIRED)
find_program(ZAT2KOR_HELP2MAN help2man REQUIRED)
set(ZAT2KOR_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(ZAT2KOR_MAN_PAGE ${ZAT2KOR_MAN_DIR}/zat2kor.1)
# The date on the pages: the release's, so that the package is reproducible.
set(ZAT2KOR_RELEASE_EPOCH 1796428800)

# z2k_man_page(PROGRAM_TARGET HELP_OPTION SUMMARY COMPONENT)
function(z2k_man_page target help_option summary component)
  set(page ${ZAT2KOR_MAN_DIR}/${target}.1)
  set(include ${PROJECT_SOURCE_DIR}/cmake/${target}.h2m)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZAT2KOR_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C SOURCE_DATE_EPOCH=${ZAT2KOR_RELEASE_EPOCH}
            ${ZAT2KOR_HELP2MAN} --no-info --help-option=${help_option} --version-option=--version
            --include=${include} --name=${summary} --output=${page} $<TARGET_FILE:${target}>
    # -n: no name or time stamp inside the archive.
    COMMAND ${ZAT2KOR_GZIP} -9 -n -k -f ${page}
    DEPENDS ${target} ${include}
    COMMENT "Writing the ${target} manual page with help2man"
    VERBATIM)
  add_custom_target(${target}_man_page ALL DEPENDS ${page} ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()

# The copyright file and the compressed changelog of one package.
function(z2k_package_docs package component)
  set(changelog ${PROJECT_BINARY_DIR}/doc/${package}/changelog)
  configure_file(${PROJECT_SOURCE_DIR}/data/changelog ${changelog} COPYONLY)
  execute_process(COMMAND ${ZAT2KOR_GZIP} -9 -n -f ${changelog} COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${PROJECT_SOURCE_DIR}/data/copyright ${changelog}.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()

set(summary_cli "converts ZAT projects into KOR projects and workspaces")
set(summary_gui "converts ZAT projects into KOR projects and workspaces in a window")
z2k_man_page(zat2kor --help-all "${summary_cli}" cli)
z2k_package_docs(zat2kor cli)
set(components cli)
if(TARGET zat2kor-gui)
  z2k_man_page(zat2kor-gui --help "${summary_gui}" gui)
  z2k_package_docs(zat2kor-gui gui)
  install(FILES ${PROJECT_SOURCE_DIR}/data/io.zat2kor.Zat2kor.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT gui)
  list(APPEND components gui)
endif()

set(ZAT2KOR_DEB_MAINTAINER "zat2kor developers <zat2kor@users.noreply.example.org>"
    CACHE STRING "The Maintainer field of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zat2kor)
set(CPACK_PACKAGE_VENDOR "zat2kor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Each package's summary is the first line of its own description below. CPack puts a package
# summary of its own in front of it unless the summary is CPack's built-in default.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_CONTACT ${ZAT2KOR_DEB_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_COMPONENTS_ALL ${components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME zat2kor)
set(CPACK_DEBIAN_GUI_PACKAGE_NAME zat2kor-gui)
# The window's Qt platform plugins (xcb, offscreen) come with libqt6gui6, which dpkg-shlibdeps
# finds; the command line is its only other need.
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS "zat2kor (= ${PROJECT_VERSION})")
# The Description fields: the summary line, then the text (lines within 80 columns).
set(about "zat2kor reads a ZAT project (.zat), translates its files, build phases,
configurations and every tool's command-line options into KOR's tables and
structured option strings, and writes the KOR project (.krp) beside it and a
KOR workspace (.krs). It converts one project, or every project of one CPU
family found under a folder.")
set(CPACK_DEBIAN_CLI_DESCRIPTION "${summary_cli}\n${about}\nThis package holds the command-line program zat2kor.")
set(CPACK_DEBIAN_GUI_DESCRIPTION "${summary_gui}\n${about}\nThis package holds the Qt window zat2kor-gui.")
# cpack --config CPackSourceConfig.cmake: the sources without build folders and version control.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build[^/]*/" "/\\.cache/")
include(CPack)
