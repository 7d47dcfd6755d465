# Runs korval-cli on one example and compares its output with the golden file.
get_filename_component(example_name ${EXAMPLE} NAME)
execute_process(
  COMMAND ${CLI} ${COMMAND} ${example_name} --profile ${PROFILE}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
set(result_text "${actual}")
if(errors)
  string(APPEND result_text "--- stderr ---\n${errors}")
endif()
if(NOT status EQUAL 0)
  string(APPEND result_text "--- exit status ${status} ---\n")
endif()

if(DEFINED ENV{KORVAL_UPDATE_GOLDEN})
  file(WRITE ${GOLDEN} "${result_text}")
  return()
endif()

file(READ ${GOLDEN} expected)
if(NOT expected STREQUAL result_text)
  get_filename_component(golden_name ${GOLDEN} NAME)
  set(actual_file ${WORK}/${golden_name}.actual)
  file(WRITE ${actual_file} "${result_text}")
  execute_process(COMMAND diff -u ${GOLDEN} ${actual_file})
  message(FATAL_ERROR "output differs from ${GOLDEN} (actual output in ${actual_file})")
endif()
