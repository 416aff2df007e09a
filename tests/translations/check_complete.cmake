# Fails when a translation file is not complete for the current sources: the
# file is copied, brought up to date with the sources there (a text not yet in
# it comes in unfinished), and lrelease must find every entry finished.
# -DLUPDATE= -DLRELEASE= -DTS_FILE= -DSOURCE_DIRS=a|b -DWORK_DIR=
string(REPLACE "|" ";" source_dirs "${SOURCE_DIRS}")
get_filename_component(name "${TS_FILE}" NAME)
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
configure_file("${TS_FILE}" "${WORK_DIR}/${name}" COPYONLY)

execute_process(COMMAND "${LUPDATE}" -silent -locations none -no-obsolete ${source_dirs} -ts "${WORK_DIR}/${name}"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
endif()
execute_process(COMMAND "${LRELEASE}" "${WORK_DIR}/${name}" -qm "${WORK_DIR}/check.qm"
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lrelease failed on ${name}:\n${out}")
endif()

# "Generated 120 translation(s) (118 finished and 2 unfinished)" and, when
# some have no translation at all, "Ignored 3 untranslated source text(s)".
if(NOT out MATCHES "Generated [0-9]+ translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
  message(FATAL_ERROR "lrelease said nothing about ${name}:\n${out}")
endif()
set(unfinished ${CMAKE_MATCH_2})
set(untranslated 0)
if(out MATCHES "Ignored ([0-9]+) untranslated source text")
  set(untranslated ${CMAKE_MATCH_1})
endif()
if(NOT unfinished EQUAL 0 OR NOT untranslated EQUAL 0)
  message(FATAL_ERROR "${name}: ${unfinished} unfinished and ${untranslated} untranslated or missing entries "
                      "(build update_translations and fill them in Qt Linguist)\n${out}")
endif()
message(STATUS "${name}: complete\n${out}")
