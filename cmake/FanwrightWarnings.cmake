# Compiler warnings for every target of ours: high, and errors with FANWRIGHT_WERROR.
add_library(fanwright_warnings INTERFACE)
if(MSVC)
  target_compile_options(fanwright_warnings INTERFACE /W4 /permissive-)
  if(FANWRIGHT_WERROR)
    target_compile_options(fanwright_warnings INTERFACE /WX)
  endif()
else()
  target_compile_options(fanwright_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
  if(FANWRIGHT_WERROR)
    target_compile_options(fanwright_warnings INTERFACE -Werror)
  endif()
endif()

# A library of this project: sources, the project root on the include path, our warnings.
function(fanwright_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE fanwright_warnings)
endfunction()
