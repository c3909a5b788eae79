# The Qt window: a library, so that tests and benchmarks can build the real
# window and painter, and the game executable on top of it.
add_library(vexel_qt STATIC
    ${CMAKE_CURRENT_LIST_DIR}/board_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/board_view.h
    ${CMAKE_CURRENT_LIST_DIR}/game_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_window.h
    ${CMAKE_CURRENT_LIST_DIR}/key_input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/key_input.h
    ${CMAKE_CURRENT_LIST_DIR}/repaint_tracker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/repaint_tracker.h
    ${CMAKE_CURRENT_LIST_DIR}/scene_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_painter.h
)
set_target_properties(vexel_qt PROPERTIES AUTOMOC ON)
target_link_libraries(vexel_qt PUBLIC vexel_core Qt6::Core Qt6::Gui Qt6::Widgets PRIVATE vexel_warnings)

add_executable(vexel ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(vexel PRIVATE vexel_qt vexel_warnings)
target_compile_definitions(vexel PRIVATE VEXEL_VERSION="${PROJECT_VERSION}")
set_target_properties(vexel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# The window icon: three images of the program's icon group.
set(VEXEL_WINDOW_ICON_DIR ${PROJECT_SOURCE_DIR}/packaging/icons/window)
set(VEXEL_WINDOW_ICONS vexel-32x32-2.png vexel-32x32-16.png vexel-16x16-16.png)
list(TRANSFORM VEXEL_WINDOW_ICONS PREPEND ${VEXEL_WINDOW_ICON_DIR}/)
qt_add_resources(vexel window_icons
    PREFIX /icons
    BASE ${VEXEL_WINDOW_ICON_DIR}
    FILES ${VEXEL_WINDOW_ICONS}
)
