# Natively, Debian's GoogleTest package; for the Windows build, GoogleTest built from the
# sources that package ships, or fetched where they are not (a real Windows machine).
if(NOT CMAKE_CROSSCOMPILING AND NOT WIN32)
  find_package(GTest REQUIRED)
  return()
endif()

set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
if(EXISTS /usr/src/googletest/CMakeLists.txt)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  include(FetchContent)
  FetchContent_Declare(googletest
    URL https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz)
  FetchContent_MakeAvailable(googletest)
endif()
