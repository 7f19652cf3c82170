# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack from the same install rules as `cmake --install`, so the
# package holds exactly what a player's own install holds. scripts/package drives it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spectrumix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${SPECTRUMIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game that teaches graph coloring")
# CPack puts the summary above this as the package's synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Every puzzle is a random graph of 6 to 16 vertices standing on a circle. Paint
them with the two, three or four colors offered so that no edge joins two
vertices of the same color, in as few clicks as you can. A clash turns the
neighbor black again and shows the edge between them.

Edges can be shown from the start or hidden, to be discovered through clashes.
Each puzzle has a par, and a teaching mode leads from small graphs with visible
edges to large graphs with hidden ones. The built-in help explains the game,
the ideas of graph coloring and strategies to try.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The Qt libraries are found from the binary itself (dpkg-shlibdeps), so a new Qt module needs no
# hand edit here; the fonts the windows are laid out for are not linked and so are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
include(CPack)
