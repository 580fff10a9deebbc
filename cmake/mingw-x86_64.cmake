# Cross build for 64-bit Windows (x86-64), which starts on Windows 7 and later.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRISKO_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
