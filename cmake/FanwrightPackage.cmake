# The release: `cmake --build --preset windows --target package` makes
# fanwright-<version>-win64.zip holding both programs, the README and the licence, side by side
# at the top of the zip. The version is project()'s, as in the resources and the window title.
install(TARGETS fanwright fanwright-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(fanwright_platform win64)
else()
  set(fanwright_platform win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME fanwright)
set(CPACK_PACKAGE_VENDOR "the Fanwright developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME fanwright-${PROJECT_VERSION}-${fanwright_platform})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
