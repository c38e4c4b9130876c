# GoogleTest comes from the machine's own source package and is built with the project's
# compiler, so the same tests run natively and, for the Windows builds, under Wine.
set(SORVANE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${SORVANE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# A Windows test executable runs under Wine through this wrapper; it expects the session
# (Xvfb, PulseAudio, wineserver) that scripts/test.sh starts.
set(SORVANE_WINE_RUN ${CMAKE_SOURCE_DIR}/scripts/wine-run)

# Test names carry the build they come from ("host.", "asan.", "win64."), so that one CTest
# run over all builds reports each test once.
set(SORVANE_TEST_PREFIX "" CACHE STRING "Prefix of this build's test names")

# sorvane_test(NAME SOURCES ... LIBRARIES ...): one test executable, registered as one
# CTest test (a Wine start costs seconds, so test cases are not registered one by one).
function(sorvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main sorvane_code)
  if(WIN32)
    add_test(NAME ${SORVANE_TEST_PREFIX}${name} COMMAND ${SORVANE_WINE_RUN} $<TARGET_FILE:${name}> --gtest_color=no)
    # Windows tests share one display and one keyboard focus: they run one at a time.
    set_tests_properties(${SORVANE_TEST_PREFIX}${name} PROPERTIES RESOURCE_LOCK wine-display)
  else()
    add_test(NAME ${SORVANE_TEST_PREFIX}${name} COMMAND ${name} --gtest_color=no)
  endif()
  set_tests_properties(${SORVANE_TEST_PREFIX}${name} PROPERTIES TIMEOUT 600)
endfunction()
