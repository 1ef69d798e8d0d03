# The Windows package: one ZIP of zat2kor.exe, the README as text, the licence and the report
# schema, made by CPack:  cpack -G ZIP  (in the build folder; scripts/build-windows.sh does it).
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/docs/report-schema.md ${PROJECT_SOURCE_DIR}/docs/report-schema.json DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME zat2kor)
set(CPACK_PACKAGE_VENDOR "zat2kor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME windows-x86_64)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
