# What a Windows build differs in. The window is built where Qt 6 for Windows is found (src/app
# looks for it; a cross build finds none). A cross build takes CLI11, which is header-only, from
# the build machine's headers through a folder that holds CLI11 alone (and nlohmann-json likewise), so that no other header of
# the build machine can be found instead of the target's, and runs its tests under Wine in a
# prefix of the build folder's own.
if(CMAKE_CROSSCOMPILING)
  find_path(ZAT2KOR_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(ZAT2KOR_CLI11_ONLY ${PROJECT_BINARY_DIR}/cli11-include)
  file(MAKE_DIRECTORY ${ZAT2KOR_CLI11_ONLY})
  file(CREATE_LINK ${ZAT2KOR_CLI11_INCLUDE}/CLI ${ZAT2KOR_CLI11_ONLY}/CLI SYMBOLIC)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${ZAT2KOR_CLI11_ONLY})
  # nlohmann-json (the JSON report) the same way.
  find_path(ZAT2KOR_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(ZAT2KOR_JSON_ONLY ${PROJECT_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${ZAT2KOR_JSON_ONLY})
  file(CREATE_LINK ${ZAT2KOR_JSON_INCLUDE}/nlohmann ${ZAT2KOR_JSON_ONLY}/nlohmann SYMBOLIC)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${ZAT2KOR_JSON_ONLY})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh ${PROJECT_BINARY_DIR}/wineprefix)
endif()
# The package is one flat folder: zat2kor.exe beside its README.
set(CMAKE_INSTALL_BINDIR .)
