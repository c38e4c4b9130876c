# sorvane_lists: the ordered lists of the object model: TStrings with its in-memory
# TStringList, the plain pointer list TList, and the text order they sort by.
add_library(sorvane_lists STATIC
  LocaleCompare.cpp
  TList.cpp
  TStringList.cpp
  TStrings.cpp)
target_include_directories(sorvane_lists PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sorvane_lists PUBLIC sorvane_model PRIVATE sorvane_code)
