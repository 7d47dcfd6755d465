# KORVAL_REVISION: the revision of the sources, as --version prints it. "git describe" when
# configured in a git checkout, "unknown" otherwise (a source archive).
# KORVAL_RELEASE_DATE (2026-12-07) and KORVAL_CHANGELOG_DATE (RFC 2822): the date of that
# revision, or of the configure run outside a checkout (SOURCE_DATE_EPOCH when set).
function(korval_git_output variable)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} ${ARGN}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE output
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE status)
  if(status EQUAL 0 AND output)
    set(${variable} "${output}" PARENT_SCOPE)
  endif()
endfunction()

set(KORVAL_REVISION "unknown")
string(TIMESTAMP KORVAL_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP KORVAL_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
find_package(Git QUIET)
if(GIT_FOUND)
  korval_git_output(KORVAL_REVISION describe --always --dirty)
  korval_git_output(KORVAL_RELEASE_DATE log -1 --format=%cs)
  korval_git_output(KORVAL_CHANGELOG_DATE log -1 --format=%cD)
endif()
message(STATUS "Korval ${PROJECT_VERSION}, revision ${KORVAL_REVISION}")
