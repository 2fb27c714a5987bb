# The Debian package: the files only the package holds, and how cpack makes it
# (bash scripts/package.sh configures and runs it).

# The package manager removes the program and knows every file of it, so no
# uninstall script is recorded; this note tells the program's "uninstall"
# command to send the user to the package manager instead.
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/installed-by-package DESTINATION ${NOVLET_SHARE})

# What Debian asks of every package: its copyright and its change log (a
# native package's is changelog.gz).
set(package_docs ${CMAKE_INSTALL_DATADIR}/doc/corvex-novlet)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${package_docs})
novlet_compressed_file(changelog ${PROJECT_SOURCE_DIR}/data/debian/changelog)
install(FILES ${changelog} DESTINATION ${package_docs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvex-novlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvex Software")
set(CPACK_PACKAGE_CONTACT "Corvex Software <novlet@corvexsoftware.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-placement puzzle game")
# Lines of at most 80 columns, as dpkg shows them.
set(CPACK_PACKAGE_DESCRIPTION [[
Corvex Novlet is a desktop game for the number-placement puzzle Novlet:
boards of N x N cells, N from 4 to 16, in nineteen box shapes. It makes
puzzles of four levels on the spot and lets you solve them with a clock,
undo, hints, error marks, pencil notes and candidates, type in and design
your own, keep a collection of them and print booklets.

The package also holds novlet-tool, which puts the puzzle engine and the
collection on the command line.]])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvex.example.org/novlet/")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# corvex-novlet_1.0.5_amd64.deb: no Debian revision, the version is ours.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the binaries link to, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
