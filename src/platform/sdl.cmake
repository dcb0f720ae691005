# SDL2 and SDL2_mixer opened at run time (sdl_library.h): only their headers are needed to
# build, and nothing links them, so the program starts without loading either.
include_guard(GLOBAL)

find_package(SDL2 REQUIRED)
if(NOT TARGET PkgConfig::SDL2_MIXER)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
endif()

add_library(gorvo_sdl STATIC ${CMAKE_CURRENT_LIST_DIR}/sdl_library.cpp)
target_include_directories(gorvo_sdl PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The headers' folders only; the libraries themselves stay unlinked. Read here, where the
# imported targets are visible, and passed on as plain folders.
get_target_property(_gorvo_sdl_includes SDL2::SDL2 INTERFACE_INCLUDE_DIRECTORIES)
get_target_property(_gorvo_sdl_mixer_includes PkgConfig::SDL2_MIXER INTERFACE_INCLUDE_DIRECTORIES)
target_include_directories(gorvo_sdl SYSTEM PUBLIC
    ${_gorvo_sdl_includes} ${_gorvo_sdl_mixer_includes})
target_link_libraries(gorvo_sdl PUBLIC ${CMAKE_DL_LIBS})
gorvo_defaults(gorvo_sdl)
