# Opt-in sanitizers and fuzzing instrumentation, applied to every target.
if(PICTAVO_SANITIZE)
  set(_pictavo_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
                          -fno-omit-frame-pointer)
  add_compile_options(${_pictavo_sanitizers})
  add_link_options(${_pictavo_sanitizers})
endif()

if(PICTAVO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "PICTAVO_FUZZ needs clang (libFuzzer)")
  endif()
  # Every library is instrumented for coverage; only fuzz targets link the fuzzer main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
