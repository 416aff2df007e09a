# Registers the set file type in a MIME database of its own and checks what
# the desktop reads from it: the glob and the parent type.
# The database sits in a "mime" folder of its own data folder, where the
# desktop's lookups are pointed.
file(REMOVE_RECURSE ${WORK})
get_filename_component(data_home ${WORK} DIRECTORY)
set(ENV{XDG_DATA_HOME} ${data_home})
file(MAKE_DIRECTORY ${WORK}/packages)
file(COPY ${MIME_XML} DESTINATION ${WORK}/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "update-mime-database failed (${result}): ${errors}")
endif()
file(READ ${WORK}/globs2 globs)
file(READ ${WORK}/subclasses subclasses)
if(NOT globs MATCHES ":application/x-tessellor-set:\\*\\.tessellor\n")
  message(FATAL_ERROR "*.tessellor is not the set file's glob:\n${globs}")
endif()
if(NOT subclasses MATCHES "application/x-tessellor-set application/zip\n")
  message(FATAL_ERROR "the set file type is no kind of application/zip:\n${subclasses}")
endif()
