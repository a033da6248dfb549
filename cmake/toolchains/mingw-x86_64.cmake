# Cross compiling for 64-bit Windows with Debian's mingw-w64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PELCON_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# These machines run 64-bit Windows programs under Wine, so ctest can run the tests.
find_program(PELCON_WINE64 NAMES wine64 wine PATHS /usr/lib/wine)
if(PELCON_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PELCON_WINE64})
endif()
