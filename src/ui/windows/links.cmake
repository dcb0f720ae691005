# Where the splash and About windows point, and what they say about this build.
#
# The two addresses are set when the program is packaged; by default they lead to the help
# pages that ship in the program folder, so every link opens something real even in a local
# build. A name without a scheme is a file relative to the working directory (the program
# folder); "https://..." and "mailto:..." are passed to the desktop as they stand.
set(GORVO_PROJECT_URL "Help/index.html" CACHE STRING
    "Page opened by the splash and About windows' web link")
set(GORVO_CONTACT_URL "Help/contact.html" CACHE STRING
    "Page or mailto: address opened by the splash and About windows' contact link")

# The build date: the day of configuring, or SOURCE_DATE_EPOCH for a reproducible build.
string(TIMESTAMP GORVO_BUILD_DATE "%Y-%m-%d" UTC)

# Only links.cpp sees the values, so a new date or address rebuilds that one file.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/links.cpp PROPERTIES COMPILE_DEFINITIONS
    "GORVO_PROJECT_URL=\"${GORVO_PROJECT_URL}\";GORVO_CONTACT_URL=\"${GORVO_CONTACT_URL}\";GORVO_VERSION=\"${PROJECT_VERSION}\";GORVO_BUILD_DATE=\"${GORVO_BUILD_DATE}\"")

# The splash window lists the sound drivers of this platform.
target_link_libraries(gorvo_windows PUBLIC gorvo_sound)

# The help pages, with the version filled in, into the program folder.
foreach(page index.html contact.html)
    configure_file(${PROJECT_SOURCE_DIR}/assets/help/${page} ${GORVO_PROGRAM_DIR}/Help/${page}
        @ONLY NEWLINE_STYLE UNIX)
endforeach()

# The window tests check the pictures and help pages in the program folder. Their target is
# made later in the configure run, hence the deferred call.
function(gorvo_links_wire_tests)
    if(TARGET window_tests)
        set_property(SOURCE ${PROJECT_SOURCE_DIR}/tests/windows/splash_links_test.cpp
            TARGET_DIRECTORY window_tests APPEND PROPERTY COMPILE_DEFINITIONS
            "GORVO_PROGRAM_DIR=\"${GORVO_PROGRAM_DIR}\"")
        if(TARGET gorvo_media_assets)
            add_dependencies(window_tests gorvo_media_assets)
        endif()
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL gorvo_links_wire_tests)
