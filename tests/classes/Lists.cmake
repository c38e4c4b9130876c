# The ordered lists: TStrings, TStringList, TList and the text order they share.
sorvane_test(lists_tests
  SOURCES LocaleCompareTest.cpp TListTest.cpp TStringListTest.cpp TStringsTest.cpp
  LIBRARIES sorvane_lists)
