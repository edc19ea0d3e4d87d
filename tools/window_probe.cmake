# Reads the running program's window from outside, for the end-to-end tests (Windows build only).
if(WIN32)
  add_executable(window_probe ${CMAKE_CURRENT_LIST_DIR}/window_probe.cpp)
  target_link_libraries(window_probe PRIVATE user32)
endif()
