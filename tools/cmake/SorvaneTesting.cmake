# GoogleTest: an installed package where the toolchain has one (MSYS2's gtest on Windows),
# otherwise the machine's own source package built with the project's compiler, so the same
# tests run natively and, for the cross-built Windows programs, under Wine.
find_package(GTest CONFIG QUIET)
if(NOT GTest_FOUND)
  set(SORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${SORVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# Test names carry the build they come from ("host.", "asan.", "win64."), so that one CTest
# run over all builds reports each test once.
set(SORVANE_TEST_PREFIX "" CACHE STRING "Prefix of this build's test names")

# sorvane_test(NAME SOURCES ... LIBRARIES ...): one test executable, registered as one
# CTest test (a Wine start costs seconds, so test cases are not registered one by one).
function(sorvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main sorvane_code)
  # A cross-built program runs through the toolchain's emulator (Wine).
  add_test(NAME ${SORVANE_TEST_PREFIX}${name} COMMAND ${name} --gtest_color=no)
  if(WIN32)
    # Windows tests share one display and one keyboard focus: they run one at a time.
    set_tests_properties(${SORVANE_TEST_PREFIX}${name} PROPERTIES RESOURCE_LOCK wine-display)
  endif()
  set_tests_properties(${SORVANE_TEST_PREFIX}${name} PROPERTIES TIMEOUT 600)
endfunction()
