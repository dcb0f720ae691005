# Sound output over SDL2 + SDL2_mixer: the driver list, the library and the main window's sound.
# Both libraries are opened when the sound is first started, not linked (sdl.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sdl.cmake)

add_library(gorvo_sound STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sound_drivers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_sdl_mixer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_game.cpp
)
target_include_directories(gorvo_sound PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(gorvo_sound PUBLIC gorvo_core gorvo_sdl)
gorvo_defaults(gorvo_sound)

# The sound sources belong to gorvo_sound alone; a platform library that gathered them as well
# gets them through gorvo_sound instead, so they are compiled and linked once.
if(TARGET gorvo_platform)
    get_target_property(_gorvo_platform_sources gorvo_platform SOURCES)
    list(FILTER _gorvo_platform_sources EXCLUDE REGEX "(^|/)sound_[^/]*\\.cpp$")
    set_target_properties(gorvo_platform PROPERTIES SOURCES "${_gorvo_platform_sources}")
    target_link_libraries(gorvo_platform PUBLIC gorvo_sound)
endif()
