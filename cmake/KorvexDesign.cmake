# korvex_add_design(<target> <design.kvx> [NAME <StructName>] [SCHEME <path>])
# Generates <design>.hpp from the design with kvx-export at build time, again whenever the design
# changes, and lets <target> include it: every_kind.kvx gives #include "every_kind.hpp". With
# SCHEME, the struct's LoadScheme() loads that colour scheme file (the path as given).
function(korvex_add_design target design)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "NAME;SCHEME" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "korvex_add_design: unexpected arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(source "${design}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(stem "${source}" NAME_WE)
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/korvex_designs/${target}")
  set(header "${folder}/${stem}.hpp")
  set(name_option "")
  if(arg_NAME)
    set(name_option --name "${arg_NAME}")
  endif()
  if(arg_SCHEME)
    list(APPEND name_option --scheme "${arg_SCHEME}")
  endif()
  # In the source tree the tool is a target built first; from the package it is installed.
  if(TARGET kvx-export)
    set(tool_dependency kvx-export)
  else()
    set(tool_dependency "$<TARGET_FILE:Korvex::kvx-export>")
  endif()
  add_custom_command(OUTPUT "${header}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
    COMMAND "$<TARGET_FILE:Korvex::kvx-export>" --cpp "${source}" -o "${header}" ${name_option}
    DEPENDS "${source}" ${tool_dependency}
    COMMENT "Generating ${stem}.hpp from ${design}"
    VERBATIM)
  target_sources(${target} PRIVATE "${header}")
  target_include_directories(${target} PRIVATE "${folder}")
endfunction()
