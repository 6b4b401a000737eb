# Runs lupdate over the window's sources into a copy of each .ts file and fails when
# the copy differs from the file: a text of the sources that the file lacks, or a
# text of the file that the sources no longer hold. Fix with the build target
# update_translations, then translate what it marks unfinished.
# -DLUPDATE=<lupdate> -DLIST=<file of sources> -DTS_FILES=<a;b> -DOPTIONS=<a;b> -DWORK=<dir>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK}/${name})
  configure_file(${ts} ${copy} COPYONLY)
  execute_process(COMMAND ${LUPDATE} @${LIST} ${OPTIONS} -ts ${copy}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${rc}):\n${out}${err}")
  endif()
  file(READ ${ts} before)
  file(READ ${copy} after)
  if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u ${ts} ${copy} OUTPUT_VARIABLE diff)
    message(FATAL_ERROR "${name} is not in step with the sources:\n${out}\n${diff}")
  endif()
  message(STATUS "${name}: ${out}")
endforeach()
