# Form descriptions (*.form) are compiled at build time by tools/formc.py into the binary
# form resources windows are built from.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(SORVANE_FORMC ${PROJECT_SOURCE_DIR}/tools/formc.py)

# sorvane_compile_forms(TARGET name RC_FILE file [BINARIES var] FORMS NAME=source ...):
# compiles each source into <binary dir>/forms/NAME.bin, makes the custom target name that
# builds them all, writes a resource script RC_FILE that embeds them as RCDATA resources
# named NAME, and sets var (if given) to the list of NAME=binary pairs.
function(sorvane_compile_forms)
  cmake_parse_arguments(ARG "" "TARGET;RC_FILE;BINARIES" "FORMS" ${ARGN})
  set(form_dir ${CMAKE_CURRENT_BINARY_DIR}/forms)
  set(binaries "")
  set(pairs "")
  set(rc_lines "LANGUAGE 0, 0\n")
  foreach(form IN LISTS ARG_FORMS)
    string(REPLACE "=" ";" parts ${form})
    list(GET parts 0 name)
    list(GET parts 1 source)
    set(binary ${form_dir}/${name}.bin)
    add_custom_command(OUTPUT ${binary}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${form_dir}
      COMMAND Python3::Interpreter ${SORVANE_FORMC} ${source} -o ${binary}
      DEPENDS ${source} ${SORVANE_FORMC}
      COMMENT "Compiling form resource ${name}"
      VERBATIM)
    list(APPEND binaries ${binary})
    list(APPEND pairs ${name}=${binary})
    string(APPEND rc_lines "${name} RCDATA \"${binary}\"\n")
  endforeach()
  add_custom_target(${ARG_TARGET} DEPENDS ${binaries})
  file(CONFIGURE OUTPUT ${ARG_RC_FILE} CONTENT "${rc_lines}" @ONLY)
  set_source_files_properties(${ARG_RC_FILE} PROPERTIES OBJECT_DEPENDS "${binaries}")
  if(ARG_BINARIES)
    set(${ARG_BINARIES} ${pairs} PARENT_SCOPE)
  endif()
endfunction()
