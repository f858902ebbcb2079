# The Debian package (make deb): what cmake --install puts under /usr, packed by CPack's DEB generator.
# The shared-library dependencies (libc, libstdc++ and the Qt 6 libraries, at the versions this build links
# against) are found by dpkg-shlibdeps; the fonts the screens and the report are drawn with are declared here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME niruka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stormwater drainage design (ニルカ（雨水編）)")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A desktop tool with which civil engineers check whether a drainage facility of land development (a pipe, "
       "a U-trough or a ditch) carries the planned storm runoff: the rational formula, Manning or Kutter, the "
       "verdict and the largest catchment area, with a Japanese calculation report, project files and a "
       "relation diagram. Everything the user sees is Japanese. niruka-cli gives the reports and diagrams of "
       "saved designs without a display.")
set(NIRUKA_PACKAGE_MAINTAINER "Niruka developers <niruka@niruka.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NIRUKA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The xcb platform plugin is part of libqt6gui6 on Debian 12, so no plugin package is needed beside it.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, libqt6printsupport6, libqt6gui6, libqt6core6, "
       "fonts-ipafont-mincho, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
