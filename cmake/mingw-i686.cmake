# Cross build for 32-bit Windows (x86) with MinGW-w64, linked fully static so
# the programs need only Windows' own DLLs. The win32 thread model keeps the
# runtime's imports within what Windows 2000 exports; the posix one pulls in
# Vista's GetTickCount64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
# BRISKO_THREADS picks the compilers' thread model: win32 for the shipped
# program, posix for the test programs (GoogleTest needs std::mutex).
if(NOT BRISKO_THREADS)
  set(BRISKO_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRISKO_THREADS)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${BRISKO_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${BRISKO_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
