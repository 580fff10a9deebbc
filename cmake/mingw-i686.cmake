# Cross build for 32-bit Windows (x86), which starts on Windows 2000 and later.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BRISKO_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
