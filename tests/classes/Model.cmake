# The component model, the form resource reader and the loader, tested without windows.
add_library(sorvane_model_testing STATIC FormBytes.cpp TestClasses.cpp)
target_include_directories(sorvane_model_testing PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sorvane_model_testing PUBLIC sorvane_model PRIVATE sorvane_code)

sorvane_test(model_tests
  SOURCES ComponentTest.cpp FixupTest.cpp LoaderFixture.cpp LoaderTest.cpp NestingTest.cpp
          PublishedTest.cpp ReaderTest.cpp
  LIBRARIES sorvane_model_testing)
