# Shared by the mingw-w64 toolchain files; PELCON_MINGW_TRIPLE names the target before inclusion.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread variant of Debian's compilers, so std::thread and std::mutex work.
set(CMAKE_C_COMPILER ${PELCON_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELCON_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PELCON_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PELCON_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# printf and friends from mingw's own C99 implementation, so numbers print as with glibc.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")

# The runtime linked in, so a program or library needs no compiler DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests are listed when ctest runs rather than after each link, so building needs no Wine (and the
# 32-bit programs, which Wine cannot run here, still build).
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
