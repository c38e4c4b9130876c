add_library(sorvane_model STATIC
  TPersistent.cpp)
target_include_directories(sorvane_model PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sorvane_model PUBLIC sorvane_runtime PRIVATE sorvane_code)
