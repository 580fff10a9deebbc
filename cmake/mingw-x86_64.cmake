# Cross build for 64-bit Windows (x86-64) with MinGW-w64, linked fully static.
# The win32 thread model keeps the runtime's imports within Windows 7.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# BRISKO_THREADS picks the compilers' thread model: win32 for the shipped
# program, posix for the test programs (GoogleTest needs std::mutex).
if(NOT BRISKO_THREADS)
  set(BRISKO_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRISKO_THREADS)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-${BRISKO_THREADS})
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-${BRISKO_THREADS})
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
