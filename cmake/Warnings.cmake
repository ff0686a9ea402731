# Warnings are on for every target of the project and kept at zero.
add_compile_options(-Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports -Wrestrict false positives inside std::string concatenation when
  # optimising (GCC bug 105651); the check is sound again from GCC 13.
  add_compile_options(-Wno-restrict)
endif()
