# KORVAL_REVISION: the revision of the sources, as --version prints it. "git describe" when
# configured in a git checkout, "unknown" otherwise (a source archive).
set(KORVAL_REVISION "unknown")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} describe --always --dirty
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE revision
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE status)
  if(status EQUAL 0 AND revision)
    set(KORVAL_REVISION "${revision}")
  endif()
endif()
message(STATUS "Korval ${PROJECT_VERSION}, revision ${KORVAL_REVISION}")
