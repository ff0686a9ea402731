# Makes the Debian package of the build into a folder of its own and has lintian
# check it: no error may remain.
set(output ${BUILD}/package-test)
file(REMOVE_RECURSE ${output})
execute_process(COMMAND cpack -G DEB -B ${output} WORKING_DIRECTORY ${BUILD}
                RESULT_VARIABLE packed OUTPUT_QUIET ERROR_VARIABLE errors)
file(GLOB packages ${output}/pictavo_*_amd64.deb)
if(NOT packed EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack made no package: ${errors}")
endif()
execute_process(COMMAND lintian --fail-on error ${packages}
                RESULT_VARIABLE checked OUTPUT_VARIABLE report ERROR_VARIABLE report)
message(STATUS "${report}")
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "lintian found errors in the package")
endif()
file(REMOVE_RECURSE ${output})
