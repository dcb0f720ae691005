# Installing the game: the program folder as the build made it, launchers on the PATH, the
# desktop entry, the icons, the AppStream metainfo, the manual pages, the licence and the
# changelog; and a Debian package made of the same.
#
#   cmake --install build [--prefix DIR]    (default prefix /usr/local)
#   cd build && cpack -G DEB                (package for /usr, into build/packages/)
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/packaging/metainfo.cmake)

set(GORVO_INSTALL_PROGRAM_DIR "lib/gorvo250" CACHE STRING
    "Folder, below the install prefix, of the installed program folder")
set(GORVO_SCREENSHOTS_URL "" CACHE STRING
    "Web folder where the release's screenshots (build/previews/*.png) are published")
# Debian keeps games' programs in /usr/games (and /usr/local/games), both on its users' PATH;
# a prefix such as ~/.local wants "bin".
set(GORVO_INSTALL_LAUNCHER_DIR "games" CACHE STRING
    "Folder, below the install prefix, of the launchers gorvo250, gorvo250-skincheck, gorvo250-sim")
set(maintainer_default "Gorvo250 developers <gorvo250@users.noreply.invalid>")
set(GORVO_PACKAGE_MAINTAINER ${maintainer_default} CACHE STRING
    "Maintainer named in the Debian package, as Name <address>")
# Build folders made before the default had an address still hold the old default.
if(GORVO_PACKAGE_MAINTAINER STREQUAL "Gorvo250 developers")
    set_property(CACHE GORVO_PACKAGE_MAINTAINER PROPERTY VALUE ${maintainer_default})
endif()
if(NOT GORVO_PACKAGE_MAINTAINER MATCHES "^[^<>]*[^<> ] <[^<> @]+@[^<> @]+>$")
    message(FATAL_ERROR "GORVO_PACKAGE_MAINTAINER is '${GORVO_PACKAGE_MAINTAINER}': Debian "
                        "packages name their maintainer as 'Name <address>'")
endif()
set(GORVO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
include(${PROJECT_SOURCE_DIR}/packaging/documents.cmake)

# The program folder. The executables go through install(TARGETS) so that they lose the build
# tree's search paths.
foreach(program gorvo250 gorvo250-sim gorvo250-skincheck)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})
    endif()
endforeach()
install(FILES ${GORVO_PROGRAM_DIR}/Config.ini ${GORVO_PROGRAM_DIR}/Readme.txt
              ${GORVO_PROGRAM_DIR}/Whatsnew.txt ${GORVO_PROGRAM_DIR}/gorvo250-sim.md
              ${GORVO_PROGRAM_DIR}/gorvo250-skincheck.md
        DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${GORVO_PROGRAM_DIR}/Graphics ${GORVO_PROGRAM_DIR}/Sound
                  ${GORVO_PROGRAM_DIR}/Help
        DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})

# Launchers: they find the program folder from their own place, so the installed tree can be
# moved as a whole (DESTDIR, --prefix, a package).
foreach(dir GORVO_INSTALL_PROGRAM_DIR GORVO_INSTALL_LAUNCHER_DIR)
    if(IS_ABSOLUTE ${${dir}})
        set(${dir}_full ${${dir}})
    else()
        set(${dir}_full ${CMAKE_INSTALL_PREFIX}/${${dir}})
    endif()
endforeach()
file(RELATIVE_PATH GORVO_LAUNCHER_TO_PROGRAM_DIR ${GORVO_INSTALL_LAUNCHER_DIR_full}
     ${GORVO_INSTALL_PROGRAM_DIR_full})
foreach(launcher gorvo250 gorvo250-skincheck gorvo250-sim)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${launcher}.in
        ${GORVO_PACKAGING_DIR}/${launcher} @ONLY NEWLINE_STYLE UNIX)
    install(PROGRAMS ${GORVO_PACKAGING_DIR}/${launcher} DESTINATION ${GORVO_INSTALL_LAUNCHER_DIR})
endforeach()

# Manual pages, and what Debian asks of every package: the licence terms of everything it holds
# (machine-readable) and the changelog.
install(FILES ${GORVO_MANUAL_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${GORVO_CHANGELOG_GZ}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gorvo250)

# The desktop: menu entry, icons, and what software centres show.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/gorvo250.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
if(DEFINED GORVO_ICON_DIR)
    install(DIRECTORY ${GORVO_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${GORVO_ICON_SVG}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
string(TIMESTAMP release_date "%Y-%m-%d" UTC)
gorvo_write_metainfo(${GORVO_PACKAGING_DIR}/gorvo250.metainfo.xml ${PROJECT_VERSION}
    ${release_date} "${GORVO_PROJECT_URL}" "${GORVO_SCREENSHOTS_URL}")
install(FILES ${GORVO_PACKAGING_DIR}/gorvo250.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The Debian package: installs under /usr; its library dependencies are read from the
# executables by dpkg-shlibdeps, the fonts the game asks for by name are added here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gorvo250)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-screen clamshell LCD handheld game")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The handheld itself lies on the desktop in a borderless window; one click\n"
    "opens its case. Game A, Game B, the clock with its alarm and the ACL button\n"
    "work as on the real unit, with sounds, high scores, key settings, the\n"
    "instruction leaflet, fullscreen with a backdrop, and a skin that anyone can\n"
    "replace.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${GORVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound and controller libraries are opened when first needed, not linked, so they are not
# read from the executables: they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
# Without qt6-wayland a Wayland session runs the game through the X11 compatibility layer; without
# libcanberra (opened when first needed) "Reset Hiscores" gives the toolkit's beep, not the bell.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, libcanberra0, libcanberra-pulse, sound-theme-freedesktop")
gorvo_is_web_address("${GORVO_PROJECT_URL}" has_homepage)
if(has_homepage)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GORVO_PROJECT_URL})
endif()
include(CPack)
