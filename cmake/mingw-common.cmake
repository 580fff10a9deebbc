# What both MinGW-w64 cross builds share; the toolchain files set
# BRISKO_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR, then include this.
#
# BRISKO_THREADS picks the compilers' thread model: win32 for the shipped
# program, whose runtime then imports nothing newer than the oldest Windows
# it starts on (the posix runtime pulls in Vista's GetTickCount64); posix for
# the test programs, since GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT BRISKO_THREADS)
  set(BRISKO_THREADS win32)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRISKO_THREADS)
set(CMAKE_C_COMPILER ${BRISKO_MINGW_TRIPLE}-gcc-${BRISKO_THREADS})
set(CMAKE_CXX_COMPILER ${BRISKO_MINGW_TRIPLE}-g++-${BRISKO_THREADS})
set(CMAKE_RC_COMPILER ${BRISKO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${BRISKO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Fully static: the programs need only Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
