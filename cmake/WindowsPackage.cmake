# The Windows package: one ZIP of zat2kor.exe, the README as text, the licence and the report
# schema, made by CPack:  cpack -G ZIP  (in the build folder; scripts/build-windows.sh does it).
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
# The licence goes in as soon as the project has one.
foreach(licence LICENSE LICENSE.txt COPYING)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${licence})
    install(FILES ${PROJECT_SOURCE_DIR}/${licence} DESTINATION . RENAME LICENSE.txt)
    break()
  endif()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/docs/report-schema.md DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zat2kor)
set(CPACK_PACKAGE_VENDOR "zat2kor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows-x86_64)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
