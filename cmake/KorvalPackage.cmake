# "cpack -G DEB" in the build folder makes the Debian package of everything installed. Its
# dependencies come from dpkg-shlibdeps over the executables, not from a hand-made list.
set(CPACK_PACKAGE_NAME korval)
set(CPACK_PACKAGE_VENDOR "The Korval developers")
set(CPACK_PACKAGE_CONTACT "${KORVAL_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "software cost estimation with COCOMO, function points and Rayleigh")
set(CPACK_PACKAGE_DESCRIPTION
  "Korval estimates the effort, schedule, staffing and size of a planned\n"
  "software product with three published models: intermediate COCOMO,\n"
  "function points with a table of programming languages, and the Rayleigh\n"
  "staffing model with its manpower buildup index. Every figure comes with a\n"
  "low and a high value. Projects combine the three models, systems roll\n"
  "several projects up into one estimate, and what-if calculators solve each\n"
  "model backwards from a target.\n"
  "\n"
  "The package holds the Qt desktop application, korval-cli, which prints\n"
  "reports, figures as JSON or CSV and the differences between two estimates\n"
  "for scripts, and korval-pdf, which prints reports to PDF for korval-cli.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVAL_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts the reports and PDF pages are laid out with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# "cpack --config CPackSourceConfig.cmake": the sources without build folders or git data.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git($|/)" "/build[^/]*/" "/out/")

include(CPack)
