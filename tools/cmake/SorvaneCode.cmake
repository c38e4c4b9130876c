# The options every target of our own code links through sorvane_code: every warning the
# compilers can give, as errors, and the execution character set.
#
# Sources are UTF-8 and GCC turns narrow literals into code page 932 (Shift_JIS), so a
# Japanese text in the code arrives in the binaries exactly as the system uses it. The
# standard header <chrono> holds a literal that code page 932 cannot express: code compiled
# with this option does not include it. Clang (used only for the fuzz targets) cannot
# convert literals; there the texts stay UTF-8, which the fuzz targets do not look at.
add_library(sorvane_code INTERFACE)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(sorvane_code INTERFACE -finput-charset=UTF-8 -fexec-charset=CP932)
endif()
target_compile_options(sorvane_code INTERFACE
  -Wall -Wextra -Wpedantic -Werror
  -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wconversion -Wsign-conversion -Wnull-dereference -Wformat=2 -Wimplicit-fallthrough)

# Processor faults in the framework's handlers become exceptions (framework/core/
# FaultTranslation.cpp): the thread is resumed in a function that throws, as if the faulting
# instruction had called it. The unwinder then needs the exception tables to cover every
# instruction that can fault, not only calls.
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(sorvane_code INTERFACE -fnon-call-exceptions -fasynchronous-unwind-tables)
endif()
