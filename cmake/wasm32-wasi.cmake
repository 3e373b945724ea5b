# WebAssembly with clang and Debian's WASI sysroot (packages clang, lld, llvm, wasi-libc,
# libc++-dev-wasm32, libclang-rt-dev-wasm32). CMake has no WASI platform of its own: Generic
# builds static libraries and plain executables, which is all the module needs.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Features every current browser runs: float-to-integer conversions that saturate instead of
# needing guards, and sign extension in one instruction.
set(CMAKE_C_FLAGS_INIT "-mnontrapping-fptoint -msign-ext")
set(CMAKE_CXX_FLAGS_INIT "-mnontrapping-fptoint -msign-ext")

# GNU ar cannot index WebAssembly objects, and wasm-ld wants an index.
find_program(CMAKE_AR NAMES llvm-ar REQUIRED)
find_program(CMAKE_RANLIB NAMES llvm-ranlib REQUIRED)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Linked without the optimization flags: given -O, clang runs any wasm-opt found on PATH, without
# our features enabled; the web tree runs it itself.
set(CMAKE_CXX_LINK_EXECUTABLE
    "<CMAKE_CXX_COMPILER> --target=wasm32-wasi <LINK_FLAGS> <OBJECTS> -o <TARGET> <LINK_LIBRARIES>")
