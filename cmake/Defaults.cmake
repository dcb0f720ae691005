# Warnings for every target of the project; sanitizers when asked for. The project's own builds
# (test.sh, CI, bench.sh) make warnings errors; a build that a user or packager configures does
# not, so that a newer compiler's new warning never stops it.
option(GORVO_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
set(GORVO_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
# GCC 12 at -O3 (the Release build) warns of an overlapping copy inside std::string's own
# code wherever a string is built as `"text" + std::string(...)`: a false report of that
# compiler's flow analysis, since the text put in front is a literal, never the string's own
# buffer. Off for GCC 12 in Release builds only; every other compiler and build type keeps it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND GORVO_WARNINGS $<$<CONFIG:Release>:-Wno-restrict>)
endif()
if(GORVO_WARNINGS_AS_ERRORS)
    list(APPEND GORVO_WARNINGS -Werror)
endif()
set(GORVO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

# gorvo_defaults(target): warnings, and the sanitizers in a GORVO_SANITIZE build.
function(gorvo_defaults target)
    target_compile_options(${target} PRIVATE ${GORVO_WARNINGS})
    if(GORVO_SANITIZE)
        target_compile_options(${target} PRIVATE ${GORVO_SANITIZER_FLAGS})
        target_link_options(${target} PRIVATE ${GORVO_SANITIZER_FLAGS})
    endif()
endfunction()

# gorvo_test(name SOURCES sources... LIBS libs... [LABELS labels...] [TIMEOUT seconds]
#            [ONE_TEST]): a GoogleTest executable registered with CTest, each of its tests with a
# timeout: 60 s unless the area's tests need more (measured in the sanitizer build, with a
# margin). ONE_TEST registers the whole program as one CTest test named after it, so that its
# tests share one costly set-up instead of each process making its own.
function(gorvo_test name)
    cmake_parse_arguments(T "ONE_TEST" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 60)
    endif()
    if(NOT T_SOURCES)
        return()  # an area whose tests are not written yet
    endif()
    add_executable(${name} ${T_SOURCES})
    gorvo_defaults(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    set(environment "QT_QPA_PLATFORM=offscreen"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
    if(T_ONE_TEST)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
            ENVIRONMENT "${environment}")
        return()
    endif()
    # A list value would be split into separate properties on its way through the discovery
    # script: its separators travel escaped.
    string(REPLACE ";" "\\;" labels "${T_LABELS}")
    string(REPLACE ";" "\\;" environment "${environment}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${environment}")
endfunction()

find_package(GTest REQUIRED)
include(GoogleTest)
