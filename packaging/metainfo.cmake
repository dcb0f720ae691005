# Writes the AppStream metainfo from gorvo250.metainfo.xml.in.
#
# The home page and the screenshots are published on the web, and AppStream accepts only web
# addresses for them; a build that knows no such address (the default) leaves them out rather
# than point at nothing. Used by the install rules and, as a script, by the tests:
#   cmake -DOUTPUT=FILE -DVERSION=V -DRELEASE_DATE=YYYY-MM-DD [-DHOMEPAGE_URL=https://...]
#         [-DSCREENSHOTS_URL=https://...] -P metainfo.cmake

set(GORVO_METAINFO_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/gorvo250.metainfo.xml.in)

function(gorvo_is_web_address text result)
    if(text MATCHES "^https?://[^/ ]+")
        set(${result} TRUE PARENT_SCOPE)
    else()
        set(${result} FALSE PARENT_SCOPE)
    endif()
endfunction()

# Drops the part of `text` between "<!-- NAME -->" and "<!-- end of NAME -->", markers included,
# or only the two marker lines when `keep` is true.
function(gorvo_metainfo_section text name keep result)
    set(begin "[ \t]*<!-- ${name} -->\n")
    set(end "[ \t]*<!-- end of ${name} -->\n")
    if(keep)
        string(REGEX REPLACE "${begin}" "" text "${text}")
        string(REGEX REPLACE "${end}" "" text "${text}")
    else()
        string(REGEX REPLACE "${begin}.*${end}" "" text "${text}")
    endif()
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(gorvo_write_metainfo output version release_date homepage_url screenshots_url)
    gorvo_is_web_address("${homepage_url}" has_homepage)
    gorvo_is_web_address("${screenshots_url}" has_screenshots)

    file(READ ${GORVO_METAINFO_TEMPLATE} text)
    gorvo_metainfo_section("${text}" "web addresses" ${has_homepage} text)
    gorvo_metainfo_section("${text}" "screenshots" ${has_screenshots} text)
    # The names the template's placeholders stand for.
    set(VERSION "${version}")
    set(RELEASE_DATE "${release_date}")
    set(HOMEPAGE_URL "${homepage_url}")
    string(REGEX REPLACE "/+$" "" SCREENSHOTS_URL "${screenshots_url}")
    file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY NEWLINE_STYLE UNIX)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    foreach(required OUTPUT VERSION RELEASE_DATE)
        if(NOT DEFINED ${required})
            message(FATAL_ERROR "metainfo.cmake: -D${required}=... is missing")
        endif()
    endforeach()
    gorvo_write_metainfo(${OUTPUT} ${VERSION} ${RELEASE_DATE} "${HOMEPAGE_URL}"
        "${SCREENSHOTS_URL}")
endif()
