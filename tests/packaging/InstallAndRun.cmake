# Installs the build into a temporary root (DESTDIR, prefix /usr) and runs the installed
# korval-cli there on an example: it must find the shipped defaults profile relative to
# itself and print the same figures as the build.
file(REMOVE_RECURSE ${WORK})
set(usr ${WORK}/root/usr)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK}/root
    ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_QUIET
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the install failed:\n${errors}")
endif()

set(expected
  bin/korval-cli
  share/korval/korval.ini
  share/korval/korval-figures.schema.json
  share/korval/help/index.html
  share/korval/help/reference.html
  share/korval/tutorial.html
  share/korval/examples/payroll.PRJ
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/${APP_ID}.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/man/man1/korval.1.gz
  share/man/man1/korval-cli.1.gz
  share/man/man1/korval-pdf.1.gz
  share/bash-completion/completions/korval
  share/bash-completion/completions/korval-cli
  share/doc/korval/copyright
  share/doc/korval/changelog.gz)
if(DESKTOP)
  list(APPEND expected bin/korval bin/korval-pdf)
endif()
if(EXISTS ${BUILD_DIR}/linux/icons)
  list(APPEND expected share/icons/hicolor/48x48/apps/${APP_ID}.png)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${usr}/${file})
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()

# Nothing else: no tests, benchmarks or libraries, and nothing outside /usr.
file(GLOB_RECURSE installed RELATIVE ${WORK}/root ${WORK}/root/*)
foreach(file ${installed})
  if(NOT file MATCHES "^usr/(bin/korval(-cli|-pdf)?|share/(korval|applications|metainfo|mime/packages|icons/hicolor|man/man1|bash-completion/completions|doc/korval)/)")
    message(FATAL_ERROR "${file} should not be installed")
  endif()
endforeach()

# A clean environment: no named profile, an empty configuration folder.
set(run ${CMAKE_COMMAND} -E env --unset=KORVAL_PROFILE XDG_CONFIG_HOME=${WORK}/config)
execute_process(
  COMMAND ${run} ${usr}/bin/korval-cli figures payroll.PRJ
  WORKING_DIRECTORY ${usr}/share/korval/examples
  OUTPUT_VARIABLE figures
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(READ ${GOLDEN} golden)
if(NOT status EQUAL 0 OR errors OR NOT figures STREQUAL golden)
  message(FATAL_ERROR "the installed korval-cli printed other figures (status ${status}):\n"
    "${errors}${figures}")
endif()

# A new document takes its tables from the defaults profile: the installed one must be the
# shipped profile, found in share/korval.
execute_process(COMMAND ${run} ${usr}/bin/korval-cli new FunctionPoint ${WORK}/installed.FPM
  RESULT_VARIABLE installed_status)
execute_process(COMMAND ${BUILD_CLI} new FunctionPoint ${WORK}/built.FPM --profile ${PROFILE}
  RESULT_VARIABLE built_status)
file(READ ${WORK}/installed.FPM installed_model)
file(READ ${WORK}/built.FPM built_model)
if(NOT installed_status EQUAL 0 OR NOT installed_model STREQUAL built_model)
  message(FATAL_ERROR "the installed korval-cli did not read the shipped defaults profile")
endif()
if(EXISTS ${WORK}/config)
  message(FATAL_ERROR "korval-cli wrote into the configuration folder")
endif()

set(programs korval-cli)
if(DESKTOP)
  list(APPEND programs korval korval-pdf)
endif()
foreach(program ${programs})
  execute_process(
    COMMAND ${run} ${usr}/bin/${program} --version
    OUTPUT_VARIABLE version
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT version MATCHES "^${program} [0-9]+\\.[0-9]+\nrevision ")
    message(FATAL_ERROR "${program} --version (status ${status}): ${version}")
  endif()
endforeach()
