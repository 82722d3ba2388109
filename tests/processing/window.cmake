morvane_qtest(process_window_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowProcessTest.cpp
    LIBS morvane_processing_gui morvane_project)
