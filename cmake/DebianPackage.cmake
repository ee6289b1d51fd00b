# `cpack -G DEB` in the build folder makes the Debian package of what
# `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pitwright)
set(CPACK_PACKAGE_VENDOR "Pitwright developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design the wall of an open pit in cross-section")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Pitwright developers <pitwright@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The long description; CPack puts the summary above it and indents its lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pitwright designs a bench-stack-berm slope from its height, the bench height,
the benches per stack and three angles, derives counts, extents and widths
while you type, draws the section to scale, prints it, saves the design and
writes the wall as a closed 3D shell in the Map3D ASC text format.")
# The dependencies on Qt and CUPS, from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
