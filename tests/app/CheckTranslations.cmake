# Runs lupdate over the window's sources into copies of translations/quorril_<language>.ts and fails when a
# text has no finished translation in one of them: a new text (unfinished), one whose translation is empty,
# or a translation left behind by a text that is gone (vanished, obsolete). The files in the source tree
# are never written.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DDIRS="core;app" -DLANGUAGES="de;fr" -DWORK_DIR=... -P CheckTranslations.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(sources)
foreach(dir IN LISTS DIRS)
  list(APPEND sources "${SOURCE_DIR}/src/${dir}")
endforeach()

set(problems 0)
foreach(language IN LISTS LANGUAGES)
  set(ts "${WORK_DIR}/quorril_${language}.ts")
  file(COPY "${SOURCE_DIR}/translations/quorril_${language}.ts" DESTINATION "${WORK_DIR}")
  execute_process(COMMAND "${LUPDATE}" -locations none -I "${SOURCE_DIR}/src" ${sources} -ts "${ts}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed for ${language}:\n${output}${errors}")
  endif()
  file(READ "${ts}" content)
  # A ";" would split the entries below; the texts are only reported.
  string(REPLACE ";" "," content "${content}")
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation[^>]*>[^<]*"
         entries "${content}")
  list(LENGTH entries count)
  if(count EQUAL 0)
    message(FATAL_ERROR "${language}: no texts found in ${ts}")
  endif()
  foreach(entry IN LISTS entries)
    if(entry MATCHES "type=\"(unfinished|vanished|obsolete)\"" OR entry MATCHES "<translation[^>]*/>"
       OR entry MATCHES "<translation[^>]*>[ \n]*$")
      string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${entry}")
      set(state "empty")
      if(entry MATCHES "type=\"([a-z]+)\"")
        set(state "${CMAKE_MATCH_1}")
      endif()
      message(SEND_ERROR "${language}: ${state} translation of \"${text}\"")
      math(EXPR problems "${problems} + 1")
    endif()
  endforeach()
  message(STATUS "${language}: ${count} texts checked")
endforeach()
if(problems GREATER 0)
  message(FATAL_ERROR "${problems} texts lack a finished translation. Run `cmake --build build/default --target "
                      "update_translations`, translate the texts in translations/*.ts and mark them finished.")
endif()
