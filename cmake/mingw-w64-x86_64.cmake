# Cross build for 64-bit Windows with Debian's MinGW-w64 (GCC with POSIX threads, whose
# C++ library has std::thread and the rest of C++20's library). Everything is linked
# statically, so klv-check.exe and the test programs run alone, under Wine as on Windows.
# The interface needs Qt for MinGW, which Debian does not package: only the core,
# klv-check and their tests are built.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELPRA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KELPRA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELPRA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KELPRA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELPRA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

set(KELPRA_BUILD_UI OFF CACHE BOOL "" FORCE)
set(KELPRA_BUILD_BENCH OFF CACHE BOOL "" FORCE)
