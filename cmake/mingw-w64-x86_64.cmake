# Cross-builds zat2kor.exe for 64-bit Windows with mingw-w64 (the posix threads variant, which
# std::thread and std::mutex need). Tests run under Wine (cmake/WindowsBuild.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZAT2KOR_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ZAT2KOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZAT2KOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZAT2KOR_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZAT2KOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable that needs no DLL beside it: the C++ runtime, libgcc and winpthread linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Wide-character Win32 entry points; no min/max macros over std::min.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
