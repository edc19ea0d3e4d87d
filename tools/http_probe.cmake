# http_probe: one request through http_request, for the end-to-end tests (both builds).
add_executable(http_probe ${CMAKE_CURRENT_LIST_DIR}/http_probe.cpp)
target_link_libraries(http_probe PRIVATE morvella_core)
