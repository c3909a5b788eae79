# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the files staged for the Debian
# package, before the package is made from them. Debian keeps games in
# /usr/games, which is on every user's PATH there; a plain `cmake --install`
# keeps the executable in CMAKE_INSTALL_BINDIR, where a prefix such as
# ~/.local expects it. Only the package moves it.

# Without the staging directory the path below would name the real /usr.
if(NOT CPACK_TEMPORARY_DIRECTORY OR NOT IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}")
    message(FATAL_ERROR "CPack did not name its staging directory (CPACK_TEMPORARY_DIRECTORY)")
endif()
set(staged "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT CPACK_VEXEL_BINDIR STREQUAL "games")
    if(NOT EXISTS "${staged}/${CPACK_VEXEL_BINDIR}/vexel")
        message(FATAL_ERROR "The staged package has no ${CPACK_VEXEL_BINDIR}/vexel to move to games/")
    endif()
    file(MAKE_DIRECTORY "${staged}/games")
    file(RENAME "${staged}/${CPACK_VEXEL_BINDIR}/vexel" "${staged}/games/vexel")
    file(GLOB left "${staged}/${CPACK_VEXEL_BINDIR}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${staged}/${CPACK_VEXEL_BINDIR}")
    endif()
endif()
