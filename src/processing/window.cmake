# The processing window: binds a run to its controls.
add_library(morvane_processing_gui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/windowProcess.cpp
)
target_link_libraries(morvane_processing_gui PUBLIC morvane_processing morvane_platform_gui Qt6::Widgets)
