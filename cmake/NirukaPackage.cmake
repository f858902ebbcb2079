# The Debian package (make deb): what cmake --install puts under /usr, packed by CPack's DEB generator.
# The shared-library dependencies (libc, libstdc++ and the Qt 6 libraries, at the versions this build links
# against) are found by dpkg-shlibdeps (dpkg-dev); the fonts of the screens and the report are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME niruka)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stormwater drainage design (ニルカ（雨水編）)")
# Lines of at most 80 characters, as dpkg shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A desktop tool with which civil engineers check whether a drainage facility\n"
       "of land development (a pipe, a U-trough or a ditch) carries the planned storm\n"
       "runoff: the rational formula, Manning or Kutter, the verdict and the largest\n"
       "catchment area, with a Japanese calculation report, project files and a\n"
       "relation diagram. Everything the user sees is Japanese.\n"
       "niruka-cli gives the reports and diagrams of saved designs without a display.")
set(NIRUKA_PACKAGE_MAINTAINER "Niruka developers <niruka@niruka.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NIRUKA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-mincho, fonts-ipafont-gothic")
find_program(NIRUKA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NIRUKA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev the libraries are named here, without versions. On Debian 12 the xcb platform plugin
  # is part of libqt6gui6, so no plugin package is needed beside it.
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         "libqt6widgets6, libqt6printsupport6, libqt6gui6, libqt6core6, libstdc++6, libc6, ")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
