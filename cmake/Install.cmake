# Installing the game: the program folder as the build made it, launchers on the PATH, the
# desktop entry, the icons and the AppStream metainfo; and a Debian package made of the same.
#
#   cmake --install build [--prefix DIR]    (default prefix /usr/local)
#   cd build && cpack -G DEB                (package for /usr, into build/packages/)
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/packaging/metainfo.cmake)

set(GORVO_INSTALL_PROGRAM_DIR "lib/gorvo250" CACHE STRING
    "Folder, below the install prefix, of the installed program folder")
set(GORVO_SCREENSHOTS_URL "" CACHE STRING
    "Web folder where the release's screenshots (build/previews/*.png) are published")
set(GORVO_PACKAGE_MAINTAINER "Gorvo250 developers" CACHE STRING
    "Maintainer named in the Debian package")
set(GORVO_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)

# The program folder. The executables go through install(TARGETS) so that they lose the build
# tree's search paths; skin checker and help pages are installed by their own folders.
foreach(program gorvo250 gorvo250-sim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})
    endif()
endforeach()
install(FILES ${GORVO_PROGRAM_DIR}/Config.ini ${GORVO_PROGRAM_DIR}/Readme.txt
              ${GORVO_PROGRAM_DIR}/Whatsnew.txt
        DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${GORVO_PROGRAM_DIR}/Graphics ${GORVO_PROGRAM_DIR}/Sound
        DESTINATION ${GORVO_INSTALL_PROGRAM_DIR})

# Launchers: they find the program folder from their own place, so the installed tree can be
# moved as a whole (DESTDIR, --prefix, a package).
if(IS_ABSOLUTE ${GORVO_INSTALL_PROGRAM_DIR})
    set(program_dir_full ${GORVO_INSTALL_PROGRAM_DIR})
else()
    set(program_dir_full ${CMAKE_INSTALL_PREFIX}/${GORVO_INSTALL_PROGRAM_DIR})
endif()
file(RELATIVE_PATH GORVO_BIN_TO_PROGRAM_DIR ${CMAKE_INSTALL_FULL_BINDIR} ${program_dir_full})
foreach(launcher gorvo250 gorvo250-skincheck)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${launcher}.in
        ${GORVO_PACKAGING_DIR}/${launcher} @ONLY NEWLINE_STYLE UNIX)
    install(PROGRAMS ${GORVO_PACKAGING_DIR}/${launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

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
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "The handheld itself lies on the desktop in a borderless window; one click opens its case.\n"
    "Game A, Game B, the clock with its alarm and the ACL button work as on the real\n"
    "unit, with sounds, high scores, key settings, the instruction leaflet, fullscreen\n"
    "with a backdrop, and a skin that anyone can replace.")
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
