# `cmake --install` into a fresh prefix gives the system layout, and the
# installed tool reaches the commands of tessellor-tool-gui in libexec.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()
foreach(file bin/tessellor bin/tessellor-tool libexec/tessellor/tessellor-tool-gui
             share/applications/${ID}.desktop share/metainfo/${ID}.metainfo.xml share/mime/packages/${ID}.xml
             share/icons/hicolor/16x16/apps/${ID}.png share/icons/hicolor/256x256/apps/${ID}.png
             share/icons/hicolor/scalable/apps/${ID}.svg
             share/icons/hicolor/scalable/mimetypes/application-x-tessellor-set.svg
             share/man/man1/tessellor.1.gz share/man/man1/tessellor-tool.1.gz share/tessellor/Help/index.html
             share/doc/tessellor/copyright)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()
# bmp-info lives in tessellor-tool-gui only: its usage error proves the hand-on.
execute_process(COMMAND ${PREFIX}/bin/tessellor-tool bmp-info RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 2 OR errors MATCHES "Cannot start")
  message(FATAL_ERROR "the installed tool did not reach tessellor-tool-gui (${result}): ${errors}")
endif()
