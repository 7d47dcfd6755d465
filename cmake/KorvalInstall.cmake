# Install rules (GNUInstallDirs): the executables in bin/, the shipped data (defaults
# profile, help pages, tutorial, examples, the figures schema) in share/korval/, where the
# programs look for them relative to themselves, and the desktop integration in its
# freedesktop places: desktop entry, AppStream metainfo, MIME types, icons, manual pages and
# bash completion.
include(GNUInstallDirs)

set(KORVAL_APP_ID "example.korval.Korval" CACHE STRING
  "Reverse-DNS id of the application: desktop entry, metainfo and icon names")
set(KORVAL_HOMEPAGE_URL "https://korval.example/" CACHE STRING
  "Home page named in the metainfo and the package; screenshots/ below it")
set(KORVAL_MAINTAINER "Korval Developers <dev@korval.example>" CACHE STRING
  "Maintainer of the Debian package and its changelog")

set(korval_data_dir ${CMAKE_INSTALL_DATADIR}/korval)
set(korval_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/korval)
set(linux_source ${PROJECT_SOURCE_DIR}/resources/linux)
set(linux_build ${PROJECT_BINARY_DIR}/linux)

install(TARGETS korval-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/korval.ini resources/korval-figures.schema.json
  DESTINATION ${korval_data_dir})
install(DIRECTORY resources/help/ DESTINATION ${korval_data_dir}/help
  PATTERN tutorial.html EXCLUDE)
install(FILES resources/help/tutorial.html DESTINATION ${korval_data_dir})
install(DIRECTORY examples/ DESTINATION ${korval_data_dir}/examples)

# Files that name the application id, the version or the home page.
configure_file(${linux_source}/korval.desktop.in ${linux_build}/${KORVAL_APP_ID}.desktop @ONLY)
configure_file(${linux_source}/korval.metainfo.xml.in
  ${linux_build}/${KORVAL_APP_ID}.metainfo.xml @ONLY)
configure_file(${linux_source}/korval-mime.xml.in ${linux_build}/${KORVAL_APP_ID}.xml @ONLY)
configure_file(${linux_source}/changelog.in ${linux_build}/changelog @ONLY)
foreach(page korval korval-cli korval-pdf)
  configure_file(${linux_source}/${page}.1.in ${linux_build}/${page}.1 @ONLY)
endforeach()

# Manual pages and the changelog are installed compressed, as Debian wants them.
set(compressed)
foreach(file korval.1 korval-cli.1 korval-pdf.1 changelog)
  add_custom_command(OUTPUT ${linux_build}/${file}.gz
    COMMAND gzip -9nc ${linux_build}/${file} > ${linux_build}/${file}.gz
    DEPENDS ${linux_build}/${file}
    VERBATIM)
  list(APPEND compressed ${linux_build}/${file}.gz)
endforeach()

# The PNG icons are drawn from the SVG at build time, so the SVG stays their one source.
set(korval_icon_sizes 16 22 24 32 48 64 128 256)
find_program(RSVG_CONVERT rsvg-convert)
set(icons)
if(RSVG_CONVERT)
  foreach(size ${korval_icon_sizes})
    set(icon ${linux_build}/icons/${size}x${size}/${KORVAL_APP_ID}.png)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${linux_build}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${linux_source}/korval.svg
      DEPENDS ${linux_source}/korval.svg
      VERBATIM)
    list(APPEND icons ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): only the SVG icon is installed")
endif()
add_custom_target(korval_linux_files ALL DEPENDS ${compressed} ${icons})

install(FILES ${linux_build}/${KORVAL_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_build}/${KORVAL_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${linux_build}/${KORVAL_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${linux_source}/korval.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${KORVAL_APP_ID}.svg)
install(FILES ${linux_build}/korval.1.gz ${linux_build}/korval-cli.1.gz ${linux_build}/korval-pdf.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
foreach(command korval korval-cli)
  install(FILES ${linux_source}/korval.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ${command})
endforeach()
install(FILES ${linux_source}/copyright ${linux_build}/changelog.gz DESTINATION ${korval_doc_dir})

if(TARGET korval)
  # korval-cli finds both beside itself: korval-pdf prints its PDF output, korval its charts.
  install(TARGETS korval korval-pdf RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Wayland finds the window's icon and entry through the desktop file's name.
  target_compile_definitions(korval PRIVATE KORVAL_APP_ID="${KORVAL_APP_ID}")
endif()
