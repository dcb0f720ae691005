# Pad play: the pad-to-control mapping, SDL's game controllers as the event source, and the
# screensaver held off over D-Bus while a pad player plays. The bridge into the Qt event loop is
# the windows' own (gorvo_ui_gamepad in src/ui).
# SDL is opened when the pads are first looked for, not linked (sdl.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/sdl.cmake)
find_package(Qt6 REQUIRED COMPONENTS Core DBus Widgets)

add_library(gorvo_gamepad STATIC
    ${CMAKE_CURRENT_LIST_DIR}/gamepad_mapper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gamepad_sdl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screensaver_policy.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screensaver_dbus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/screensaver_inhibitor.cpp
)
set_target_properties(gorvo_gamepad PROPERTIES AUTOMOC ON)
target_include_directories(gorvo_gamepad PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(gorvo_gamepad PUBLIC gorvo_core gorvo_sdl Qt6::Core Qt6::DBus Qt6::Widgets)
gorvo_defaults(gorvo_gamepad)
