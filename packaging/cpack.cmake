# The Debian package. Included after every install rule, because CPack
# packages exactly what `cmake --install` would put in place.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexel)
set(CPACK_PACKAGE_VENDOR "The Vexel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The executable goes to /usr/games in the package (section games); the
# script moves it there from wherever the install rules put it.
set(CPACK_VEXEL_BINDIR "${CMAKE_INSTALL_BINDIR}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian-games.cmake)

# vexel_1.0.0_amd64.deb rather than CPack's own vexel-1.0.0-Linux.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vexel developers <maintainers@vexel.invalid>")
# The synopsis line comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the
# extended text under it, which CPack indents as the control file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vexel is a small arcade game for one player. Move a green square with the
arrow keys around a board of 11 by 11 squares while 44 guns fire bullets
across it; every bullet that leaves the board scores a point, and points
raise the level and the rate of fire. Options mark the squares under fire,
show the level and switch to two-way play. The best score of each mode is
kept with its holder's name.")
# Let dpkg-shlibdeps read the libraries the executable links against, so the
# Qt and C++ runtime dependencies follow whatever the build machine used.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues, which Debian ships apart from Qt, put the standard
# buttons (OK, Cancel) in the player's language beside the game's texts;
# without them the game still speaks the language, its buttons English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
