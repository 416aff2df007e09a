# Packs the build as scripts/package.sh does and has lintian check the package.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} WORKING_DIRECTORY ${BUILD}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${OUT}/tessellor_*_amd64.deb)
if(NOT result EQUAL 0 OR NOT debs)
  message(FATAL_ERROR "cpack made no package (${result}):\n${output}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error --tag-display-limit 0 ${debs}
  RESULT_VARIABLE result OUTPUT_VARIABLE tags ERROR_VARIABLE tags)
message("${tags}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian found errors in ${debs}")
endif()
