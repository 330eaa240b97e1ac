# Embeds files into the program as byte sets:
#   embed_files(TARGET lib NAMESPACE ns FILES a.png b.jpg)
# gives for each file `extern const unsigned char ns::a_png[]` and
# `extern const unsigned ns::a_png_size` in the generated header <lib>_embedded.h.
function(embed_files)
  cmake_parse_arguments(E "" "TARGET;NAMESPACE" "FILES" ${ARGN})
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(header ${out_dir}/${E_TARGET}_embedded.h)
  set(decls "")
  set(sources "")
  foreach(f ${E_FILES})
    get_filename_component(abs ${f} ABSOLUTE)
    get_filename_component(name ${f} NAME)
    string(MAKE_C_IDENTIFIER ${name} id)
    set(src ${out_dir}/${id}.cpp)
    add_custom_command(OUTPUT ${src}
      COMMAND ${CMAKE_COMMAND} -DIN=${abs} -DOUT=${src} -DID=${id} -DNS=${E_NAMESPACE}
              -P ${PROJECT_SOURCE_DIR}/cmake/embed_one.cmake
      DEPENDS ${abs} ${PROJECT_SOURCE_DIR}/cmake/embed_one.cmake
      COMMENT "Embedding ${name}")
    list(APPEND sources ${src})
    string(APPEND decls "extern const unsigned char ${id}[];\nextern const unsigned ${id}_size;\n")
  endforeach()
  file(WRITE ${header}.in "#pragma once\nnamespace ${E_NAMESPACE} {\n${decls}}\n")
  configure_file(${header}.in ${header} COPYONLY)
  add_library(${E_TARGET} STATIC ${sources})
  target_include_directories(${E_TARGET} PUBLIC ${out_dir})
endfunction()
