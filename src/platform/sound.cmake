# Sound output over SDL2 + SDL2_mixer: the driver list, the library and the main window's sound.
find_package(SDL2 REQUIRED)
if(NOT TARGET PkgConfig::SDL2_MIXER)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(SDL2_MIXER REQUIRED IMPORTED_TARGET SDL2_mixer)
endif()

add_library(gorvo_sound STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sound_drivers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_sdl_mixer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_game.cpp
)
target_include_directories(gorvo_sound PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(gorvo_sound PUBLIC gorvo_core SDL2::SDL2 PkgConfig::SDL2_MIXER)
gorvo_defaults(gorvo_sound)

# The sound sources belong to gorvo_sound alone; a platform library that gathered them as well
# gets them through gorvo_sound instead, so they are compiled and linked once.
if(TARGET gorvo_platform)
    get_target_property(_gorvo_platform_sources gorvo_platform SOURCES)
    list(FILTER _gorvo_platform_sources EXCLUDE REGEX "(^|/)sound_[^/]*\\.cpp$")
    set_target_properties(gorvo_platform PROPERTIES SOURCES "${_gorvo_platform_sources}")
    target_link_libraries(gorvo_platform PUBLIC gorvo_sound)
endif()
