# The installed documents, made at build time into ${GORVO_PACKAGING_DIR} and compressed as
# Debian keeps them (gzip -9n: smallest, and without a time stamp, so a rebuild is identical):
#   man/gorvo250.6.gz               written by hand (man/gorvo250.6.in)
#   man/gorvo250-skincheck.6.gz     made by help2man from the tool's own --help, so the page
#   man/gorvo250-sim.6.gz           and --help always say the same
#   changelog.gz                    debian/changelog
# GORVO_MANUAL_PAGES lists the pages made, GORVO_CHANGELOG_GZ the changelog; the target
# gorvo_documents makes them all.
find_program(GORVO_GZIP gzip REQUIRED)
find_program(GORVO_HELP2MAN help2man)
if(NOT GORVO_HELP2MAN)
    message(WARNING "help2man not found: the manual pages of gorvo250-skincheck and "
                    "gorvo250-sim are not made (scripts/install-deps.sh installs help2man)")
endif()

set(GORVO_MAN_DIR ${GORVO_PACKAGING_DIR}/man)
file(MAKE_DIRECTORY ${GORVO_MAN_DIR})
set(GORVO_MANUAL_PAGES)

string(TIMESTAMP GORVO_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/man/gorvo250.6.in ${GORVO_MAN_DIR}/gorvo250.6 @ONLY
    NEWLINE_STYLE UNIX)
add_custom_command(
    OUTPUT ${GORVO_MAN_DIR}/gorvo250.6.gz
    COMMAND ${GORVO_GZIP} -9nfk ${GORVO_MAN_DIR}/gorvo250.6
    DEPENDS ${GORVO_MAN_DIR}/gorvo250.6
    VERBATIM)
list(APPEND GORVO_MANUAL_PAGES ${GORVO_MAN_DIR}/gorvo250.6.gz)

# What a tool's page says besides its --help: the one-line summary and the extra sections in
# man/TOOL.h2m. The tool runs at build time, so a sanitizer build must not stop on its leaks.
set(gorvo250-skincheck_summary "check a Gorvo250 skin as the game loads it")
set(gorvo250-sim_summary "run the Gorvo250 game on a virtual clock from a script")
foreach(tool gorvo250-skincheck gorvo250-sim)
    if(NOT GORVO_HELP2MAN OR NOT TARGET ${tool})
        continue()
    endif()
    set(page ${GORVO_MAN_DIR}/${tool}.6)
    set(extra ${CMAKE_CURRENT_LIST_DIR}/man/${tool}.h2m)
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                ${GORVO_HELP2MAN} --no-info --section=6 --name=${${tool}_summary}
                --version-string=${PROJECT_VERSION} --include=${extra} --output=${page}
                $<TARGET_FILE:${tool}>
        COMMAND ${GORVO_GZIP} -9nf ${page}
        DEPENDS ${tool} ${extra}
        COMMENT "Writing the manual page of ${tool} from its --help"
        VERBATIM)
    list(APPEND GORVO_MANUAL_PAGES ${page}.gz)
endforeach()

set(GORVO_CHANGELOG_GZ ${GORVO_PACKAGING_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${GORVO_CHANGELOG_GZ}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
            ${GORVO_PACKAGING_DIR}/changelog
    COMMAND ${GORVO_GZIP} -9nf ${GORVO_PACKAGING_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
    VERBATIM)

add_custom_target(gorvo_documents ALL DEPENDS ${GORVO_MANUAL_PAGES} ${GORVO_CHANGELOG_GZ})
