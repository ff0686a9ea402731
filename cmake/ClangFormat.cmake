# `format` rewrites every source file in place; `check-format` fails on any difference.
# Pinned to clang-format 14 so that every machine formats alike.
find_program(CLANG_FORMAT_EXE NAMES clang-format-14 clang-format)
if(CLANG_FORMAT_EXE)
  execute_process(COMMAND ${CLANG_FORMAT_EXE} --version OUTPUT_VARIABLE _clang_format_version)
  if(NOT _clang_format_version MATCHES "version 14\\.")
    message(WARNING "clang-format 14 expected, found: ${_clang_format_version}")
  endif()
  set(_format_script "${CMAKE_SOURCE_DIR}/scripts/format")
  add_custom_target(format COMMAND ${_format_script} WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
  add_custom_target(check-format COMMAND ${_format_script} --check
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR})
endif()
