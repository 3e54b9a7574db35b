# The Debian package, built by CPack from the install rules: `cpack -G DEB` in the build
# directory, or `make package`. The libraries it needs are computed by dpkg-shlibdeps; what no
# library link shows is named here: the Liberation fonts the text engine measures "Arial" with.
set(CPACK_PACKAGE_NAME plattenwerk)
set(CPACK_PACKAGE_VENDOR "The Plattenwerk developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front-panel designer for electronic devices")
set(CPACK_PACKAGE_DESCRIPTION
    "Plattenwerk lays out the front panels of devices: panel size and colour, lines, contours,\n"
    "rectangles, circles, arcs, polygons, texts, drill holes, milled cut-outs, dimension lines,\n"
    "pictures, library symbols and knob scales, and prints them true to scale. The package holds\n"
    "the program, the command-line tool plattenwerk-cli, examples and the manual.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/plattenwerk/plattenwerk")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "The Plattenwerk developers <plattenwerk@users.noreply.github.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-translations-l10n, cups")

include(CPack)
