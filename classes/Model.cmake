# sorvane_model: the component model, published information, the form resource reader and
# the loader. On hosts other than Windows the program's resources come from
# FindEmbeddedResource (resources/EmbeddedResources.h), which whoever links the loader's
# resource path (ResourceLoading, TResourceStream) provides.
add_library(sorvane_model STATIC
  ClassInfo.cpp
  ClassRegistry.cpp
  ComponentLookup.cpp
  Fixups.cpp
  IdentMaps.cpp
  LoadingScope.cpp
  NameSpaceLock.cpp
  ResourceLoading.cpp
  TCollection.cpp
  TComponent.cpp
  TFiler.cpp
  TObject.cpp
  TPersistent.cpp
  TReader.cpp
  TReaderLoading.cpp
  TResourceStream.cpp
  TStream.cpp
  TVariant.cpp)
target_include_directories(sorvane_model PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sorvane_model PUBLIC sorvane_runtime PRIVATE sorvane_code)
