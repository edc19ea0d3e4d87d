# notice_probe: one unlock notice through the real request routine, for the end-to-end tests.
add_executable(notice_probe ${CMAKE_CURRENT_LIST_DIR}/notice_probe.cpp)
target_link_libraries(notice_probe PRIVATE morvella_core)
