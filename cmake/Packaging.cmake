# `make package`: a Debian package, metrova_<version>_<arch>.deb, whose
# library dependencies dpkg-shlibdeps computes; the two font packages give the
# window its faces.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME metrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${METROVA_COMPANY}")
set(CPACK_PACKAGE_CONTACT "${METROVA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converter for engineering and optical units")
set(CPACK_PACKAGE_DESCRIPTION
    "Metrova converts between the units of ten kinds of quantity in one small\n"
    "window: optical transmittance in percent, attenuation in decibels and\n"
    "optical density, pressure, force, energy, length, area, volume, mass,\n"
    "velocity and temperature. Results show at once, in fixed notation with\n"
    "0 to 10 decimal places or in scientific notation.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# What a plain install puts under the prefix, and Debian's copyright and
# changelog (the component debian, cmake/Install.cmake), in one package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Metrova;ALL;/" "${PROJECT_BINARY_DIR};Metrova;debian;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://halvern.com/metrova")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-urw-base35")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
