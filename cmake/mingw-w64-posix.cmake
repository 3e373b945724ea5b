# Cross-build for 64-bit Windows on Linux with MinGW-w64 (Debian/Ubuntu package g++-mingw-w64-x86-64).
# The -posix compilers use the winpthreads thread model: the default -win32 ones lack std::mutex
# and std::thread. Executables are linked statically (see the top CMakeLists), so the test
# programs run under Wine without any MinGW runtime DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FANWRIGHT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FANWRIGHT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FANWRIGHT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FANWRIGHT_MINGW_TRIPLE}-windres)

# Look for libraries and headers in the MinGW sysroot only, programs on the build host.
set(CMAKE_FIND_ROOT_PATH /usr/${FANWRIGHT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest (and add_custom_command) run the .exe files under Wine through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")
