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
#            [SHARDS n]): a GoogleTest executable registered with CTest as `n` tests (one unless
# said), each running its share of the program's tests in one process, by GoogleTest's own
# sharding. A process per test made the suite spend most of its time starting programs (above
# all in the sanitizer build), so a program's tests share their process, as when it is run by
# hand; a slow program is cut into shards that run side by side. Each shard has a timeout: 60 s
# unless the area's tests need more (measured in the sanitizer build, with a margin).
function(gorvo_test name)
    cmake_parse_arguments(T "" "TIMEOUT;SHARDS" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 60)
    endif()
    if(NOT T_SHARDS)
        set(T_SHARDS 1)
    endif()
    if(NOT T_SOURCES)
        message(FATAL_ERROR "gorvo_test(${name}): no SOURCES")
    endif()
    add_executable(${name} ${T_SOURCES})
    gorvo_defaults(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    # The leak checker's suppressions are compiled into the test programs that need them.
    math(EXPR last "${T_SHARDS} - 1")
    foreach(index RANGE ${last})
        set(test_name ${name})
        set(environment QT_QPA_PLATFORM=offscreen)
        if(T_SHARDS GREATER 1)
            math(EXPR number "${index} + 1")
            set(test_name ${name}.${number}of${T_SHARDS})
            list(APPEND environment GTEST_TOTAL_SHARDS=${T_SHARDS} GTEST_SHARD_INDEX=${index})
        endif()
        add_test(NAME ${test_name} COMMAND ${name})
        set_tests_properties(${test_name} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
            ENVIRONMENT "${environment}")
    endforeach()
endfunction()

find_package(GTest REQUIRED)
include(GoogleTest)
