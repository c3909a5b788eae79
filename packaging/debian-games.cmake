# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on the files staged for the Debian
# package, before the package is made from them. Debian keeps games in
# /usr/games, which is on every user's PATH there; a plain `cmake --install`
# keeps the executable in CMAKE_INSTALL_BINDIR, where a prefix such as
# ~/.local expects it. Only the package moves it.

set(staged "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(CPACK_TEMPORARY_DIRECTORY STREQUAL "" OR NOT IS_DIRECTORY "${staged}")
    message(FATAL_ERROR "No staged files at '${staged}'; this CPack does not set CPACK_TEMPORARY_DIRECTORY as expected")
endif()
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
